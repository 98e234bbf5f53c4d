#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "render/picture_limits.h"
#include "settings/ini_file.h"
#include "test_support.h"
#include "text/doc_text.h"
#include "theme_support.h"
#include "themes/theme_file.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

class ThemeFile : public ::testing::Test {
  protected:
    QString path(const QString &name) const { return QDir(dir_.path()).filePath(name); }

    // The settings a document with `current` has after applying a theme file of `text`.
    Status apply(const QByteArray &text, const DocumentSettings &current, DocumentSettings &out) {
        const QString theme = path(QStringLiteral("t.thm"));
        EXPECT_TRUE(writeBytes(theme, text));
        return ReadTheme(theme, current, messages_, out);
    }

    QTemporaryDir dir_;
    MessageTable messages_;
};

DocumentSettings resetSettings() {
    DocumentSettings s;
    s.reset();
    return s;
}

TEST_F(ThemeFile, AnExistingThemeFileIsNeverReplaced) {
    const QString theme = path(QStringLiteral("user_theme1.thm"));
    ASSERT_TRUE(writeBytes(theme, "[General]\r\nName=first\r\n"));
    EXPECT_FALSE(WriteTheme(theme, QStringLiteral("second"), resetSettings(), messages_).ok());
    QFile file(theme);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[General]\r\nName=first\r\n"));
}

TEST_F(ThemeFile, SavedThemeLoadsBackWithWhatItCarries) {
    const DocumentSettings saved = unusualSettings();
    const QString theme = path(QStringLiteral("user_theme1.thm"));
    ASSERT_TRUE(WriteTheme(theme, QStringLiteral("Осень"), saved, messages_).ok());

    DocumentSettings current;
    current.scale = 0.5f;
    DocumentSettings loaded;
    ASSERT_TRUE(ReadTheme(theme, current, messages_, loaded).ok());
    EXPECT_EQ(carried(loaded), carried(saved));
    EXPECT_EQ(loaded.backgroundPicture.size(), saved.backgroundPicture.size());
    EXPECT_EQ(loaded.backgroundPicture.pixel(0, 0), saved.backgroundPicture.pixel(0, 0));
    // Not carried: the zoom stays, the grid intervals and the font style are reset.
    EXPECT_EQ(loaded.scale, 0.5f);
    EXPECT_EQ(loaded.hGridInterval, 25);
    EXPECT_EQ(loaded.vGridInterval, 15);
    EXPECT_EQ(loaded.chartFont.style, 0);
}

TEST_F(ThemeFile, IsWindows1251WithEveryKeyInOrder) {
    const QString theme = path(QStringLiteral("user_theme1.thm"));
    ASSERT_TRUE(WriteTheme(theme, QStringLiteral("Осень"), unusualSettings(), messages_).ok());
    QFile file(theme);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains(QByteArray("Name=") + docTextToCp1251("Осень").c_str()));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));

    QStringList keys;
    for (const QByteArray &line : bytes.split('\n').mid(1))
        if (line.contains('='))
            keys << QString::fromLatin1(line.left(line.indexOf('=')));
    const QStringList expected = {"Name",
                                  "Nnopicture",
                                  "NAsIs",
                                  "NTile",
                                  "NStretch",
                                  "NLineWidth1",
                                  "colordialogbackground",
                                  "colordialoglines_Color",
                                  "colordialogtimelines_Color",
                                  "NtimeLinesShow",
                                  "colordialogMatherlines_Color",
                                  "colordialogselectedlines_Color",
                                  "colordialognodeback_Color",
                                  "colordialognodebackMan_Color",
                                  "colordialognodebackWoman_Color",
                                  "ColorDialogShadow_Color",
                                  "NShowShadow",
                                  "Canvas_Color",
                                  "Canvas_Size",
                                  "Canvas_Font_Name",
                                  "npositionlines",
                                  "NShowHLines",
                                  "NShowVLines",
                                  "ColorDialogHVLines_Color",
                                  "NGridAlign"};
    EXPECT_EQ(keys, expected);
    EXPECT_TRUE(bytes.startsWith("[General]\r\n"));
    EXPECT_TRUE(bytes.contains("\r\ncolordialogbackground=1056816\r\n"));  // 0x102030
    EXPECT_TRUE(bytes.contains("\r\nNTile=1\r\n"));
    EXPECT_TRUE(QFileInfo::exists(theme + ".bmp"));
}

// Font faces are named in any script: a theme that needs a character
// Windows-1251 lacks is UTF-8 with a byte-order mark; older themes read as before.
TEST_F(ThemeFile, FaceNamesOfAnyScriptSurviveAndOlderThemesStillRead) {
    const struct {
        const char *themeName;
        const char *face;
        bool utf8;
    } cases[] = {
        {"Осень", "Тимес", false},
        {"Zoë", "Arial", true},
        {"Осень", "微软雅黑", true},
        {"Σωκράτης", "Noto Sans Greek 𐌰", true},
    };
    int n = 0;
    for (const auto &c : cases) {
        DocumentSettings saved = unusualSettings();
        saved.chartFont.name = c.face;
        const QString theme = path(QStringLiteral("face%1.thm").arg(++n));
        ASSERT_TRUE(WriteTheme(theme, QString::fromUtf8(c.themeName), saved, messages_).ok());
        QFile file(theme);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(bytes.startsWith("\xEF\xBB\xBF"), c.utf8) << c.face;
        const std::string expected = c.utf8 ? std::string(c.face) : docTextToCp1251(c.face);
        EXPECT_TRUE(bytes.contains(QByteArray("Canvas_Font_Name=") + expected.c_str())) << c.face;
        DocumentSettings loaded;
        ASSERT_TRUE(ReadTheme(theme, DocumentSettings{}, messages_, loaded).ok());
        EXPECT_EQ(loaded.chartFont.name, c.face);
    }
}

