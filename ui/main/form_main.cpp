#include "ui/main/form_main.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QStatusBar>
#include <algorithm>
#include <exception>

#include "core/product.h"
#include "ui/common/caption_fit.h"
#include "ui/common/window_icon.h"

// Resources compiled into a static library are only registered when asked for by name.
static void InitMainResources() {
    Q_INIT_RESOURCE(main_icons);
}

namespace veltrano {

namespace {

// The status bar's panes as drawn.
constexpr int kTotalFilesWidth = 150;
constexpr int kTotalDurationWidth = 200;

QString Text(const char* text) {
    return QString::fromUtf8(text);
}

QString Tr(const char* text) {
    return QCoreApplication::translate("Main", text);
}

}  // namespace

FormMain::FormMain(const FormMainParts& parts, QWidget* parent)
    : QMainWindow(parent), parts_(parts), controller_(parts.Logic, *this, *this) {
    InitMainResources();
    setObjectName(QStringLiteral("FormMain"));
    setAccessibleName(Text(kProductName));
    setWindowTitle(Text(kProductName));
    QFont font = this->font();
    font.setPointSize(9);
    setFont(font);
    setContextMenuPolicy(Qt::PreventContextMenu);
    resize(kStartupWidth, kStartupHeight);

    // The list fills whatever the bars leave free, on every resize.
    listView_ = new JoinListView(parts_.Logic.List, this);
    setCentralWidget(listView_);
    connect(listView_, &JoinListView::FilesDropped, this, &FormMain::AddDroppedFiles,
            Qt::QueuedConnection);  // the drop completes before probing starts
    connect(listView_, &JoinListView::ContextMenuWanted, this, &FormMain::ShowContextMenu);

    BuildActions();
    BuildMenus();
    BuildToolbar();
    menuPopup_ = [](QMenu& menu, const QPoint& globalPos) { menu.popup(globalPos); };

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kTotalsIntervalMs);
    connect(timer1_, &QTimer::timeout, this, &FormMain::RefreshTotals);
}

void FormMain::BuildActions() {
    for (const MainCommand& command : MainCommands()) {
        const QString caption =
            Tr(command.MenuCaption != nullptr ? command.MenuCaption : command.ToolbarCaption);
        auto* action = new QAction(caption, this);
        action->setObjectName(Text(command.Name));
        action->setData(static_cast<int>(command.Id));
        if (command.ToolbarCaption != nullptr) {
            action->setIconText(Tr(command.ToolbarCaption));
        }
        if (command.ToolTip != nullptr) {
            action->setToolTip(Tr(command.ToolTip));
        }
        if (command.Shortcut != nullptr) {
            action->setShortcut(QKeySequence(Text(command.Shortcut), QKeySequence::PortableText));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        if (command.IconResource != nullptr) {
            action->setIcon(QIcon(Text(command.IconResource)));
        }
        const CommandId id = command.Id;
        connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
        // Keys work while the window has the focus, whichever bar shows the command.
        addAction(action);
        actions_[id] = action;
    }
}

void FormMain::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    bar->setAccessibleName(QCoreApplication::translate("Main", "Menu Bar"));
    const struct {
        const char* caption;
        const char* name;
        std::span<const CommandId> commands;
    } menus[] = {{QT_TRANSLATE_NOOP("Main", "File"), "ID_FILE", FileMenuCommands()},
                 {QT_TRANSLATE_NOOP("Main", "List"), "ID_LIST", ListMenuCommands()},
                 {QT_TRANSLATE_NOOP("Main", "Help"), "ID_HELP", HelpMenuCommands()}};
    for (const auto& entry : menus) {
        QMenu* menu = bar->addMenu(Tr(entry.caption));
        menu->setObjectName(Text(entry.name));
        //: The accessible name of a menu bar menu; %1 is its caption ("File menu").
        menu->setAccessibleName(
            QCoreApplication::translate("Main", "%1 menu").arg(Tr(entry.caption)));
        for (CommandId id : entry.commands) {
            menu->addAction(Action(id));
        }
    }
    contextMenu_ = new QMenu(QCoreApplication::translate("Main", "List"), this);
    contextMenu_->setObjectName(QStringLiteral("IDR_LIST"));
    contextMenu_->setAccessibleName(QCoreApplication::translate("Main", "List context menu"));
    for (CommandId id : ContextMenuCommands()) {
        contextMenu_->addAction(Action(id));
    }
}

