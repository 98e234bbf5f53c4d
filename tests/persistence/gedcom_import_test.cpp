#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <set>

#include "arrange/arrange_chart.h"
#include "edit/document_session.h"
#include "persistence/file_commands.h"
#include "persistence/gedcom_gauge.h"
#include "persistence/gedcom_import.h"
#include "prompts/progress_display.h"
#include "render/view_geometry.h"
#include "scripted_prompts.h"
#include "test_support.h"

using namespace kinvarro;
using kinvarro::test::addPerson;
using kinvarro::test::ScriptedPrompts;

namespace {

// Families of a small tree, padded with a long note so that the file passes
// the size test without its header line.
const char *const kFamily =
    "0 HEAD\n1 CHAR UTF-8\n1 NOTE Семейное древо\n2 CONT второй абзац\n"
    "0 @I1@ INDI\n1 NAME Иван /Петров/\n1 SEX M\n"
    "0 @I2@ INDI\n1 NAME Анна\n1 SEX F\n"
    "0 @I3@ INDI\n1 NAME Пётр /Петров/\n1 BIRT\n2 DATE 1 JAN 1900\n2 PLAC Киев\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n0 TRLR\n";

class GedcomImportTest : public ::testing::Test {
  protected:
    GedcomImportTest() {
        addPerson(doc, 10, 20, -1, -1, "old");
        doc.CurrentFileName = QStringLiteral("old.kvr");
        doc.settings.alignToGrid = false;
        doc.settings.hGridInterval = 7;
    }

