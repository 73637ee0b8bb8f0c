#pragma once

#include <QSettings>

#include "forms/services.h"

namespace qtplatform {

// The per-user settings store: QSettings in the native per-user format under
// organisation and application "Vistrel Simulator", group "Drellok", every
// value text. Each write goes to disk at once, and each read sees what any
// process wrote last (two copies of the program may run at once). A store
// that cannot be read or written leaves the program running: what cannot be
// stored is dropped, what was stored is left as it was, and what was written
// in this run reads back in this run.
class QtSettingsStore final : public forms::SettingsStore {
public:
    QtSettingsStore();
    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

    std::optional<std::string> read(const std::string& key) const override;
    void write(const std::string& key, const std::string& value) override;
    void remove(const std::string& key) override;

    QSettings::Status status() const { return settings_.status(); }
    QString fileName() const { return settings_.fileName(); }

private:
    mutable QSettings settings_;
};

}  // namespace qtplatform
