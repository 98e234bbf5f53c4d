#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <deque>
#include <memory>

#include "edit/document_session.h"
#include "persistence/autosave_files.h"
#include "persistence/autosaver.h"
#include "persistence/file_commands.h"
#include "persistence/native_format.h"
#include "persistence/recovery_offer.h"
#include "scripted_prompts.h"
#include "test_support.h"

using namespace kinvarro;
using kinvarro::test::addPerson;

namespace {

QByteArray fileBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int elementsIn(const QString &path) {
    Document doc;
    if (!ReadDocument(path, doc).ok())
        return -1;
    return doc.NodeTable.NodeCount();
}

TEST(AutosaveNaming, TellsDocumentsApartAndKeepsTheirName) {
    const QString folder = QStringLiteral("/auto");
    const QString a = autosaveFileFor(folder, QStringLiteral("/home/u/tree.kvr"), 10, 1);
    struct Case {
        QString path;
        qint64 pid;
        int serial;
        bool same;
    };
    const Case cases[] = {
        {QStringLiteral("/home/u/tree.kvr"), 10, 7, true},  // a named chart: path and process
        {QStringLiteral("/home/u/tree.kvr"), 11, 1, false},
        {QStringLiteral("/home/u/old/tree.kvr"), 10, 1, false},
        {QStringLiteral("/home/u/Tree.kvr"), 10, 1, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(autosaveFileFor(folder, c.path, c.pid, c.serial) == a, c.same)
            << c.path.toStdString();
    EXPECT_TRUE(a.startsWith(QStringLiteral("/auto/tree-"))) << a.toStdString();
    EXPECT_TRUE(a.endsWith(QStringLiteral(".kvr")));

    const QString u1 = autosaveFileFor(folder, {}, 10, 1);
    EXPECT_NE(u1, autosaveFileFor(folder, {}, 10, 2));
    EXPECT_NE(u1, autosaveFileFor(folder, {}, 11, 1));
    EXPECT_EQ(autosaveFileFor(folder, QStringLiteral("/x/a b;*?.kvr"), 1, 1).count(u' '), 0);
}

TEST(AutosaveLeftovers, OffersOnlyCopiesOfProcessesGoneOnThisHost) {
    QTemporaryDir dir;
    const QString host = QSysInfo::machineHostName();
    struct Leftover {
        const char *name;
        qint64 pid;
        QString host;
        bool chart;
        bool offered;
    };
    const Leftover leftovers[] = {
        {"dead", 100, host, true, true},
        {"live", 200, host, true, false},
        {"elsewhere", 100, QStringLiteral("other-machine"), true, false},
        {"no-chart", 100, host, false, false},
    };
    const QByteArray chart("chart bytes");
    for (const Leftover &l : leftovers) {
        AutosaveEntry e;
        e.file = dir.filePath(QString::fromLatin1(l.name) + QStringLiteral(".kvr"));
        e.originalPath = QStringLiteral("/charts/") + QString::fromLatin1(l.name) + ".kvr";
        e.pid = l.pid;
        e.host = l.host;
        e.time = QDateTime::currentDateTimeUtc();
        e.changes = 3;
        ASSERT_TRUE(writeAutosave(e, chart, MessageTable()).ok());
        if (!l.chart)
            QFile::remove(e.file);
    }
    const auto found = leftoverAutosaves(dir.path(), [](qint64 pid) { return pid == 200; });
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].originalPath, QStringLiteral("/charts/dead.kvr"));
    EXPECT_EQ(found[0].changes, 3);
    EXPECT_EQ(found[0].pid, 100);
    EXPECT_TRUE(found[0].time.isValid());
}

TEST(AutosaveLeftovers, ThisProcessRunsAndAnImpossibleOneDoesNot) {
    EXPECT_TRUE(processRunning(QCoreApplication::applicationPid()));
    EXPECT_FALSE(processRunning(0));
    EXPECT_FALSE(processRunning(-5));
}

TEST(AutosaveInterval, EnvironmentOverridesTheStoredValue) {
    struct Case {
        const char *env;  // nullptr: unset
        int stored;
        int expected;
    };
    const Case cases[] = {
        {nullptr, 60, 60}, {"1", 60, 1}, {"0", 60, 0}, {"many", 45, 45}, {"-3", 60, 0},
    };
    for (const Case &c : cases) {
        if (c.env)
            qputenv("KINVARRO_AUTOSAVE_SECONDS", c.env);
        else
            qunsetenv("KINVARRO_AUTOSAVE_SECONDS");
        EXPECT_EQ(autosaveIntervalSeconds(c.stored), c.expected) << (c.env ? c.env : "unset");
    }
    qunsetenv("KINVARRO_AUTOSAVE_SECONDS");
}

class AutosaverTest : public ::testing::Test {
  public:
    AutosaverTest() {
        addPerson(doc, 0, 0);
        addPerson(doc, 50, 0);
        doc.CurrentFileName = dir.filePath(QStringLiteral("family.kvr"));
        EXPECT_TRUE(WriteDocument(doc.CurrentFileName, doc).ok());
        original = fileBytes(doc.CurrentFileName);
        autosaver = std::make_unique<Autosaver>(session, folder(), 60);
    }
    QString folder() const { return dir.filePath(QStringLiteral("autosave")); }
    void edit() { session.moveElementsBy({0}, 5, 5); }
    void writeCopy() {
        autosaver->writeNow();
        autosaver->waitForWrite();
    }

