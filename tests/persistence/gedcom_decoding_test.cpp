#include <gtest/gtest.h>

#include "persistence/gedcom_decoding.h"
#include "persistence/gedcom_lines.h"
#include "test_support.h"
#include "text/cp1251.h"
#include "text/cp1251_fallback.h"

using namespace kinvarro;

namespace {

QByteArray bytes(std::string_view text) {
    return QByteArray(text.data(), qsizetype(text.size()));
}

QByteArray utf16(const QString &text, bool bigEndian) {
    QByteArray out;
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    }
    return out;
}

}  // namespace

TEST(GedcomDecoding, DetectsTheEncodingByMarkNulOrCharLine) {
    const struct {
        QByteArray file;
        GedcomEncoding expected;
    } cases[] = {
        {bytes("\xEF\xBB\xBF"
               "0 HEAD\n1 CHAR ANSEL\n"),
         GedcomEncoding::Utf8},
        {bytes(std::string_view("\xFF\xFE"
                                "0\0",
                                4)),
         GedcomEncoding::Utf16LE},
        {bytes(std::string_view("\xFE\xFF\0"
                                "0",
                                4)),
         GedcomEncoding::Utf16BE},
        {bytes(std::string_view("0\0 \0", 4)), GedcomEncoding::Utf16LE},
        {bytes(std::string_view("\0"
                                "0\0 ",
                                4)),
         GedcomEncoding::Utf16BE},
        {bytes("0 HEAD\r1 SOUR x\r1 char  utf-8 \r0 TRLR\r"), GedcomEncoding::Utf8},
        {bytes("0 HEAD\n1 CHAR UTF8\n"), GedcomEncoding::Utf8},
        {bytes("0 HEAD\n1 CHAR UNICODE\n"), GedcomEncoding::Utf8},
        {bytes("0 HEAD\r\n  1 CHAR Ansel\r\n"), GedcomEncoding::Ansel},
        {bytes("0 HEAD\n1 CHAR ANSI\n"), GedcomEncoding::Windows1251},
        {bytes("0 HEAD\n1 SOUR x\n"), GedcomEncoding::Windows1251},
        // Only the first header record counts.
        {bytes("0 HEAD\n0 @I1@ INDI\n1 CHAR UTF-8\n"), GedcomEncoding::Windows1251},
        {bytes(""), GedcomEncoding::Windows1251},
        // No CHAR, or ANSI: valid UTF-8 is UTF-8, else the code page that makes words.
        {bytes("0 HEAD\n1 NAME Jos\xC3\xA9 M\xC3\xBCller\n"), GedcomEncoding::Utf8},
        {bytes("0 HEAD\n1 CHAR ANSI\n1 NAME Jos\xE9 M\xFCller, Th\xE9r\xE8se\n"),
         GedcomEncoding::Windows1252},
        {bytes(toCp1251(QString::fromUtf8("0 HEAD\n1 CHAR ANSI\n1 NAME Иван Петров, Zoe\n"))),
         GedcomEncoding::Windows1251},
        // UTF-16 without a mark is told by its NULs, whatever the first character.
        {utf16(QStringLiteral("\r\n0 HEAD\r\n1 CHAR UNICODE\r\n"), false), GedcomEncoding::Utf16LE},
        {utf16(QStringLiteral("\n0 HEAD\n"), true), GedcomEncoding::Utf16BE},
    };
    for (const auto &c : cases)
        EXPECT_EQ(detectGedcomEncoding(c.file), c.expected) << c.file.toHex().toStdString();
}

TEST(GedcomDecoding, ReplacesControlCharactersAndSaysWhenItGuessedTheCodePage) {
    const GedcomText nul =
        decodeGedcomFile(bytes(std::string_view("0 HEAD\n1 NAME A\0B\x01\tC\x7F\r\n", 23)));
    EXPECT_EQ(nul.text, "0 HEAD\n1 NAME A?B?\tC?\r\n");
    EXPECT_EQ(nul.controls, 3);
    EXPECT_FALSE(nul.guessedCodePage);  // ASCII reads the same in every code page
    const GedcomText western = decodeGedcomFile(bytes("0 HEAD\n1 NAME Jos\xE9 M\xFCller\n"));
    EXPECT_TRUE(western.guessedCodePage);
    EXPECT_EQ(western.encoding, GedcomEncoding::Windows1252);
}

