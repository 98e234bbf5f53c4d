#include <gtest/gtest.h>
#include <QTextDocument>
#include <set>

#include "edit/document_session.h"
#include "markup/colouring_command.h"
#include "markup/description_colouring.h"
#include "markup/markup_reader.h"
#include "markup_test_support.h"
#include "prompts/progress_display.h"
#include "prompts/table_guard.h"
#include "scripted_prompts.h"
#include "test_support.h"

using namespace kinvarro;
using kinvarro::test::ScriptedPrompts;
using kinvarro::test::u;

namespace {

// The coloured text with one letter per character: 'b' blue, 'r' red, '.'
// black, then '_' under each underlined one; and the sizes met.
struct Painted {
    QString text;
    QString colours;
    QString underlines;
    std::set<int> sizes;
};

Painted colourAndRead(const char *nameUtf8, const char *descriptionUtf8) {
    QTextDocument scratch;
    const std::string markup =
        ColourDescription(std::string(nameUtf8), std::string(descriptionUtf8), scratch);
    QTextDocument readBack;
    RichTextDocument rich(readBack);
    MarkupToRichText(markup, rich);
    Painted painted;
    painted.text = rich.plainText();
    for (qsizetype p = 0; p < rich.length(); ++p) {
        const CharAttributes a = rich.attributesAt(p).character;
        painted.colours += a.colour == kDigitColour ? 'b' : a.colour == kNameColour ? 'r' : '.';
        painted.underlines += a.underline ? '_' : ' ';
        painted.sizes.insert(a.size);
    }
    return painted;
}

struct ColouringCase {
    const char *name;
    const char *description;
    const char *text;
    const char *colours;
};

TEST(ColourDescription, DigitsNamesAndWords) {
    const ColouringCase cases[] = {
        {"Иван", "Родился в 1850 г.", "Родился в 1850 г.", "..........bbbb..."},
        {"Иван Петров", "Иван Петрович и Петров", "Иван Петрович и Петров",
         "rrrr............rrrrrr"},
        {"Пётр", "ПЁТР, пётр. пётр: Пётра", "ПЁТР, пётр. пётр: Пётра", "rrrr..rrrr............."},
        {"Ян", "Ян (Ян)", "Ян (Ян)", "rr..rr."},
        // A name of one character is not coloured at the very end of the text.
        {"Я", "Я Я", "Я Я", "r.."},
        {"A1", "a1 A12", "a1 A12", "rr.rrb"},
        {"", "0", "0", "b"},
        {"Ivan Petrov", "Ivan\r\nPetrov", "Ivan\r\nPetrov", "rrrr..rrrrrr"},
        {"Ivan\r\nPetrov", "Ivan\r\nPetrov!", "Ivan\r\nPetrov!", "rrrrrrrrrrrr."},
        // Letter case is folded in every script.
        {"Zoë Müller", "ZOË MÜLLER, müllerin", "ZOË MÜLLER, müllerin", "rrrrrrrrrr.........."},
        {"Σωκράτης", "ΣΩΚΡΆΤΗΣ ο", "ΣΩΚΡΆΤΗΣ ο", "rrrrrrrr.."},
        {"李小龍", "李小龍 1940", "李小龍 1940", "rrr.bbbb"},
    };
    for (const ColouringCase &c : cases) {
        const Painted painted = colourAndRead(c.name, c.description);
        EXPECT_EQ(painted.text, u(c.text)) << c.description;
        EXPECT_EQ(painted.colours, QString::fromLatin1(c.colours)) << c.description;
    }
}

TEST(ColourDescription, OnlyTheFirstElevenWordsOfANameCount) {
    const Painted painted = colourAndRead("a b c d e f g h i j k l", "l k.");
    EXPECT_EQ(painted.colours, QStringLiteral("..r."));
}

TEST(ColourDescription, GraveAccentsUnderlineTheCharacterBefore) {
    Painted painted = colourAndRead("x", "мука` и мука``");
    EXPECT_EQ(painted.text, u("мука и мука"));
    EXPECT_EQ(painted.underlines, QStringLiteral("   _      _"));
    painted = colourAndRead("x", "`a");
    EXPECT_EQ(painted.text, u("a"));
    EXPECT_EQ(painted.underlines, QStringLiteral(" "));
}

TEST(ColourDescription, EmptyLinesAndSizes) {
    const Painted painted =
        colourAndRead("x", "<`S=14>a\r\n\r\n\r\n\r\nb\r\n\r\n<B>c</B>\r\n\r\n\r\n");
    EXPECT_EQ(painted.text, u("a\r\n\r\nb\r\n\r\nc"));
    EXPECT_EQ(painted.sizes, (std::set<int>{kColouredTextSize}));
}

TEST(ColourDescription, OtherAttributesStay) {
    QTextDocument scratch;
    const std::string markup = ColourDescription("x", "<C><`S=20><`F=Times><B><I>1</I>y", scratch);
    EXPECT_EQ(markup, "<C><B><I><`S=10><`F=Times><`C=16711680>1</I><`C=0>y");
}

TEST(ColourDescription, AMalformedTagIsColouredAsText) {
    QTextDocument scratch;
    // The accent underlines the "<" before it; the "<" is written so that it stays text.
    EXPECT_EQ(ColourDescription("x", "<`S=big>", scratch),
              "<U><`S=10><`F=Arial><`C=0><<U></U>S=big>");
}

class ProgressLog : public ProgressDisplay {
  public:
    QStringList steps;
    void show(const QString &caption, int minimum, int maximum) override {
        steps << QStringLiteral("%1 %2..%3").arg(caption).arg(minimum).arg(maximum);
    }
    void setPosition(int position) override { steps << QString::number(position); }
    void hide() override { steps << QStringLiteral("hide"); }
};

class ColouringCommandTest : public ::testing::Test {
  protected:
    ColouringCommandTest() : command(session, prompts, guard, scratch) {
        command.setProgressDisplay(&progress);
        test::addPerson(doc, 0, 0, -1, -1, "Tom");
        test::addPerson(doc, 0, 0, -1, -1, "Ann");
        doc.NodeTable[0].description = "Tom 1";
        doc.NodeTable[1].description = "x";
    }

