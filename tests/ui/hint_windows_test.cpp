#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include "hints/hint_windows.h"
#include "scripted_prompts.h"
#include "settings/machine_store.h"
#include "settings/store_fixture.h"
#include "test_support.h"
#include "ui/chart_area.h"
#include "ui/chart_input.h"
#include "ui/main_window.h"
#include "wmf_fixture.h"

using namespace kinvarro;
using kinvarro::test::addPerson;
using kinvarro::test::ScriptedPrompts;

namespace {

class HintWindowsTest : public kinvarro::test::TemporaryConfigHome {
  protected:
    void SetUp() override {
        TemporaryConfigHome::SetUp();
        store = std::make_unique<MachineStore>();
        window = std::make_unique<TForm1>(messages, *store, prompts, nullptr, &chart);
        window->chartInput().host().setElementEditor([this](int index, bool) {
            edited.push_back(index);
            return false;
        });
        window->move(200, 40);
        window->show();
        window->activateWindow();
        QApplication::processEvents();
    }

    HintWindows &hints() { return window->hints(); }
    const QTimer &timer() { return window->chartInput().host().TimerHint(); }

    // A person at (100, 100) with `description` and, when given, a picture
    // of `pictureSize` among its media.
    int addDescribed(const std::string &description, QSize pictureSize = {}) {
        const int i = addPerson(chart, 100, 100);
        chart.NodeTable[i].description = description;
        if (!pictureSize.isEmpty()) {
            const QString path = dir.filePath("face.bmp");
            QImage picture(pictureSize, QImage::Format_RGB32);
            picture.fill(Qt::darkGreen);
            EXPECT_TRUE(picture.save(path));
            chart.NodeTable[i].media = {path.toStdString()};
        }
        return i;
    }

    // Rests the pointer at `at` on the chart until the hint timer runs out.
    void restAt(QPoint at) {
        QCursor::setPos(window->chartArea().mapToGlobal(at));
        QApplication::processEvents();  // the platform's own move to the new position
        QMouseEvent move(QEvent::MouseMove, at, window->chartArea().mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&window->chartArea(), &move);
    }

    void timerRunsOut() {
        ASSERT_TRUE(timer().isActive());
        // The offscreen platform activates every window it shows, the hint
        // windows too; a window manager leaves the activation with the chart.
        window->activateWindow();
        QApplication::processEvents();
        hints().TimerHintTimer();
        QApplication::processEvents();
    }

