#include <gtest/gtest.h>

#include "text/doc_text.h"

using namespace kinvarro;

TEST(DocText, NamesOfManyScriptsRoundTripAsUtf8) {
    const char16_t *const names[] = {
        u"Zoë Müller",  u"Łucja Wójcik", u"Σωκράτης",
        u"Иван Петров", u"אברהם",        u"محمد",
        u"देवनागरी",     u"李小龍",       u"Gothic \U00010330 letter",
    };
    for (const char16_t *name : names) {
        const QString text = QString::fromUtf16(name);
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