    Document doc;
    DocumentSession session{doc};
    ScriptedPrompts prompts;
    TableGuard guard;
    QTextDocument scratch;
    ProgressLog progress;
    ColouringCommand command;
};

TEST_F(ColouringCommandTest, NoChangesNothing) {
    prompts.answers = {Answer::No};
    command.NColorElementsClick();
    EXPECT_EQ(prompts.asked, QStringList{QString::fromUtf8(
                                 "Раскраска может испортить предыдущий формат раскраски|Начать "
                                 "расскраску описаний элементов?")});
    EXPECT_EQ(doc.NodeTable[0].description, "Tom 1");
    EXPECT_FALSE(doc.DocumentModified);
    EXPECT_TRUE(progress.steps.isEmpty());
}

TEST_F(ColouringCommandTest, YesColoursEveryElementAndRefusesTableCommandsMeanwhile) {
    prompts.answers = {Answer::Yes};
    QList<bool> lockedDuringRun;
    command.setEventPump([&] {
        lockedDuringRun << guard.locked();
        // A second run tried from a pending event is refused.
        command.NColorElementsClick();
    });
    command.NColorElementsClick();
    EXPECT_EQ(lockedDuringRun, (QList<bool>{true, true}));
    EXPECT_FALSE(guard.locked());
    EXPECT_EQ(doc.NodeTable[0].description, "<`S=10><`F=Arial><`C=255>Tom<`C=0> <`C=16711680>1");
    EXPECT_EQ(doc.NodeTable[1].description, "<`S=10><`F=Arial><`C=0>x");
    EXPECT_TRUE(doc.DocumentModified);
    EXPECT_EQ(progress.steps,
              (QStringList{QString::fromUtf8("Выполнение.. 0..1"), "0", "1", "hide"}));
    const QString refusal =
        QString::fromUtf8("Kinvarro|Идёт раскраска описаний. Дождитесь её окончания.");
    EXPECT_EQ(prompts.told,
              (QStringList{refusal, refusal, QString::fromUtf8("Операция завершена|Успешно")}));
    EXPECT_EQ(prompts.asked.size(), 1);
}

TEST_F(ColouringCommandTest, TheRunIsOneStepOfTheHistory) {
    prompts.answers = {Answer::Yes};
    command.NColorElementsClick();
    ASSERT_EQ(session.undoStack().count(), 1);
    session.undoStack().undo();
    EXPECT_EQ(doc.NodeTable[0].description, "Tom 1");
    EXPECT_EQ(doc.NodeTable[1].description, "x");
    EXPECT_FALSE(doc.DocumentModified);
}

TEST_F(ColouringCommandTest, AnEmptyTableIsStillMarkedModified) {
    doc.ClearTable();
    prompts.answers = {Answer::Yes};
    command.NColorElementsClick();
    EXPECT_TRUE(doc.DocumentModified);
}

}  // namespace