TEST_F(ThemeFile, OnlyWidthOneIsCarried) {
    for (int width : {0, 1, 2, 3}) {
        DocumentSettings s;
        s.lineWidth = width;
        const QString theme = path(QStringLiteral("w%1.thm").arg(width));
        ASSERT_TRUE(WriteTheme(theme, QStringLiteral("w"), s, messages_).ok());
        DocumentSettings loaded;
        ASSERT_TRUE(ReadTheme(theme, DocumentSettings{}, messages_, loaded).ok());
        EXPECT_EQ(loaded.lineWidth, width == 1 ? 1 : kNoLineWidth) << width;
    }
}

TEST_F(ThemeFile, MissingOrUnusableKeysGiveResetValues) {
    DocumentSettings current = unusualSettings();
    const DocumentSettings reset = [&] {
        DocumentSettings s = current;
        s.reset();
        return s;
    }();
    static const char kBinary[] = "\x00\x01\xFF[General\r\n=\r\n==\r\n[\r\n\x00NTile=1";
    for (const QByteArray &text : {
             QByteArray("[General]\r\nName=x\r\n"),
             QByteArray(),
             QByteArray("no section at all\r\ncolordialogbackground=5\r\n"),
             QByteArray("[General]\r\ncolordialogbackground=abc\r\nCanvas_Size=0\r\n"
                        "NtimeLinesShow=yes\r\ncolordialoglines_Color=-5\r\n"
                        "Canvas_Font_Name=   \r\n"),
             QByteArray("[General]\r\nCanvas_Size=100000\r\ncolordialogbackground=99999999999\r\n"),
             QByteArray(kBinary, sizeof kBinary - 1),
         }) {
        DocumentSettings loaded;
        ASSERT_TRUE(apply(text, current, loaded).ok()) << text.toHex().toStdString();
        EXPECT_EQ(carried(loaded), carried(reset)) << text.toHex().toStdString();
        EXPECT_EQ(loaded.scale, current.scale);
    }
}

// Found by fuzzing: a CR inside a font name's line was kept on loading but
// saved as a blank, so the saved theme loaded to another font.
TEST_F(ThemeFile, WhatLoadsSavesBackToAnEqualTheme) {
    const QByteArray names[] = {"Times\rRoman", "Arial\r", "\rArial", "Arial Cyr"};
    for (const QByteArray &name : names) {
        DocumentSettings loaded;
        ASSERT_TRUE(
            apply("[General]\r\nCanvas_Font_Name=" + name + "\r\n", DocumentSettings{}, loaded)
                .ok());
        // Saving never replaces a theme, so each name gets a file of its own.
        const QString saved = path(QString::fromLatin1(name.toHex()) + QStringLiteral(".thm"));
        ASSERT_TRUE(WriteTheme(saved, QStringLiteral("n"), loaded, messages_).ok());
        DocumentSettings again;
        ASSERT_TRUE(ReadTheme(saved, DocumentSettings{}, messages_, again).ok());
        EXPECT_EQ(again.chartFont.name, loaded.chartFont.name) << name.toHex().toStdString();
        EXPECT_TRUE(again == loaded) << name.toHex().toStdString();
    }
}

// U+0958 composes to two characters: a name at the length limit grows by it,
// and is cut at once rather than on the next load.
TEST_F(ThemeFile, ANameThatGrowsWhenComposedIsCutOnLoading) {
    QByteArray name;
    for (qsizetype i = 0; i < IniFile::kMaxValueLength; ++i)
        name += "\xE0\xA5\x98";
    DocumentSettings loaded;
    ASSERT_TRUE(apply("\xEF\xBB\xBF[General]\r\nCanvas_Font_Name=" + name + "\r\n",
                      DocumentSettings{}, loaded)
                    .ok());
    EXPECT_EQ(fromDocText(loaded.chartFont.name).size(), IniFile::kMaxValueLength);
    const QString saved = path(QStringLiteral("long.thm"));
    ASSERT_TRUE(WriteTheme(saved, QStringLiteral("n"), loaded, messages_).ok());
    DocumentSettings again;
    ASSERT_TRUE(ReadTheme(saved, DocumentSettings{}, messages_, again).ok());
    EXPECT_EQ(again.chartFont.name, loaded.chartFont.name);
}

