#pragma once

// Catches the links the program hands to the desktop: while it lives, the
// desktop's handlers of the given schemes are its own.

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <string>
#include <utility>
#include <vector>

namespace fakes {

class LinkCatcher : public QObject {
    Q_OBJECT
public:
    explicit LinkCatcher(QStringList schemes) : schemes_(std::move(schemes)) {
        for (const QString& scheme : schemes_) QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~LinkCatcher() override {
        for (const QString& scheme : schemes_) QDesktopServices::unsetUrlHandler(scheme);
    }

    std::vector<std::string> opened;

public slots:
    void open(const QUrl& url) { opened.push_back(url.toString().toStdString()); }

private:
    QStringList schemes_;
};

}  // namespace fakes
