#include <gtest/gtest.h>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>

#include "persistence/html_report.h"
#include "prompts/progress_display.h"
#include "test_support.h"
#include "text/doc_text.h"

using namespace kinvarro;
using kinvarro::test::addPerson;

namespace {

constexpr const char *kPageStart =
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=windows-1251\"></head><body>\r\n";
constexpr const char *kTableHead =
    "<table width=\"100%\" border=1 BGCOLOR=#e0e0e0><tr><td colspan=2 align=center "
    "BGCOLOR=#d0d0d0 >";

int addEvent(Document &doc, const std::string &name) {
    const int index = addPerson(doc, 0, 0, -1, -1, name);
    doc.NodeTable[index].kind = kHistoricalEvent;
    return index;
}

std::string block(const std::string &anchor, const std::string &name, const std::string &rows) {
    return "<a name=" + anchor + ">" + kTableHead + "<b>" + name + "</b></td></tr>" + rows +
           "</table><br><br>";
}

const std::string kPlainDescription = "<tr><td colspan=2 BGCOLOR=#f0f0f0><p align=left></td></tr>";

class ProgressLog : public ProgressDisplay {
  public:
    QStringList steps;
    void show(const QString &caption, int minimum, int maximum) override {
        steps << QStringLiteral("%1 %2..%3").arg(caption).arg(minimum).arg(maximum);
    }
    void setPosition(int position) override { steps << QString::number(position); }
    void hide() override { steps << QStringLiteral("hide"); }
};

struct ReportCase {
    const char *what;
    std::function<void(Document &)> build;
    /// Pieces the page holds one after another.
    std::vector<std::string> inOrder;
    std::vector<std::string> absent;
};

class HtmlReportTest : public ::testing::Test {
  protected:
    // The page's Windows-1251 bytes as document text, so that the cases can
    // spell what they expect in UTF-8; no byte is lost either way.
    std::string report(Document &doc, ProgressDisplay *progress = nullptr) {
        return docTextFromCp1251(pageBytes(doc, progress).toStdString());
    }

