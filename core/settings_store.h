#pragma once

#include <QString>

#include "core/product.h"

namespace veltrano {

// Per-user persistent values (under the company's and the product's name, the platform's
// native store). Forgiving by design: anything missing or unreadable reads as empty text and
// a failed write is ignored. A damaged file reads as empty where it cannot be parsed and is
// replaced by a clean one at the next write.
class SettingsStore {
public:
    SettingsStore();
    virtual ~SettingsStore() = default;

    virtual QString ReadSetting(const QString& name) const;
    virtual void WriteSetting(const QString& name, const QString& text);

    static constexpr const char* kOrganisation = kCompanyName;
    static constexpr const char* kApplication = kProductName;
    static constexpr const char* kOutPath = "OutPath";

private:
    // The file was found damaged: the next write starts it afresh.
    mutable bool damaged_ = false;
};

}  // namespace veltrano
