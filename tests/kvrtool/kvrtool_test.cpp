#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "arrange/arrange_chart.h"
#include "document_json.h"
#include "persistence/gedcom_writer.h"
#include "persistence/native_format.h"
#include "test_support.h"
#include "text/doc_text.h"

using namespace kinvarro;
using kinvarro::test::addPerson;

namespace {

struct ToolRun {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

// Where the tool's runs find the editor's per-machine store: none remembers a
// language unless a test writes one.
QString configHome() {
    static QTemporaryDir dir;
    return dir.path();
}

// Runs in a Russian locale unless `environment` says otherwise.
ToolRun kvrtool(const QStringList &args, const QStringList &environment = {}) {
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.remove(QStringLiteral("LC_ALL"));
    variables.remove(QStringLiteral("LC_MESSAGES"));
    variables.insert(QStringLiteral("LANG"), QStringLiteral("ru_RU.UTF-8"));
    variables.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
    for (const QString &setting : environment)
        variables.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    process.setProcessEnvironment(variables);
    process.start(QStringLiteral(KVRTOOL_PATH), args);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

Document sampleDocument() {
    Document doc;
    const int mother = addPerson(doc, 10, 20, -1, -1, std::string("Анна"));
    const int child = addPerson(doc, 30, 140, mother, -1, "Tom\r\nSmith");
    doc.NodeTable[child].id = 0xAB12;
    doc.NodeTable[child].media = {"", "b.jpg"};
    doc.NodeTable[child].font = {"Arial", 12, 204, 255, kStyleItalic};
    doc.settings.showHGrid = true;
    return doc;
}

}  // namespace

TEST(DocumentJson, HoldsSettingsAndElementsWithTheirKeys) {
    const Document doc = sampleDocument();
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(documentToJson(doc), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(json.keys(), (QStringList{"elements", "info", "settings"}));

    const QJsonObject settings = json["settings"].toObject();
    QStringList settingKeys{
        "backgroundColor", "pictureMode",     "hasPicture",      "pictureWidth",
        "pictureHeight",   "fatherLineColor", "motherLineColor", "selectedLineColor",
        "timeLineColor",   "showTimeLines",   "lineWidth",       "otherBackColor",
        "manBackColor",    "womanBackColor",  "chartFont",       "showShadow",
        "shadowColor",     "showGuides",      "showHGrid",       "hGridInterval",
        "showVGrid",       "vGridInterval",   "gridColor",       "alignToGrid",
        "scalePercent"};
    settingKeys.sort();
    EXPECT_EQ(settings.keys(), settingKeys);
    EXPECT_EQ(settings["pictureMode"].toString(), "none");
    EXPECT_EQ(settings["backgroundColor"].toInt(), 0xE6E6E6);
    EXPECT_TRUE(settings["showHGrid"].toBool());
    EXPECT_EQ(settings["chartFont"].toObject()["name"].toString(), "Arial Cyr");
    EXPECT_EQ(settings["scalePercent"].toInt(), 100);

    const QJsonArray elements = json["elements"].toArray();
    ASSERT_EQ(elements.size(), 2);
    EXPECT_EQ(elements[0].toObject()["name"].toString(), QString::fromUtf8("Анна"));
    const QJsonObject child = elements[1].toObject();
    QStringList elementKeys{"id",
                            "kind",
                            "reserved",
                            "motherIndex",
                            "fatherIndex",
                            "sex",
                            "ownColor",
                            "font",
                            "name",
                            "description",
                            "x",
                            "y",
                            "fatherImportance",
                            "motherImportance",
                            "media",
                            "nameExtent"};
    elementKeys.sort();
    EXPECT_EQ(child.keys(), elementKeys);
    EXPECT_EQ(child["id"].toString(), "0000AB12");
    EXPECT_EQ(child["motherIndex"].toInt(), 0);
    EXPECT_EQ(child["name"].toString(), "Tom\r\nSmith");
    EXPECT_EQ(child["media"].toArray(), (QJsonArray{"b.jpg"}));
    EXPECT_EQ(child["font"].toObject()["style"].toInt(), kStyleItalic);
    const QJsonArray extent = child["nameExtent"].toArray();
    EXPECT_EQ(extent[0].toInt(), doc.NodeTable.nameExtent(1).width);
    EXPECT_EQ(extent[1].toInt(), doc.NodeTable.nameExtent(1).height);
}

TEST(Kvrtool, ThemesListsTheShippedThemesFromTheBuildTree) {
    const ToolRun run = kvrtool({"themes", "English"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList files;
    for (const QByteArray &line : run.out.split('\n')) {
        if (!line.isEmpty())
            files << QFileInfo(QString::fromUtf8(line.split('\t').value(1))).fileName();
    }
    files.sort();
    EXPECT_EQ(files, (QStringList{"contrast.thm", "dark.thm", "light.thm", "parchment.thm"}));
}

TEST(Kvrtool, InfoAndConvertReportSuccessAndFailureByExitCode) {
    QTemporaryDir dir;
    const QString path = dir.filePath("sample.kvr");
    ASSERT_TRUE(WriteDocument(path, sampleDocument()).ok());

    const ToolRun info = kvrtool({"info", path});
    EXPECT_EQ(info.exitCode, 0) << info.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(info.out).object()["elements"].toArray().size(), 2);

    const QString copy = dir.filePath("copy.kvr");
    EXPECT_EQ(kvrtool({"convert", path, copy}).exitCode, 0);
    QFile a(path), b(copy);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());

    const QString report = dir.filePath("report.htm");
    EXPECT_EQ(kvrtool({"convert", path, report}).exitCode, 0);
    QFile page(report);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray html = page.readAll();
    EXPECT_TRUE(html.contains(QByteArray("<a name=0>")));
    EXPECT_TRUE(html.contains(QByteArray::fromStdString(docTextToCp1251("<b>Анна</b>"))));

    QFile shortFile(dir.filePath("short.kvr"));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write("KVR\x02");
    shortFile.close();
    const ToolRun bad = kvrtool({"info", shortFile.fileName()});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_TRUE(
        QString::fromLocal8Bit(bad.err).contains(QString::fromUtf8("Неверный размер файла")));
    EXPECT_EQ(kvrtool({"frobnicate"}).exitCode, 2);
}

TEST(Kvrtool, ConvertWritesGedcomOfEitherType) {
    QTemporaryDir dir;
    const QString path = dir.filePath("sample.kvr");
    const Document doc = sampleDocument();
    ASSERT_TRUE(WriteDocument(path, doc).ok());
    for (const bool utf8 : {false, true}) {
        const QString out = dir.filePath(utf8 ? "utf8.ged" : "ansi.ged");
        QStringList args{"convert", path, out};
        if (utf8)
            args << "--utf8";
        const ToolRun run = kvrtool(args);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const GedcomEncoding encoding = utf8 ? GedcomEncoding::Utf8 : GedcomEncoding::Ansi;
        const QByteArray expected = GedcomFileImage(doc, out, encoding);
        QFile file(out);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), expected);
    }
    EXPECT_EQ(kvrtool({"convert", path, dir.filePath("x.kvr"), "--utf8"}).exitCode, 2);
}

TEST(Kvrtool, ImportsGedcomAndReportsWhatChangedOnStderr) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("tree.ged"));
    QFile file(in);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Zoë /Smith/\n0 @I2@ INDI\n"
        "1 NAME Анна\n0 @F1@ FAM\n1 WIFE @I2@\n1 CHIL @I1@\n0 TRLR\n");
    file.close();

    const ToolRun info = kvrtool({QStringLiteral("info"), in});
    EXPECT_EQ(info.exitCode, 0);
    const QJsonArray elements = QJsonDocument::fromJson(info.out).object()["elements"].toArray();
    ASSERT_EQ(elements.size(), 2);
    EXPECT_EQ(elements[0].toObject()["name"].toString(), QString::fromUtf8("Zoë "));
    EXPECT_EQ(elements[0].toObject()["motherIndex"].toInt(), 1);
    EXPECT_FALSE(info.err.contains("kvrtool:")) << info.err.toStdString();  // nothing changed

    const QString out = dir.filePath(QStringLiteral("tree.kvr"));
    EXPECT_EQ(kvrtool({QStringLiteral("convert"), in, out}).exitCode, 0);
    Document converted;
    ASSERT_TRUE(ReadDocument(out, converted).ok());
    EXPECT_EQ(converted.NodeTable.NodeCount(), 2);
    EXPECT_TRUE(converted.settings.alignToGrid);

    EXPECT_EQ(kvrtool({QStringLiteral("info"), dir.filePath(QStringLiteral("none.ged"))}).exitCode,
              1);
}

