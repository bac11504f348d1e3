// Every window under a pseudo-translation ("[Ŧ...]" around each text, made from a .ts file by
// scripts/pseudo-translate.py): a text still shown in plain English bypasses translation. And
// under each shipped language, no caption is cut.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTranslator>

#include "tests/app/player/fake_media_player.h"
#include "tests/ui/program/started_windows_test.h"
#include "ui/about/form_flash.h"
#include "ui/main/form_wait.h"
#include "ui/player/form_player.h"
#include "ui/player/qt_player_messages.h"
#include "ui/settings/qt_folder_browser.h"

namespace veltrano {
namespace {

// Installed before any window is built, since windows take their texts when built.
struct PseudoTranslation {
    PseudoTranslation() {
        TestApplication();
        loaded = translator.load(QStringLiteral(VELTRANO_PSEUDO_QM));
        QCoreApplication::installTranslator(&translator);
    }
    ~PseudoTranslation() { QCoreApplication::removeTranslator(&translator); }
    QTranslator translator;
    bool loaded = false;
};

// What may stay as it is: names and values, never sentences: the product, the company, a file
// extension ("mp4"), a size, figures, and the grid's "Auto", a value the parameter builder reads
// back from the cell.
const QRegularExpression kAllowed(
    QStringLiteral("^(Veltrano Video Joiner|Veltrano Software|Auto|[a-z0-9]+|\\d+ x \\d+( "
                   "\\(\\w+\\))?|[^A-Za-z]*)$"));

// The English left in a text once every translated part is taken out, innermost first.
QString Untranslated(QString text) {
    static const QRegularExpression marked(QStringLiteral("\\[\u0166[^\\[\\]]*\\]"));
    for (qsizetype before = -1; before != text.size();) {
        before = text.size();
        text.remove(marked);
    }
    text = text.trimmed();
    return kAllowed.match(text).hasMatch() ? QString() : text;
}

class TextCollector {
public:
    void Add(const QString& where, const QString& text) {
        const QString left = Untranslated(text);
        if (!left.isEmpty()) {
            found_ << where + ": \"" + text + "\"";
        }
    }

    void AddModel(const QString& where, const QAbstractItemModel* model,
                  const QModelIndex& parent) {
        for (int column = 0; column < model->columnCount(parent); ++column) {
            Add(where + "/header", model->headerData(column, Qt::Horizontal).toString());
        }
        for (int row = 0; row < model->rowCount(parent); ++row) {
            for (int column = 0; column < model->columnCount(parent); ++column) {
                const QModelIndex index = model->index(row, column, parent);
                Add(where + "/cell", index.data().toString());
                Add(where + "/tip", index.data(Qt::ToolTipRole).toString());
                AddModel(where, model, index);
            }
        }
    }

    void AddActions(const QString& where, const QList<QAction*>& actions) {
        for (QAction* action : actions) {
            const QString name = where + "/" + action->objectName();
            Add(name, action->text());
            Add(name + "/tip", action->toolTip());
            Add(name + "/icon text", action->iconText());
            if (action->menu() != nullptr) {
                AddWidget(action->menu());
            }
        }
    }

    void AddWidget(QWidget* widget) {
        const QString where = widget->window()->objectName() + "/" + widget->objectName();
        if (widget->isWindow()) {
            Add(where + "/title", widget->windowTitle());
        }
        Add(where + "/name", widget->accessibleName());
        Add(where + "/description", widget->accessibleDescription());
        Add(where + "/tip", widget->toolTip());
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            Add(where, button->text().remove(QLatin1Char('&')));
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            Add(where, label->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            Add(where, group->title());
        } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
            Add(where, menu->title());
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                Add(where, combo->itemText(i));
            }
        } else if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
            if (qobject_cast<QHeaderView*>(widget) == nullptr && view->model() != nullptr) {
                AddModel(where, view->model(), QModelIndex());
            }
        }
        AddActions(where, widget->actions());
    }

    void AddWindow(QWidget* window) {
        AddWidget(window);
        for (QWidget* child : window->findChildren<QWidget*>()) {
            AddWidget(child);
        }
    }

    QStringList found_;
};