    QString write(const char *name, const QByteArray &bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QByteArray padded(const char *utf8) {
        QByteArray text(utf8);
        text.replace("0 TRLR\n", "0 @N1@ NOTE " + QByteArray(1300, 'x') + "\n0 TRLR\n");
        return text;
    }

    void expectUntouched() {
        ASSERT_EQ(doc.NodeTable.NodeCount(), 1);
        EXPECT_EQ(doc.NodeTable[0].name, "old");
        EXPECT_EQ(doc.CurrentFileName, QStringLiteral("old.kvr"));
        EXPECT_FALSE(doc.settings.alignToGrid);
        EXPECT_EQ(doc.settings.hGridInterval, 7);
    }

    QTemporaryDir dir;
    Document doc;
};

}  // namespace

TEST_F(GedcomImportTest, BuildsTheChartInAFreshDocument) {
    GedcomImportReport report;
    ASSERT_FALSE(ImportGedcom(write("tree.ged", padded(kFamily)), doc, nullptr, &report));
    EXPECT_TRUE(report.lostNothing());
    ASSERT_EQ(doc.NodeTable.NodeCount(), 3);
    const tnode &ivan = doc.NodeTable[0];
    const tnode &petr = doc.NodeTable[2];
    EXPECT_EQ(ivan.name, std::string("Иван "));
    EXPECT_EQ(ivan.description, std::string("Иван Петров\r\n\r\n"));
    EXPECT_EQ(ivan.sex, kSexMan);
    EXPECT_EQ(doc.NodeTable[1].name, std::string("Анна"));
    EXPECT_EQ(doc.NodeTable[1].description, "");
    EXPECT_EQ(doc.NodeTable[1].sex, kSexWoman);
    EXPECT_EQ(petr.sex, kSexUnknown);
    EXPECT_EQ(
        petr.description,
        std::string("Пётр Петров\r\n\r\n\r\nДата рождения: 1 JAN 1900\r\nМесто рождения: Киев"));
    EXPECT_EQ(petr.fatherIndex, 0);
    EXPECT_EQ(petr.motherIndex, 1);
    EXPECT_LT(ivan.y, petr.y);
    std::set<std::int32_t> ids;
    for (int i = 0; i < 3; ++i) {
        const tnode &node = doc.NodeTable[i];
        ids.insert(node.id);
        EXPECT_EQ(node.ownColor, kNoOwnColor);
        EXPECT_FALSE(node.font.isSet());
        EXPECT_EQ(node.fatherImportance, 1);
        EXPECT_GT(doc.NodeTable.nameExtent(i).width, 0);
        // Already on the grid: aligning again changes nothing.
        const tnode before = node;
        AlignToGrid(doc, i);
        EXPECT_EQ(doc.NodeTable[i], before);
    }
    EXPECT_EQ(ids.size(), 3u);
    EXPECT_TRUE(doc.settings.alignToGrid);
    EXPECT_NE(doc.settings.hGridInterval, 7);  // the settings were reset
    EXPECT_TRUE(doc.DocumentModified);
    EXPECT_EQ(doc.info().toPlainText(), QString::fromUtf8("Семейное древо\nвторой абзац"));
    EXPECT_EQ(doc.CurrentFileName, QStringLiteral("old.kvr"));  // the caller's to clear
}

TEST_F(GedcomImportTest, FailuresLeaveTheOpenDocumentAlone) {
    std::string tooMany = "0 HEAD\n";
    for (int i = 0; i <= 10001; ++i)
        tooMany += "0 @F@ FAM\n";
    const struct {
        QString path;
        const char *caption;
        const char *text;
    } cases[] = {
        {dir.filePath(QStringLiteral("missing.ged")), "Ошибка", "Файл не найден"},
        {write("small.ged", "1 NAME not a header\n0 HEAD\n"), "Kinvarro",
         "Неверный размер файла. Возможно файл поврежден."},
        {write("binary.ged", QByteArray("\x00\x01\x02\xFF", 4)), "Kinvarro",
         "Неверный размер файла. Возможно файл поврежден."},
        {write("families.ged", QByteArray::fromStdString(tooMany)), "Kinvarro",
         "В файле нет ни одного лица: импортировать нечего."},
    };
    for (const auto &c : cases) {
        ScriptedPrompts prompts;
        EXPECT_FALSE(ReadGedcom(c.path, doc, prompts, nullptr));
        EXPECT_EQ(prompts.told,
                  QStringList{QString::fromUtf8(c.caption) + '|' + QString::fromUtf8(c.text)});
        expectUntouched();
    }
}

TEST_F(GedcomImportTest, TakesSmallFilesThatStartWithAHeader) {
    const QByteArray small = "\xEF\xBB\xBF \t0 head \r\n0 @I1@ INDI\r\n1 NAME Zoë\r\n";
    ScriptedPrompts prompts;
    ASSERT_TRUE(ReadGedcom(write("small.ged", small), doc, prompts, nullptr));
    ASSERT_EQ(doc.NodeTable.NodeCount(), 1);
    EXPECT_EQ(doc.NodeTable[0].name, "Zoë");
    EXPECT_TRUE(prompts.told.isEmpty()) << prompts.told.join('\n').toStdString();

    // Only a byte that stands for no character is reported.
    const QByteArray ansel =
        "0 HEAD\r\n1 CHAR ANSEL\r\n0 @I1@ INDI\r\n1 NAME Zo\xE8"
        "e \xAF\r\n";
    ASSERT_TRUE(ReadGedcom(write("ansel.ged", ansel), doc, prompts, nullptr));
    EXPECT_EQ(doc.NodeTable[0].name, "Zoë \uFFFD");
    ASSERT_EQ(prompts.told.size(), 1);
    EXPECT_EQ(prompts.told[0],
              QString::fromUtf8("Kinvarro|При импорте часть данных изменена:\n"
                                "символов, не определённых кодировкой файла, заменено или "
                                "пропущено: 1"));
}

TEST_F(GedcomImportTest, ReportsDroppedIndividualsAndCycles) {
    std::string text = "0 HEAD\n";
    for (int i = 0; i < 10500; ++i)
        text += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME P" + std::to_string(i) + "\n";
    // I0 and I1 are each other's child; I10200 is past the limit and links nothing.
    text += "0 @F1@ FAM\n1 HUSB @I0@\n1 CHIL @I1@\n";
    text += "0 @F2@ FAM\n1 WIFE @I1@\n1 CHIL @I0@\n";
    text += "0 @F3@ FAM\n1 HUSB @I10200@\n1 CHIL @I5@\n";
    GedcomImportReport report;
    ASSERT_FALSE(
        ImportGedcom(write("large.ged", QByteArray::fromStdString(text)), doc, nullptr, &report));
    EXPECT_EQ(doc.NodeTable.NodeCount(), kMaxNodes);
    EXPECT_EQ(doc.NodeTable[5].fatherIndex, -1);
    EXPECT_EQ(doc.NodeTable[1].fatherIndex, 0);
    EXPECT_EQ(doc.NodeTable[0].motherIndex, 1);
    EXPECT_EQ(report.droppedIndividuals, 500);
    EXPECT_EQ(report.ownAncestors, 2);
    EXPECT_EQ(report.replacedCharacters, 0);
    EXPECT_EQ(GedcomReportText(doc.messages(), report),
              QString::fromUtf8("При импорте часть данных изменена:\n"
                                "пропущено лиц сверх 10000: 500\n"
                                "лиц, оказавшихся своими же предками (их поколения не "
                                "упорядочены): 2"));
}

TEST_F(GedcomImportTest, OpenImportsGedcomAndClearsTheName) {
    ScriptedPrompts prompts;
    DocumentSession session{doc};
    FileCommands commands(session, prompts);
    QString title = QStringLiteral("unchanged");
    int replaced = 0;
    QObject::connect(&commands, &FileCommands::titleChanged, [&](const QString &t) { title = t; });
    QObject::connect(&commands, &FileCommands::documentReplaced, [&] { ++replaced; });

    commands.openPath(dir.filePath(QStringLiteral("missing.GED")));
    expectUntouched();
    EXPECT_EQ(replaced, 0);
    EXPECT_EQ(title, QStringLiteral("unchanged"));

    const QString path = write("tree.GED", padded(kFamily));
    commands.openPath(path);
    EXPECT_EQ(doc.NodeTable.NodeCount(), 3);
    EXPECT_TRUE(doc.CurrentFileName.isEmpty());
    EXPECT_TRUE(commands.saveFileName().isEmpty());
    EXPECT_EQ(title, QStringLiteral("Kinvarro"));
    EXPECT_EQ(replaced, 1);
    EXPECT_EQ(commands.recentFiles().entries().first(), dir.filePath(QStringLiteral("tree.ged")));
    EXPECT_EQ(prompts.told.size(), 1);  // only the missing file's message
}

// Opening a GEDCOM file offers both layouts with the last choice first; a cancel drops
// the import and leaves the open chart alone.
TEST_F(GedcomImportTest, OpenOffersTheLayoutLastChosenAndArrangesWhenAsked) {
    ScriptedPrompts prompts;
    DocumentSession session{doc};
    FileCommands commands(session, prompts);
    std::vector<ImportLayout> remembered;
    QObject::connect(&commands, &FileCommands::importLayoutChosen,
                     [&](ImportLayout layout) { remembered.push_back(layout); });
    const QString path = write("tree.ged", padded(kFamily));

    const auto positions = [](const Document &chart) {
        std::vector<std::pair<int, int>> places;
        for (int i = 0; i < chart.NodeTable.NodeCount(); ++i)
            places.emplace_back(chart.NodeTable[i].x, chart.NodeTable[i].y);
        return places;
    };
    Document rows, generations;
    for (Document *chart : {&rows, &generations}) {
        chart->settings = doc.settings;
        ASSERT_FALSE(ImportGedcom(path, *chart, nullptr, nullptr));
    }
    ApplyArrangement(generations, ArrangeByGenerations(generations));
    ASSERT_NE(positions(rows), positions(generations));

    prompts.importLayouts = {std::nullopt, ImportLayout::Rows, ImportLayout::Generations};
    commands.openPath(path);
    expectUntouched();
    commands.openPath(path);
    EXPECT_EQ(positions(doc), positions(rows));
    commands.openPath(path);
    EXPECT_EQ(positions(doc), positions(generations));
    EXPECT_EQ(prompts.layoutsOffered, (std::vector{ImportLayout::Generations,
                                                   ImportLayout::Generations, ImportLayout::Rows}));
    EXPECT_EQ(remembered, (std::vector{ImportLayout::Rows, ImportLayout::Generations}));
}

namespace {

class RecordingProgress : public ProgressDisplay {
  public:
    void show(const QString &caption, int minimum, int maximum) override {
        shown << QStringLiteral("%1 %2..%3").arg(caption).arg(minimum).arg(maximum);
        visible = true;
    }
    void setPosition(int) override {}
    void hide() override { visible = false; }