    QTemporaryDir dir;
    Document doc;
    DocumentSession session{doc};
    QByteArray original;
    std::unique_ptr<Autosaver> autosaver;
};

TEST_F(AutosaverTest, AnEditStartsTheIntervalAndTheCopyHoldsTheEditedChart) {
    EXPECT_FALSE(autosaver->pending());
    edit();
    EXPECT_TRUE(autosaver->pending());
    writeCopy();
    EXPECT_FALSE(autosaver->pending());
    const QString copy = autosaver->currentFile();
    ASSERT_TRUE(QFile::exists(copy));
    Document read;
    ASSERT_TRUE(ReadDocument(copy, read).ok());
    EXPECT_EQ(read.NodeTable[0].x, doc.NodeTable[0].x);
    EXPECT_NE(fileBytes(copy), original);
    // The user's own file is never written by autosave.
    EXPECT_EQ(fileBytes(doc.CurrentFileName), original);

    const auto offered = leftoverAutosaves(folder(), [](qint64) { return false; });
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].originalPath, doc.CurrentFileName);
    EXPECT_EQ(offered[0].changes, 1);
}

TEST_F(AutosaverTest, NothingIsWrittenWithoutUnsavedWorkOrWhenTurnedOff) {
    writeCopy();
    EXPECT_FALSE(QFile::exists(autosaver->currentFile()));
    autosaver = std::make_unique<Autosaver>(session, folder(), 0);
    edit();
    EXPECT_FALSE(autosaver->pending());
}

TEST_F(AutosaverTest, TheCopyGoesOnSaveOnDiscardAndOnACleanEnd) {
    const std::function<void(AutosaverTest &)> endings[] = {
        [](AutosaverTest &t) { t.session.markSaved(); },
        [](AutosaverTest &t) { t.session.newDocument(); },
        [](AutosaverTest &t) {
            Document other;
            t.session.replaceDocument(other, false);
        },
        [](AutosaverTest &t) { t.autosaver.reset(); },
    };
    for (const auto &end : endings) {
        if (!autosaver)
            autosaver = std::make_unique<Autosaver>(session, folder(), 60);
        Document start;
        addPerson(start, 0, 0);
        session.replaceDocument(start, false);
        session.fileName() = dir.filePath(QStringLiteral("family.kvr"));
        edit();
        writeCopy();
        const QString copy = autosaver->currentFile();
        ASSERT_TRUE(QFile::exists(copy));
        end(*this);
        EXPECT_FALSE(QFile::exists(copy));
        EXPECT_FALSE(QFile::exists(autosaveInfoFile(copy)));
    }
}

