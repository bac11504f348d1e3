#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

#include "profiles/catalogue/output_profile.h"

namespace veltrano {

// A node of the profile pop-up menu: either sub-menus or profile entries, in display order.
struct ProfileMenu {
    QString Caption;
    std::vector<ProfileMenu> SubMenus;
    std::vector<const OutputProfile*> Entries;  // point into the owning ProfileCatalogue
};

// The 126 output profiles and the menu tree that shows them. Built once by whoever owns the
// dialog (or the command-line front end) and passed on; immutable afterwards. Not copyable,
// because the menu points into the catalogue's own entries.
class ProfileCatalogue {
public:
    ProfileCatalogue();
    ProfileCatalogue(const ProfileCatalogue&) = delete;
    ProfileCatalogue& operator=(const ProfileCatalogue&) = delete;

    static constexpr const char* kGeneralGroup =
        QT_TRANSLATE_NOOP("Profiles", "General Video Format");
    static constexpr const char* kDeviceMenu = QT_TRANSLATE_NOOP("Profiles", "Device");
    static constexpr const char* kDefaultCommandName = "ID_MPH";  // "MP4 - H264 Video (*.mp4)"

    // All entries in menu order (general formats first, then each device sub-menu).
    const std::vector<OutputProfile>& Profiles() const { return profiles_; }
    // Root menu `FormatMenu`: "General Video Format" and "Device" with its sub-menus.
    const ProfileMenu& FormatMenu() const { return root_; }

    // nullptr when nothing matches. Names and captions compare exactly.
    const OutputProfile* FindByCommandId(int commandId) const;
    const OutputProfile* FindByCommandName(const QString& commandName) const;
    const OutputProfile* FindByCaption(const QString& caption) const;
    // The profile the dialog starts on.
    const OutputProfile& DefaultProfile() const;

private:
    std::vector<OutputProfile> profiles_;
    ProfileMenu root_;
};

// File extension (no dot) that a format key produces: "mp4h264" gives "mp4", the MPEG-2 and
// VCD/DVD keys give "mpg", every other key gives itself.
QString ExtensionForFormatKey(const QString& formatKey);

}  // namespace veltrano
