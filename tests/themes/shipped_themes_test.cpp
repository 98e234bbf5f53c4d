#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>

#include "model/chart_font.h"
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

// A chart arranged in one shipped theme must not overlap in another: every theme's chart
// font is the default's size and measures no wider than the default's face.
TEST(ShippedThemes, ChartFontsAreNoWiderThanTheDefault) {
    const ThemeFolders folders = DefaultThemeFolders(QCoreApplication::applicationDirPath());
    const std::vector<ThemeEntry> themes = ListThemes({folders.shipped, {}}, "English");
    ASSERT_FALSE(themes.empty());
    MessageTable messages;
    const tmyfont standard = DocumentSettings{}.chartFont;
    const QFontMetrics standardMetrics = chartFontMetrics(fontForRecord(standard));
    const QStringList samples = {"Edmond (Edward)", "Michael",
                                 QString::fromUtf8("Эдмонд (Эдуард)")};
    for (const ThemeEntry &theme : themes) {
        DocumentSettings themed;
        ASSERT_TRUE(ReadTheme(theme.filePath, DocumentSettings{}, messages, themed).ok());
        const std::string file = QFileInfo(theme.filePath).fileName().toStdString();
        EXPECT_EQ(themed.chartFont.size, standard.size) << file;
        const QFontMetrics metrics = chartFontMetrics(fontForRecord(themed.chartFont));
        for (const QString &sample : samples) {
            EXPECT_LE(metrics.horizontalAdvance(sample), standardMetrics.horizontalAdvance(sample))
                << file << " " << sample.toStdString();
        }
    }
}
