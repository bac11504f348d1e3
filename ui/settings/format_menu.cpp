#include "ui/settings/format_menu.h"

namespace veltrano {

namespace {

void AddEntries(QMenu& menu, const ProfileMenu& node) {
    for (const ProfileMenu& sub : node.SubMenus) {
        QMenu* subMenu = menu.addMenu(sub.Caption);
        subMenu->setObjectName(sub.Caption);
        AddEntries(*subMenu, sub);
    }
    for (const OutputProfile* profile : node.Entries) {
        QAction* action = menu.addAction(profile->Caption);
        action->setObjectName(profile->CommandName);
        action->setData(profile->CommandId);
    }
}

}  // namespace

FormatMenu::FormatMenu(const ProfileMenu& root, QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("FormatMenu"));
    setAccessibleName(tr("Output profiles"));
    AddEntries(*this, root);
    // Triggers of sub-menu entries reach the root menu as well.
    connect(this, &QMenu::triggered, this, [this](QAction* action) {
        if (const int commandId = CommandIdOf(action); commandId != 0) {
            emit ProfileChosen(commandId);
        }
    });
}

int FormatMenu::CommandIdOf(const QAction* action) {
    return action != nullptr && action->menu() == nullptr ? action->data().toInt() : 0;
}

}  // namespace veltrano