// `arrange` and `convert --arrange` place the persons as the editor's command does;
// `convert` alone keeps the import's placement.
TEST(Kvrtool, ArrangeLaysOutByGenerationsAsTheEditorDoes) {
    QTemporaryDir dir;
    const QString chart = dir.filePath(QStringLiteral("chart.kvr"));
    Document doc = sampleDocument();
    addPerson(doc, 500, 500);
    ASSERT_TRUE(WriteDocument(chart, doc).ok());
    Document expected;
    ASSERT_TRUE(ReadDocument(chart, expected).ok());
    ApplyArrangement(expected, ArrangeByGenerations(expected));

    const QString arranged = dir.filePath(QStringLiteral("arranged.kvr"));
    EXPECT_EQ(kvrtool({"arrange", chart, arranged}).exitCode, 0);
    const QString converted = dir.filePath(QStringLiteral("converted.kvr"));
    EXPECT_EQ(kvrtool({"convert", chart, converted, "--arrange"}).exitCode, 0);
    for (const QString &path : {arranged, converted}) {
        Document result;
        ASSERT_TRUE(ReadDocument(path, result).ok());
        ASSERT_EQ(result.NodeTable.NodeCount(), expected.NodeTable.NodeCount());
        for (int i = 0; i < result.NodeTable.NodeCount(); ++i) {
            EXPECT_EQ(result.NodeTable[i].x, expected.NodeTable[i].x) << i;
            EXPECT_EQ(result.NodeTable[i].y, expected.NodeTable[i].y) << i;
        }
    }
    EXPECT_EQ(kvrtool({"arrange", chart}).exitCode, 2);
    EXPECT_EQ(kvrtool({"arrange", dir.filePath("none.kvr"), arranged}).exitCode, 1);
}

