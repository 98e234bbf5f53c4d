#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "hints/element_statistics.h"
#include "hints/help_page.h"
#include "test_support.h"

using namespace kinvarro;
using kinvarro::test::addPerson;

namespace {

void addWithSex(Document &doc, ElementKind kind, std::uint8_t sex) {
    const int i = addPerson(doc, 0, 0);
    doc.NodeTable[i].kind = kind;
    doc.NodeTable[i].sex = sex;
}

TEST(ElementStatistics, PersonsBySexAndEventsAsOthers) {
    Document doc;
    EXPECT_EQ(CountElements(doc.NodeTable), (ElementStatistics{0, 0, 0, 0}));

    addWithSex(doc, kPerson, kSexMan);
    addWithSex(doc, kPerson, kSexMan);
    addWithSex(doc, kPerson, kSexWoman);
    addWithSex(doc, kPerson, kSexUnknown);
    addWithSex(doc, kPerson, 7);
    // A new historical event carries the sex field of a man.
    addWithSex(doc, kHistoricalEvent, kSexMan);
    addWithSex(doc, kHistoricalEvent, kSexWoman);
    EXPECT_EQ(CountElements(doc.NodeTable), (ElementStatistics{2, 1, 4, 7}));
}

TEST(HelpPage, FirstExistingNameInTheFixedOrder) {
    struct Case {
        QStringList files;
        QString language;
        QString opened;
    };
    const Case cases[] = {
        {{"English.htm", "English.html", "kinvarro.htm", "kinvarro.html"},
         "English",
         "English.htm"},
        {{"English.html", "kinvarro.htm"}, "English", "English.html"},
        {{"Russian.htm", "kinvarro.htm"}, "English", "kinvarro.htm"},
        {{"kinvarro.html"}, "English", "kinvarro.html"},
        {{"English.htm", "kinvarro.html"}, "", "kinvarro.html"},
        {{"Russian.htm"}, "English", ""},
        {{}, "Russian", ""},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        for (const QString &name : c.files) {
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        // A folder with a page's name is no page.
        QDir(dir.path()).mkdir(c.language + QStringLiteral(".htm"));
        const QString expected = c.opened.isEmpty() ? QString() : dir.filePath(c.opened);
        EXPECT_EQ(FindHelpPage(dir.path(), c.language), expected)
            << c.files.join(',').toStdString();
    }
}

// The build copies the shipped help pages next to this test, as next to the program.
TEST(HelpPage, ShippedPagesAreFoundAndTheirLinksResolve) {
    const QString folder = QCoreApplication::applicationDirPath();
    EXPECT_EQ(FindHelpPage(folder, "English"), folder + "/English.htm");
    EXPECT_EQ(FindHelpPage(folder, "Russian"), folder + "/Russian.htm");
    EXPECT_EQ(FindHelpPage(folder, "Deutsch"), folder + "/kinvarro.htm");
    for (const char *page : {"English.htm", "Russian.htm", "kinvarro.htm"}) {
        QFile file(folder + '/' + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page;
        const QString html = QString::fromUtf8(file.readAll());
        const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
        for (const QRegularExpressionMatch &m : link.globalMatch(html)) {
            const QString target = m.captured(1);
            if (target.startsWith('#'))
                EXPECT_TRUE(html.contains(QStringLiteral("id=\"%1\"").arg(target.mid(1))))
                    << page << " " << target.toStdString();
            else
                EXPECT_TRUE(QFile::exists(folder + '/' + target))
                    << page << " " << target.toStdString();
        }
    }
}

}  // namespace
