#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTextCursor>
#include <QTextDocument>

#include "editors/control_char_filter.h"
#include "model/document.h"
#include "persistence/native_format.h"
#include "test_support.h"
#include "text/control_chars.h"

using namespace kinvarro;

namespace {

TEST(ControlChars, DocumentTextsKeepTabsAndLineEndsOnly) {
    struct Case {
        std::string in;
        std::string out;
        int replaced;
    };
    const Case cases[] = {
        {"a\x01"
         "b",
         "a?b", 1},
        {"tab\there\r\nnext", "tab\there\r\nnext", 0},
        {"\x1b[31m\x7f", "?[31m?", 2},
        {"\xC0\x98\xFF", "\xC0\x98\xFF", 0},                  // Windows-1251 letters, not controls
        {"\xC3\xA9\xE2\x80\x94", "\xC3\xA9\xE2\x80\x94", 0},  // UTF-8 "é—"
    };
    for (const Case &c : cases) {
        std::string text = c.in;
        EXPECT_EQ(replaceControlChars(text), c.replaced) << c.in;
        EXPECT_EQ(text, c.out);
    }
}

TEST(ControlChars, FontFacesTheMarkupCanHold) {
    struct Case {
        const char16_t *face;
        bool storable;
    };
    const Case cases[] = {{u"DejaVu Sans", true}, {u"Ev>il", false}, {u"Tab\tFace", false},
                          {u"Line\nFace", false}, {u"Шрифт", true},  {u"x\u0085", false}};
    for (const Case &c : cases)
        EXPECT_EQ(storableFontFace(QStringView(c.face)), c.storable)
            << QString::fromUtf16(c.face).toStdString();
}

TEST(ControlChars, TheEditorsDropThemFromTypingAndPasting) {
    struct Case {
        QString typed;
        QString kept;
    };
    const Case cases[] = {
        {QStringLiteral("a\x01"
                        "b\tc\x1f"),
         QStringLiteral("ab\tc")},
        {QString(QChar(0)) + QStringLiteral("name"), QStringLiteral("name")},
        {QStringLiteral("two\nlines"), QStringLiteral("two\nlines")},
        {QStringLiteral("\x7f\x80"), QString()},
        {QStringLiteral("x\x01\ny\x02\nz"), QStringLiteral("x\ny\nz")},
    };
    for (const Case &c : cases) {
        QTextDocument doc;
        doc.documentLayout();  // as in an edit field: changes are reported only with a layout
        keepControlCharsOut(doc);
        doc.setPlainText(QStringLiteral("<"));  // a fresh history
        QTextCursor cursor(&doc);
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(c.typed);
        QCoreApplication::processEvents();  // as the editor's event loop does
        EXPECT_EQ(doc.toPlainText(), QStringLiteral("<") + c.kept) << c.typed.toStdString();
        // The removal is a step of its own after the insertion.
        while (doc.isUndoAvailable())
            doc.undo();
        EXPECT_EQ(doc.toPlainText(), QStringLiteral("<")) << c.typed.toStdString();
    }
}

TEST(ControlChars, TheNativeReaderReplacesAndCountsThem) {
    Document doc;
    const int i = test::addPerson(doc, 0, 0, -1, -1,
                                  "A\x02"
                                  "B");
    doc.NodeTable[i].description = "x\x1by";
    doc.NodeTable[i].media = {"photo\x03.jpg"};
    QByteArray bytes;
    ASSERT_TRUE(writeNativeDocument(doc, bytes).ok());
    Document read;
    QStringList warnings;
    ASSERT_TRUE(readNativeDocument(bytes, read, &warnings).ok());
    EXPECT_EQ(read.NodeTable[0].name, "A?B");
    EXPECT_EQ(read.NodeTable[0].description, "x?y");
    ASSERT_EQ(read.NodeTable[0].media.size(), 1u);
    EXPECT_EQ(read.NodeTable[0].media[0], "photo?.jpg");
    ASSERT_FALSE(warnings.isEmpty());
    EXPECT_TRUE(warnings.last().contains(QStringLiteral(": 3"))) << warnings.last().toStdString();
}

// A chart of one person named `name`, saved and read back: the name read
// and the warnings given.
std::pair<std::string, QStringList> nameReadBack(const std::string &name) {
    Document doc;
    test::addPerson(doc, 0, 0, -1, -1, name);
    QByteArray bytes;
    EXPECT_TRUE(writeNativeDocument(doc, bytes).ok());
    Document read;
    QStringList warnings;
    EXPECT_TRUE(readNativeDocument(bytes, read, &warnings).ok());
    return {read.NodeTable.NodeCount() > 0 ? read.NodeTable[0].name : std::string(), warnings};
}

// The reader looks at texts eight bytes at a time: a control character, or a
// letter beyond ASCII, is found at every place in and after the words.
TEST(ControlChars, TheNativeReaderFindsThemAtEveryPlaceOfAText) {
    const std::string plain = "Anna\tMaria\r\nKarlsson";
    for (const char control : {'\x01', '\x1f', '\x7f'}) {
        for (std::size_t at = 0; at <= plain.size(); ++at) {
            for (const bool cyrillic : {false, true}) {
                std::string name = plain;
                name.insert(at, 1, control);
                if (cyrillic)
                    name += "Ёж";
                const auto [read, warnings] = nameReadBack(name);
                std::string expected = name;
                expected[at] = '?';
                EXPECT_EQ(read, expected) << at << " " << int(control);
                EXPECT_EQ(warnings.size(), 1) << at;
            }
        }
    }
    const auto [read, warnings] = nameReadBack(plain);
    EXPECT_EQ(read, plain);
    EXPECT_TRUE(warnings.isEmpty());
}

}  // namespace