void FormMain::BuildToolbar() {
    //: The toolbar's window title (shown in its context menu); the misspelling is historic.
    toolbar_ = addToolBar(QCoreApplication::translate("Main", "Toobar"));
    toolbar_->setObjectName(QStringLiteral("IDR_TOOBAR"));
    toolbar_->setAccessibleName(QCoreApplication::translate("Main", "Toolbar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(24, 24));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (CommandId id : ToolbarCommands()) {
        QAction* action = Action(id);
        toolbar_->addAction(action);
        if (QWidget* button = toolbar_->widgetForAction(action)) {
            button->setObjectName(action->objectName());
            button->setAccessibleName(action->toolTip());
        }
    }
}

QAction* FormMain::Action(CommandId id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

bool FormMain::Load() {
    return controller_.Load();
}

void FormMain::ApplyStyleSheet(const QString& styleSheet) {
    setStyleSheet(styleSheet);
}

void FormMain::ApplyProgramIcon() {
    ApplyWindowIcon(this);
}

void FormMain::CloseWindow() {
    close();
}

void FormMain::OpenOutputSettings() {
    parts_.Openers.OpenOutputSettings(this);
}

void FormMain::OpenPlayer(const QString& path) {
    parts_.Openers.OpenPlayer(this, path);
}

void FormMain::OpenLink(const QUrl& url) {
    parts_.Links.OpenLink(url);
}

void FormMain::SetUpStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setAccessibleName(QCoreApplication::translate("Main", "Status Bar"));
    bar->setVisible(true);
    totalFiles_ = new QLabel(totals_.FilesText(), bar);
    totalFiles_->setObjectName(QStringLiteral("StatusPane101"));
    totalFiles_->setAccessibleName(totalFiles_->text());  // the figure is part of the name
    totalFiles_->setFixedWidth(kTotalFilesWidth);
    totalDuration_ = new QLabel(totals_.DurationText(), bar);
    totalDuration_->setObjectName(QStringLiteral("StatusPane102"));
    totalDuration_->setAccessibleName(totalDuration_->text());
    totalDuration_->setFixedWidth(kTotalDurationWidth);
    FitTotals();
    bar->addWidget(totalFiles_);
    bar->addWidget(totalDuration_);
    timer1_->start();
}

void FormMain::RefreshTotals() {
    if (totalFiles_ == nullptr || !totals_.RefreshTotals(parts_.Logic.List)) {
        return;
    }
    totalFiles_->setText(totals_.FilesText());
    totalFiles_->setAccessibleName(totals_.FilesText());
    totalDuration_->setText(totals_.DurationText());
    totalDuration_->setAccessibleName(totals_.DurationText());
    FitTotals();
}

void FormMain::FitTotals() {
    // The panes have their drawn widths unless a (translated) text needs more.
    totalFiles_->setFixedWidth(std::max(kTotalFilesWidth, caption_fit::NeededWidth(*totalFiles_)));
    totalDuration_->setFixedWidth(
        std::max(kTotalDurationWidth, caption_fit::NeededWidth(*totalDuration_)));
}

void FormMain::Dispatch(int id) {
    // A failing command leaves the window usable and says nothing.
    try {
        RunCommand(static_cast<CommandId>(id));
    } catch (const std::exception&) {
    }
}

void FormMain::RunCommand(CommandId id) {
    switch (id) {
        case CommandId::AddFiles:
            controller_.AddFiles();
            // Add Files leaves the last row selected: keep it in sight after a long batch.
            listView_->scrollTo(listView_->Model().index(parts_.Logic.List.Count() - 1, 0));
            break;
        case CommandId::Join:
            controller_.Join();
            break;
        case CommandId::Exit:
            controller_.Exit();
            break;
        case CommandId::SelectAll:
            parts_.Logic.List.SelectAll();
            break;
        case CommandId::InvertSelection:
            parts_.Logic.List.InvertSelection();
            break;
        case CommandId::RemoveSelected:
            parts_.Logic.List.RemoveSelected();
            break;
        case CommandId::ClearAll:
            parts_.Logic.List.ClearAll();
            break;
        case CommandId::HelpContents:
            controller_.ShowHelp();
            break;
        case CommandId::Website:
            controller_.OpenWebsite();
            break;
        case CommandId::About:
            parts_.Openers.OpenAbout(this);
            break;
        case CommandId::Play:
            controller_.Play();
            break;
        case CommandId::MoveUp:
            parts_.Logic.List.MoveUp();
            break;
        case CommandId::MoveDown:
            parts_.Logic.List.MoveDown();
            break;
    }
}

void FormMain::AddDroppedFiles(const QStringList& paths) {
    controller_.AddDroppedFiles(paths);
}

void FormMain::ShowContextMenu(const QPoint& globalPos) {
    menuPopup_(*contextMenu_, globalPos);
}

void FormMain::closeEvent(QCloseEvent* event) {
    // The close is never refused, whichever path it came by.
    controller_.Closing();
    event->accept();
}

}  // namespace veltrano
