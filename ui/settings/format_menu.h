#pragma once

#include <QMenu>

#include "profiles/catalogue/profile_catalogue.h"

namespace veltrano {

// The profile pop-up menu: "General Video Format" and "Device" with its sub-menus, built from
// the catalogue's menu tree. Every entry carries its profile's command identifier.
class FormatMenu : public QMenu {
    Q_OBJECT

public:
    FormatMenu(const ProfileMenu& root, QWidget* parent);

    // The command identifier an entry stands for; 0 for sub-menu entries.
    static int CommandIdOf(const QAction* action);
    // A profile caption or group name as the user reads it (context "Profiles").
    static QString ProfileText(const QString& english);

signals:
    void ProfileChosen(int commandId);

private:
    void AddEntries(QMenu& menu, const ProfileMenu& node);
};

}  // namespace veltrano
