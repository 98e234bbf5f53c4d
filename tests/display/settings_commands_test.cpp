#include <gtest/gtest.h>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <functional>

#include "display/settings_commands.h"
#include "edit/document_session.h"
#include "persistence/native_format.h"
#include "render/picture_limits.h"
#include "scripted_prompts.h"
#include "test_support.h"

using namespace kinvarro;
using kinvarro::test::addPerson;
using kinvarro::test::ScriptedPrompts;

namespace {

using Command = void (SettingsCommands::*)();
// Scripts the command's dialog: its answer, or a cancel.
using Script = std::function<void(ScriptedPrompts &, bool cancel)>;

Script colour(TColor chosen) {
    return [chosen](ScriptedPrompts &p, bool cancel) {
        p.colours.push_back(cancel ? std::nullopt : std::optional<TColor>(chosen));
    };
}

Script interval(std::int32_t entered) {
    return [entered](ScriptedPrompts &p, bool cancel) {
        p.intervals.push_back(cancel ? std::nullopt : std::optional<std::int32_t>(entered));
    };
}

// Settings unlike the defaults in every field a command below sets.
DocumentSettings startSettings() {
    DocumentSettings s;
    s.showShadow = false;
    s.showHGrid = true;
    s.alignToGrid = true;
    s.lineWidth = 2;
    s.pictureMode = PictureMode::AsIs;
    return s;
}

struct Fixture {
    Fixture() : session(doc) {
        doc.settings = startSettings();
        addPerson(doc, 10, 10);
        commands.setRedrawRequest([this] { ++redraws; });
    }
    Document doc;
    DocumentSession session;
    ScriptedPrompts prompts;
    SettingsCommands commands{session, prompts};
    int redraws = 0;
};

struct Case {
    const char *name;
    Command command;
    Script script;  ///< nullptr: the command asks nothing
    std::function<void(DocumentSettings &)> change;
    Msg step;
};

const Case kCases[] = {
    {"N21", &SettingsCommands::N21Click, colour(0x010203),
     [](DocumentSettings &s) { s.manBackColor = 0x010203; }, Msg::mActColour},
    {"N22", &SettingsCommands::N22Click, colour(0x010203),
     [](DocumentSettings &s) { s.womanBackColor = 0x010203; }, Msg::mActColour},
    {"N16", &SettingsCommands::N16Click, colour(0x010203),
     [](DocumentSettings &s) { s.otherBackColor = 0x010203; }, Msg::mActColour},
    {"N17", &SettingsCommands::N17Click, colour(0x010203),
     [](DocumentSettings &s) { s.fatherLineColor = 0x010203; }, Msg::mActColour},
    {"N47", &SettingsCommands::N47Click, colour(0x010203),
     [](DocumentSettings &s) { s.motherLineColor = 0x010203; }, Msg::mActColour},
    {"N18", &SettingsCommands::N18Click, colour(0x010203),
     [](DocumentSettings &s) { s.selectedLineColor = 0x010203; }, Msg::mActColour},
    {"N34", &SettingsCommands::N34Click, colour(0x010203),
     [](DocumentSettings &s) { s.gridColor = 0x010203; }, Msg::mActColour},
    // Saved with the document, so a change even while the shadows are hidden.
    {"N28", &SettingsCommands::N28Click, colour(0x010203),
     [](DocumentSettings &s) { s.shadowColor = 0x010203; }, Msg::mActColour},
    {"N52", &SettingsCommands::N52Click, colour(0x010203),
     [](DocumentSettings &s) { s.timeLineColor = 0x010203; }, Msg::mActColour},
    {"NColor", &SettingsCommands::NColorClick, colour(0x010203),
     [](DocumentSettings &s) { s.backgroundColor = 0x010203; }, Msg::mActColour},
    {"N36", &SettingsCommands::N36Click, interval(40),
     [](DocumentSettings &s) { s.hGridInterval = 40; }, Msg::mActGrid},
    {"N38", &SettingsCommands::N38Click, interval(0),
     [](DocumentSettings &s) { s.vGridInterval = 0; }, Msg::mActGrid},
    {"NLineWidth1", &SettingsCommands::NLineWidth1Click, nullptr,
     [](DocumentSettings &s) { s.lineWidth = 1; }, Msg::mActLineWidth},
    {"NLineWidth3", &SettingsCommands::NLineWidth3Click, nullptr,
     [](DocumentSettings &s) { s.lineWidth = 3; }, Msg::mActLineWidth},
    {"NLineWidth0", &SettingsCommands::NLineWidth0Click, nullptr,
     [](DocumentSettings &s) { s.lineWidth = 0; }, Msg::mActLineWidth},
    {"NTile", &SettingsCommands::NTileClick, nullptr,
     [](DocumentSettings &s) { s.pictureMode = PictureMode::Tile; }, Msg::mActBackground},
    {"NStretch", &SettingsCommands::NStretchClick, nullptr,
     [](DocumentSettings &s) { s.pictureMode = PictureMode::Stretch; }, Msg::mActBackground},
    {"Nnopicture", &SettingsCommands::NnopictureClick, nullptr,
     [](DocumentSettings &s) { s.pictureMode = PictureMode::None; }, Msg::mActBackground},
    {"NShowHLines", &SettingsCommands::NShowHLinesClick, nullptr,
     [](DocumentSettings &s) { s.showHGrid = false; }, Msg::mActGrid},
    {"NShowVLines", &SettingsCommands::NShowVLinesClick, nullptr,
     [](DocumentSettings &s) { s.showVGrid = true; }, Msg::mActGrid},
    {"NGridAlign", &SettingsCommands::NGridAlignClick, nullptr,
     [](DocumentSettings &s) { s.alignToGrid = false; }, Msg::mActGrid},
    {"NShowShadow", &SettingsCommands::NShowShadowClick, nullptr,
     [](DocumentSettings &s) { s.showShadow = true; }, Msg::mActSettings},
    {"NtimeLinesShow", &SettingsCommands::NtimeLinesShowClick, nullptr,
     [](DocumentSettings &s) { s.showTimeLines = false; }, Msg::mActSettings},
    {"NPositionLines", &SettingsCommands::NPositionLinesClick, nullptr,
     [](DocumentSettings &s) { s.showGuides = true; }, Msg::mActSettings},
};

TEST(SettingsCommands, EachChangeIsOneNamedStepThatUndoRestores) {
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        if (c.script)
            c.script(f.prompts, false);
        (f.commands.*c.command)();
        DocumentSettings expected = startSettings();
        c.change(expected);
        EXPECT_EQ(f.doc.settings, expected);
        EXPECT_TRUE(f.session.modified());
        ASSERT_EQ(f.session.undoStack().count(), 1);
        EXPECT_EQ(f.session.undoStack().text(0), f.session.messages().text(c.step));

        f.session.undoStack().undo();
        EXPECT_EQ(f.doc.settings, startSettings());
        EXPECT_FALSE(f.session.modified());
        f.session.undoStack().redo();
        EXPECT_EQ(f.doc.settings, expected);
        EXPECT_TRUE(f.prompts.told.isEmpty());
    }
}

