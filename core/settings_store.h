#pragma once

#include <QString>

namespace veltrano {

// Per-user persistent values ("Veltrano Software" / "Veltrano Video Joiner", the platform's
// native store). Forgiving by design: anything missing or unreadable reads as empty text and
// a failed write is ignored.
class SettingsStore {
public:
    SettingsStore();
    virtual ~SettingsStore() = default;

    virtual QString ReadSetting(const QString& name) const;
    virtual void WriteSetting(const QString& name, const QString& text);

    static constexpr const char* kOrganisation = "Veltrano Software";
    static constexpr const char* kApplication = "Veltrano Video Joiner";
    static constexpr const char* kOutPath = "OutPath";
};

}  // namespace veltrano
