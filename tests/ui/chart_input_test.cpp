#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <cmath>

#include "scripted_prompts.h"
#include "settings/machine_store.h"
#include "settings/store_fixture.h"
#include "test_support.h"
#include "ui/chart_area.h"
#include "ui/chart_input.h"
#include "ui/interval_dialog.h"
#include "ui/main_window.h"
#include "ui/search_bar.h"
#include "ui/zoom_window.h"

using namespace kinvarro;
using kinvarro::test::addPerson;
using kinvarro::test::ScriptedPrompts;

namespace {

class ChartInputTest : public kinvarro::test::TemporaryConfigHome {
  protected:
    void SetUp() override {
        TemporaryConfigHome::SetUp();
        store = std::make_unique<MachineStore>();
        window = std::make_unique<TForm1>(messages, *store, prompts, nullptr, &chart);
        // The element editors are modal windows; these tests only drive the chart.
        window->chartInput().host().setElementEditor([](int, bool) { return true; });
        window->show();
        QApplication::processEvents();
    }

    Document &doc() { return chart; }
    ChartArea &area() { return window->chartArea(); }
    QAction *item(const char *name) { return window->menus().item(name); }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Qt::MouseButtons held = heldButtons_;
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            held |= button;
        if (type == QEvent::MouseButtonRelease)
            held &= ~button;
        heldButtons_ = held;
        QMouseEvent event(type, at, area().mapToGlobal(at), button, held, modifiers);
        QApplication::sendEvent(&area(), &event);
    }

    void key(QEvent::Type type, int code, const QString &text = {},
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(type, code, modifiers, text);
        QApplication::sendEvent(&window->chartInput().focusSink(), &event);
    }

    // Runs `inMenu` while the context menu opened by a right press at `at` is up.
    void rightClick(QPoint at, std::function<void(QMenu &)> inMenu) {
        QTimer::singleShot(0, [inMenu] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            inMenu(*menu);
            menu->close();
        });
        mouse(QEvent::MouseButtonPress, at, Qt::RightButton);
        heldButtons_ = Qt::NoButton;  // the menu takes the release
    }

    MessageTable messages;
    ScriptedPrompts prompts;
    std::unique_ptr<MachineStore> store;
    Document chart;
    std::unique_ptr<TForm1> window;

  private:
    Qt::MouseButtons heldButtons_;
};

}  // namespace

TEST_F(ChartInputTest, MouseOnTheChartAreaDragsTheElementWithTheSelection) {
    addPerson(doc(), 100, 100);
    addPerson(doc(), 300, 100);
    doc().NodeTable.setSelected(1, true);
    mouse(QEvent::MouseButtonPress, {105, 105}, Qt::LeftButton);
    EXPECT_EQ(doc().view.CurrentNode, 1) << "the pressed element went to the end";
    mouse(QEvent::MouseMove, {125, 95}, Qt::NoButton);
    mouse(QEvent::MouseButtonRelease, {125, 95}, Qt::LeftButton);
    EXPECT_EQ(QPoint(doc().NodeTable[1].x, doc().NodeTable[1].y), QPoint(120, 90));
    EXPECT_EQ(QPoint(doc().NodeTable[0].x, doc().NodeTable[0].y), QPoint(320, 90));
    EXPECT_EQ(doc().view.CurrentNode, -1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ChartInputTest, ContextMenuShowsItsItemsForThePlaceAndAddsWhereItWasOpened) {
    addPerson(doc(), 100, 100);
    QStringList shownOverEmpty;
    rightClick({400, 300}, [&](QMenu &menu) {
        for (QAction *action : menu.actions()) {
            if (action->isVisible() && !action->isSeparator())
                shownOverEmpty << action->objectName();
        }
        item("NAdd")->trigger();
    });
    EXPECT_EQ(shownOverEmpty, (QStringList{"NAdd", "Naddhistorical", "NArrangePopup", "Nselect"}));
    ASSERT_EQ(doc().NodeTable.NodeCount(), 2);
    EXPECT_EQ(QPoint(doc().NodeTable[1].x, doc().NodeTable[1].y), QPoint(400, 300));

    QStringList shownOverElement;
    rightClick({105, 105}, [&](QMenu &menu) {
        for (QAction *action : menu.actions()) {
            if (action->isVisible() && !action->isSeparator())
                shownOverElement << action->objectName();
        }
    });
    EXPECT_EQ(shownOverElement, (QStringList{"NModify", "NDel", "NArrangePopup"}));
    // The element stays current for the parent keys after the menu closed.
    key(QEvent::KeyPress, Qt::Key_F, "f");
    EXPECT_EQ(doc().NodeTable[doc().view.CurrentNode].fatherIndex, 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ChartInputTest, TheElementEditorHookDecidesWhetherAnAddedElementStays) {
    std::vector<std::pair<int, bool>> opened;
    window->chartInput().host().setElementEditor([&](int index, bool justAdded) {
        opened.push_back({index, justAdded});
        return false;
    });
    rightClick({50, 50}, [&](QMenu &) { item("Naddhistorical")->trigger(); });
    EXPECT_EQ(doc().NodeTable.NodeCount(), 0);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], std::make_pair(0, true));

    addPerson(doc(), 100, 100);
    mouse(QEvent::MouseButtonPress, {105, 105}, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, {105, 105}, Qt::LeftButton);
    mouse(QEvent::MouseButtonDblClick, {105, 105}, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, {105, 105}, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], std::make_pair(0, false));
}

