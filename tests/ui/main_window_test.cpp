#include <gtest/gtest.h>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTimer>
#include <QWindow>

#include "persistence/native_format.h"
#include "scripted_prompts.h"
#include "settings/machine_store.h"
#include "settings/store_fixture.h"
#include "test_support.h"
#include "ui/main_window.h"
#include "ui/progress_window.h"

using namespace kinvarro;
using kinvarro::test::addPerson;
using kinvarro::test::ScriptedPrompts;

namespace {

class MainWindowTest : public kinvarro::test::TemporaryConfigHome {
  protected:
    std::unique_ptr<TForm1> makeWindow() {
        return std::make_unique<TForm1>(messages, *store, prompts);
    }

    QString writeChart(const QString &name) {
        Document doc;
        addPerson(doc, 0, 0);
        const QString path = configHome() + '/' + name;
        EXPECT_TRUE(WriteDocument(path, doc).ok());
        return path;
    }

    void SetUp() override {
        TemporaryConfigHome::SetUp();
        store = std::make_unique<MachineStore>();
    }

    MessageTable messages;
    ScriptedPrompts prompts;
    std::unique_ptr<MachineStore> store;
};

QStringList shownRecentFiles(TForm1 &window) {
    QStringList shown;
    for (QAction *item : window.menus().PlaceHolders) {
        if (item->isVisible())
            shown << item->text();
    }
    return shown;
}

}  // namespace

TEST_F(MainWindowTest, RecentFilesMoveToFrontAndSurviveARestart) {
    const QString a = writeChart("a.kvr");
    const QString b = writeChart("b.kvr");
    {
        auto window = makeWindow();
        EXPECT_FALSE(window->menus().NPlaceHolders->isEnabled());
        window->fileCommands().openPath(a);
        window->fileCommands().openPath(b);
        window->fileCommands().openPath(a);
        EXPECT_EQ(shownRecentFiles(*window), (QStringList{a, b}));
        EXPECT_EQ(window->windowTitle(), "Kinvarro - a[*]");
    }
    auto restarted = makeWindow();
    EXPECT_EQ(shownRecentFiles(*restarted), (QStringList{a, b}));
    EXPECT_TRUE(restarted->menus().NPlaceHolders->isEnabled());
    restarted->menus().PlaceHolders[1]->trigger();
    EXPECT_EQ(restarted->document().NodeTable.NodeCount(), 1);
    EXPECT_EQ(shownRecentFiles(*restarted), (QStringList{b, a}));
}

TEST_F(MainWindowTest, TheTitleShowsAStarWhileTheDocumentIsModified) {
    const QString path = writeChart("family.kvr");
    auto window = makeWindow();
    window->winId();  // the native window carries the title as shown
    auto shown = [&] { return window->windowHandle()->title(); };
    window->fileCommands().openPath(path);
    EXPECT_EQ(shown(), "Kinvarro - family");
    window->session().setParentLink(0, true, -1);
    EXPECT_EQ(shown(), "Kinvarro - family*");
    window->session().undoStack().undo();
    EXPECT_EQ(shown(), "Kinvarro - family") << "undo back to the saved state";
    window->session().undoStack().redo();
    window->menus().N2->trigger();
    EXPECT_EQ(shown(), "Kinvarro - family");
}

TEST_F(MainWindowTest, PlacementRestoresOnlyTheStoredValues) {
    auto window = makeWindow();
    const QRect centred = window->geometry();
    EXPECT_EQ(centred.size(), TForm1::kStartSize);
    {
        QSettings raw(store->filePath(), QSettings::IniFormat);
        raw.setValue("X", 10);
    }
    window->restorePlacement();
    EXPECT_EQ(window->geometry().left(), 10);
    EXPECT_EQ(window->geometry().top(), centred.top());
    EXPECT_EQ(window->geometry().size(), centred.size());

    store->setPlacement(-30, 0, 800, 600);
    window->restorePlacement();
    EXPECT_EQ(window->geometry(), QRect(-4, 0, 800, 600));
}

