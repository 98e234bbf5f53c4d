#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>

#include "ui/theme_dialogs.h"

using namespace kinvarro;

namespace {

void press(QWidget *widget, Qt::Key key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void click(QWidget *widget, QPoint at) {
    const QPointF global = widget->mapToGlobal(QPointF(at));
    QMouseEvent down(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(widget, &up);
}

}  // namespace

TEST(TFThemesave, EnterConfirmsEscapeCancelsAndTheTextStays) {
    TFThemesave dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Имя для сохраняемой темы"));
    EXPECT_EQ(dialog.eName->text(), QStringLiteral("No name"));
    const struct {
        const char *typed;  // replaces the selected text
        Qt::Key key;
        std::optional<QString> result;
    } steps[] = {
        {"Autumn", Qt::Key_Return, QStringLiteral("Autumn")},
        {"Winter", Qt::Key_Escape, std::nullopt},
        {"", Qt::Key_Enter, QStringLiteral("Winter")},  // the text typed last is offered again
    };
    for (const auto &step : steps) {
        QTimer::singleShot(0, &dialog, [&] {
            if (*step.typed)
                dialog.eName->setText(QString::fromUtf8(step.typed));
            press(dialog.eName, step.key);
        });
        EXPECT_EQ(dialog.askName(), step.result) << step.typed;
    }
}

TEST(TFLoadTheme, ASingleClickChoosesAndEachEntryKeepsItsFile) {
    TFLoadTheme dialog;
    const std::vector<ThemeEntry> themes = {
        {"Light", "/usr/share/kinvarro/themes/light.thm", false},
        {"Mine", "/home/u/themes/user_theme1.thm", true}};
    QListWidget *list = dialog.lbThemes;
    EXPECT_TRUE(list->font().bold());
    EXPECT_EQ(list->font().pixelSize(), TFLoadTheme::kFontPixels);

    QTimer::singleShot(0, &dialog, [&] {
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(1)->data(Qt::UserRole).toString(), themes[1].filePath);
        EXPECT_TRUE(list->item(1)->font().italic()) << "the user's own theme";
        EXPECT_FALSE(list->item(0)->font().italic());
        const QRect second = list->visualItemRect(list->item(1));
        EXPECT_EQ(second.height(), TFLoadTheme::kEntryHeight);
        click(list->viewport(), second.center());
    });
    EXPECT_EQ(dialog.chooseTheme(themes), 1);

    // A notice shows below the list, and only while there is one.
    EXPECT_FALSE(dialog.lNotice->isVisibleTo(&dialog));
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_TRUE(dialog.lNotice->isVisible());
        EXPECT_EQ(dialog.lNotice->text(), "cannot read\n/x/themes");
        dialog.close();
    });
    EXPECT_EQ(dialog.chooseTheme(themes, "cannot read\n/x/themes"), std::nullopt);
}
