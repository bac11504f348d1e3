#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <map>

#include "app/join/join_request.h"
#include "app/join/join_runner.h"
#include "app/main/main_controller.h"
#include "app/probe/file_chooser.h"
#include "app/probe/media_prober.h"
#include "core/list/join_list.h"
#include "core/list/join_totals.h"
#include "core/program_folder.h"
#include "core/settings_store.h"
#include "core/user_messages.h"
#include "engine/api/media_encoder.h"
#include "ui/main/join_list_view.h"
#include "ui/main/link_opener.h"
#include "ui/main/main_commands.h"
#include "ui/main/window_openers.h"

namespace veltrano {

// What the main window works with; all of it outlives the window.
struct FormMainParts {
    MainControllerParts Logic;  // what the main window's rules work with
    WindowOpeners& Openers;
    LinkOpener& Links;
};

// The main window FormMain: the join list, its commands (menu bar, toolbar, context menu,
// keys, all through Dispatch), the totals in the status bar, and drops. It only renders and
// forwards; the rules are MainController's and, below it, JoinList's.
class FormMain : public QMainWindow, private MainView, private MainOpeners {
    Q_OBJECT

public:
    static constexpr int kStartupWidth = 688;
    static constexpr int kStartupHeight = 468;
    static constexpr int kTotalsIntervalMs = 300;

    explicit FormMain(const FormMainParts& parts, QWidget* parent = nullptr);

    // Start-up once the window is built: the skin, the status bar, the engine, the window
    // icon. False when the engine is missing ("Video lib not found" was shown): the program
    // must end at once.
    bool Load();

    // Runs a command, wherever it came from. Identifiers without an action do nothing.
    void Dispatch(int id);
    void Dispatch(CommandId id) { Dispatch(static_cast<int>(id)); }

    // The timer's tick: the two status panes follow the list.
    void RefreshTotals();
    // Probes dropped paths into the list (folders are skipped).
    void AddDroppedFiles(const QStringList& paths);

    // How the context menu pops up; tests replace it so that nothing waits for a user.
    using MenuPopup = std::function<void(QMenu& menu, const QPoint& globalPos)>;
    void SetMenuPopup(MenuPopup popup) { menuPopup_ = std::move(popup); }

    MainController& Controller() { return controller_; }
    JoinListView* ListView() const { return listView_; }
    QAction* Action(CommandId id) const;
    QMenu* ContextMenu() const { return contextMenu_; }
    QToolBar* Toolbar() const { return toolbar_; }
    QLabel* TotalFilesPane() const { return totalFiles_; }
    QLabel* TotalDurationPane() const { return totalDuration_; }
    QTimer* TotalsTimer() const { return timer1_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The status panes keep their drawn widths unless their texts need more.
    void FitTotals();
    void ApplyStyleSheet(const QString& styleSheet) override;
    void SetUpStatusBar() override;
    void ApplyProgramIcon() override;
    void CloseWindow() override;
    void OpenOutputSettings() override;
    void OpenPlayer(const QString& path) override;
    void OpenLink(const QUrl& url) override;

    void BuildActions();
    void BuildMenus();
    void BuildToolbar();
    void RunCommand(CommandId id);
    void ShowContextMenu(const QPoint& globalPos);

    FormMainParts parts_;
    MainController controller_;
    JoinTotals totals_;
    JoinListView* listView_ = nullptr;
    std::map<CommandId, QAction*> actions_;
    QMenu* contextMenu_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QLabel* totalFiles_ = nullptr;
    QLabel* totalDuration_ = nullptr;
    QTimer* timer1_ = nullptr;
    MenuPopup menuPopup_;
};

}  // namespace veltrano