TEST_F(ChartInputTest, FocusSinkKeysDeleteTheSelectionAndScrollOnRelease) {
    addPerson(doc(), 0, 0);
    addPerson(doc(), 0, 5000);
    window->UpdateScrollBars();
    item("N35")->trigger();
    EXPECT_TRUE(item("NdelSelected")->isVisible());

    prompts.answers = {Answer::No};
    key(QEvent::KeyPress, Qt::Key_Delete);
    EXPECT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(doc().NodeTable.NodeCount(), 2);

    key(QEvent::KeyPress, Qt::Key_Down);
    EXPECT_EQ(doc().view.ViewOriginY, 0) << "arrows act when released";
    key(QEvent::KeyRelease, Qt::Key_Down);
    EXPECT_EQ(doc().view.ViewOriginY, -30);
    EXPECT_TRUE(window->chartInput().focusSink().hasFocus());
}

TEST_F(ChartInputTest, TheZoomWindowScalesAboutTheCentreAndCaptionsTheMenu) {
    item("Nmashtab")->trigger();
    Tfmash &zoom = window->chartInput().zoomWindow();
    EXPECT_TRUE(zoom.isVisible());
    EXPECT_EQ(zoom.TrackBar1->value(), 100);
    const QSize area = window->chartAreaSize();
    zoom.TrackBar1->setValue(200);
    EXPECT_FLOAT_EQ(doc().settings.scale, 2.0f);
    EXPECT_EQ(QPoint(doc().view.ViewOriginX, doc().view.ViewOriginY),
              QPoint(-(area.width() / 2), -(area.height() / 2)));
    EXPECT_EQ(zoom.Lmash->text(), "200%");
    EXPECT_EQ(item("Nmashtab")->text(), ScaleCaption(messages, 200));
    EXPECT_FALSE(doc().DocumentModified);
}

TEST_F(ChartInputTest, EscapeClosesTheZoomWindow) {
    item("Nmashtab")->trigger();
    Tfmash &zoom = window->chartInput().zoomWindow();
    ASSERT_TRUE(zoom.isVisible());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(zoom.TrackBar1, &escape);
    EXPECT_FALSE(zoom.isVisible());
}