TEST(SettingsCommands, CancelledDialogsChangeNothing) {
    for (const Case &c : kCases) {
        if (!c.script)
            continue;
        SCOPED_TRACE(c.name);
        Fixture f;
        c.script(f.prompts, true);
        (f.commands.*c.command)();
        EXPECT_EQ(f.doc.settings, startSettings());
        EXPECT_FALSE(f.session.modified());
        EXPECT_EQ(f.session.undoStack().count(), 0);
        // Only the background colour repaints after a cancel.
        EXPECT_EQ(f.redraws, c.command == &SettingsCommands::NColorClick ? 1 : 0);
    }
}

TEST(SettingsCommands, ColourDialogsOpenWithTheSettingInTheirForm) {
    Fixture f;
    f.doc.settings.motherLineColor = 0x000040;
    f.doc.settings.timeLineColor = 0xFF0080;
    f.doc.settings.manBackColor = 0xFFD9D9;
    f.commands.N47Click();
    f.commands.N52Click();
    f.commands.N21Click();
    EXPECT_EQ(f.prompts.coloursShown, (std::vector<TColor>{0x000040, 0xFF0080, 0xFFD9D9}));
    EXPECT_EQ(f.prompts.colourForms,
              (std::vector<ColourDialogForm>{ColourDialogForm::Short, ColourDialogForm::Short,
                                             ColourDialogForm::Full}));
}

TEST(SettingsCommands, ChoosingWhatIsSetRecordsNothing) {
    Fixture f;
    f.prompts.colours.push_back(f.doc.settings.manBackColor);
    f.commands.N21Click();
    f.commands.NLineWidth2Click();
    f.commands.NAsIsClick();
    EXPECT_FALSE(f.session.modified());
    EXPECT_EQ(f.session.undoStack().count(), 0);
}

