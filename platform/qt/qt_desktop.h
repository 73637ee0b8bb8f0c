#pragma once

#include "forms/services.h"
#include "platform/qt/shown_place.h"

namespace qtplatform {

// The program's folder and what a path names, through QFileInfo.
class QtFileSystem final : public forms::FileSystem {
public:
    std::string programFolder() const override;
    char separator() const override { return '/'; }
    forms::EntryKind query(const std::string& path) const override;
};

// Opens web and mail links with the desktop's handler; a web address without
// its scheme opens as a web page. Nothing else opens through here: a file or
// a program is never started by a link.
class QtShell final : public forms::Shell {
public:
    void open(const std::string& target) override;
};

// The pointer in client pixels of the device window, measured from where the
// window is shown: a window manager may make a move late or never.
class QtCursor final : public forms::Cursor {
public:
    explicit QtCursor(const ShownPlace& shown) : shown_(shown) {}
    forms::Point position() const override;

private:
    const ShownPlace& shown_;
};

}  // namespace qtplatform
