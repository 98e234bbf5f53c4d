#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include "edit/document_session.h"
#include "prompts/progress_display.h"

#include "persistence/chart_lock.h"
#include "persistence/file_commands.h"
#include "persistence/native_format.h"
#include "scripted_prompts.h"
#include "test_support.h"

#include <unistd.h>

using namespace kinvarro;
using kinvarro::test::addPerson;
using kinvarro::test::ScriptedPrompts;

namespace {

class FileCommandsTest : public ::testing::Test {
  protected:
    FileCommandsTest() : commands(session, prompts) {
        QObject::connect(&commands, &FileCommands::titleChanged,
                         [this](const QString &t) { title = t; });
    }

    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    // Writes a chart of `count` persons to `name`.
    void writeChart(const char *name, int count) {
        Document other;
        for (int i = 0; i < count; ++i)
            addPerson(other, i * 10, 0);
        ASSERT_TRUE(WriteDocument(path(name), other).ok());
    }

    void changeDocument() {
        addPerson(doc, 0, 0);
        doc.MarkModified();
    }

    QTemporaryDir dir;
    Document doc;
    DocumentSession session{doc};
    ScriptedPrompts prompts;
    FileCommands commands;
    QString title;
};

}  // namespace

TEST_F(FileCommandsTest, NewAsksAboutChangesAndHonoursEachAnswer) {
    changeDocument();
    prompts.answers = {Answer::Cancel};
    commands.newDocument();
    EXPECT_EQ(doc.NodeTable.NodeCount(), 1);
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0],
              QString::fromUtf8("Текущий документ был изменён|Сохранить изменения"));

    // Yes on a never-saved document opens the save dialog; a save that did not
    // happen keeps the changes.
    prompts.answers = {Answer::Yes};
    commands.newDocument();
    EXPECT_EQ(prompts.fileDialogs, 1);
    EXPECT_EQ(doc.NodeTable.NodeCount(), 1);
    EXPECT_TRUE(doc.DocumentModified);

    prompts.answers = {Answer::No};
    commands.newDocument();
    EXPECT_EQ(doc.NodeTable.NodeCount(), 0);
    EXPECT_FALSE(doc.DocumentModified);
    EXPECT_EQ(title, "Kinvarro");
}

TEST_F(FileCommandsTest, ASaveThatDidNotHappenStopsEveryCommandThatAsked) {
    writeChart("other.kvr", 2);
    commands.recentFiles().load({path("other.kvr")});
    // A folder that is gone makes the save fail.
    const QString gone = path("gone/tree.kvr");
    for (auto command :
         {+[](FileCommands &c) { c.newDocument(); }, +[](FileCommands &c) { c.openFromMenu(); },
          +[](FileCommands &c) { c.openRecent(0); },
          +[](FileCommands &c) { (void)c.confirmDiscardChanges(); }}) {
        changeDocument();
        const int count = doc.NodeTable.NodeCount();
        prompts.answers = {Answer::Yes};
        prompts.files = {FileChoice{gone, 1}, FileChoice{path("other.kvr"), 1}};
        command(commands);
        EXPECT_EQ(doc.NodeTable.NodeCount(), count);
        EXPECT_TRUE(doc.DocumentModified);
    }
}

TEST_F(FileCommandsTest, AnExistingFileThatIsNoChartIsNamedSo) {
    QFile photo(path("photo.jpg"));
    ASSERT_TRUE(photo.open(QIODevice::WriteOnly));
    photo.write("JFIF");
    photo.close();
    commands.openPath(path("photo.jpg"));
    commands.openPath(path("nothing.jpg"));
    EXPECT_EQ(prompts.told,
              (QStringList{QString::fromUtf8("Ошибка|Это не файл схемы Kinvarro (.kvr) и не файл "
                                             "GEDCOM (.ged).\n") +
                               path("photo.jpg"),
                           QString::fromUtf8("Ошибка|Файл не найден\n") + path("nothing.jpg")}));
}

