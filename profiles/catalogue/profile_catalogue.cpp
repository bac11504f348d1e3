#include "profiles/catalogue/profile_catalogue.h"

#include <algorithm>

#include "profiles/catalogue/profile_table.h"

namespace veltrano {

namespace {

std::optional<QString> OptionalText(const char* text) {
    if (text == nullptr) {
        return std::nullopt;
    }
    return QString::fromUtf8(text);
}

OutputProfile FromRow(const ProfileTableRow& row) {
    OutputProfile profile;
    profile.CommandId = row.CommandId;
    profile.CommandName = QString::fromUtf8(row.CommandName);
    profile.Caption = QString::fromUtf8(row.Caption);
    profile.Group = QString::fromUtf8(row.Group);
    profile.FormatKey = QString::fromUtf8(row.FormatKey);
    if (row.Width != nullptr && row.Height != nullptr) {
        profile.Size = ProfileSize{QString::fromUtf8(row.Width), QString::fromUtf8(row.Height)};
    }
    profile.FrameRate = OptionalText(row.FrameRate);
    profile.AudioBitrate = OptionalText(row.AudioBitrate);
    if (row.Channels != 0) {
        profile.Channels = row.Channels;
    }
    return profile;
}

// Finds the sub-menu with that caption, appending it when it is new, so that sub-menus keep
// the order in which the table first mentions them.
ProfileMenu& SubMenu(ProfileMenu& parent, const QString& caption) {
    auto found = std::find_if(parent.SubMenus.begin(), parent.SubMenus.end(),
                              [&](const ProfileMenu& menu) { return menu.Caption == caption; });
    if (found != parent.SubMenus.end()) {
        return *found;
    }
    parent.SubMenus.push_back(ProfileMenu{caption, {}, {}});
    return parent.SubMenus.back();
}

}  // namespace

ProfileCatalogue::ProfileCatalogue() {
    const auto table = ProfileTable();
    profiles_.reserve(table.size());
    for (const ProfileTableRow& row : table) {
        profiles_.push_back(FromRow(row));
    }

    root_.Caption = QStringLiteral("FormatMenu");
    root_.SubMenus.push_back(ProfileMenu{QString::fromUtf8(kGeneralGroup), {}, {}});
    root_.SubMenus.push_back(ProfileMenu{QString::fromUtf8(kDeviceMenu), {}, {}});
    ProfileMenu& general = root_.SubMenus[0];
    ProfileMenu& device = root_.SubMenus[1];
    for (const OutputProfile& profile : profiles_) {
        if (profile.Group == general.Caption) {
            general.Entries.push_back(&profile);
        } else {
            SubMenu(device, profile.Group).Entries.push_back(&profile);
        }
    }
}

const OutputProfile* ProfileCatalogue::FindByCommandId(int commandId) const {
    auto found = std::find_if(profiles_.begin(), profiles_.end(),
                              [&](const OutputProfile& p) { return p.CommandId == commandId; });
    return found == profiles_.end() ? nullptr : &*found;
}

const OutputProfile* ProfileCatalogue::FindByCommandName(const QString& commandName) const {
    auto found = std::find_if(profiles_.begin(), profiles_.end(),
                              [&](const OutputProfile& p) { return p.CommandName == commandName; });
    return found == profiles_.end() ? nullptr : &*found;
}

const OutputProfile* ProfileCatalogue::FindByCaption(const QString& caption) const {
    auto found = std::find_if(profiles_.begin(), profiles_.end(),
                              [&](const OutputProfile& p) { return p.Caption == caption; });
    return found == profiles_.end() ? nullptr : &*found;
}

const OutputProfile& ProfileCatalogue::DefaultProfile() const {
    return *FindByCommandName(QString::fromUtf8(kDefaultCommandName));
}

QString ExtensionForFormatKey(const QString& formatKey) {
    if (formatKey == QLatin1String("mp4h264")) {
        return QStringLiteral("mp4");
    }
    static constexpr const char* kMpgKeys[] = {"mpg2", "ntsc-dvd", "pal-dvd", "ntsc-vcd",
                                               "pal-vcd"};
    for (const char* key : kMpgKeys) {
        if (formatKey == QLatin1String(key)) {
            return QStringLiteral("mpg");
        }
    }
    return formatKey;
}

}  // namespace veltrano
