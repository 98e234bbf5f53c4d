#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "edit/document_session.h"
#include "persistence/file_commands.h"
#include "persistence/native_format.h"
#include "render/export_commands.h"
#include "scripted_prompts.h"
#include "test_support.h"

using namespace kinvarro;
using kinvarro::test::addPerson;
using kinvarro::test::ScriptedPrompts;

namespace {

QByteArray fileBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class FileSafetyTest : public ::testing::Test {
  protected:
    FileSafetyTest() : commands(session, prompts) {
        addPerson(doc, 0, 0);
        doc.MarkModified();
        commands.setDiagramExporter([](const QString &path) {
            QFile f(path);
            return f.open(QIODevice::WriteOnly) && f.write("BM") == 2
                       ? Status::success()
                       : Status::failure(QStringLiteral("no"));
        });
    }
    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    Document doc;
    DocumentSession session{doc};
    ScriptedPrompts prompts;
    FileCommands commands;
};

// The name typed has no extension; the file that exists is the one the command
// would really write, so the question must name it.
TEST_F(FileSafetyTest, EverySaveAndExportAsksBeforeReplacingTheFileItWrites) {
    struct Case {
        int type;
        const char *written;
    };
    const Case cases[] = {{1, "precious.kvr"},
                          {2, "precious.htm"},
                          {3, "precious.bmp"},
                          {4, "precious.ged"},
                          {5, "precious.ged"}};
    for (const Case &c : cases) {
        for (const Answer answer : {Answer::No, Answer::Yes}) {
            const QString target = path(QString::fromLatin1(c.written));
            writeBytes(target, "precious work");
            prompts.asked.clear();
            prompts.told.clear();
            prompts.files = {FileChoice{path(QStringLiteral("precious")), c.type}};
            prompts.answers = {answer};
            (void)commands.saveAs();
            ASSERT_EQ(prompts.asked.size(), 1) << c.written;
            EXPECT_TRUE(prompts.asked[0].contains(QDir::toNativeSeparators(target)))
                << prompts.asked[0].toStdString();
            EXPECT_TRUE(prompts.asked[0].contains(QString::fromUtf8("уже существует")));
            EXPECT_EQ(fileBytes(target) == "precious work", answer == Answer::No) << c.written;
            QFile::remove(target);
        }
    }
}

TEST_F(FileSafetyTest, ChartExportsAskBeforeReplacingTheFileWithItsExtension) {
    const std::pair<ChartFileType, const char *> cases[] = {{ChartFileType::Pdf, "precious.pdf"},
                                                            {ChartFileType::Svg, "precious.svg"},
                                                            {ChartFileType::Png, "precious.png"}};
    for (const auto &[type, written] : cases) {
        for (const Answer answer : {Answer::No, Answer::Yes}) {
            const QString target = path(QString::fromLatin1(written));
            writeBytes(target, "precious work");
            int exports = 0;
            ChartExportCommands exportCommands(session, prompts,
                                               [&](const QString &, ChartFileType) {
                                                   ++exports;
                                                   return Status::success();
                                               });
            prompts.asked.clear();
            prompts.files = {FileChoice{path(QStringLiteral("precious")), 1}};
            prompts.answers = {answer};
            exportCommands.exportChart(type);
            ASSERT_EQ(prompts.asked.size(), 1) << written;
            EXPECT_TRUE(prompts.asked[0].contains(QDir::toNativeSeparators(target)));
            EXPECT_EQ(exports, answer == Answer::Yes ? 1 : 0) << written;
        }
    }
}

TEST_F(FileSafetyTest, TheFirstSaveOfANewChartAsksToo) {
    const QString target = path(QStringLiteral("precious.kvr"));
    writeBytes(target, "precious work");
    prompts.files = {FileChoice{path(QStringLiteral("precious")), 1}};
    prompts.answers = {Answer::No};
    EXPECT_FALSE(commands.save());
    EXPECT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(fileBytes(target), "precious work");
    EXPECT_TRUE(session.modified());
}

TEST_F(FileSafetyTest, TheRecentListGetsOnlyFilesSavedOrOpened) {
    // A folder that does not exist makes the save fail.
    prompts.files = {FileChoice{path(QStringLiteral("gone/chart")), 1}};
    EXPECT_FALSE(commands.save());
    EXPECT_FALSE(commands.recentFiles().anyVisible());

    commands.openPath(path(QStringLiteral("missing.kvr")));
    EXPECT_FALSE(commands.recentFiles().anyVisible());
    ASSERT_EQ(prompts.told.size(), 2);
    EXPECT_TRUE(prompts.told[1].contains(QDir::toNativeSeparators(path("missing.kvr"))))
        << prompts.told[1].toStdString();

    prompts.files = {FileChoice{path(QStringLiteral("chart")), 1}};
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(commands.recentFiles().entries().value(0), path(QStringLiteral("chart.kvr")));
}

TEST_F(FileSafetyTest, AMissingRecentFileOffersToRemoveItsEntry) {
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        const QString gone = path(QStringLiteral("gone.kvr"));
        commands.recentFiles().load({gone, path(QStringLiteral("b.kvr"))});
        session.markSaved();
        prompts.asked.clear();
        prompts.answers = {answer};
        commands.openRecent(0);
        ASSERT_EQ(prompts.asked.size(), 1);
        EXPECT_EQ(commands.recentFiles().entries().contains(gone), answer == Answer::No);
        EXPECT_TRUE(commands.recentFiles().entries().contains(path(QStringLiteral("b.kvr"))));
    }
}

TEST_F(FileSafetyTest, AChartOpenedByARelativePathGetsItsAbsolutePath) {
    Document other;
    addPerson(other, 0, 0);
    ASSERT_TRUE(WriteDocument(path(QStringLiteral("rel.kvr")), other).ok());
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    commands.openPath(QStringLiteral("rel.kvr"));
    QDir::setCurrent(before);
    const QString absolute = QDir(dir.path()).absoluteFilePath(QStringLiteral("rel.kvr"));
    EXPECT_EQ(session.doc().CurrentFileName, absolute);
    EXPECT_EQ(commands.saveFileName(), absolute);
    EXPECT_EQ(commands.recentFiles().entries().value(0), absolute);
}

}  // namespace
