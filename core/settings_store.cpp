#include "core/settings_store.h"

#include <QSettings>
#include <QVariant>

namespace veltrano {

namespace {

QSettings OpenStore() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, SettingsStore::kOrganisation,
                     SettingsStore::kApplication);
}

// A stored text that begins with a zero character is empty; one trailing zero is dropped.
QString CleanText(QString text) {
    if (text.isEmpty() || text.front() == QChar(0)) {
        return {};
    }
    if (text.back() == QChar(0)) {
        text.chop(1);
    }
    return text;
}

}  // namespace

SettingsStore::SettingsStore() = default;

QString SettingsStore::ReadSetting(const QString& name) const {
    QSettings store = OpenStore();
    // Qt says so only to the first reader of a file in a process (later ones share its cache).
    damaged_ = damaged_ || store.status() == QSettings::FormatError;
    const QVariant value = store.value(name);
    switch (value.typeId()) {
        case QMetaType::QString:
            return CleanText(value.toString());
        case QMetaType::Int:
        case QMetaType::UInt:
            return QString::number(value.toLongLong());
        default:
            // Missing values, byte arrays, lists and anything else read as empty.
            return {};
    }
}

void SettingsStore::WriteSetting(const QString& name, const QString& text) {
    QSettings store = OpenStore();
    // A file Qt cannot parse is replaced, not merged into: whatever it made of the damage
    // would otherwise be written back beside the new value.
    if (damaged_ || store.status() == QSettings::FormatError) {
        store.clear();
        damaged_ = false;
    }
    store.setValue(name, text);
    store.sync();  // a failed write leaves the store as it was; nothing is reported
}

}  // namespace veltrano
