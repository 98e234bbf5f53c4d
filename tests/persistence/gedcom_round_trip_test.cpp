#include <gtest/gtest.h>
#include <random>

#include "gedcom_generator.h"
#include "markup/plain_text_lines.h"
#include "persistence/gedcom_import.h"
#include "persistence/gedcom_writer.h"
#include "test_support.h"
#include "text/cp1251.h"
#include "text/cp1251_fallback.h"
#include "text/doc_text.h"

using namespace kinvarro;
using kinvarro::test::addPerson;

namespace {

// Persons with Cyrillic, Latin and multi-line names, formatted descriptions
// and links to earlier persons, with historical events among them.
void generateChart(Document &doc, int count, std::mt19937 &random) {
    static const char *const kNames[] = {"Иван", "Мария\r\nПетрова", "John Smith",
                                         "Ёлкин\r\nПётр\r\n1850", "Anne-Marie O'Neil"};
    static const char *const kDescriptions[] = {
        "", "<`S=10><`F=Arial><`C=0>Родился в <B>1850</B>\r\n\r\nв <I>Москве</I>\r\n\r\n",
        "<C>Letters & notes", "one\nline break", "\r\nfirst line empty"};
    std::vector<int> persons;
    for (int i = 0; i < count; ++i) {
        const auto earlier = [&] {
            return persons.empty() || random() % 4 == 0 ? -1 : persons[random() % persons.size()];
        };
        const int e = addPerson(doc, 0, 0, earlier(), earlier(),
                                std::string(kNames[random() % std::size(kNames)]));
        tnode &node = doc.NodeTable[e];
        node.sex = std::uint8_t(random() % 3);
        node.description = std::string(kDescriptions[random() % std::size(kDescriptions)]);
        if (random() % 8 == 0) {
            node.kind = kHistoricalEvent;
            node.fatherIndex = node.motherIndex = -1;
        } else {
            persons.push_back(e);
        }
    }
}

// The description as the import reads the note back: every plain line,
// empty ones included, after CR LF.
std::string noteAsRead(const std::string &markup) {
    const PlainTextLines lines = MarkupPlainLines(markup);
    std::string note;
    for (std::size_t i = 0; i < lines.size(); ++i)
        note += (i > 0 ? "\r\n" : "") + lines[i];
    return note;
}

QByteArray gedcomOf(const char *records) {
    QByteArray bytes("0 HEAD\n1 CHAR UTF-8\n");
    bytes += records;
    bytes += "0 TRLR\n";
    return bytes;
}

Document imported(const QByteArray &bytes) {
    Document doc;
    const auto failure = ImportGedcomData(bytes, doc, nullptr);
    EXPECT_FALSE(failure.has_value()) << (failure ? failure->text.toStdString() : "");
    return doc;
}

std::string oneLine(std::string name) {
    for (std::size_t at; (at = name.find("\r\n")) != std::string::npos;)
        name.replace(at, 2, " ");
    return name;
}

}  // namespace

TEST(GedcomRoundTrip, BothTypesReadBackAsTheSamePersonsNamesSexesAndLinks) {
    std::mt19937 random(99);
    Document doc;
    generateChart(doc, 400, random);
    std::vector<int> rank(std::size_t(doc.NodeTable.NodeCount()), -1);
    std::vector<int> persons;
    for (int i = 0; i < doc.NodeTable.NodeCount(); ++i) {
        if (doc.NodeTable[i].isPerson()) {
            rank[std::size_t(i)] = int(persons.size());
            persons.push_back(i);
        }
    }
    const auto rankOf = [&](int index) { return index == -1 ? -1 : rank[std::size_t(index)]; };

    for (GedcomEncoding encoding : {GedcomEncoding::Ansi, GedcomEncoding::Utf8}) {
        SCOPED_TRACE(encoding == GedcomEncoding::Utf8 ? "UTF-8" : "ANSI");
        const QByteArray bytes = GedcomFileImage(doc, QStringLiteral("chart.ged"), encoding);
        Document imported;
        GedcomImportReport report;
        const auto failure = ImportGedcomData(bytes, imported, nullptr, &report);
        ASSERT_FALSE(failure.has_value()) << failure->text.toStdString();
        EXPECT_TRUE(report.lostNothing());
        ASSERT_EQ(imported.NodeTable.NodeCount(), int(persons.size()));
        for (std::size_t k = 0; k < persons.size(); ++k) {
            const tnode &original = doc.NodeTable[persons[k]];
            const tnode &back = imported.NodeTable[int(k)];
            ASSERT_EQ(back.name, oneLine(original.name)) << k;
            EXPECT_EQ(back.sex, original.sex) << k;
            EXPECT_EQ(back.fatherIndex, rankOf(original.fatherIndex)) << k;
            EXPECT_EQ(back.motherIndex, rankOf(original.motherIndex)) << k;
            EXPECT_EQ(back.description, noteAsRead(original.description)) << k;
        }
    }
}