TEST(GedcomDecoding, StoresUnicodeAsWindows1251WithReplacements) {
    const struct {
        const char *utf8;
        const char *stored;  // the Windows-1251 result, read back
        long long changed;
    } cases[] = {
        {"Иван Петров", "Иван Петров", 0},
        {"и\u0306", "й", 0},  // composed before storing
        {"Frédéric", "Frederic", 2},
        {"ﬁne", "fine", 1},
        {"Søren Æbeløe", "Soren AEbeloe", 3},
        {"Straße Łódź ðþı", "Strasse Lodz dthi", 7},
        {"中", "?", 1},
        {"\xF0\x9F\x98\x80", "?", 1},  // one character outside the BMP
        {"а\u0301", "а", 1},           // a stress mark alone is dropped
        {"№ € «»", "№ € «»", 0},
    };
    for (const auto &c : cases) {
        long long changed = 0;
        EXPECT_EQ(fromCp1251(storeAsCp1251(QString::fromUtf8(c.utf8), &changed)),
                  QString::fromUtf8(c.stored))
            << c.utf8;
        EXPECT_EQ(changed, c.changed) << c.utf8;
    }
}

TEST(GedcomDecoding, KeepsEveryCharacterAndCountsOnlyWhatStandsForNone) {
    const QString text = QString::fromUtf8("0 HEAD\n1 NAME Пётр Zoë Σωκράτης 李 \U00010330");
    const std::string stored = text.toStdString();
    const struct {
        QByteArray file;
        std::string stored;
        long long replaced;
    } cases[] = {
        {"\xEF\xBB\xBF" + text.toUtf8(), stored, 0},
        {"\xFF\xFE" + utf16(text, false), stored, 0},
        {utf16(text, true), stored, 0},
        // Stored composed: a letter and its combining diacritic become one character.
        {bytes("0 HEAD\n1 CHAR UTF-8\n1 NAME Zoe\xCC\x88"),
         std::string("0 HEAD\n1 CHAR UTF-8\n1 NAME Zoë"), 0},
        // A truncated UTF-16 file: the odd byte stands for no character.
        {utf16(QStringLiteral("0 HEAD"), false) + '\x41', "0 HEAD\uFFFD", 1},
        // An unpaired surrogate.
        {utf16(QStringLiteral("0 A"), false) + bytes(std::string_view("\x00\xD8", 2)), "0 A\uFFFD",
         1},
        // Invalid UTF-8 bytes are read as Windows-1251: here "Ж" and a truncated sequence.
        {bytes("0 HEAD\n1 CHAR UTF-8\n1 NAME \xC6\xD0"),
         std::string("0 HEAD\n1 CHAR UTF-8\n1 NAME ЖР"), 0},
        // ANSEL: diacritics come before their letter; a dangling one is dropped.
        {bytes("0 HEAD\n1 CHAR ANSEL\n1 NAME \xE2"
               "e\xE8\xE5o \xA5 \xC7 \xE2\n\xE1"),
         std::string("0 HEAD\n1 CHAR ANSEL\n1 NAME éȫ Æ ß \n"), 2},
        // An ANSEL byte with no character.
        {bytes("0 HEAD\n1 CHAR ANSEL\n1 NAME \xAF"),
         std::string("0 HEAD\n1 CHAR ANSEL\n1 NAME \uFFFD"), 1},
        // CF is the sharp s of GEDCOM's ANSEL table.
        {bytes("0 HEAD\n1 CHAR ANSEL\n1 NAME Stra\xCF"
               "e"),
         std::string("0 HEAD\n1 CHAR ANSEL\n1 NAME Straße"), 0},
        // Windows-1251, every byte kept (0x98, which the code page leaves free, too).
        {bytes(toCp1251(QString::fromUtf8("0 HEAD\n1 NAME Ёж ")) + "\x98"),
         std::string("0 HEAD\n1 NAME Ёж \u0098"), 0},
        // Windows-1252 as Western programs write "ANSI".
        {bytes("0 HEAD\n1 CHAR ANSI\n1 NAME Jos\xE9 M\xFCller, Th\xE9r\xE8se\n"),
         std::string("0 HEAD\n1 CHAR ANSI\n1 NAME José Müller, Thérèse\n"), 0},
    };
    for (const auto &c : cases) {
        const GedcomText decoded = decodeGedcomFile(c.file);
        EXPECT_EQ(decoded.text, c.stored) << c.file.toHex().toStdString();
        EXPECT_EQ(decoded.replaced, c.replaced) << c.file.toHex().toStdString();
    }
}

TEST(GedcomLines, SplitsAtEveryLineEndAndTrims) {
    GedcomLines lines(" \t0 HEAD  \r\n1 A\t \r1 B\n\n   \n1 C");
    std::vector<std::string> read;
    std::string_view line;
    while (lines.next(line))
        read.emplace_back(line);
    EXPECT_EQ(read, (std::vector<std::string>{"0 HEAD", "1 A\t", "1 B", "1 C"}));
    EXPECT_EQ(lines.count(), 6);
}