TEST_F(MainWindowTest, ClosingOrExitAsksAboutChangesAndStoresOnlyANormalPlacement) {
    auto window = makeWindow();
    window->session().markModified();
    prompts.answers = {Answer::Cancel};
    QCloseEvent cancelled;
    QCoreApplication::sendEvent(window.get(), &cancelled);
    EXPECT_FALSE(cancelled.isAccepted());
    EXPECT_FALSE(store->placement().x.has_value());

    prompts.answers = {Answer::No};
    window->setGeometry(33, 44, 640, 480);
    QCloseEvent closed;
    QCoreApplication::sendEvent(window.get(), &closed);
    EXPECT_TRUE(closed.isAccepted());
    EXPECT_EQ(store->placement().x, 33);
    EXPECT_EQ(store->placement().height, 480);

    window->setWindowState(Qt::WindowMaximized);
    window->setGeometry(0, 0, 900, 700);
    QCloseEvent maximised;
    QCoreApplication::sendEvent(window.get(), &maximised);
    EXPECT_EQ(store->placement().width, 640);

    // Exit remembers the window too.
    window->setWindowState(Qt::WindowNoState);
    window->setGeometry(55, 66, 700, 500);
    prompts.answers = {Answer::No};
    window->menus().N1->trigger();
    EXPECT_EQ(store->placement().x, 55);
    EXPECT_EQ(store->placement().width, 700);
    // Exit ends every event loop from now on, so a later test's dialog would
    // return at once: the application's own loop runs once to take that back.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

TEST_F(MainWindowTest, EveryMenuItemHasItsCaptionAndShortcut) {
    auto window = makeWindow();
    struct Item {
        const char *name;
        const char *caption;
        QKeySequence shortcut;
    } items[] = {
        {"N24", "Создать", QKeySequence("Ctrl+N")},
        {"N4", "Открыть", QKeySequence("Ctrl+O")},
        {"N2", "Сохранить", QKeySequence("Ctrl+S")},
        {"N3", "Сохранить как..", {}},
        {"N1", "Выход", QKeySequence("Ctrl+X")},
        {"Nmashtab", "&Маштаб (100%)", QKeySequence("Ctrl+M")},
        {"Nsearch", "Найти элемент..", QKeySequence("Ctrl+F")},
        {"N35", "Выделить все элементы", QKeySequence("Ctrl+A")},
        {"NFitAll", "Показать всё", QKeySequence("Ctrl+0")},
        {"NActualSize", "100 %", QKeySequence("Ctrl+1")},
        {"NColorElements", "Раскрасить элементы", {}},
        {"N51", "Информация", {}},
        {"NStatistic", "Статистика..", {}},
        {"N20", "Сбросить настройки", {}},
        {"NPositionLines", "Отображать направляющие", {}},
        {"N8", "Помощь", QKeySequence("F1")},
        {"N7", "О программе..", {}},
        {"NLanguage", "  Do you speak..  ", {}},
        {"NdelSelected", "Удалить выделенные элементы", QKeySequence("Del")},
        {"N41", "..всё что левее", {}},
    };
    for (const Item &item : items) {
        QAction *action = window->menus().item(item.name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), QString::fromUtf8(item.caption)) << item.name;
        EXPECT_EQ(action->shortcut(), item.shortcut) << item.name;
    }
    EXPECT_EQ(window->menus().N1->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+X"), QKeySequence("Ctrl+Q")}));
    EXPECT_EQ(window->maximumSize(), QSize(1584, 1151));
    EXPECT_EQ(window->minimumSize(), QSize(450, 170));
}

TEST_F(MainWindowTest, SaveAsGedcomUtf8WritesTheFileUnderTheProgressWindow) {
    auto window = makeWindow();
    window->fileCommands().openPath(writeChart("a.kvr"));
    // Counts the progress window's appearances.
    struct ShowCounter : QObject {
        int shown = 0;
        bool eventFilter(QObject *, QEvent *event) override {
            shown += event->type() == QEvent::Show;
            return false;
        }
    } counter;
    window->progressWindow().installEventFilter(&counter);

    const QString target = configHome() + QStringLiteral("/exported");
    prompts.files = {FileChoice{target, 5}};
    window->menus().N3->trigger();
    EXPECT_TRUE(prompts.told.isEmpty()) << prompts.told.join('\n').toStdString();
    EXPECT_EQ(counter.shown, 1);
    EXPECT_FALSE(window->progressWindow().isVisible());
    QFile file(target + QStringLiteral(".ged"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(
        bytes.startsWith("\xEF\xBB\xBF"
                         "0 HEAD\r\n"));
    EXPECT_TRUE(bytes.contains("0 @I0@ INDI\r\n"));
}
