#include <gtest/gtest.h>
#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <csignal>
#include <random>

#include "persistence/gedcom_writer.h"
#include "persistence/literal_gedcom.h"
#include "prompts/progress_display.h"
#include "settings/message_table.h"
#include "test_support.h"
#include "text/cp1251.h"

using namespace kinvarro;
using kinvarro::test::addPerson;

namespace {

const QString kHeader = QStringLiteral(
    "0 HEAD|1 SOUR Kinvarro|2 NAME tree|1 GEDC Kinvarro|2 VERS 5.5|2 FORM LINEAGE-LINKED|"
    "1 CHAR ANSI|");

// The file's lines joined by "|", from the Windows-1251 bytes; fails on a bare LF or CR.
QString linesOf(const QByteArray &image) {
    QString text = fromCp1251(image.toStdString());
    EXPECT_EQ(text.count(u'\n'), text.count(QStringLiteral("\r\n"))) << "line ends";
    EXPECT_EQ(text.count(u'\r'), text.count(QStringLiteral("\r\n"))) << "line ends";
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("|"));
}

QByteArray image(const Document &doc, GedcomEncoding encoding = GedcomEncoding::Ansi,
                 ProgressDisplay *progress = nullptr) {
    return GedcomFileImage(doc, QStringLiteral("/data/tree.ged"), encoding, progress);
}

int addNamed(Document &doc, const char *name, Sex sex, int father = -1, int mother = -1) {
    const int i = addPerson(doc, 0, 0, mother, father, std::string(name));
    doc.NodeTable[i].sex = sex;
    return i;
}

// Persons and events linked at random, descriptions from a few markups; the
// parents are mostly earlier persons so that families have several children.
void generateChart(Document &doc, int count, std::mt19937 &random) {
    static const char *const kDescriptions[] = {
        "", "<`S=10><`F=Arial><`C=0>Born <B>1800</B>\r\nFarmer.\r\n", "one\r\n\r\n", "Иван<C> поп",
        "a\nb<B"};
    static const char *const kNameEnds[] = {"\r\nline", "", "\rx\ny\r\r\nz"};
    for (int i = 0; i < count; ++i) {
        const int pick = i == 0 ? -1 : int(random() % std::uint32_t(i));
        const int father = random() % 4 == 0 ? -1 : pick;
        const int mother = random() % 3 == 0 ? -1 : (random() % 2 ? pick : int(random() % (i + 1)));
        const int e = addPerson(doc, 0, 0, mother, father,
                                "N" + std::to_string(i) + kNameEnds[i % std::size(kNameEnds)]);
        tnode &node = doc.NodeTable[e];
        node.sex = std::uint8_t(random() % 3);
        node.kind = random() % 10 == 0 ? kHistoricalEvent : kPerson;
        node.description = kDescriptions[random() % std::size(kDescriptions)];
    }
}

class RecordingProgress : public ProgressDisplay {
  public:
    void show(const QString &caption, int minimum, int maximum) override {
        events << QStringLiteral("show %1 %2..%3").arg(caption).arg(minimum).arg(maximum);
    }
    void setPosition(int position) override { events << QString::number(position); }
    void hide() override { events << QStringLiteral("hide"); }
    QStringList events;
};

}  // namespace

TEST(GedcomWriter, EmptyDocumentGivesTheHeaderAndTheTrailer) {
    Document doc;
    EXPECT_EQ(linesOf(image(doc)), kHeader + "0 TRLR|");
    const QByteArray utf8 = image(doc, GedcomEncoding::Utf8);
    EXPECT_EQ(utf8,
              QByteArray("\xEF\xBB\xBF"
                         "0 HEAD\r\n1 SOUR Kinvarro\r\n2 NAME tree\r\n1 GEDC Kinvarro\r\n"
                         "2 VERS 5.5.1\r\n2 FORM LINEAGE-LINKED\r\n1 CHAR UTF-8\r\n0 TRLR\r\n"));
}

