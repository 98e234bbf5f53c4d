#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDir>
#include <QTemporaryDir>

#include "test_support.h"
#include "text/doc_text.h"
#include "theme_support.h"
#include "themes/theme_list.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

QString in(const QTemporaryDir &dir, const QString &name) {
    return QDir(dir.path()).filePath(name);
}

TEST(ThemeNumbering, TakesTheFirstFreeNumber) {
    const struct {
        QStringList present;
        const char *next;
    } cases[] = {
        {{}, "user_theme1.thm"},
        {{"user_theme1.thm", "user_theme3.thm"}, "user_theme2.thm"},
        // Only theme files count: a picture alone or another name does not take a number.
        {{"user_theme1.thm.bmp", "user_theme01.thm", "USER_THEME1.THM"}, "user_theme1.thm"},
    };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        for (const QString &name : c.present)
            ASSERT_TRUE(writeBytes(in(dir, name), "[General]\r\n"));
        EXPECT_EQ(NextThemePath(dir.path()), in(dir, QLatin1String(c.next)))
            << c.present.join(',').toStdString();
    }
}

TEST(ThemeDisplayName, FollowsTheInterfaceLanguage) {
    QTemporaryDir dir;
    ASSERT_TRUE(writeBytes(in(dir, "both.thm"),
                           "[General]\r\nName=Plain\r\nEnglish=Plain English\r\nRussian=" +
                               QByteArray::fromStdString(docTextToCp1251("Простая")) + "\r\n"));
    ASSERT_TRUE(writeBytes(in(dir, "named.thm"), "[General]\r\nName=Only a name\r\n"));
    ASSERT_TRUE(writeBytes(in(dir, "bare.thm"), "[General]\r\nName=\r\nEnglish=\r\n"));
    ASSERT_TRUE(writeBytes(in(dir, "huge.thm"), QByteArray(2 * 1024 * 1024, 'x')));
    const struct {
        const char *file;
        const char *language;
        QString shown;
    } cases[] = {
        {"both.thm", "English", "Plain English"}, {"both.thm", "Russian", "Простая"},
        {"both.thm", "German", "Plain"},          {"both.thm", "", "Plain"},
        {"named.thm", "English", "Only a name"},  {"bare.thm", "English", "bare.thm"},
        {"huge.thm", "English", "huge.thm"},      {"missing.thm", "English", "missing.thm"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ThemeDisplayName(in(dir, c.file), QLatin1String(c.language)), c.shown)
            << c.file << " in " << c.language;
    }
}

TEST(ThemeList, ListsShippedThenOwnThemesByFileName) {
    QTemporaryDir shipped, own;
    for (const char *name : {"b.thm", "A.THM", "a.thm.bmp", "notes.txt"})
        ASSERT_TRUE(writeBytes(in(shipped, name), "[General]\r\nName=s\r\n"));
    ASSERT_TRUE(writeBytes(in(own, "user_theme1.thm"), "[General]\r\nName=mine\r\n"));
    const std::vector<ThemeEntry> entries = ListThemes({shipped.path(), own.path()}, "English");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].filePath, in(shipped, "A.THM"));
    EXPECT_EQ(entries[1].filePath, in(shipped, "b.thm"));
    EXPECT_EQ(entries[2].filePath, in(own, "user_theme1.thm"));
    EXPECT_EQ(entries[2].displayName, "mine");
    EXPECT_FALSE(entries[0].own);
    EXPECT_TRUE(entries[2].own);
    // A folder that does not exist lists nothing, and the same folder is not listed twice.
    EXPECT_TRUE(ListThemes({in(own, "none"), in(own, "gone")}, "English").empty());
    EXPECT_EQ(ListThemes({own.path(), own.path()}, "English").size(), 1u);
}

TEST(ThemeList, OnlyRegularFilesAreThemes) {
    QTemporaryDir own;
    ASSERT_TRUE(writeBytes(in(own, "a.thm"), "[General]\r\nName=a\r\n"));
    // Reading a FIFO's name would wait for a writer that never comes.
    ASSERT_EQ(mkfifo(in(own, "fifo.thm").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QDir(own.path()).mkdir("folder.thm"));
    const std::vector<ThemeEntry> entries = ListThemes({QString(), own.path()}, "English");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].filePath, in(own, "a.thm"));
}

}  // namespace