TEST_F(ThemeFile, PictureFlagsActAsOneChoice) {
    const struct {
        const char *flags;
        PictureMode mode;
    } cases[] = {
        {"", PictureMode::None},
        {"NStretch=1\r\n", PictureMode::Stretch},
        {"NAsIs=1\r\nNTile=1\r\n", PictureMode::Tile},  // the later flag wins
        {"Nnopicture=0\r\n", PictureMode::None},        // nothing chosen shows nothing
        {"Nnopicture=1\r\nNAsIs=1\r\nNAsIs=0\r\n", PictureMode::AsIs},  // first key wins
    };
    QImage picture(3, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(path(QStringLiteral("t.thm.bmp")), "BMP"));
    for (const auto &c : cases) {
        DocumentSettings loaded;
        ASSERT_TRUE(apply(QByteArray("[General]\r\n") + c.flags, DocumentSettings{}, loaded).ok())
            << c.flags;
        EXPECT_EQ(int(loaded.pictureMode), int(c.mode)) << c.flags;
    }
}

TEST_F(ThemeFile, WithoutPictureModeKeepsThePictureInMemory) {
    DocumentSettings current = unusualSettings();
    DocumentSettings loaded;
    ASSERT_TRUE(apply("[General]\r\nNnopicture=1\r\nNTile=0\r\n", current, loaded).ok());
    EXPECT_EQ(int(loaded.pictureMode), int(PictureMode::None));
    EXPECT_EQ(loaded.backgroundPicture, current.backgroundPicture);
}

TEST_F(ThemeFile, APictureItCannotReadFailsTheWholeTheme) {
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QImage(4, 4, QImage::Format_RGB32).save(&png, "PNG");
    // A BMP header that claims a picture larger than memory, and then stops.
    QByteArray giant("BM");
    giant += QByteArray::fromHex(
        "3600000000000000360000002800000000ffff0000ffff0001001800"
        "000000000000000000000000000000000000000000000000");
    // A 4 x 4 picture of 24-bit pixels whose last row is missing.
    QByteArray cut("BM");
    cut += QByteArray::fromHex(
        "660000000000000036000000280000000400000004000000010018000000000030000000"
        "00000000000000000000000000000000");
    cut += QByteArray(36, '\x7f');
    const QString cannotRead = messages_.text(Msg::mCannotReadFile);
    const struct {
        const char *what;
        std::optional<QByteArray> picture;
        QString reason;
    } cases[] = {
        {"missing", std::nullopt, messages_.text(Msg::mFileNotFound)},
        {"PNG named .bmp", png.data(), cannotRead},
        {"garbage", QByteArray(5000, 'x'), cannotRead},
        {"empty", QByteArray(), cannotRead},
        {"giant header", giant, PictureTooLargeText(messages_)},
        {"cut short", cut, messages_.text(Msg::mPictureTruncated)},
    };
    for (const auto &c : cases) {
        QFile::remove(path(QStringLiteral("t.thm.bmp")));
        if (c.picture) {
            ASSERT_TRUE(writeBytes(path(QStringLiteral("t.thm.bmp")), *c.picture));
        }
        const DocumentSettings current = unusualSettings();
        DocumentSettings loaded = resetSettings();
        const Status st = apply("[General]\r\nNnopicture=0\r\nNStretch=1\r\n", current, loaded);
        ASSERT_FALSE(st.ok()) << c.what;
        EXPECT_TRUE(st.message().startsWith(c.reason))
            << c.what << ": " << st.message().toStdString();
        EXPECT_TRUE(st.message().contains(QStringLiteral("t.thm.bmp"))) << c.what;
        EXPECT_EQ(carried(loaded), carried(resetSettings())) << c.what << ": output untouched";
    }
}

TEST_F(ThemeFile, AnOversizedOrMissingThemeFileIsRefused) {
    const QString huge = path(QStringLiteral("huge.thm"));
    ASSERT_TRUE(writeBytes(huge, "[General]\r\n" + QByteArray(IniFile::kMaxFileSize, ' ')));
    for (const auto &[file, reason] :
         {std::pair{huge, messages_.text(Msg::mThemeFileTooLarge).arg(1)},
          std::pair{path(QStringLiteral("gone.thm")), messages_.text(Msg::mFileNotFound)}}) {
        DocumentSettings loaded = resetSettings();
        const Status st = ReadTheme(file, unusualSettings(), messages_, loaded);
        ASSERT_FALSE(st.ok()) << file.toStdString();
        EXPECT_TRUE(st.message().startsWith(reason)) << st.message().toStdString();
    }
}

TEST_F(ThemeFile, AChartWithoutPictureSavesAThemeThatNeedsNone) {
    DocumentSettings s;
    s.pictureMode = PictureMode::Tile;  // chosen, but nothing to show
    const QString theme = path(QStringLiteral("user_theme1.thm"));
    ASSERT_TRUE(WriteTheme(theme, QStringLiteral("n"), s, messages_).ok());
    EXPECT_FALSE(QFileInfo::exists(theme + ".bmp"));
    DocumentSettings loaded;
    ASSERT_TRUE(ReadTheme(theme, s, messages_, loaded).ok());
    EXPECT_EQ(int(loaded.pictureMode), int(PictureMode::None));
}

}  // namespace