    QTemporaryDir dir;
    Document chart;
    MessageTable messages;
    ScriptedPrompts prompts;
    std::unique_ptr<MachineStore> store;
    std::unique_ptr<TForm1> window;
    std::vector<int> edited;
};

TEST_F(HintWindowsTest, TextBesideThePointerPictureLeftOfTheBoxEscapeHidesBoth) {
    addDescribed("<B>Hello</B> world\r\nand a second line, longer than the first one",
                 QSize(20, 40));
    const QPoint anchor(105, 105);
    restAt(anchor);
    timerRunsOut();

    Tfhint &text = hints().textWindow();
    Tfhintpicture &picture = hints().pictureWindow();
    ASSERT_TRUE(text.isVisible());
    ASSERT_TRUE(picture.isVisible());
    const QPoint global = window->chartArea().mapToGlobal(anchor);
    EXPECT_EQ(text.pos(), global);
    EXPECT_EQ(text.RichEdit1->toPlainText(),
              "Hello world\nand a second line, longer than the first one");
    // The box reaches from 7 pixels before the pointer: the picture stands left of it.
    EXPECT_EQ(picture.geometry(), QRect(global.x() - 7 - 150, global.y() - 7, 150, 300));
    // The fitted window holds each paragraph on one line.
    EXPECT_EQ(text.RichEdit1->document()->lineCount(), 2);

    // Escape in the text, or on the chart that kept the keyboard, hides both.
    QWidget *const receivers[] = {text.RichEdit1, &window->chartInput().focusSink()};
    for (QWidget *receiver : receivers) {
        restAt({600, 400});
        restAt(anchor);
        timerRunsOut();
        ASSERT_TRUE(text.isVisible());
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(receiver, &escape);
        EXPECT_FALSE(text.isVisible());
        EXPECT_FALSE(picture.isVisible());
        EXPECT_TRUE(window->chartInput().mouse().hover().HintPicturePath.isEmpty());
    }
}

TEST_F(HintWindowsTest, WhatShowsForDescriptionAndPicture) {
    struct Case {
        std::string description;
        QSize picture;
        bool timerStarts;
        bool textShown;
        bool pictureShown;
    } cases[] = {
        {"", {}, false, false, false},
        {"", {40, 20}, true, false, true},
        {"words", {}, true, true, false},
    };
    for (const Case &c : cases) {
        chart = Document();
        addDescribed(c.description, c.picture);
        restAt({600, 400});  // off every element: a fresh hover state
        restAt({105, 105});
        EXPECT_EQ(timer().isActive(), c.timerStarts) << c.description;
        if (c.timerStarts)
            timerRunsOut();
        EXPECT_EQ(hints().textWindow().isVisible(), c.textShown) << c.description;
        EXPECT_EQ(hints().pictureWindow().isVisible(), c.pictureShown) << c.description;
    }
}

// Qt reads no metafiles; the hint draws them as the media preview does.
TEST_F(HintWindowsTest, AMetafilePictureShowsInItsProportions) {
    const int i = addDescribed("words");
    const QString path = dir.filePath("plan.wmf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kinvarro::test::RedLeftHalf());  // 100 x 50
    file.close();
    chart.NodeTable[i].media = {path.toStdString()};
    restAt({105, 105});
    timerRunsOut();
    ASSERT_TRUE(hints().pictureWindow().isVisible());
    EXPECT_EQ(hints().pictureWindow().size(), QSize(300, 150));

    // One larger than the hint is drawn at the hint's size, in the same proportions.
    kinvarro::test::WmfBytes large;
    large.record(0x020B, {0, 0});
    large.record(0x020C, {1500, 3000});
    large.record(0x041B, {1500, 1500, 0, 0});
    QFile largeFile(dir.filePath("large.wmf"));
    ASSERT_TRUE(largeFile.open(QIODevice::WriteOnly));
    largeFile.write(large.placeable(3000, 1500, 96));
    largeFile.close();
    chart.NodeTable[i].media = {largeFile.fileName().toStdString()};
    restAt({600, 400});  // off every element: a fresh hover state
    restAt({105, 105});
    timerRunsOut();
    ASSERT_TRUE(hints().pictureWindow().isVisible());
    EXPECT_EQ(hints().pictureWindow().size(), QSize(300, 150));
}

TEST_F(HintWindowsTest, PointerOutsideTheChartWhenTheTimerRunsOutShowsNothing) {
    addDescribed("words");
    restAt({105, 105});
    QCursor::setPos(window->frameGeometry().bottomRight() + QPoint(50, 50));
    timerRunsOut();
    EXPECT_FALSE(hints().textWindow().isVisible());
    // The next hover over the same element asks again.
    restAt({106, 106});
    EXPECT_TRUE(timer().isActive());
}

TEST_F(HintWindowsTest, MenusAndScrollBarsCancelThePendingHint) {
    addDescribed("words");
    const std::vector<std::function<void()>> cancels = {
        [this] {
            QMenu *menu = window->menuBar()->actions().first()->menu();
            menu->popup(window->mapToGlobal(QPoint(10, 10)));
            menu->close();
        },
        [this] {
            auto *bar = window->findChild<QScrollBar *>("ScrollBarV");
            QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), bar->mapToGlobal(QPointF(5, 5)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(bar, &move);
        },
    };
    for (std::size_t i = 0; i < cancels.size(); ++i) {
        restAt({600, 400});
        restAt({105, 105});
        ASSERT_TRUE(timer().isActive());
        cancels[i]();
        EXPECT_FALSE(timer().isActive()) << i;
    }
}

TEST_F(HintWindowsTest, CtrlClickInTheTextOpensTheHintedElement) {
    addPerson(chart, 400, 300);
    const int described = addDescribed("words");
    restAt({105, 105});
    timerRunsOut();
    QWidget *box = hints().textWindow().RichEdit1->viewport();
    auto click = [box](Qt::KeyboardModifiers modifiers) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)),
                          Qt::LeftButton, Qt::LeftButton, modifiers);
        QApplication::sendEvent(box, &press);
    };
    click(Qt::NoModifier);
    EXPECT_TRUE(edited.empty());
    click(Qt::ControlModifier);
    EXPECT_EQ(edited, std::vector<int>{described});
    EXPECT_EQ(window->document().view.CurrentNode, described);
}

}  // namespace