    QStringList shown;
    bool visible = false;
};

}  // namespace

TEST(GedcomGauge, StepsWrapFromTheMaximumToTheMinimum) {
    GedcomGauge gauge(nullptr);
    gauge.show(QStringLiteral("c"), 3, 5, 4);
    std::vector<int> positions;
    for (int i = 0; i < 4; ++i) {
        gauge.step();
        positions.push_back(gauge.position());
    }
    EXPECT_EQ(positions, (std::vector<int>{5, 3, 4, 5}));
}

TEST_F(GedcomImportTest, ShowsTheProgressCaptionsInOrderAndHidesTheWindow) {
    RecordingProgress progress;
    ASSERT_FALSE(ImportGedcom(write("tree.ged", padded(kFamily)), doc, &progress));
    EXPECT_EQ(progress.shown,
              (QStringList{
                  QString::fromUtf8("Чтение GEDCOM данных.. 0..10000"),
                  QString::fromUtf8("Создание семейных связей.. 0..10000"),
                  QString::fromUtf8("Позиционирование.. 0..10000"),
                  QString::fromUtf8("Репозиционирование.. 0..0"),
                  QString::fromUtf8("Репозиционирование.. 0..1"),  // one move in the first pass
                  QString::fromUtf8("Репозиционирование.. 0..100"),
              }));
    EXPECT_FALSE(progress.visible);
}

namespace {

// Answers "cancelled" from its `cancelAt`th question on, and counts the questions.
class CancellingProgress : public ProgressDisplay {
  public:
    void show(const QString &, int, int) override { visible = true; }
    void setPosition(int) override {}
    void hide() override { visible = false; }
    void offerCancel() override { offered = true; }
    bool cancelled() const override { return ++questions >= cancelAt; }

