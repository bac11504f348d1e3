#include "ui/settings/format_menu.h"

#include <QCoreApplication>

namespace veltrano {

QString FormatMenu::ProfileText(const QString& english) {
    return QCoreApplication::translate("Profiles", english.toUtf8().constData());
}

void FormatMenu::AddEntries(QMenu& menu, const ProfileMenu& node) {
    for (const ProfileMenu& sub : node.SubMenus) {
        QMenu* subMenu = menu.addMenu(ProfileText(sub.Caption));
        subMenu->setObjectName(sub.Caption);
        AddEntries(*subMenu, sub);
    }
    for (const OutputProfile* profile : node.Entries) {
        QAction* action = menu.addAction(ProfileText(profile->Caption));
        action->setObjectName(profile->CommandName);
        action->setData(profile->CommandId);
        // Each entry reports itself, so a choice is announced once however the menu opened.
        const int commandId = profile->CommandId;
        connect(action, &QAction::triggered, this,
                [this, commandId] { emit ProfileChosen(commandId); });
    }
}

FormatMenu::FormatMenu(const ProfileMenu& root, QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("FormatMenu"));
    setAccessibleName(QCoreApplication::translate("Settings", "Output profiles"));
    AddEntries(*this, root);
}

int FormatMenu::CommandIdOf(const QAction* action) {
    return action != nullptr && action->menu() == nullptr ? action->data().toInt() : 0;
}

}  // namespace veltrano
