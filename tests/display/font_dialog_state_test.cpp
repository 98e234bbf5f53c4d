#include <gtest/gtest.h>

#include <QSet>

#include "display/font_dialog_state.h"

using namespace kinvarro;

namespace {

const QStringList kInstalled{QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Sans"),
                             QStringLiteral("Liberation Sans"), QStringLiteral("文泉驿"),
                             QStringLiteral("DejaVu Sans")};

// A size of 0 gives a font sized in pixels, which has no point size.
FontChoice choice(const char *face, int size = 10) {
    QFont font(QString::fromUtf8(face));
    if (size > 0)
        font.setPointSize(size);
    else
        font.setPixelSize(13);
    return FontChoice{font, 0x112233};
}

TEST(FontDialogState, KeepsTheRequestedFaceUnlessAnotherIsPicked) {
    const struct {
        const char *requested;
        QStringList faces;
        int row;
    } cases[] = {
        // Not installed: listed under its own name, where it sorts.
        {"Arial Cyr",
         {"Arial Cyr", "DejaVu Sans", "Liberation Sans", "Liberation Serif", "文泉驿"},
         0},
        // Installed: listed once; a name in other letters stays as asked.
        {"liberation sans", {"DejaVu Sans", "Liberation Sans", "Liberation Serif", "文泉驿"}, 1},
        {"Liberation Serif", {"DejaVu Sans", "Liberation Sans", "Liberation Serif", "文泉驿"}, 2},
        // Face names are document text too: any script is offered and kept.
        {"文泉驿", {"DejaVu Sans", "Liberation Sans", "Liberation Serif", "文泉驿"}, 3},
        {"Łódź Sans",
         {"DejaVu Sans", "Liberation Sans", "Liberation Serif", "Łódź Sans", "文泉驿"},
         3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.requested);
        FontDialogState state(choice(c.requested), kInstalled);
        EXPECT_EQ(state.faces(), c.faces);
        EXPECT_EQ(state.faceRow(), c.row);
        EXPECT_EQ(state.result().font.family(), QString::fromUtf8(c.requested));

        const int other = c.row == 0 ? 1 : 0;
        state.pickFace(other);
        EXPECT_EQ(state.result().font.family(), c.faces[other]);
        state.pickFace(c.row);
        EXPECT_EQ(state.result().font.family(), QString::fromUtf8(c.requested));
        state.pickFace(99);
        EXPECT_EQ(state.faceRow(), c.row);
    }
}

TEST(FontDialogState, SizeTakesWholePointsInRange) {
    const struct {
        const char *text;
        bool taken;
        int size;
    } cases[] = {{"14", true, 14},    {" 9 ", true, 9},   {"0", false, 12}, {"-3", false, 12},
                 {"1000", false, 12}, {"abc", false, 12}, {"", false, 12},  {"999", true, 999}};
    for (const auto &c : cases) {
        FontDialogState state(choice("Arial", 12), kInstalled);
        EXPECT_EQ(state.setSizeText(QString::fromUtf8(c.text)), c.taken) << c.text;
        EXPECT_EQ(state.size(), c.size) << c.text;
        EXPECT_EQ(state.result().font.pointSize(), c.size) << c.text;
    }
}

TEST(FontDialogState, ReturnsStyleEffectsAndColour) {
    FontChoice initial = choice("Arial", 0);
    initial.font.setItalic(true);
    initial.font.setStrikeOut(true);
    FontDialogState state(initial, kInstalled);
    EXPECT_EQ(state.size(), 10);
    EXPECT_TRUE(state.italic);
    EXPECT_TRUE(state.strikeOut);
    EXPECT_FALSE(state.bold);
    EXPECT_EQ(state.colour, 0x112233);

    state.bold = true;
    state.underline = true;
    state.italic = false;
    state.colour = 0x0000FF;
    const FontChoice result = state.result();
    EXPECT_TRUE(result.font.bold());
    EXPECT_TRUE(result.font.underline());
    EXPECT_FALSE(result.font.italic());
    EXPECT_TRUE(result.font.strikeOut());
    EXPECT_EQ(result.colour, 0x0000FF);
}

// Faces that several foundries make are offered once, by the name a font asks for.
TEST(ScalableFaces, AreNamedWithoutTheirFoundryAndListedOnce) {
    const QStringList faces = ScalableFaces();
    ASSERT_FALSE(faces.isEmpty());
    for (const QString &face : faces)
        EXPECT_FALSE(face.endsWith(QLatin1Char(']'))) << face.toStdString();
    EXPECT_EQ(QSet<QString>(faces.begin(), faces.end()).size(), faces.size());
}

}  // namespace