    long long cancelAt = std::numeric_limits<long long>::max();
    mutable long long questions = 0;
    bool offered = false;
    bool visible = false;
};

// A line of 300 generations: long enough for every step of the import to ask.
QByteArray lineOfGenerations() {
    QByteArray text = "0 HEAD\n1 CHAR UTF-8\n";
    for (int i = 0; i < 300; ++i) {
        text += QByteArray("0 @I") + QByteArray::number(i) + "@ INDI\n1 NAME P" +
                QByteArray::number(i) + "\n1 BIRT\n2 DATE " + QByteArray::number(1700 + i) + "\n";
        if (i > 0)
            text += QByteArray("0 @F") + QByteArray::number(i) + "@ FAM\n1 HUSB @I" +
                    QByteArray::number(i - 1) + "@\n1 CHIL @I" + QByteArray::number(i) + "@\n";
    }
    return text + "0 TRLR\n";
}

}  // namespace

TEST_F(GedcomImportTest, ACancelAtAnyStepLeavesTheOpenChartAndTellsNothing) {
    const QString path = write("line.ged", lineOfGenerations());
    CancellingProgress whole;
    {
        Document imported;
        ScriptedPrompts prompts;
        ASSERT_TRUE(ReadGedcom(path, imported, prompts, &whole));
        ASSERT_EQ(imported.NodeTable.NodeCount(), 300);
    }
    EXPECT_TRUE(whole.offered);
    // The reading, linking and placing each ask several times.
    ASSERT_GT(whole.questions, 300);
    for (const long long cancelAt : {1LL, 5LL, whole.questions / 2, whole.questions}) {
        SCOPED_TRACE(cancelAt);
        CancellingProgress progress;
        progress.cancelAt = cancelAt;
        ScriptedPrompts prompts;
        EXPECT_FALSE(ReadGedcom(path, doc, prompts, &progress));
        EXPECT_TRUE(prompts.told.isEmpty());
        EXPECT_FALSE(progress.visible);
        expectUntouched();
        EXPECT_FALSE(doc.DocumentModified);
    }
}