TEST(GedcomWriter, WritesTheWorkedExample) {
    Document doc;
    addNamed(doc, "Ivan", kSexMan);
    addNamed(doc, "Maria", kSexWoman);
    addNamed(doc, "Pyotr", kSexMan, 0, 1);
    addNamed(doc, "Anna", kSexWoman, -1, 1);
    EXPECT_EQ(linesOf(image(doc)),
              kHeader +
                  "0 @I0@ INDI|1 NAME Ivan|1 SEX M|1 CHIL @I2@|1 FAMS @F0_1@|"
                  "0 @I1@ INDI|1 NAME Maria|1 SEX F|1 CHIL @I2@|1 CHIL @I3@|1 FAMS @F0_1@|"
                  "1 FAMS @F_1@|"
                  "0 @I2@ INDI|1 NAME Pyotr|1 SEX M|1 FATH @I0@|1 MOTH @I1@|1 FAMC @F0_1@|"
                  "0 @I3@ INDI|1 NAME Anna|1 SEX F|1 MOTH @I1@|1 FAMC @F_1@|"
                  "0 @F0_1@ FAM|1 HUSB @I0@|1 WIFE @I1@|1 CHIL @I2@|"
                  "0 @F_1@ FAM|1 WIFE @I1@|1 CHIL @I3@|"
                  "0 TRLR|");
}

TEST(GedcomWriter, WritesNamesNotesSexesAndSkipsEvents) {
    Document doc;
    const int event = addNamed(doc, "1812", kSexUnknown);
    doc.NodeTable[event].kind = kHistoricalEvent;
    const int person = addNamed(doc, "Иван\r\nПетров\r\nмладший", kSexUnknown);
    doc.NodeTable[person].description =
        std::string("<`S=10><`F=Arial><`C=0><C>Родился <B>1850</B>\r\n\r\nв <I>Москве</I>\r\n\r\n");
    EXPECT_EQ(linesOf(image(doc)),
              kHeader + QString::fromUtf8("0 @I1@ INDI|1 NAME Иван Петров младший|"
                                          "1 NOTE Родился 1850|2 CONT |2 CONT в Москве|2 CONT |"
                                          "2 CONT |0 TRLR|"));
}

TEST(GedcomWriter, KeysFamiliesByParentPairs) {
    Document doc;
    for (int i = 0; i < 6; ++i)
        addNamed(doc, "P", kSexMan);
    addNamed(doc, "Alone", kSexMan, -1, 5);  // 6: the child of mother 5 only
    doc.NodeTable[5].sex = kSexWoman;
    addNamed(doc, "A", kSexMan, 0, 2);  // 7
    addNamed(doc, "B", kSexMan, 0, 1);  // 8
    addNamed(doc, "C", kSexMan, 0, 2);  // 9
    const QString text = linesOf(image(doc));
    SCOPED_TRACE(text.toStdString());
    EXPECT_TRUE(
        text.contains(u"0 @I0@ INDI|1 NAME P|1 SEX M|1 CHIL @I7@|1 CHIL @I8@|1 CHIL "
                      u"@I9@|1 FAMS @F0_2@|1 FAMS @F0_1@|0 @I1@"));
    EXPECT_TRUE(
        text.contains(u"1 NAME P|1 SEX F|1 CHIL @I6@|1 FAMS @F_5@|0 @I6@ INDI|1 NAME "
                      u"Alone|1 SEX M|1 MOTH @I5@|1 FAMC @F_5@|"));
    EXPECT_TRUE(
        text.endsWith(u"0 @F_5@ FAM|1 WIFE @I5@|1 CHIL @I6@|"
                      u"0 @F0_2@ FAM|1 HUSB @I0@|1 WIFE @I2@|1 CHIL @I7@|1 CHIL @I9@|"
                      u"0 @F0_1@ FAM|1 HUSB @I0@|1 WIFE @I1@|1 CHIL @I8@|0 TRLR|"));
}