TEST(GedcomRoundTrip, ImportedTextsSurviveAnyNumberOfRoundTrips) {
    const QByteArray original = gedcomOf(
        "0 @I1@ INDI\n1 NAME Иван /Петров/\n1 SEX M\n1 NOTE @N1@\n"
        "1 BIRT\n2 DATE 1 JAN 1900\n2 PLAC Киев\n1 DEAT\n2 DATE 1950\n"
        "0 @I2@ INDI\n1 NAME Мария\n1 SEX F\n1 BAPM\n2 DATE 1901\n"
        "0 @I3@ INDI\n1 NAME Пётр /Иванов/\n1 NOTE  indented first\n2 CONC line\n2 CONT\n"
        "1 OBJE\n2 FILE photos/pyotr.jpg\n3 FORM jpg\n1 OBJE @M1@\n"
        "0 @I4@ INDI\n1 NAME Albert //\n1 OBJE\n2 FILE http://example.org/albert.jpg\n"
        "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n"
        "0 @N1@ NOTE in 112\n1 CONC 4, Robert\n1 CONT second line\n"
        "0 @M1@ OBJE\n1 FILE /home/ann/scan.tif\n2 FORM tif\n");
    const Document first = imported(original);
    ASSERT_EQ(first.NodeTable.NodeCount(), 4);
    EXPECT_EQ(first.NodeTable[2].media,
              (std::vector<std::string>{"photos/pyotr.jpg", "/home/ann/scan.tif"}));
    EXPECT_EQ(
        first.NodeTable[0].description,
        std::string("Иван Петров\r\n\r\nin 1124, Robert\r\nsecond line\r\n"
                    "Дата рождения: 1 JAN 1900\r\nМесто рождения: Киев\r\nДата смерти: 1950"));
    for (GedcomEncoding encoding : {GedcomEncoding::Utf8, GedcomEncoding::Ansi}) {
        Document doc = imported(original);
        for (int round = 0; round < 3; ++round) {
            const QByteArray out = GedcomFileImage(doc, QStringLiteral("t.ged"), encoding);
            if (encoding == GedcomEncoding::Utf8) {
                EXPECT_TRUE(out.contains("1 NAME Иван /Петров/\r\n"));
                EXPECT_TRUE(out.contains("1 BIRT\r\n2 DATE 1 JAN 1900\r\n2 PLAC Киев\r\n"));
                EXPECT_FALSE(out.contains("1 FATH") || out.contains("1 MOTH"));
                EXPECT_TRUE(out.contains("1 NAME Albert //\r\n"));
                EXPECT_TRUE(out.contains("2 FILE http://example.org/albert.jpg\r\n"));
            }
            doc = imported(out);
            ASSERT_EQ(doc.NodeTable.NodeCount(), 4);
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(doc.NodeTable[i].name, first.NodeTable[i].name) << round << " " << i;
                EXPECT_EQ(doc.NodeTable[i].description, first.NodeTable[i].description)
                    << round << " " << i;
                EXPECT_EQ(doc.NodeTable[i].media, first.NodeTable[i].media);
                EXPECT_EQ(doc.NodeTable[i].fatherIndex, first.NodeTable[i].fatherIndex);
                EXPECT_EQ(doc.NodeTable[i].motherIndex, first.NodeTable[i].motherIndex);
            }
        }
    }
}

