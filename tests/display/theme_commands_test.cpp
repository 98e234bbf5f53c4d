#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "display/theme_commands.h"
#include "scripted_prompts.h"
#include "test_support.h"
#include "themes/theme_file.h"
#include "themes/theme_support.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

class ThemeCommandsTest : public ::testing::Test {
  protected:
    ThemeCommandsTest()
        : folders_{QDir(root_.path()).filePath("program/themes"),
                   QDir(root_.path()).filePath("data/Kinvarro/themes")},
          themes_(session_, prompts_, folders_, [this] { return language_; }) {
        addPerson(doc_, 10, 20);
        session_.markSaved();
    }

    // Puts the settings in place as an opened document would have them.
    void open(const DocumentSettings &settings) {
        Document loaded;
        loaded.settings = settings;
        session_.replaceDocument(loaded, false);
    }

    QTemporaryDir root_;
    ThemeFolders folders_;
    Document doc_;
    DocumentSession session_{doc_};
    ScriptedPrompts prompts_;
    QString language_ = QStringLiteral("English");
    ThemeCommands themes_;
};

TEST_F(ThemeCommandsTest, SavingCreatesTheOwnFolderAndLeavesTheDocumentUnchanged) {
    open(unusualSettings());
    ASSERT_FALSE(QFileInfo::exists(folders_.own));
    prompts_.themeNames = {QStringLiteral("Autumn"), QStringLiteral("Winter"), QString()};
    const QString first = themes_.NSaveThemeClick();
    const QString second = themes_.NSaveThemeClick();
    EXPECT_EQ(first, QDir(folders_.own).filePath("user_theme1.thm"));
    EXPECT_EQ(second, QDir(folders_.own).filePath("user_theme2.thm"));
    EXPECT_TRUE(QFileInfo::exists(first + ".bmp"));
    EXPECT_TRUE(themes_.NSaveThemeClick().isEmpty()) << "cancelled";
    EXPECT_EQ(QDir(folders_.own).entryList(QDir::Files).size(), 4);
    EXPECT_FALSE(session_.modified());
    EXPECT_EQ(session_.undoStack().count(), 0);
    EXPECT_TRUE(prompts_.told.isEmpty()) << prompts_.told.join('\n').toStdString();
}

TEST_F(ThemeCommandsTest, SavingWhereNoFolderCanBeMadeIsReported) {
    ASSERT_TRUE(writeBytes(QDir(root_.path()).filePath("data"), "a file, not a folder"));
    prompts_.themeNames = {QStringLiteral("x")};
    EXPECT_TRUE(themes_.NSaveThemeClick().isEmpty());
    ASSERT_EQ(prompts_.told.size(), 1);
    EXPECT_TRUE(prompts_.told[0].contains(session_.messages().text(Msg::mThemeNotSaved)));
}

TEST_F(ThemeCommandsTest, LoadingIsOneUndoableStepThatKeepsZoomAndScroll) {
    open(unusualSettings());
    prompts_.themeNames = {QStringLiteral("Saved")};
    ASSERT_FALSE(themes_.NSaveThemeClick().isEmpty());

    DocumentSettings before;
    before.scale = 3.0f;
    open(before);
    session_.view().ViewOriginX = -120;
    session_.view().ViewOriginY = 45;
    prompts_.themeChoices = {0};
    ASSERT_TRUE(themes_.NLoadThemeClick());

    ASSERT_EQ(prompts_.themeListsShown.size(), 1u);
    ASSERT_EQ(prompts_.themeListsShown[0].size(), 1u);
    EXPECT_EQ(prompts_.themeListsShown[0][0].displayName, "Saved");
    EXPECT_EQ(carried(session_.settings()), carried(unusualSettings()));
    EXPECT_EQ(session_.settings().scale, 3.0f);
    EXPECT_EQ(session_.view().ViewOriginX, -120);
    EXPECT_EQ(session_.view().ViewOriginY, 45);
    EXPECT_TRUE(session_.modified());
    ASSERT_EQ(session_.undoStack().count(), 1);
    EXPECT_EQ(session_.undoStack().text(0), session_.messages().text(Msg::mActTheme));

    session_.undoStack().undo();
    EXPECT_EQ(carried(session_.settings()), carried(before));
    EXPECT_FALSE(session_.modified());
}

TEST_F(ThemeCommandsTest, AThemeThatFailsChangesNothingAndSaysWhy) {
    ASSERT_TRUE(QDir().mkpath(folders_.shipped));
    const QString theme = QDir(folders_.shipped).filePath("tiled.thm");
    ASSERT_TRUE(writeBytes(theme,
                           "[General]\r\nName=Tiled\r\nNnopicture=0\r\nNTile=1\r\n"
                           "colordialogbackground=255\r\n"));
    const DocumentSettings before = unusualSettings();
    open(before);
    prompts_.themeChoices = {0, std::nullopt};
    EXPECT_FALSE(themes_.NLoadThemeClick());
    EXPECT_EQ(carried(session_.settings()), carried(before));
    EXPECT_FALSE(session_.modified());
    EXPECT_EQ(session_.undoStack().count(), 0);
    ASSERT_EQ(prompts_.told.size(), 1);
    const MessageTable &m = session_.messages();
    EXPECT_EQ(prompts_.told[0], m.text(Msg::mError) + '|' + m.text(Msg::mThemeNotApplied) + '\n' +
                                    m.text(Msg::mFileNotFound) + ":\n" +
                                    QDir::toNativeSeparators(theme + ".bmp"));

    EXPECT_FALSE(themes_.NLoadThemeClick()) << "cancelled";
    EXPECT_EQ(prompts_.told.size(), 1);
}

// A theme folder that cannot be listed is named in the chooser; a missing one is not.
TEST_F(ThemeCommandsTest, TheChooserNamesAThemeFolderItCannotRead) {
    EXPECT_FALSE(themes_.NLoadThemeClick());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(folders_.own).path()));
    ASSERT_TRUE(writeBytes(folders_.own, "a file where the folder should be"));
    EXPECT_FALSE(themes_.NLoadThemeClick());
    ASSERT_EQ(prompts_.themeNotices.size(), 2);
    EXPECT_EQ(prompts_.themeNotices[0], QString());
    EXPECT_EQ(prompts_.themeNotices[1], session_.messages().text(Msg::mThemeFolderUnreadable) +
                                            '\n' + QDir::toNativeSeparators(folders_.own));
}

}  // namespace
