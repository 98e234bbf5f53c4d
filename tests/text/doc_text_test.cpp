#include <gtest/gtest.h>

#include "text/doc_text.h"

using namespace kinvarro;

TEST(DocText, NamesOfManyScriptsRoundTripAsUtf8) {
    const char16_t *const names[] = {
        u"Zoë Müller",
        u"Łucja Wójcik",
        u"Σωκράτης",
        u"Иван Петров",
        u"אברהם",
        u"محمد",
        u"देवनागरी",
        u"李小龍",
        u"Gothic \U00010330 letter",
        // Qt's own UTF-8 decoding would take a leading U+FEFF for a byte order mark.
        u"\uFEFF\uFEFFtwo marks",
    };
    for (const char16_t *name : names) {
        const QString text = QStringView(name).toString();  // fromUtf16 would drop a mark too
        const std::string stored = toDocText(text);
        EXPECT_EQ(QByteArray::fromStdString(stored), text.toUtf8()) << text.toStdString();
        EXPECT_EQ(fromDocText(stored), text) << stored;
    }
}

TEST(DocText, StoresTheComposedFormOfDecomposedLetters) {
    struct Case {
        const char16_t *typed;
        const char16_t *stored;
    };
    const Case cases[] = {
        {u"Zoe\u0308", u"Zo\u00EB"},   // e + combining diaeresis
        {u"\u0391\u0301", u"\u0386"},  // Greek capital alpha + acute
        {u"\u0418\u0306", u"\u0419"},  // Cyrillic short i
        {u"plain", u"plain"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(fromDocText(toDocText(QString::fromUtf16(c.typed))),
                  QString::fromUtf16(c.stored));
    }
}

TEST(DocText, InvalidBytesBecomeReplacementCharacters) {
    EXPECT_EQ(fromDocText("a\xFF"
                          "b"),
              QString::fromUtf16(u"a\uFFFDb"));
}

TEST(DocText, Cp1251TextConvertsBothWaysAndOtherLettersDoNotFit) {
    struct Case {
        const char *utf8;
        bool fits;
        const char *cp1251;
    };
    const Case cases[] = {
        {"plain", true, "plain"},
        {"\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD \xE2\x84\x96 \xE2\x82\xAC", true,
         "\xC8\xE2\xE0\xED \xB9 \x88"},     // Иван № €
        {"Zo\xC3\xAB", false, "Zo?"},       // Zoë
        {"\xCE\xA3\xCF\x89", false, "??"},  // Σω
        {"a\xF0\x90\x8C\xB0"
         "b",
         false, "a?b"},                // one character beyond the first plane
        {"bad \xFF", false, "bad ?"},  // an invalid byte
    };
    for (const Case &c : cases) {
        EXPECT_EQ(docTextFitsCp1251(c.utf8), c.fits) << c.utf8;
        EXPECT_EQ(docTextToCp1251(c.utf8), c.cp1251) << c.utf8;
        if (c.fits) {
            EXPECT_EQ(docTextFromCp1251(c.cp1251), c.utf8);
        }
    }
}

TEST(DocText, InvalidSequencesAreReplacedValidTextIsKept) {
    EXPECT_EQ(validDocText("Zo\xC3\xAB"), "Zo\xC3\xAB");
    EXPECT_EQ(validDocText("a\xC3"), "a\xEF\xBF\xBD");
    EXPECT_EQ(validDocText("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}