TEST(GedcomRoundTrip, StandardTypePointsOnlyToRecordsItWrites) {
    Document doc;
    const int event = addPerson(doc, 0, 0, -1, -1, "1812");
    doc.NodeTable[event].kind = kHistoricalEvent;
    const int father = addPerson(doc, 0, 0, -1, -1, "Ivan");
    addPerson(doc, 0, 0, event, father, "Pyotr");  // an event linked as the mother
    for (GedcomEncoding encoding : {GedcomEncoding::Utf8, GedcomEncoding::Ansi}) {
        const QByteArray out = GedcomFileImage(doc, QStringLiteral("t.ged"), encoding);
        SCOPED_TRACE(out.toStdString());
        EXPECT_FALSE(out.contains("@I0@"));
        EXPECT_EQ(out.contains("1 FATH @I1@"), encoding == GedcomEncoding::Ansi);
        EXPECT_EQ(out.contains(QString::fromUtf8("1 NOTE мать: 1812").toUtf8()),
                  encoding == GedcomEncoding::Utf8);
        EXPECT_TRUE(out.contains("1 HUSB @I1@\r\n1 CHIL @I2@"));
    }
}

TEST(GedcomRoundTrip, GeneratedImportsComeBackUnchangedFromBothTypes) {
    // Full-name lines, notes, labelled event lines and media as the import writes them.
    for (const unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        const std::string text = bench::generateGedcom(300, seed);
        const Document first = imported(QByteArray::fromStdString(text));
        ASSERT_EQ(first.NodeTable.NodeCount(), 300);
        int withMedia = 0;
        int withDeath = 0;
        for (int i = 0; i < 300; ++i) {
            withMedia += !first.NodeTable[i].media.empty();
            withDeath += first.NodeTable[i].description.find(std::string("Дата смерти")) !=
                         std::string::npos;
        }
        ASSERT_GT(withMedia, 30);
        ASSERT_GT(withDeath, 30);
        for (GedcomEncoding encoding : {GedcomEncoding::Utf8, GedcomEncoding::Ansi}) {
            SCOPED_TRACE(encoding == GedcomEncoding::Utf8 ? "UTF-8" : "ANSI");
            const QByteArray out = GedcomFileImage(first, QStringLiteral("t.ged"), encoding);
            Document back;
            GedcomImportReport report;
            ASSERT_FALSE(ImportGedcomData(out, back, nullptr, &report).has_value());
            EXPECT_TRUE(report.lostNothing());
            ASSERT_EQ(back.NodeTable.NodeCount(), 300);
            // The ANSI type holds what Windows-1251 holds, the rest as the nearest letters.
            const auto written = [&](const std::string &text) {
                return encoding == GedcomEncoding::Utf8
                           ? text
                           : docTextFromCp1251(storeAsCp1251(fromDocText(text)));
            };
            for (int i = 0; i < 300; ++i) {
                const tnode &was = first.NodeTable[i];
                const tnode &is = back.NodeTable[i];
                ASSERT_EQ(is.name, written(was.name)) << i;
                ASSERT_EQ(is.description, written(was.description)) << i;
                ASSERT_EQ(is.media.size(), was.media.size()) << i;
                for (std::size_t k = 0; k < is.media.size(); ++k)
                    ASSERT_EQ(is.media[k], written(was.media[k])) << i;
                ASSERT_EQ(is.fatherIndex, was.fatherIndex) << i;
                ASSERT_EQ(is.motherIndex, was.motherIndex) << i;
                ASSERT_EQ(is.sex, was.sex) << i;
            }
        }
    }
}

