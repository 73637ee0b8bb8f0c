#include "platform/qt/qt_settings_store.h"

#include <QStringList>

namespace qtplatform {

namespace {

constexpr const char* kOwner = "Vistrel Simulator";
constexpr const char* kSection = "Drellok";

QString keyOf(const std::string& key) {
    return QString(kSection) + '/' + QString::fromStdString(key);
}

}  // namespace

QtSettingsStore::QtSettingsStore() : settings_(QSettings::NativeFormat, QSettings::UserScope, kOwner, kOwner) {}

std::optional<std::string> QtSettingsStore::read(const std::string& key) const {
    // Another running copy may have written since: QSettings reloads a file
    // it sees changed (one status check) only on a sync.
    settings_.sync();
    const QVariant v = settings_.value(keyOf(key));
    if (!v.isValid()) return std::nullopt;
    // A value edited by hand to hold commas reads back as a list: give its
    // items as one text, which then converts (or not) like any other.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(',').toStdString();
    return v.toString().toStdString();
}

void QtSettingsStore::write(const std::string& key, const std::string& value) {
    settings_.setValue(keyOf(key), QString::fromStdString(value));
    settings_.sync();
}

void QtSettingsStore::remove(const std::string& key) {
    settings_.remove(keyOf(key));
    settings_.sync();
}

}  // namespace qtplatform