TEST(GedcomWriter, DocumentNoteLeavesOutTrailingEmptyLines) {
    Document doc;
    doc.info().setPlainText(QString::fromUtf8("Архив\n\nсемьи\n\n\n"));
    EXPECT_EQ(linesOf(image(doc)),
              kHeader + QString::fromUtf8("1 NOTE Архив|2 CONT |2 CONT семьи|0 TRLR|"));
    EXPECT_EQ(doc.info().blockCount(), 6) << "the document keeps its text";

    doc.info().setPlainText(QStringLiteral("\n\n"));
    EXPECT_EQ(linesOf(image(doc)), kHeader + "0 TRLR|");
}

TEST(GedcomWriter, HeaderNamesTheFileWithoutItsLastExtension) {
    Document doc;
    for (const auto &[path, name] : {std::pair{"/data/a.b.ged", "a.b"}, {"/data/plain", "plain"}}) {
        const QByteArray bytes =
            GedcomFileImage(doc, QString::fromLatin1(path), GedcomEncoding::Ansi);
        EXPECT_TRUE(bytes.contains(QByteArray("\r\n2 NAME ") + name + "\r\n")) << path;
    }
}

TEST(GedcomWriter, Utf8TypeHoldsTheSameLinesInUtf8) {
    Document doc;
    addNamed(doc, "Иван /Петров/", kSexMan);
    addNamed(doc, "Мария\r\nИвановна", kSexWoman);  // the links differ between the types
    doc.NodeTable[1].description = std::string("<B>Ёлки</B> № 5");
    doc.info().setPlainText(QString::fromUtf8("Семья"));
    const QByteArray ansi = image(doc);
    const QByteArray utf8 = image(doc, GedcomEncoding::Utf8);
    ASSERT_TRUE(utf8.startsWith("\xEF\xBB\xBF"));
    QString fromUtf8 = QString::fromUtf8(utf8.mid(3));
    fromUtf8.replace(QStringLiteral("2 VERS 5.5.1\r\n"), QStringLiteral("2 VERS 5.5\r\n"))
        .replace(QStringLiteral("1 CHAR UTF-8\r\n"), QStringLiteral("1 CHAR ANSI\r\n"));
    EXPECT_EQ(fromUtf8, fromCp1251(ansi.toStdString()));
    EXPECT_TRUE(fromUtf8.contains(QString::fromUtf8("1 NAME Иван /Петров/\r\n")));
    EXPECT_TRUE(fromUtf8.contains(QString::fromUtf8("1 NOTE Ёлки № 5\r\n")));
}

TEST(GedcomWriter, AnsiTypeWritesTheNearestLettersAndCountsThem) {
    // A name, a note, the file's name in the header and a media path from the chart's folder.
    Document doc;
    addNamed(doc, "Zoë Straße", kSexWoman);
    doc.NodeTable[0].description = "Семья 漢 \U0001F600 ?";
    doc.CurrentFileName = QString::fromUtf8("/data/東/chart.kvr");
    doc.NodeTable[0].media = {"a.jpg"};
    const struct {
        GedcomEncoding encoding;
        const char *path;
        long long replaced;
        const char *lines;  // what the file holds, read back
    } cases[] = {
        {GedcomEncoding::Ansi, "/data/Zoë.ged", 6,
         "2 NAME Zoe|1 NAME Zoe Strasse|1 NOTE Семья ? ? ?|2 FILE ?/a.jpg"},
        {GedcomEncoding::Ansi, "/data/tree.ged", 5,
         "2 NAME tree|1 NAME Zoe Strasse|1 NOTE Семья ? ? ?|2 FILE ?/a.jpg"},
        {GedcomEncoding::Utf8, "/data/Zoë.ged", 0,
         "2 NAME Zoë|1 NAME Zoë Straße|1 NOTE Семья 漢 \U0001F600 ?|2 FILE 東/a.jpg"},
    };
    for (const auto &c : cases) {
        long long replaced = -1;
        const QByteArray bytes =
            GedcomFileImage(doc, QString::fromUtf8(c.path), c.encoding, nullptr, &replaced);
        EXPECT_EQ(replaced, c.replaced) << c.path;
        const QString text = c.encoding == GedcomEncoding::Utf8 ? QString::fromUtf8(bytes.mid(3))
                                                                : fromCp1251(bytes.toStdString());
        for (const QString &line : QString::fromUtf8(c.lines).split(u'|'))
            EXPECT_TRUE(text.contains(line + QStringLiteral("\r\n")))
                << c.path << " " << line.toStdString();
    }
    const MessageTable messages;
    EXPECT_EQ(GedcomExportWarning(messages, 4),
              QString::fromUtf8("При экспорте ближайшими буквами или знаком «?» заменено "
                                "символов, которых нет в кодировке файла: 4"));
    EXPECT_EQ(GedcomExportWarning(messages, 0), QString());

    Document plain;
    addNamed(plain, "Иван /Петров/", kSexMan);
    long long none = -1;
    GedcomFileImage(plain, QStringLiteral("/data/tree.ged"), GedcomEncoding::Ansi, nullptr, &none);
    EXPECT_EQ(none, 0);
}