TEST_F(ChartInputTest, TheWheelOverTheRestOfTheWindowActsOnTheChart) {
    addPerson(doc(), 0, 0);
    addPerson(doc(), 5000, 5000);
    window->UpdateScrollBars();
    item("Nsearch")->trigger();
    SearchBar &bar = window->searchBar();
    // The zoom window floats over the chart: its track bar does not take the wheel.
    Tfmash &zoom = window->chartInput().zoomWindow();
    zoom.open();
    const QList<QWidget *> parts = {bar.eSearch, bar.LabelSearch, &bar,
                                    window->findChild<QWidget *>("ScrollBarV"), zoom.TrackBar1};
    int expected = 0;
    for (QWidget *over : parts) {
        ASSERT_NE(over, nullptr);
        QWheelEvent wheel({2, 2}, over->mapToGlobal(QPoint(2, 2)), {}, {0, -120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &wheel);
        expected -= 30;
        EXPECT_EQ(doc().view.ViewOriginY, expected) << over->objectName().toStdString();
    }
    EXPECT_EQ(zoom.TrackBar1->value(), 100);
    QWheelEvent zoomIn({2, 2}, bar.eSearch->mapToGlobal(QPoint(2, 2)), {}, {0, 120}, Qt::NoButton,
                       Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar.eSearch, &zoomIn);
    EXPECT_FLOAT_EQ(doc().settings.scale, 1.1f);

    // Other windows keep their wheel.
    const int before = doc().view.ViewOriginY;
    QLineEdit elsewhere;
    QWheelEvent onOther({2, 2}, elsewhere.mapToGlobal(QPoint(2, 2)), {}, {0, -120}, Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&elsewhere, &onOther);
    EXPECT_EQ(doc().view.ViewOriginY, before);
}

TEST_F(ChartInputTest, WheelScrollsAndZoomsByItsModifiers) {
    addPerson(doc(), 0, 0);
    addPerson(doc(), 5000, 5000);
    window->UpdateScrollBars();
    auto turn = [&](QPoint at, QPoint delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent wheel(at, area().mapToGlobal(at), {}, delta, Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&area(), &wheel);
    };
    auto origin = [&] { return QPoint(doc().view.ViewOriginX, doc().view.ViewOriginY); };
    turn({10, 10}, {0, -120}, Qt::NoModifier);
    EXPECT_EQ(origin(), QPoint(0, -30));
    turn({10, 10}, {0, -120}, Qt::ShiftModifier);
    EXPECT_EQ(origin(), QPoint(-30, -30));
    turn({10, 10}, {-120, 0}, Qt::ShiftModifier);
    EXPECT_EQ(origin(), QPoint(-60, -30)) << "a platform may send Shift+wheel sideways";

    Tfmash &zoom = window->chartInput().zoomWindow();
    item("Nmashtab")->trigger();
    turn({0, 0}, {0, 120}, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(doc().settings.scale, 1.1f);
    EXPECT_EQ(origin(), QPoint(-66, -33)) << "the chart point at the pointer stays";
    EXPECT_EQ(item("Nmashtab")->text(), ScaleCaption(messages, 110));
    EXPECT_EQ(zoom.TrackBar1->value(), 110);
    EXPECT_EQ(zoom.Lmash->text(), "110%");
    // The zoom window works from the new view: the centre stays where it is now.
    const QPoint centre(window->chartAreaSize().width() / 2, window->chartAreaSize().height() / 2);
    const QPointF before = QPointF(centre - origin()) / 1.1;
    zoom.TrackBar1->setValue(100);
    const QPointF after = QPointF(centre - origin());
    // Within a pixel on each axis, as the origins are whole pixels.
    EXPECT_LE(std::abs(after.x() - before.x()), 1.5);
    EXPECT_LE(std::abs(after.y() - before.y()), 1.5);
    EXPECT_FALSE(doc().DocumentModified);
}

TEST_F(ChartInputTest, FitAndActualSizeKeepTheZoomCaption) {
    addPerson(doc(), 0, 0);
    addPerson(doc(), 20000, 9000);
    item("NFitAll")->trigger();
    const int fitted = TrackBarPositionFor(doc().settings.scale);
    EXPECT_LT(fitted, 10);
    EXPECT_EQ(fitted, FitPercent(doc(), window->chartAreaSize()));
    EXPECT_EQ(item("Nmashtab")->text(), ScaleCaption(messages, std::uint32_t(fitted)));
    item("NActualSize")->trigger();
    EXPECT_FLOAT_EQ(doc().settings.scale, 1.0f);
    EXPECT_EQ(item("Nmashtab")->text(), ScaleCaption(messages, 100));
    EXPECT_FALSE(doc().DocumentModified);
}

TEST_F(ChartInputTest, EscapeOnTheChartClearsTheSelection) {
    addPerson(doc(), 0, 0);
    addPerson(doc(), 100, 0);
    item("N35")->trigger();
    key(QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_TRUE(doc().NodeTable.selectedIndexes().empty());
    EXPECT_EQ(doc().NodeTable.NodeCount(), 2);
}

TEST_F(ChartInputTest, TheSearchBarFindsAndAPressOnTheChartHidesIt) {
    addPerson(doc(), 0, 0, -1, -1, "Anna");
    addPerson(doc(), 500, 500, -1, -1, "Hanna");
    item("Nsearch")->trigger();
    SearchBar &bar = window->searchBar();
    EXPECT_TRUE(bar.isVisible());
    EXPECT_TRUE(bar.eSearch->hasFocus());

    bar.eSearch->setText("ANNA");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(bar.eSearch, &enter);
    EXPECT_EQ(doc().NodeTable.selectedIndexes(), std::vector<int>{0});
    bar.sbSearch->click();
    EXPECT_EQ(doc().NodeTable.selectedIndexes(), std::vector<int>{1});
    bar.eSearch->setText("anna");
    bar.sbSearch->click();
    EXPECT_EQ(doc().NodeTable.selectedIndexes(), std::vector<int>{0}) << "editing starts over";
    EXPECT_TRUE(prompts.asked.isEmpty());

    mouse(QEvent::MouseButtonPress, {700, 20}, Qt::LeftButton);
    EXPECT_FALSE(bar.isVisible());
}

TEST_F(ChartInputTest, DecliningToSearchAgainHandsTheKeyboardBackToTheChart) {
    // With the scroll bars shown Qt would pass the focus on to one of them.
    addPerson(doc(), 5000, 5000, -1, -1, "Anna");
    item("Nsearch")->trigger();
    SearchBar &bar = window->searchBar();
    bar.eSearch->setText("Boris");
    prompts.answers = {Answer::No};
    bar.sbSearch->click();
    EXPECT_FALSE(bar.isVisible());
    EXPECT_TRUE(window->chartInput().focusSink().hasFocus());
}

TEST_F(ChartInputTest, HoverOverADescribedElementStartsTheHintTimer) {
    const int described = addPerson(doc(), 100, 100);
    doc().NodeTable[described].description = "text";
    const QTimer &timer = window->chartInput().host().TimerHint();
    mouse(QEvent::MouseMove, {105, 105}, Qt::NoButton);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(window->chartInput().mouse().hover().HintNode, described);
    mouse(QEvent::MouseMove, {600, 400}, Qt::NoButton);
    EXPECT_FALSE(timer.isActive());
}

TEST_F(ChartInputTest, WhileTheTableIsLockedChangesAreRefusedButNotTheWheel) {
    addPerson(doc(), 100, 100);
    addPerson(doc(), 300, 100);
    doc().NodeTable.setSelected(0, true);
    const TableGuard::Lock lock(window->tableGuard());
    mouse(QEvent::MouseButtonPress, {105, 105}, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, {105, 105}, Qt::LeftButton);
    key(QEvent::KeyPress, Qt::Key_Delete);
    item("NDel")->trigger();
    window->menus().N24->trigger();
    EXPECT_EQ(doc().NodeTable.NodeCount(), 2);
    EXPECT_EQ(doc().NodeTable[0].x, 100) << "the pressed element stayed in its place in the table";
    EXPECT_EQ(prompts.told.size(), 4);
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_TRUE(prompts.told.last().endsWith(messages.text(Msg::mColouringRunning)));

    QWheelEvent wheel({10, 10}, area().mapToGlobal(QPoint(10, 10)), {}, {0, -120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    window->UpdateScrollBars();
    QApplication::sendEvent(&area(), &wheel);
    EXPECT_EQ(prompts.told.size(), 4) << "scrolling is not refused";
}

TEST(IntervalDialog, ReadsAWholeNumberOrZero) {
    TForm4 dialog;
    auto *text = dialog.SpinEdit1->findChild<QLineEdit *>();
    ASSERT_NE(text, nullptr);
    for (const auto &[typed, value] :
         {std::pair{"-40", -40}, std::pair{"0", 0}, std::pair{"abc", 0}, std::pair{"", 0}}) {
        text->setText(typed);
        EXPECT_EQ(dialog.enteredValue(), value) << typed;
    }
}

TEST(IntervalDialog, ApplyAndEnterCloseWithTheValueAndClosingCancels) {
    TForm4 dialog;
    QTimer::singleShot(0, &dialog, [&] { dialog.BitBtn1->click(); });
    EXPECT_EQ(dialog.askInterval(25), 25);

    QTimer::singleShot(0, &dialog, [&] {
        dialog.SpinEdit1->setValue(7);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(dialog.SpinEdit1, &release);
    });
    EXPECT_EQ(dialog.askInterval(25), 7);

    QTimer::singleShot(0, &dialog, [&] { dialog.close(); });
    EXPECT_EQ(dialog.askInterval(25), std::nullopt);
}
