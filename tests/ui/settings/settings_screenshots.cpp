// Saves pictures of the output settings dialog (narrow, wide, profile menu open) into the folder
// given as the first argument. Not a test: scripts/screenshots-settings.sh runs it to look at.
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QTextStream>
#include <QTreeView>

#include "app/join/join_request.h"
#include "core/list/join_list.h"
#include "core/user_messages.h"
#include "profiles/catalogue/profile_catalogue.h"
#include "ui/settings/form_video_format.h"

namespace veltrano {
namespace {

class SilentMessages : public UserMessages {
public:
    void Show(const QString&, const QString&, Icon) override {}
    bool AskYesNo(const QString&, const QString&) override { return false; }
};

class NoFolderBrowser : public FolderBrowser {
public:
    std::optional<QString> ChooseFolder() override { return std::nullopt; }
};

MediaItem Row(const QString& path) {
    MediaItem item;
    item.SourcePath = path;
    item.TypeText = QStringLiteral("MP4");
    item.VideoSizeText = QStringLiteral("1280 X 720");
    return item;
}

bool Save(const QPixmap& picture, const QDir& folder, const char* name) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    const bool saved = picture.save(path);
    QTextStream(stdout) << (saved ? "saved " : "could not save ") << path << '\n';
    return saved;
}

// The dialog with its open menus painted where they stand on the screen.
QPixmap WithMenus(FormVideoFormat& dialog, const QList<QMenu*>& menus) {
    QRect area = dialog.frameGeometry();
    for (const QMenu* menu : menus) {
        area |= menu->geometry();
    }
    QPixmap picture(area.size());
    picture.fill(Qt::darkGray);
    QPainter painter(&picture);
    painter.drawPixmap(dialog.geometry().topLeft() - area.topLeft(), dialog.grab());
    for (QMenu* menu : menus) {
        painter.drawPixmap(menu->pos() - area.topLeft(), menu->grab());
    }
    return picture;
}

QMenu* OpenSubMenu(QMenu* parent, const QString& title) {
    for (QAction* action : parent->actions()) {
        if (action->menu() != nullptr && action->text() == title) {
            parent->setActiveAction(action);
            const QRect at = parent->actionGeometry(action);
            action->menu()->popup(parent->mapToGlobal(at.topRight()));
            return action->menu();
        }
    }
    return nullptr;
}

int Run(const QDir& folder) {
    ProfileCatalogue catalogue;
    JoinList list;
    list.Append(Row(QStringLiteral("/home/user/Videos/holiday.mp4")));
    list.Append(Row(QStringLiteral("/home/user/Videos/holiday-2.mp4")));
    JoinRequest request;
    SilentMessages messages;
    NoFolderBrowser browser;
    FormVideoFormat dialog(
        catalogue, list, request, messages, browser, QStringLiteral("/home/user/Videos/"), [] {},
        nullptr);
    dialog.move(20, 20);
    dialog.show();
    QApplication::processEvents();
    bool saved = Save(dialog.grab(), folder, "settings-narrow.png");

    dialog.findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
    dialog.findChild<QPushButton*>(QStringLiteral("BtnMore"))->click();
    dialog.Grid()->Tree()->setCurrentIndex(dialog.Grid()->CaptionIndex(GridItem::FrameRate));
    QApplication::processEvents();
    saved = Save(dialog.grab(), folder, "settings-wide.png") && saved;

    dialog.findChild<QComboBox*>(QStringLiteral("ComboFormat"))->showPopup();
    QMenu* root = dialog.ProfileMenu();
    QMenu* device = OpenSubMenu(root, QStringLiteral("Device"));
    QMenu* iPhone = device != nullptr ? OpenSubMenu(device, QStringLiteral("iPhone")) : nullptr;
    QApplication::processEvents();
    QList<QMenu*> menus = {root};
    for (QMenu* menu : {device, iPhone}) {
        if (menu != nullptr) {
            menus << menu;
        }
    }
    saved = Save(WithMenus(dialog, menus), folder, "settings-profile-menu.png") && saved;
    for (QMenu* menu : menus) {
        menu->hide();
    }

    // A chosen device profile with the frame rate list open for editing.
    for (QAction* action : root->findChildren<QAction*>()) {
        if (action->text() == QStringLiteral("iPhone - H.264 Video")) {
            action->trigger();
        }
    }
    QTreeView* tree = dialog.Grid()->Tree();
    const QModelIndex frameRate = dialog.Grid()->ValueIndex(GridItem::FrameRate);
    tree->setCurrentIndex(frameRate);
    tree->edit(frameRate);
    QApplication::processEvents();
    saved = Save(dialog.grab(), folder, "settings-profile-chosen.png") && saved;
    return saved ? 0 : 1;
}

}  // namespace
}  // namespace veltrano

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        return 1;
    }
    return veltrano::Run(folder);
}