TEST(GedcomWriter, EqualsTheLiteralQuadraticExportOnGeneratedCharts) {
    std::mt19937 random(12);
    for (int chart = 0; chart < 12; ++chart) {
        Document doc;
        generateChart(doc, 1 + int(random() % 300), random);
        if (chart % 3 == 0)
            doc.info().setPlainText(QString::fromUtf8("Заметка\n\nвторая\n\n"));
        if (chart == 5)
            doc.NodeTable[3].fatherIndex = 3;  // a link to itself
        for (GedcomEncoding encoding : {GedcomEncoding::Ansi, GedcomEncoding::Utf8}) {
            const QByteArray expected =
                test::LiteralGedcomImage(doc, QStringLiteral("/data/tree.ged"), encoding);
            ASSERT_EQ(image(doc, encoding), expected) << "chart " << chart;
        }
    }
}

TEST(GedcomWriter, ShowsProgressPerPersonAndHidesBeforeTheTrailer) {
    Document doc;
    addNamed(doc, "A", kSexMan);
    const int event = addNamed(doc, "E", kSexMan);
    doc.NodeTable[event].kind = kHistoricalEvent;
    addNamed(doc, "B", kSexMan);
    RecordingProgress progress;
    image(doc, GedcomEncoding::Ansi, &progress);
    EXPECT_EQ(
        progress.events,
        (QStringList{QString::fromUtf8("show Сохранение GEDCOM данных.. 0..2"), "0", "2", "hide"}));

    // Markup with a colour that is no number is exported as the text it reads as.
    doc.NodeTable[0].description = "<`C=red>";
    progress.events.clear();
    const QByteArray bytes =
        GedcomFileImage(doc, QStringLiteral("t.ged"), GedcomEncoding::Ansi, &progress);
    EXPECT_TRUE(bytes.contains("1 NOTE <`C=red>\r\n"));
    EXPECT_EQ(progress.events.last(), "hide");
}

TEST(GedcomWriter, AFailedWriteKeepsTheOldFileAndSaysSo) {
    QTemporaryDir dir;
    const QString path = dir.filePath("tree.ged");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old content");
    }
    Document doc;
    for (int i = 0; i < 200; ++i)
        addNamed(doc, "Person with a long enough name", kSexMan, i - 1);

    // A file size limit makes the writing fail part way, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status status = WriteGedcom(doc, path, GedcomEncoding::Ansi);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    ASSERT_FALSE(status.ok());
    EXPECT_TRUE(status.message().startsWith(QString::fromUtf8("Не удалось записать файл \"")))
        << status.message().toStdString();
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old content");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"tree.ged"});

    ASSERT_TRUE(WriteGedcom(doc, path, GedcomEncoding::Ansi).ok());
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), image(doc));
}