TEST_F(FileCommandsTest, OpeningARecentFileAsksAboutChangesFirst) {
    writeChart("other.kvr", 2);
    commands.recentFiles().load({path("other.kvr")});
    changeDocument();
    prompts.answers = {Answer::Cancel};
    commands.openRecent(0);
    EXPECT_EQ(doc.NodeTable.NodeCount(), 1);
    prompts.answers = {Answer::No};
    commands.openRecent(0);
    EXPECT_EQ(doc.NodeTable.NodeCount(), 2);
    EXPECT_FALSE(doc.DocumentModified);
    EXPECT_EQ(prompts.asked.size(), 2);
}

TEST_F(FileCommandsTest, NewStartsWithoutThePreviousInformationAndPicture) {
    QTextCursor(&doc.info()).insertText("notes of the old chart");
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    doc.settings.backgroundPicture = picture;
    doc.settings.pictureMode = PictureMode::Tile;
    commands.newDocument();
    EXPECT_TRUE(doc.info().isEmpty());
    EXPECT_TRUE(doc.settings.backgroundPicture.isNull());
    EXPECT_EQ(doc.settings.pictureMode, PictureMode::None);
}

TEST_F(FileCommandsTest, OpenFindsTheChartWithOrWithoutItsExtension) {
    writeChart("family.kvr", 3);
    for (const char *name : {"family", "family.kvr", "family.KVR"}) {
        DocumentSession fresh;
        FileCommands open(fresh, prompts);
        QString shownTitle;
        QObject::connect(&open, &FileCommands::titleChanged,
                         [&](const QString &t) { shownTitle = t; });
        open.openPath(path(name));
        EXPECT_EQ(fresh.table().NodeCount(), 3) << name;
        EXPECT_EQ(shownTitle, "Kinvarro - family") << name;
        EXPECT_EQ(open.saveFileName(), path("family.kvr")) << name;
    }
    EXPECT_TRUE(prompts.told.isEmpty());
}