TEST(GedcomRoundTrip, Utf8TypeKeepsEveryLetterOfEveryScript) {
    const char *const names[] = {"Zoë Müller",  "Marie-Thérèse", "Łucja Wójcik", "Σωκράτης",
                                 "Иван Петров", "אברהם",         "محمد",         "देवनागरी",
                                 "李小龍",      "\U00010330"};
    Document doc;
    for (const char *name : names) {
        const int i = addPerson(doc, 0, 0, -1, doc.NodeTable.NodeCount() - 1, std::string(name));
        tnode &node = doc.NodeTable[i];
        node.description = std::string("<B>") + name + "</B>\r\n" + name + " 𐌰";
        node.media = {std::string("/Fotos Łódź/") + name + ".jpg"};
    }
    const QByteArray out =
        GedcomFileImage(doc, QStringLiteral("/data/Zoë.ged"), GedcomEncoding::Utf8);
    EXPECT_TRUE(out.contains("2 NAME Zoë\r\n"));
    GedcomImportReport report;
    Document back;
    ASSERT_FALSE(ImportGedcomData(out, back, nullptr, &report, QStringLiteral("/data")));
    EXPECT_TRUE(report.lostNothing());
    ASSERT_EQ(back.NodeTable.NodeCount(), int(std::size(names)));
    for (int i = 0; i < back.NodeTable.NodeCount(); ++i) {
        const tnode &was = doc.NodeTable[i];
        const tnode &is = back.NodeTable[i];
        EXPECT_EQ(is.name, was.name);
        EXPECT_EQ(is.description, noteAsRead(was.description));
        EXPECT_EQ(is.media, was.media);
        EXPECT_EQ(is.motherIndex, was.motherIndex);
    }
}

TEST(GedcomRoundTrip, LongLinesAreSplitAfter200CharactersBetweenWholeCharacters) {
    std::string devanagari, chinese, cyrillic;
    for (int i = 0; i < 40; ++i)
        devanagari += "देवनागरी";  // vowel signs are marks that must stay with their letter
    for (int i = 0; i < 450; ++i)
        chinese += "李";
    for (int i = 0; i < 250; ++i)
        cyrillic += "Ж";
    Document doc;
    addPerson(doc, 0, 0, -1, -1, std::string("A"));
    doc.NodeTable[0].description = devanagari + "\r\n" + chinese + "\r\n" + cyrillic;
    for (GedcomEncoding encoding : {GedcomEncoding::Utf8, GedcomEncoding::Ansi}) {
        const QByteArray out = GedcomFileImage(doc, QStringLiteral("t.ged"), encoding);
        const QString text = encoding == GedcomEncoding::Utf8 ? QString::fromUtf8(out)
                                                              : fromCp1251(out.toStdString());
        QStringList pieces;
        for (const QString &line : text.split(QStringLiteral("\r\n"))) {
            if (line.startsWith(QStringLiteral("2 CONC ")))
                pieces << line.mid(7);
        }
        if (encoding == GedcomEncoding::Utf8) {
            ASSERT_EQ(pieces.size(), 4);
            for (const QString &piece : pieces) {
                EXPECT_FALSE(piece.contains(QChar(0xFFFD))) << piece.toStdString();
                EXPECT_FALSE(piece.at(0).isMark()) << piece.toStdString();
            }
            EXPECT_EQ(pieces[1].size(), 200);  // after the first 200 of 450 Chinese letters
            EXPECT_EQ(imported(out).NodeTable[0].description, doc.NodeTable[0].description);
        }
        EXPECT_EQ(pieces.last(), QString(50, QChar(0x416)));  // Cyrillic: 200, then 50
    }
}

TEST(GedcomRoundTrip, AnsiTypeComesBackWithTheNearestLettersItCounted) {
    const struct {
        const char *name;
        const char *back;
        long long replaced;
    } cases[] = {
        {"Zoë Müller", "Zoe Muller", 2},
        {"Marie-Thérèse", "Marie-Therese", 2},
        {"Łucja Wójcik", "Lucja Wojcik", 2},
        {"Straße", "Strasse", 1},
        {"Σωκράτης", "????????", 8},
        {"Иван Петров", "Иван Петров", 0},
        {"李小龍", "???", 3},
        {"\U00010330", "?", 1},
    };
    for (const auto &c : cases) {
        Document doc;
        addPerson(doc, 0, 0, -1, -1, std::string(c.name));
        long long replaced = -1;
        const QByteArray out =
            GedcomFileImage(doc, QStringLiteral("t.ged"), GedcomEncoding::Ansi, nullptr, &replaced);
        EXPECT_EQ(replaced, c.replaced) << c.name;
        const Document back = imported(out);
        ASSERT_EQ(back.NodeTable.NodeCount(), 1);
        EXPECT_EQ(back.NodeTable[0].name, c.back);
    }
}
