#include <gtest/gtest.h>
#include <random>

#include "markup/plain_text_lines.h"
#include "persistence/gedcom_import.h"
#include "persistence/gedcom_writer.h"
#include "test_support.h"

using namespace kinvarro;
using kinvarro::test::addPerson;
using kinvarro::test::cp;

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
        const int e =
            addPerson(doc, 0, 0, earlier(), earlier(), cp(kNames[random() % std::size(kNames)]));
        tnode &node = doc.NodeTable[e];
        node.sex = std::uint8_t(random() % 3);
        node.description = cp(kDescriptions[random() % std::size(kDescriptions)]);
        if (random() % 8 == 0) {
            node.kind = kHistoricalEvent;
            node.fatherIndex = node.motherIndex = -1;
        } else {
            persons.push_back(e);
        }
    }
}

// The description as the import reads the note back: continued lines each
// after CR LF and a blank, empty ones dropped; no note when the first line is empty.
std::string noteAsRead(const std::string &markup) {
    const PlainTextLines lines = MarkupPlainLines(markup);
    if (lines.empty() || lines[0].empty())
        return {};
    std::string note = lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (!lines[i].empty())
            note += "\r\n " + lines[i];
    }
    return note;
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
