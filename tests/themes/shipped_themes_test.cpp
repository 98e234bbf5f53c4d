#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>

#include "theme_support.h"
#include "themes/theme_file.h"
#include "themes/theme_list.h"

using namespace kinvarro;
using namespace kinvarro::test;

// The build copies the shipped themes into "themes" next to this test, as next to the program.

TEST(ShippedThemes, LoadWithANameInEachLanguage) {
    const ThemeFolders folders = DefaultThemeFolders(QCoreApplication::applicationDirPath());
    const std::vector<ThemeEntry> english = ListThemes({folders.shipped, {}}, "English");
    const std::vector<ThemeEntry> russian = ListThemes({folders.shipped, {}}, "Russian");
    ASSERT_EQ(english.size(), 4u);
    ASSERT_EQ(russian.size(), english.size());
    MessageTable messages;
    QSet<int> backgrounds;
    bool anyTiled = false;
    for (std::size_t i = 0; i < english.size(); ++i) {
        const QString file = QFileInfo(english[i].filePath).fileName();
        EXPECT_NE(english[i].displayName, file);
        EXPECT_NE(russian[i].displayName, english[i].displayName) << file.toStdString();

        QFile raw(english[i].filePath);
        ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
        const QByteArray bytes = raw.readAll();
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << file.toStdString();

        DocumentSettings themed;
        ASSERT_TRUE(ReadTheme(english[i].filePath, DocumentSettings{}, messages, themed).ok())
            << file.toStdString();
        backgrounds.insert(themed.backgroundColor);
        if (themed.pictureMode == PictureMode::Tile) {
            anyTiled = true;
            EXPECT_FALSE(themed.backgroundPicture.isNull());
        }
    }
    EXPECT_EQ(backgrounds.size(), 4) << "four different looks";
    EXPECT_TRUE(anyTiled);
}