TEST(Kvrtool, ConvertWritesTheWholeChartAsAPicture) {
    QTemporaryDir dir;
    const QString path = dir.filePath("sample.kvr");
    ASSERT_TRUE(WriteDocument(path, sampleDocument()).ok());
    const struct {
        const char *name;
        QByteArray start;
    } cases[] = {{"chart.png", "\x89PNG\r\n"}, {"chart.pdf", "%PDF-"}, {"chart.svg", "<?xml"}};
    for (const auto &c : cases) {
        const QString out = dir.filePath(c.name);
        const ToolRun run = kvrtool({"convert", path, out, "--view", "120x90"});
        ASSERT_EQ(run.exitCode, 0) << c.name << ": " << run.err.toStdString();
        QFile file(out);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.name;
        EXPECT_TRUE(file.readAll().startsWith(c.start)) << c.name;
    }
    EXPECT_EQ(kvrtool({"convert", path, dir.filePath("x.pdf"), "--origin", "1,1"}).exitCode, 1);
}

TEST(Kvrtool, SpeaksTheGivenTheEditorsOrTheLocalesLanguage) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("born.ged"));
    QFile file(in);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Ann\n1 BIRT\n2 DATE 1900\n0 TRLR\n");
    file.close();
    // A store of the editor's that remembers English.
    QTemporaryDir englishHome;
    ASSERT_TRUE(QDir(englishHome.path()).mkpath(QStringLiteral("kinvarro")));
    QFile store(englishHome.filePath(QStringLiteral("kinvarro/kinvarro.conf")));
    ASSERT_TRUE(store.open(QIODevice::WriteOnly));
    store.write("[General]\nLanguage=English\n");
    store.close();
    const QString english = QStringLiteral("XDG_CONFIG_HOME=") + englishHome.path();

    const struct {
        QStringList options;
        QStringList environment;
        const char *label;
    } cases[] = {
        {{"--language", "English"}, {}, "Date of birth: 1900"},
        {{"--language", "russian"}, {english, "LANG=en_GB.UTF-8"}, "Дата рождения: 1900"},
        {{}, {english}, "Date of birth: 1900"},
        {{}, {}, "Дата рождения: 1900"},
        {{}, {"LANG=en_GB.UTF-8"}, "Date of birth: 1900"},
        {{}, {"LANG=C"}, "Date of birth: 1900"},
        {{}, {"LANG=en_GB.UTF-8", "LC_ALL=ru_UA.UTF-8"}, "Дата рождения: 1900"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const ToolRun run = kvrtool(QStringList{"info", in} + c.options, c.environment);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QJsonArray elements = QJsonDocument::fromJson(run.out).object()["elements"].toArray();
        ASSERT_EQ(elements.size(), 1);
        EXPECT_TRUE(
            elements[0].toObject()["description"].toString().contains(QString::fromUtf8(c.label)));
    }

    const ToolRun unknown = kvrtool({"info", in, "--language", "Klingon"}, {"LANG=en_GB.UTF-8"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(QString::fromLocal8Bit(unknown.err)
                    .contains(QStringLiteral("kvrtool: There is no language file \"Klingon\".\n")))
        << unknown.err.toStdString();
    EXPECT_EQ(kvrtool({"info", in, "--language"}).exitCode, 2);
}

TEST(Kvrtool, TellsHowManyCharactersTheExportReplaced) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.kvr"));
    ASSERT_TRUE(WriteDocument(path, sampleDocument()).ok());
    // The header names the file, whose name Windows-1251 cannot hold.
    const ToolRun run = kvrtool(
        {"convert", path, dir.filePath(QString::fromUtf8("漢字.ged")), "--language", "English"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(QString::fromLocal8Bit(run.err).contains(
        QStringLiteral("kvrtool: The export wrote the nearest letters or \"?\" for characters "
                       "that the file's encoding lacks: 2\n")))
        << run.err.toStdString();
    const ToolRun utf8 =
        kvrtool({"convert", path, dir.filePath(QString::fromUtf8("漢字.ged")), "--utf8"});
    EXPECT_EQ(utf8.exitCode, 0);
    EXPECT_FALSE(utf8.err.contains("?")) << utf8.err.toStdString();
}