TEST(SettingsCommands, BackgroundColourSwitchesATiledOrStretchedPictureOff) {
    const struct {
        PictureMode before;
        PictureMode after;
    } cases[] = {{PictureMode::AsIs, PictureMode::AsIs},
                 {PictureMode::Tile, PictureMode::None},
                 {PictureMode::Stretch, PictureMode::None},
                 {PictureMode::None, PictureMode::None}};
    for (const auto &c : cases) {
        Fixture f;
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        f.doc.settings.backgroundPicture = picture;
        f.doc.settings.pictureMode = c.before;
        f.prompts.colours.push_back(0x00FF00);
        f.commands.NColorClick();
        EXPECT_EQ(f.doc.settings.backgroundColor, 0x00FF00);
        EXPECT_EQ(f.doc.settings.pictureMode, c.after);
        EXPECT_EQ(f.doc.settings.backgroundPicture, picture);
        f.session.undoStack().undo();
        EXPECT_EQ(f.doc.settings.pictureMode, c.before);
    }
}

TEST(SettingsCommands, PictureEndsTiledAndAnUnreadableOneChangesNothing) {
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("paper.bmp"));
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, 30));
    ASSERT_TRUE(picture.save(good));
    const QString bad = dir.filePath(QStringLiteral("broken.jpg"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();

    Fixture f;
    f.doc.settings.pictureMode = PictureMode::Stretch;
    f.prompts.files.push_back(FileChoice{bad});
    f.commands.N11Click();
    EXPECT_EQ(f.doc.settings.pictureMode, PictureMode::Stretch);
    EXPECT_TRUE(f.doc.settings.backgroundPicture.isNull());
    EXPECT_FALSE(f.session.modified());
    ASSERT_EQ(f.prompts.told.size(), 1);
    EXPECT_TRUE(f.prompts.told[0].contains(f.session.messages().text(Msg::mCannotReadFile)));
    EXPECT_TRUE(f.prompts.told[0].contains(QStringLiteral("broken.jpg")));

    f.commands.N11Click();  // cancelled
    EXPECT_FALSE(f.session.modified());

    f.prompts.files.push_back(FileChoice{good});
    f.commands.N11Click();
    EXPECT_EQ(f.doc.settings.pictureMode, PictureMode::Tile);
    EXPECT_EQ(f.doc.settings.backgroundPicture.size(), QSize(3, 2));
    EXPECT_EQ(f.doc.settings.backgroundPicture.pixelColor(2, 1), QColor(10, 20, 30));
    EXPECT_EQ(f.session.undoStack().count(), 1);
    f.session.undoStack().undo();
    EXPECT_TRUE(f.doc.settings.backgroundPicture.isNull());
    EXPECT_EQ(f.doc.settings.pictureMode, PictureMode::Stretch);
    EXPECT_EQ(f.prompts.fileDialogs, 3);
}

// A picture whose header claims more than the file holds, or more pixels than
// the budget, is refused with the reason before it is decoded.
TEST(SettingsCommands, APictureCutShortOrTooLargeIsRefusedWithTheReason) {
    QTemporaryDir dir;
    const MessageTable messages;
    // 4 x 4 pixels of 24 bits with the last row missing; then 30000 x 30000 RLE8.
    const QByteArray header = QByteArray::fromHex(
        "424d660000000000000036000000280000000400000004000000010018000000000030000000"
        "00000000000000000000000000000000");
    const QByteArray rle = QByteArray::fromHex(
        "424d4000000000000000360000002800000030750000307500000100080001000000"
        "0a000000000000000000000000000000000000000000000000000000000000000000");
    const struct {
        const char *name;
        QByteArray bytes;
        QString reason;
    } cases[] = {
        {"cut.bmp", header + QByteArray(36, '\x40'), messages.text(Msg::mPictureTruncated)},
        {"huge.bmp", rle + QByteArray::fromHex("00010001"), PictureTooLargeText(messages)},
    };
    for (const auto &c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        Fixture f;
        f.prompts.files.push_back(FileChoice{path});
        f.commands.N11Click();
        EXPECT_TRUE(f.doc.settings.backgroundPicture.isNull()) << c.name;
        EXPECT_FALSE(f.session.modified()) << c.name;
        ASSERT_EQ(f.prompts.told.size(), 1) << c.name;
        EXPECT_TRUE(f.prompts.told[0].contains(c.reason)) << f.prompts.told[0].toStdString();
    }
}

// A negative interval acts as 0 (no lines, no snapping); the document format
// cannot store it, so it is kept as 0 and the document stays saveable.
TEST(SettingsCommands, IntervalsTakeZeroAndNegativeValues) {
    const struct {
        std::int32_t entered;
        std::int32_t stored;
    } cases[] = {{0, 0}, {-5, 0}, {1, 1}, {100000, 100000}};
    for (const auto &c : cases) {
        Fixture f;
        f.prompts.intervals.push_back(c.entered);
        f.prompts.intervals.push_back(c.entered);
        f.commands.N36Click();
        f.commands.N38Click();
        EXPECT_EQ(f.prompts.intervalsShown, (std::vector<std::int32_t>{25, 15}));
        EXPECT_EQ(f.doc.settings.hGridInterval, c.stored);
        EXPECT_EQ(f.doc.settings.vGridInterval, c.stored);
        QByteArray bytes;
        EXPECT_TRUE(writeNativeDocument(f.doc, bytes).ok()) << c.entered;
    }
}

TEST(SettingsCommands, ChartFontResizesOnlyNamesWithoutTheirOwnFont) {
    Fixture f;
    const int plain = addPerson(f.doc, 0, 0, -1, -1, "Name");
    const int own = addPerson(f.doc, 0, 50, -1, -1, "Name");
    f.doc.NodeTable[own].font = tmyfont{"Arial", 8, 204, 0, 0};
    f.doc.MeasureNameExtent(own);
    f.doc.settings.chartFont.charset = 0xCC;
    const NameExtent plainBefore = f.doc.NodeTable.nameExtent(plain);
    const NameExtent ownBefore = f.doc.NodeTable.nameExtent(own);

    QFont big(QStringLiteral("Arial Cyr"));
    big.setPointSize(24);
    big.setBold(true);
    f.prompts.fonts.push_back(FontChoice{big, 0x0000FF});
    f.commands.N15Click();
    ASSERT_EQ(f.prompts.fontsShown.size(), 1u);
    EXPECT_EQ(f.prompts.fontsShown[0].font.family(), "Arial Cyr");
    EXPECT_EQ(f.prompts.fontsShown[0].font.pointSize(), 10);
    EXPECT_EQ(f.doc.settings.chartFont, (tmyfont{"Arial Cyr", 24, 0xCC, 0x0000FF, kStyleBold}));
    EXPECT_GT(f.doc.NodeTable.nameExtent(plain).width, plainBefore.width);
    EXPECT_GT(f.doc.NodeTable.nameExtent(plain).height, plainBefore.height);
    EXPECT_EQ(f.doc.NodeTable.nameExtent(own), ownBefore);
    EXPECT_EQ(f.session.undoStack().text(0), f.session.messages().text(Msg::mActChartFont));

    f.session.undoStack().undo();
    EXPECT_EQ(f.doc.NodeTable.nameExtent(plain), plainBefore);
    EXPECT_EQ(f.doc.settings.chartFont.size, 10);
}

TEST(SettingsCommands, ResetKeepsThePictureAndCharsetAndResetsTheView) {
    Fixture f;
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    f.doc.settings.backgroundPicture = picture;
    f.doc.settings.pictureMode = PictureMode::Tile;
    f.doc.settings.chartFont = tmyfont{"Times", 14, 0xCC, 0x123456, kStyleItalic};
    f.doc.settings.scale = 2.0f;
    f.doc.view.ViewOriginX = -300;
    f.doc.view.ViewOriginY = 40;
    f.session.setSelected(0, true);
    const DocumentSettings before = f.doc.settings;

    f.commands.N20Click();
    DocumentSettings expected;
    expected.backgroundPicture = picture;
    expected.chartFont.charset = 0xCC;
    EXPECT_EQ(f.doc.settings, expected);
    EXPECT_EQ(f.doc.view.ViewOriginX, 0);
    EXPECT_EQ(f.doc.view.ViewOriginY, 0);
    EXPECT_FALSE(f.doc.NodeTable.selected(0));
    EXPECT_TRUE(f.session.modified());
    EXPECT_EQ(f.session.undoStack().text(0), f.session.messages().text(Msg::mActResetSettings));

    // Undo brings the settings back but not the zoom, which is the user's view.
    f.session.undoStack().undo();
    DocumentSettings restored = before;
    restored.scale = 1.0f;
    EXPECT_EQ(f.doc.settings, restored);
}

}  // namespace