TEST_F(FileCommandsTest, FailedOpensKeepTheDocumentItsNameAndItsChanges) {
    writeChart("good.kvr", 2);
    commands.openPath(path("good"));
    changeDocument();
    QFile bad(path("bad.kvr"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("KVR\x02 too short");
    bad.close();

    prompts.answers = {Answer::No};
    prompts.files = {FileChoice{path("bad.kvr"), 1}};
    commands.openFromMenu();
    commands.openPath(path("missing"));
    EXPECT_EQ(doc.NodeTable.NodeCount(), 3);
    EXPECT_TRUE(doc.DocumentModified);
    EXPECT_EQ(commands.saveFileName(), path("good.kvr"));
    ASSERT_EQ(prompts.told.size(), 2);
    EXPECT_TRUE(prompts.told[0].contains(QString::fromUtf8("Неверный размер файла")));
    EXPECT_EQ(prompts.told[1], QString::fromUtf8("Ошибка|Файл не найден\n") + path("missing"));

    // No to the question, then cancelling the dialog: the chart on screen keeps its changes.
    prompts.answers = {Answer::No};
    commands.openFromMenu();
    EXPECT_EQ(doc.NodeTable.NodeCount(), 3);
    EXPECT_TRUE(doc.DocumentModified);
}

TEST_F(FileCommandsTest, SaveAsStripsEndingsAndOnlyTheNativeTypeRenamesTheDocument) {
    changeDocument();
    prompts.files = {FileChoice{path("tree.htm"), 1}};
    commands.saveAs();
    EXPECT_TRUE(QFile::exists(path("tree.kvr")));
    EXPECT_EQ(title, "Kinvarro - tree");
    EXPECT_FALSE(doc.DocumentModified);

    changeDocument();
    prompts.files = {FileChoice{path("report.htm"), 2}};
    commands.saveAs();
    EXPECT_TRUE(QFile::exists(path("report.htm")));
    EXPECT_EQ(prompts.told.last(), QString::fromUtf8("Сохранение завершено|Структура сохранена в "
                                                     "гипертекстовом формате"));
    EXPECT_EQ(title, "Kinvarro - tree");
    EXPECT_TRUE(doc.DocumentModified);

    // An export does not rename the document: Save still writes its own file.
    commands.save();
    EXPECT_FALSE(QFile::exists(path("report.kvr")));
    EXPECT_FALSE(doc.DocumentModified);
    EXPECT_EQ(prompts.fileDialogs, 2);

    prompts.files = {FileChoice{path("chart.bmp"), 3}};
    commands.saveAs();
    // Without the editor's window no diagram writer is connected: nothing is written.
    EXPECT_EQ(prompts.told.size(), 1);
    EXPECT_FALSE(QFile::exists(path("chart.bmp")));
}

TEST_F(FileCommandsTest, NamesAreUsedAsTheUserGaveThem) {
    // Linux names are case-sensitive: an existing upper-case name is that file.
    writeChart("TREE.KVR", 2);
    commands.openPath(path("TREE.KVR"));
    EXPECT_EQ(doc.NodeTable.NodeCount(), 2);
    EXPECT_EQ(commands.saveFileName(), path("TREE.KVR"));

    prompts.files = {FileChoice{path("COPY.KVR"), 1}};
    commands.saveAs();
    EXPECT_TRUE(QFile::exists(path("COPY.KVR")));
    EXPECT_FALSE(QFile::exists(path("COPY.kvr")));

    // A chart whose own name holds ".htm" is saved over itself, not over a shorter name.
    writeChart("report.htm.kvr", 1);
    commands.openPath(path("report.htm.kvr"));
    changeDocument();
    commands.save();
    EXPECT_FALSE(QFile::exists(path("report.kvr")));
    Document reread;
    ASSERT_TRUE(ReadDocument(path("report.htm.kvr"), reread).ok());
    EXPECT_EQ(reread.NodeTable.NodeCount(), 2);
}

TEST_F(FileCommandsTest, SaveAsWritesBothGedcomTypesAndLeavesTheDocumentAlone) {
    changeDocument();
    doc.NodeTable[0].name = std::string("Иван");
    prompts.files = {FileChoice{path("tree.kvr.ged"), 4}, FileChoice{path("utf"), 5}};
    commands.saveAs();
    commands.saveAs();
    EXPECT_TRUE(prompts.told.isEmpty()) << prompts.told.join('\n').toStdString();
    EXPECT_TRUE(doc.DocumentModified);
    EXPECT_TRUE(title.isEmpty());
    EXPECT_TRUE(commands.saveFileName().isEmpty()) << "an export does not rename the document";

    QFile ansi(path("tree.ged"));
    QFile utf8(path("utf.ged"));
    ASSERT_TRUE(ansi.open(QIODevice::ReadOnly) && utf8.open(QIODevice::ReadOnly));
    const QByteArray ansiBytes = ansi.readAll();
    const QByteArray utf8Bytes = utf8.readAll();
    EXPECT_TRUE(ansiBytes.contains("1 CHAR ANSI\r\n"));
    EXPECT_TRUE(ansiBytes.contains("1 NAME \xC8\xE2\xE0\xED\r\n"));
    EXPECT_TRUE(
        utf8Bytes.startsWith("\xEF\xBB\xBF"
                             "0 HEAD\r\n"));
    EXPECT_TRUE(utf8Bytes.contains("1 CHAR UTF-8\r\n"));
    EXPECT_TRUE(utf8Bytes.contains(QString::fromUtf8("1 NAME Иван\r\n").toUtf8()));
}

TEST_F(FileCommandsTest, AGedcomExportTellsHowManyCharactersItReplaced) {
    changeDocument();
    doc.NodeTable[0].name = "Zoë 漢字";
    prompts.files = {FileChoice{path("tree"), 4}, FileChoice{path("utf"), 5}};
    commands.saveAs();
    commands.saveAs();
    // Only the ANSI type lacks characters; the UTF-8 type keeps them all.
    EXPECT_EQ(prompts.told,
              QStringList{QString::fromUtf8("Kinvarro|При экспорте ближайшими буквами или знаком "
                                            "«?» заменено символов, которых нет в кодировке "
                                            "файла: 3")});
    EXPECT_TRUE(QFile::exists(path("tree.ged")));
    EXPECT_TRUE(QFile::exists(path("utf.ged")));
}

TEST_F(FileCommandsTest, AFailedGedcomExportIsReported) {
    changeDocument();
    QDir(dir.path()).mkdir("taken.ged");  // a folder where the file should go
    prompts.files = {FileChoice{path("taken"), 4}};
    prompts.answers = {Answer::Yes};  // replace what stands under that name
    commands.saveAs();
    ASSERT_EQ(prompts.told.size(), 1);
    EXPECT_TRUE(prompts.told[0].startsWith(QString::fromUtf8("Ошибка|Не удалось записать файл")))
        << prompts.told[0].toStdString();
}

TEST_F(FileCommandsTest, SavingOverAReadOnlyFileAsksFirst) {
    writeChart("locked.kvr", 1);
    commands.openPath(path("locked"));
    changeDocument();
    QFile::setPermissions(path("locked.kvr"), QFileDevice::ReadOwner);

    prompts.answers = {Answer::No};
    commands.save();
    EXPECT_TRUE(doc.DocumentModified);
    EXPECT_EQ(prompts.asked.last(),
              QString::fromUtf8(
                  "Файл имеет атрибут \"Только чтение\"|Вы действительно хотите изменить его?"));
    prompts.answers = {Answer::Yes};
    commands.save();
    EXPECT_FALSE(doc.DocumentModified);
    Document reread;
    ASSERT_TRUE(ReadDocument(path("locked.kvr"), reread).ok());
    EXPECT_EQ(reread.NodeTable.NodeCount(), 2);
}

TEST(RecentFiles, MoveToFrontKeepsFiveEntries) {
    RecentFiles recent;
    recent.load({"a", "b", "c", "d", "e", "ignored"});
    EXPECT_FALSE(recent.add("a"));
    EXPECT_TRUE(recent.add("e"));
    EXPECT_EQ(recent.entries(), (QStringList{"e", "a", "b", "c", "d"}));
    EXPECT_TRUE(recent.add("c"));
    EXPECT_EQ(recent.entries(), (QStringList{"c", "e", "a", "b", "d"}));
    EXPECT_TRUE(recent.add("new"));
    EXPECT_EQ(recent.entries(), (QStringList{"new", "c", "e", "a", "b"}));

    RecentFiles empty;
    empty.load({});
    EXPECT_FALSE(empty.anyVisible());
    EXPECT_EQ(empty.entries().size(), 5);
}

namespace {

class CaptionLog : public ProgressDisplay {
  public:
    void show(const QString &caption, int, int) override { events << caption; }
    void setPosition(int) override {}
    void hide() override { events << QStringLiteral("hide"); }
    QStringList events;
};

}  // namespace

TEST_F(FileCommandsTest, SaveAsIntoAnotherFolderKeepsEveryMediaLink) {
    CaptionLog progress;
    commands.setProgressDisplay(&progress);
    const QDir root(dir.path());
    for (const char *folder : {"home/tree/photos", "home/tree/copy", "home/shared", "home/copy"})
        ASSERT_TRUE(root.mkpath(QString::fromLatin1(folder)));
    for (const char *file : {"home/tree/photos/zoe.jpg", "home/shared/map.png"}) {
        QFile touched(path(file));
        ASSERT_TRUE(touched.open(QIODevice::WriteOnly));
    }
    QTemporaryDir otherDisk;
    const std::vector<std::string> entries = {"photos\\zoe.jpg",          "../shared/map.png",
                                              "http://example.org/a.jpg", "photos\\gone.jpg",
                                              "/elsewhere/x.jpg",         "C:\\photos\\y.jpg"};
    Document original;
    addPerson(original, 0, 0);
    original.NodeTable[0].media = entries;
    ASSERT_TRUE(WriteDocument(path("home/tree/family.kvr"), original).ok());

    const std::string zoe = path("home/tree/photos/zoe.jpg").toStdString();
    const std::string map = path("home/shared/map.png").toStdString();
    struct Case {
        QString target;
        std::string zoe;
        std::string map;
    };
    const Case cases[] = {
        {path("home/copy/family.kvr"), zoe, map},                              // a sibling folder
        {path("home/tree/copy/family.kvr"), zoe, map},                         // a subfolder
        {path("home/family.kvr"), "tree\\photos\\zoe.jpg", "shared/map.png"},  // the parent
        {otherDisk.filePath("family.kvr"), zoe, map},                          // another disk
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.target.toStdString());
        commands.openPath(path("home/tree/family.kvr"));
        prompts.told.clear();
        progress.events.clear();
        prompts.files = {FileChoice{c.target, 1}};
        ASSERT_TRUE(commands.saveAs());
        EXPECT_EQ(progress.events,
                  (QStringList{doc.messages().text(Msg::mRelinkingMedia), QStringLiteral("hide")}));
        const std::vector<std::string> expected = {c.zoe,      c.map,      entries[2],
                                                   entries[3], entries[4], entries[5]};
        EXPECT_EQ(doc.NodeTable[0].media, expected);
        Document saved;
        ASSERT_TRUE(ReadDocument(c.target, saved).ok());
        EXPECT_EQ(saved.NodeTable[0].media, expected);
        EXPECT_FALSE(doc.DocumentModified);
        ASSERT_EQ(prompts.told.size(), 1);
        EXPECT_TRUE(prompts.told[0].endsWith(path("home/tree/photos/gone.jpg")))
            << prompts.told[0].toStdString();
        // The rewrite is one step of the history.
        session.undoStack().undo();
        EXPECT_EQ(doc.NodeTable[0].media, entries);
    }

    // A save that fails keeps the links as they were, with nothing left to redo.
    commands.openPath(path("home/tree/family.kvr"));
    prompts.files = {FileChoice{path("home/gone/family.kvr"), 1}};
    EXPECT_FALSE(commands.saveAs());
    EXPECT_EQ(doc.NodeTable[0].media, entries);
    EXPECT_FALSE(session.undoStack().canRedo());
    EXPECT_EQ(commands.saveFileName(), path("home/tree/family.kvr"));
}

TEST_F(FileCommandsTest, AChartAnotherWindowHoldsOpensReadOnlyOrNotAtAll) {
    writeChart("tree.kvr", 2);
    const QString lockPath = ChartLock::lockPathFor(path("tree.kvr"));
    {
        QFile other(lockPath);
        ASSERT_TRUE(other.open(QIODevice::WriteOnly));
        // The test runner's parent: a live process of this host.
        other.write(QByteArray::number(qint64(getppid())) + '\n' +
                    QSysInfo::machineHostName().toUtf8() + "\nother\n");
    }
    prompts.answers = {Answer::No};
    commands.openPath(path("tree.kvr"));
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_TRUE(prompts.asked[0].contains(QString::number(getppid())));
    EXPECT_EQ(doc.NodeTable.NodeCount(), 0) << "cancelled";

    prompts.answers = {Answer::Yes};
    commands.openPath(path("tree.kvr"));
    EXPECT_EQ(doc.NodeTable.NodeCount(), 2);
    EXPECT_TRUE(commands.readOnly());
    EXPECT_TRUE(title.endsWith(QString::fromUtf8("(только для чтения)"))) << title.toStdString();
    // Save asks for another name; the other window's lock and file stay.
    changeDocument();
    prompts.files = {FileChoice{path("mine.kvr"), 1}};
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(prompts.fileDialogs, 1) << "the Save As dialog";
    EXPECT_TRUE(prompts.told.last().contains(doc.messages().text(Msg::mReadOnlyChart)));
    EXPECT_EQ(commands.saveFileName(), path("mine.kvr"));
    EXPECT_FALSE(commands.readOnly());
    EXPECT_EQ(ChartLock::readHolder(lockPath)->pid, qint64(getppid()));
    Document untouched;
    ASSERT_TRUE(ReadDocument(path("tree.kvr"), untouched).ok());
    EXPECT_EQ(untouched.NodeTable.NodeCount(), 2);

    // The lock moved along with Save As and goes with New.
    const QString mine = ChartLock::lockPathFor(path("mine.kvr"));
    EXPECT_EQ(ChartLock::readHolder(mine)->pid, QCoreApplication::applicationPid());
    commands.newDocument();
    EXPECT_FALSE(QFile::exists(mine));
}