    QByteArray pageBytes(Document &doc, ProgressDisplay *progress = nullptr) {
        const QString path = dir.filePath(QStringLiteral("report.htm"));
        const Status status = WriteHtmlReport(doc, path, progress);
        EXPECT_TRUE(status.ok()) << status.message().toStdString();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    QTemporaryDir dir;
};

TEST_F(HtmlReportTest, WholePageOfAFamily) {
    Document doc;
    const int father = addPerson(doc, 0, 0, -1, -1, std::string("Пётр"));
    const int mother = addPerson(doc, 0, 0, -1, -1, std::string("Анна"));
    addPerson(doc, 0, 0, mother, father, std::string("Иван\r\nСын"));
    doc.NodeTable[mother].description = "<`C=255>x\r\ny";
    std::string expected = kPageStart;
    expected += "<p align=left><hr><br>\r\n";
    expected += block("1", std::string("Анна"),
                      "<tr><td colspan=2 BGCOLOR=#f0f0f0><p align=left><font "
                      "color=#FF0000>x<br>\ny</font></td></tr><tr><td colspan=2>" +
                          std::string("Дети:") + " <a href=#2>" + std::string("Иван\r\nСын") +
                          "</a></td></tr>");
    expected +=
        block("2", std::string("Иван\r\nСын"),
              "<tr align=center><td width=\"50%\">" + std::string("отец") + ": <a href=#0>" +
                  std::string("Пётр") + "</a></td><td width=\"50%\">" + std::string("мать") +
                  ": <a href=#1>" + std::string("Анна") + "</a></td></tr>" + kPlainDescription);
    expected += block("0", std::string("Пётр"),
                      kPlainDescription + "<tr><td colspan=2>" + std::string("Дети:") +
                          " <a href=#2>" + std::string("Иван\r\nСын") + "</a></td></tr>");
    expected += "</body></html>\r\n";
    EXPECT_EQ(report(doc), expected);
}

TEST_F(HtmlReportTest, EdgeCases) {
    const ReportCase cases[] = {
        {"only historical events: no person block",
         [](Document &doc) { addEvent(doc, "War"); },
         {kPageStart, "<p align=left><hr><br>\r\n</body></html>\r\n"},
         {"<table"}},
        {"equal names but for case together, at the first spelling's place, in table order",
         [](Document &doc) {
             addPerson(doc, 0, 0, -1, -1, std::string("анна"));
             addPerson(doc, 0, 0, -1, -1, std::string("Борис"));
             addPerson(doc, 0, 0, -1, -1, std::string("Анна"));
             addPerson(doc, 0, 0, -1, -1, std::string("АННА"));
             addPerson(doc, 0, 0, -1, -1, std::string("Алла"));
         },
         {"<a name=4>", "<a name=0>", "<a name=2>", "<a name=3>", "<a name=1>"},
         {}},
        {"only a mother: the father cell is a single space",
         [](Document &doc) {
             const int mother = addPerson(doc, 0, 0, -1, -1, "M");
             addPerson(doc, 0, 0, mother, -1, "C");
         },
         {"<tr align=center><td width=\"50%\"> </td><td width=\"50%\">" + std::string("мать") +
          ": <a href=#0>M</a></td></tr>"},
         {}},
        {"index 26 is anchored and linked as 1A",
         [](Document &doc) {
             for (int i = 0; i < 26; ++i)
                 addPerson(doc, 0, 0, -1, -1, "A");
             const int father = addPerson(doc, 0, 0, -1, -1, "Z");
             addPerson(doc, 0, 0, -1, father, "B");
         },
         {"<a href=#1A>Z</a>", "<a name=1A>"},
         {"<a name=1a>"}},
        {"an event named like a person has no block of its own",
         [](Document &doc) {
             addEvent(doc, "Same");
             addPerson(doc, 0, 0, -1, -1, "Same");
         },
         {"<a name=1>"},
         {"<a name=0>"}},
        {"names and description text are escaped, style tags are not",
         [](Document &doc) {
             const int i = addPerson(doc, 0, 0, -1, -1, "<i>A & \"B\"</i>");
             doc.NodeTable[i].description = "<B>1 < 2</B><script>";
         },
         {"<b>&lt;i&gt;A &amp; &quot;B&quot;&lt;/i&gt;</b>",
          "<p align=left><B>1 &lt; 2</B>&lt;script&gt;</td>"},
         {"<script>"}},
        {"a child of both parents is listed once, children in table order",
         [](Document &doc) {
             const int parent = addPerson(doc, 0, 0, -1, -1, "P");
             addPerson(doc, 0, 0, -1, parent, "C1");
             addPerson(doc, 0, 0, parent, parent, "C2");
             addPerson(doc, 0, 0, parent, -1, "C3");
         },
         {std::string("Дети:") + " <a href=#1>C1</a> <a href=#2>C2</a> <a href=#3>C3</a></td>"},
         {"C2</a> <a href=#2>"}},
        {"an event as a parent is named without a link to a missing table",
         [](Document &doc) {
             const int event = addEvent(doc, "E");
             addPerson(doc, 0, 0, -1, event, "C");
         },
         {std::string("отец") + ": E</td>"},
         {"href=#0"}},
    };
    for (const ReportCase &c : cases) {
        Document doc;
        c.build(doc);
        const std::string page = report(doc);
        std::size_t from = 0;
        for (const std::string &piece : c.inOrder) {
            const std::size_t at = page.find(piece, from);
            EXPECT_NE(at, std::string::npos) << c.what << ": missing " << piece << "\n" << page;
            from = at == std::string::npos ? from : at + piece.size();
        }
        for (const std::string &piece : c.absent)
            EXPECT_EQ(page.find(piece), std::string::npos) << c.what << ": " << piece;
    }
}

TEST_F(HtmlReportTest, InformationTextOnTopLosesTrailingEmptyLines) {
    Document doc;
    QTextCursor(&doc.info()).insertText(QStringLiteral("Info <1>\n\n\n"));
    const std::string page = report(doc);
    EXPECT_NE(page.find("<font color=#000000>Info &lt;1&gt;</font><hr><br>\r\n"), std::string::npos)
        << page;
    EXPECT_EQ(doc.info().blockCount(), 4) << "the document keeps its text";
    EXPECT_FALSE(doc.DocumentModified);
}

TEST_F(HtmlReportTest, ProgressFollowsTheElementsThenTheNames) {
    Document doc;
    addPerson(doc, 0, 0, -1, -1, "B");
    addEvent(doc, "A");
    addPerson(doc, 0, 0, -1, -1, "b");
    ProgressLog log;
    report(doc, &log);
    EXPECT_EQ(log.steps, (QStringList{QString::fromUtf8("Подготовка.. 0..3"), "0", "1", "2",
                                      QString::fromUtf8("Создание.. 0..2"), "1", "hide"}));
}

// The page as a browser shows its text: Windows-1251, references resolved.
QString shownText(const QByteArray &page) {
    QString text = fromDocText(docTextFromCp1251(page.toStdString()));
    static const QRegularExpression reference(QStringLiteral("&#x([0-9A-F]+);"));
    QString shown;
    qsizetype last = 0;
    for (const QRegularExpressionMatch &match : reference.globalMatch(text)) {
        shown += text.mid(last, match.capturedStart() - last);
        const char32_t code = match.captured(1).toUInt(nullptr, 16);
        shown += QString::fromUcs4(&code, 1);
        last = match.capturedEnd();
    }
    return shown + text.mid(last);
}

TEST_F(HtmlReportTest, NamesOfEveryScriptReadBackFromTheWindows1251Page) {
    const char *const names[] = {"Zoë Müller",  "Marie-Thérèse", "Łucja Wójcik", "Σωκράτης",
                                 "Иван Петров", "אברהם",         "محمد",         "देवनागरी",
                                 "李小龍",      "\U00010330"};
    Document doc;
    const int parent = addPerson(doc, 0, 0, -1, -1, std::string("Σωκράτης"));
    for (const char *name : names) {
        const int i = addPerson(doc, 0, 0, -1, parent, std::string(name));
        doc.NodeTable[i].description = std::string("<B>") + name + "</B> & 𐌰";
    }
    const QByteArray page = pageBytes(doc);
    EXPECT_TRUE(page.startsWith(kPageStart));
    EXPECT_TRUE(page.contains("&#x3A3;&#x3C9;"));    // Σω
    EXPECT_TRUE(page.contains("&#x10330;"));         // one reference, not two halves
    EXPECT_TRUE(page.contains("\xC8\xE2\xE0\xED"));  // Cyrillic stays in the code page
    const QString shown = shownText(page);
    for (const char *name : names) {
        const QString text = QString::fromUtf8(name);
        EXPECT_TRUE(shown.contains(QStringLiteral("<b>") + text + QStringLiteral("</b></td>")))
            << name;  // the heading
        EXPECT_TRUE(shown.contains(QStringLiteral("<B>") + text + QStringLiteral("</B> &amp; ") +
                                   QString::fromUtf8("𐌰")))
            << name;  // the description
        EXPECT_TRUE(shown.contains(QStringLiteral("</a> ") + text) ||
                    shown.contains(QStringLiteral(">") + text + QStringLiteral("</a>")))
            << name;  // the link from the parent
    }
}

TEST_F(HtmlReportTest, NamesEqualButForCaseGoTogetherInEveryScript) {
    Document doc;
    for (const char *name : {"Σωκράτης", "Müller", "ΣΩΚΡΆΤΗΣ", "MÜLLER", "Łucja", "ŁUCJA"})
        addPerson(doc, 0, 0, -1, -1, std::string(name));
    const std::string page = report(doc);
    std::vector<std::size_t> at;
    for (int i = 0; i < 6; ++i)
        at.push_back(page.find("<a name=" + std::to_string(i) + ">"));
    // Each upper-case spelling's block follows right after the first spelling's.
    const auto blockAfter = [&](int i) {
        return page.find("</table><br><br>", at[std::size_t(i)]) + 16;
    };
    EXPECT_EQ(at[2], blockAfter(0)) << page;
    EXPECT_EQ(at[3], blockAfter(1)) << page;
    EXPECT_EQ(at[5], blockAfter(4)) << page;
}

TEST_F(HtmlReportTest, AColourThatIsNoNumberIsWrittenAsText) {
    const QString path = dir.filePath(QStringLiteral("report.htm"));
    Document doc;
    const int i = addPerson(doc, 0, 0);
    doc.NodeTable[i].description = "<`C=abc>x";
    ASSERT_TRUE(WriteHtmlReport(doc, path, nullptr).ok());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<p align=left>&lt;`C=abc&gt;x"));
}

TEST_F(HtmlReportTest, AFolderThatCannotBeWrittenIsReported) {
    Document doc;
    const Status status =
        WriteHtmlReport(doc, dir.filePath(QStringLiteral("missing/report.htm")), nullptr);
    EXPECT_TRUE(status.message().startsWith(MessageTable().text(Msg::mCannotWrite)))
        << status.message().toStdString();
}

}  // namespace