// The pseudo-translation is a base listed first, so it is installed before the windows are built.
class TranslatedWindowsTest : private PseudoTranslation, public StartedWindowsTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(loaded) << VELTRANO_PSEUDO_QM;
        StartedWindowsTest::SetUp();
    }
};

TEST_F(TranslatedWindowsTest, EveryVisibleTextGoesThroughTranslation) {
    FormMain& main = program.MainWindow();
    QtFolderBrowser browser(&main);
    FormVideoFormat settings(
        program.Catalogue(), program.List(), program.Request(), messages, browser, QString(), [] {},
        &main);
    settings.show();
    settings.findChild<QAbstractButton*>(QStringLiteral("BtnMore"))->click();  // the grid too
    FormConverting progress(&main, program.Runner(), taskbar, sound, notice);
    FakeMediaPlayer engine;
    QtPlayerMessages playerMessages(&main);
    FormPlayer player(engine, playerMessages, program.Folder().Path(), &main);
    FormFlash about(&main, std::make_unique<FakeOneShotTimer>());
    FormWait wait(&main);
    notice.ShowNoticeAt(QStringLiteral("/out"), QString(), QPoint(0, 0));
    main.Dispatch(CommandId::Exit);  // "Do you want to exit?", answered no

    TextCollector texts;
    for (QWidget* window : std::initializer_list<QWidget*>{&main, &settings, &progress, &notice,
                                                           &player, &about, &wait}) {
        texts.AddWindow(window);
    }
    ASSERT_FALSE(messages.Shown.isEmpty());
    for (const RecordingMessages::Box& box : messages.Shown) {
        texts.Add(QStringLiteral("message"), box.Text);
        texts.Add(QStringLiteral("message title"), box.Title);
    }
    EXPECT_TRUE(texts.found_.isEmpty()) << texts.found_.join(QLatin1Char('\n')).toStdString();
}

// The captions of the main window, the output settings dialog (wide) and the progress window are
// no narrower than their texts in any shipped language.
TEST(TranslatedLayoutTest, NoCaptionIsCutInAnyLanguage) {
    TestApplication();
    for (const char* language : {"de", "fr", "es", "pt_BR", "it", "ru", "pl", "zh_CN", "ja"}) {
        SCOPED_TRACE(language);
        QTranslator translator;
        ASSERT_TRUE(translator.load(
            QStringLiteral(VELTRANO_QM_DIR "/veltrano_%1.qm").arg(QLatin1String(language))));
        QCoreApplication::installTranslator(&translator);
        {
            StartedWindows windows;
            ASSERT_TRUE(windows.Start());
            FormMain& main = windows.program.MainWindow();
            main.show();
            QtFolderBrowser browser(&main);
            FormVideoFormat settings(
                windows.program.Catalogue(), windows.program.List(), windows.program.Request(),
                windows.messages, browser, QString(), [] {}, &main);
            settings.show();
            settings.findChild<QAbstractButton*>(QStringLiteral("BtnMore"))->click();
            FormConverting progress(&main, windows.program.Runner(), windows.taskbar, windows.sound,
                                    windows.notice);
            progress.show();
            for (QWidget* window : std::initializer_list<QWidget*>{&main, &settings, &progress}) {
                for (QWidget* control : window->findChildren<QWidget*>()) {
                    if (control->window() != window || !control->isVisibleTo(window)) {
                        continue;
                    }
                    int needed = 0;
                    if (auto* label = qobject_cast<QLabel*>(control)) {
                        needed =
                            label->wordWrap()
                                ? 0
                                : label->fontMetrics().horizontalAdvance(label->text().trimmed());
                    } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
                        needed = radio->minimumSizeHint().width();  // with its indicator
                    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                        needed = button->fontMetrics().horizontalAdvance(
                            button->text().remove(QLatin1Char('&')));
                    }
                    EXPECT_GE(control->width(), needed) << window->objectName().toStdString() << "/"
                                                        << control->objectName().toStdString();
                }
            }
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

}  // namespace
}  // namespace veltrano