TEST_F(AutosaverTest, ARecoveredChartIsModifiedUnderItsNameAndSavesThereUnasked) {
    edit();
    edit();
    writeCopy();
    const auto offered = leftoverAutosaves(folder(), [](qint64) { return false; });
    ASSERT_EQ(offered.size(), 1u);
    const int moved = doc.NodeTable[0].x;

    // A fresh start: another session in the state of a program just started.
    Document fresh;
    DocumentSession next(fresh);
    test::ScriptedPrompts prompts;
    FileCommands commands(next, prompts);
    ASSERT_TRUE(commands.openRecovered(offered[0]));
    EXPECT_TRUE(next.modified());
    EXPECT_EQ(next.doc().CurrentFileName, doc.CurrentFileName);
    EXPECT_EQ(next.doc().NodeTable[0].x, moved);
    EXPECT_FALSE(next.undoStack().canUndo());
    EXPECT_FALSE(QFile::exists(offered[0].file));

    ASSERT_TRUE(commands.save());
    EXPECT_EQ(prompts.fileDialogs, 0);
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(elementsIn(doc.CurrentFileName), 2);
    Document saved;
    ASSERT_TRUE(ReadDocument(doc.CurrentFileName, saved).ok());
    EXPECT_EQ(saved.NodeTable[0].x, moved);
}

class ScriptedRecovery : public RecoveryPrompt {
  public:
    std::deque<RecoveryChoice> choices;
    std::vector<QStringList> shown;
    RecoveryChoice chooseRecovery(const QString &caption, const QString &,
                                  const QStringList &lines) override {
        EXPECT_EQ(caption, QStringLiteral("Восстановление"));
        shown.push_back(lines);
        if (choices.empty())
            return {};
        const RecoveryChoice c = choices.front();
        choices.pop_front();
        return c;
    }
};

TEST(RecoveryOffer, DiscardRemovesACopyLaterKeepsThemRecoverOpensOne) {
    using A = RecoveryChoice::Action;
    struct Case {
        std::vector<RecoveryChoice> choices;
        bool recovered;
        int windowsShown;
        std::vector<bool> left;  // per copy "a", "b", "c" (newest first)
    };
    const Case cases[] = {
        {{{A::Later, 0}}, false, 1, {true, true, true}},
        {{{A::Discard, 1}, {A::Later, 0}}, false, 2, {true, false, true}},
        {{{A::Discard, 0}, {A::Recover, 0}}, true, 2, {false, false, true}},
        {{{A::Discard, 0}, {A::Discard, 0}, {A::Discard, 0}}, false, 3, {false, false, false}},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        Document chart;
        addPerson(chart, 0, 0);
        QByteArray bytes;
        ASSERT_TRUE(writeNativeDocument(chart, bytes).ok());
        const char *names[] = {"a", "b", "c"};
        std::vector<AutosaveEntry> leftovers;
        for (int i = 0; i < 3; ++i) {
            AutosaveEntry e;
            e.file = dir.filePath(QString::fromLatin1(names[i]) + ".kvr");
            e.originalPath = dir.filePath(QStringLiteral("charts/") + names[i] + ".kvr");
            e.pid = 1;
            e.time = QDateTime::currentDateTimeUtc().addSecs(-60 * i);
            e.changes = i + 1;
            ASSERT_TRUE(writeAutosave(e, bytes, MessageTable()).ok());
            leftovers.push_back(e);
        }
        Document doc;
        DocumentSession session(doc);
        test::ScriptedPrompts prompts;
        FileCommands commands(session, prompts);
        ScriptedRecovery window;
        window.choices.assign(c.choices.begin(), c.choices.end());
        EXPECT_EQ(offerRecovery(leftovers, window, commands, session.messages()), c.recovered);
        EXPECT_EQ(int(window.shown.size()), c.windowsShown);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(QFile::exists(leftovers[std::size_t(i)].file), c.left[std::size_t(i)]) << i;
        ASSERT_EQ(window.shown[0].size(), 3);
        EXPECT_TRUE(window.shown[0][1].startsWith(QStringLiteral("b.kvr")));
        EXPECT_TRUE(window.shown[0][1].endsWith(QStringLiteral("2")));
        if (c.recovered) {
            EXPECT_TRUE(session.modified());
            EXPECT_EQ(session.doc().CurrentFileName, leftovers[1].originalPath);
        }
    }
}

}  // namespace
