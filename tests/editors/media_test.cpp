#include <gtest/gtest.h>

#include "edit/document_session.h"
#include "persistence/native_format.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "editors/comment_file.h"
#include "editors/media_list.h"
#include "editors/media_tree.h"
#include "editors/rename_move.h"
#include "media/media_paths.h"
#include "scripted_prompts.h"
#include "test_support.h"
#include "text/doc_text.h"

using namespace kinvarro;
using kinvarro::test::addPerson;
using kinvarro::test::ScriptedPrompts;

namespace {

// As written: a leading U+FEFF stays a character.
QString U(const char *utf8) {
    return textFromUtf8(utf8);
}

TEST(MediaPaths, EntriesAreRelativeOnlyBelowTheExactDocumentFolder) {
    struct Case {
        const char *file;
        const char *folder;
        const char *entry;
        bool relative;
    };
    const Case cases[] = {
        {"/home/u/Род/Фото/дед.jpg", "/home/u/Род/", "Фото\\дед.jpg", true},
        {"/home/u/Род/дед.jpg", "/home/u/Род/", "дед.jpg", true},
        {"/mnt/e/x.jpg", "/home/u/Род/", "/mnt/e/x.jpg", false},
        {"/home/u/род/x.jpg", "/home/u/Род/", "/home/u/род/x.jpg", false},
        {"/home/u/Родня/x.jpg", "/home/u/Род/", "/home/u/Родня/x.jpg", false},
        {"/home/u/x.jpg", "", "/home/u/x.jpg", false},
    };
    for (const Case &c : cases) {
        const MediaEntry e = MediaEntryFor(U(c.file), U(c.folder));
        EXPECT_EQ(e.entry, U(c.entry)) << c.file;
        EXPECT_EQ(e.relative, c.relative) << c.file;
    }
    EXPECT_EQ(DocumentFolder(U("/home/u/Род/семья.kvr")), U("/home/u/Род/"));
    EXPECT_EQ(DocumentFolder(QString()), QString());
}

TEST(MediaPaths, FullPathAcceptsBothSeparators) {
    EXPECT_EQ(FullMediaPath("/d/", "a\\b.jpg"), "/d/a/b.jpg");
    EXPECT_EQ(FullMediaPath("/d/", "a/b.jpg"), "/d/a/b.jpg");
    EXPECT_EQ(FullMediaPath("/d/", "/x/b.jpg"), "/x/b.jpg");
    EXPECT_EQ(CommentFilePath("/d/a.jpg"), "/d/a.jpg.txt");
}

TEST(MediaPaths, EntriesAreShownWithThisSystemsSeparator) {
    EXPECT_EQ(MediaEntryShown("photos\\zoe.jpg"), QDir::toNativeSeparators("photos/zoe.jpg"));
    EXPECT_EQ(MediaEntryShown("a\\b/c.jpg"), QDir::toNativeSeparators("a/b/c.jpg"));
    EXPECT_EQ(MediaEntryShown("zoe.jpg"), "zoe.jpg");
}

TEST(MediaPaths, GroupsAndPreviewsByExtension) {
    struct Case {
        const char *entry;
        MediaGroup group;
        bool picture;
        bool player;
    };
    const Case cases[] = {
        {"a\\b.JPEG", MediaGroup::Picture, true, false},
        {"a.b\\c.Jpe", MediaGroup::Picture, true, false},
        {"b.jpg", MediaGroup::Picture, true, false},
        {"c.Wmf", MediaGroup::Picture, true, false},
        {"d.mp3", MediaGroup::Sound, false, true},
        {"e.wav", MediaGroup::Sound, false, false},
        {"f.mpeg", MediaGroup::Video, false, true},
        {"g.txt", MediaGroup::Document, false, false},
        // Every format Qt reads is a picture, also those the old lists left out.
        {"h.png", MediaGroup::Picture, true, false},
        {"h.PPM", MediaGroup::Picture, true, false},
        {"photos\\zoe.bmp", MediaGroup::Picture, true, false},
        {"dir.jpg\\noext", MediaGroup::Other, false, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(MediaGroupOf(c.entry), c.group) << c.entry;
        EXPECT_EQ(ShowsPicturePreview(c.entry), c.picture) << c.entry;
        EXPECT_EQ(OffersMediaPlayer(c.entry), c.player) << c.entry;
    }
    EXPECT_EQ(MediaGroupColour(MediaGroup::Sound), 0xFF0000);
}

struct MediaListFixture : ::testing::Test {
    MessageTable messages;
    ScriptedPrompts prompts;
    MediaList list;
};

TEST_F(MediaListFixture, OutsideFilesWarnOnceAndDuplicatesAreReportedButAdded) {
    const QString folder = U("/home/u/Род/");
    list.add({U("/home/u/Род/Фото/дед.jpg"), "/e/x.jpg", "/e/y.jpg"}, folder, messages, prompts);
    EXPECT_EQ(list.entries(), (QStringList{U("Фото\\дед.jpg"), "/e/x.jpg", "/e/y.jpg"}));
    ASSERT_EQ(prompts.told.size(), 1);
    EXPECT_EQ(prompts.told[0],
              messages.text(Msg::mPathWarning) + '|' + messages.text(Msg::mPathGenerationFail));
    EXPECT_EQ(list.selected(), 2);

    prompts.told.clear();
    list.add({U("/home/u/Род/Фото/дед.jpg")}, folder, messages, prompts);
    EXPECT_EQ(prompts.told,
              QStringList{messages.text(Msg::mFileinListWarning) + U("|/home/u/Род/Фото/дед.jpg")});
    EXPECT_EQ(list.entries().count(U("Фото\\дед.jpg")), 2);
}

TEST_F(MediaListFixture, AFullListAndASemicolonRefuseFiles) {
    QStringList many;
    for (int i = 0; i < kMaxMedia + 2; ++i)
        many << QStringLiteral("/d/f%1.jpg").arg(i);
    EXPECT_EQ(list.add(many, "/d/", messages, prompts), kMaxMedia);
    EXPECT_EQ(list.entries().size(), kMaxMedia);
    EXPECT_EQ(prompts.told, QStringList{messages.text(Msg::mMediaNotAdded) + '|' +
                                        messages.text(Msg::mMediaListFull)});

    MediaList other;
    prompts.told.clear();
    // Only ";" cannot be held: it separates the entries in the document file.
    EXPECT_EQ(other.add({"/d/a;b.jpg", U("/d/Fotos Łódź/Zoë.jpg"), U("/d/Ω 李.jpg")}, "/d/",
                        messages, prompts),
              2);
    EXPECT_EQ(other.entries(), (QStringList{U("Fotos Łódź\\Zoë.jpg"), U("Ω 李.jpg")}));
    ASSERT_EQ(prompts.told.size(), 1);
    EXPECT_TRUE(prompts.told[0].contains("a;b.jpg"));
}

TEST_F(MediaListFixture, MovingAndRemovingKeepTheSelectionWithinBounds) {
    list.setEntries({"a", "b", "c"});
    list.moveSelectedUp();  // no selection: nothing
    list.select(0);
    list.moveSelectedUp();  // at the edge: nothing
    list.moveSelectedDown();
    list.moveSelectedDown();
    list.moveSelectedDown();
    EXPECT_EQ(list.entries(), (QStringList{"b", "c", "a"}));
    EXPECT_EQ(list.selected(), 2);
    list.removeSelected();
    EXPECT_EQ(list.entries(), (QStringList{"b", "c"}));
    EXPECT_EQ(list.selected(), 1);
    list.select(0);
    list.removeSelected();
    EXPECT_EQ(list.selected(), 0);
    list.removeSelected();
    EXPECT_EQ(list.selected(), -1);
    list.removeSelected();
    EXPECT_TRUE(list.entries().isEmpty());
}

TEST(MediaTree, SortedComponentsAndLocation) {
    const QStringList entries{U("Фото\\дед.jpg"), "a.mp3", U("Фото/баба.jpg"), "\\\\srv\\\\x.doc"};
    const auto top = BuildMediaTree(entries);
    ASSERT_EQ(top.size(), 3u);
    EXPECT_EQ(top[0].text, "a.mp3");
    EXPECT_EQ(top[1].text, "srv");
    EXPECT_EQ(top[2].text, U("Фото"));
    ASSERT_EQ(top[2].children.size(), 2u);
    EXPECT_EQ(top[2].children[0].text, U("баба.jpg"));
    EXPECT_EQ(LocateInMediaTree(top, U("Фото\\дед.jpg")), (std::vector<int>{2, 1}));
    EXPECT_TRUE(LocateInMediaTree(top, U("Фото\\нет.jpg")).empty());
}

// Full paths (files outside the document folder, every file of an unsaved
// document) sit under a "/" node and are found again from their node, as are
// relative entries written with either separator.
TEST(MediaTree, EveryKindOfEntryIsFoundFromItsNode) {
    const QStringList entries{U("Фото\\дед.jpg"), U("/home/u/Род/x.jpg"), U("Фото/баба.jpg"),
                              U("home\\u\\Род\\x.jpg"), "/mnt/e/y.wmf"};
    const auto top = BuildMediaTree(entries);
    ASSERT_EQ(top.size(), 3u);
    EXPECT_EQ(top[0].text, "/");
    for (qsizetype i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(entries[i].toStdString());
        const std::vector<int> path = LocateInMediaTree(top, entries[i]);
        ASSERT_FALSE(path.empty());
        QStringList components;
        const std::vector<MediaTreeNode> *level = &top;
        for (int index : path) {
            components << (*level)[index].text;
            level = &(*level)[index].children;
        }
        EXPECT_TRUE(level->empty());
        EXPECT_EQ(EntryIndexForTreePath(entries, components), i);
    }
    EXPECT_EQ(EntryIndexForTreePath(entries, {"/", "home"}), -1);
    EXPECT_EQ(EntryIndexForTreePath(entries, {"mnt", "e", "y.wmf"}), -1);
}

// Found by fuzzing: a CR before a CR LF read back as another text once saved.
TEST(CommentFile, WhatIsReadWritesBackToTheSameText) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.jpg.txt");
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {QByteArray("1952\r\r\n\xeb\xe5\xf2\xee\r\n"), U("1952\n\nлето\n")},
        {QByteArray("a\rb\n\rc"), QStringLiteral("a\nb\n\nc")},
        {QByteArray("a\n\r\nb"), QStringLiteral("a\n\nb")},
    };
    for (const auto &c : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        const std::optional<QString> text = ReadCommentFile(path);
        EXPECT_EQ(text, c.text) << c.bytes.toHex().toStdString();
        ASSERT_TRUE(WriteCommentFile(path, text.value_or(QString()), MessageTable()).ok());
        EXPECT_EQ(ReadCommentFile(path), text) << c.bytes.toHex().toStdString();
    }
}

TEST(CommentFile, RoundTripInCp1251WithCrLf) {
    QTemporaryDir dir;
    const MessageTable messages;
    const QString path = dir.filePath("a.jpg.txt");
    EXPECT_FALSE(ReadCommentFile(path).has_value());
    ASSERT_TRUE(WriteCommentFile(path, U("Дед\nв 1941"), messages).ok());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\xC4\xE5\xE4\r\n\xE2 1941"));
    EXPECT_EQ(ReadCommentFile(path), U("Дед\nв 1941"));
    ASSERT_TRUE(WriteCommentFile(path, QString(), messages).ok());
    EXPECT_EQ(ReadCommentFile(path), QString());
    const Status missingFolder = WriteCommentFile(dir.filePath("missing/x.txt"), "x", messages);
    EXPECT_FALSE(missingFolder.ok());
    EXPECT_TRUE(missingFolder.message().contains(messages.text(Msg::mCauseNoSuchPath)))
        << missingFolder.message().toStdString();
    EXPECT_EQ(CommentEditorCaption(messages, "/d/a.jpg"), U("Комментарий для - /d/a.jpg"));
}

// Windows-1251 while the text fits it, so that files stay as older programs
// wrote and read them; UTF-8 with its mark otherwise.
TEST(CommentFile, TextOfAnyScriptIsWrittenInTheEncodingThatHoldsIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.jpg.txt");
    const struct {
        const char *text;
        QByteArray bytes;
    } cases[] = {
        {"Дед\nв 1941", QByteArray("\xC4\xE5\xE4\r\n\xE2 1941")},
        {"plain", QByteArray("plain")},
        {"Zoë Müller\nŁódź", QByteArray("\xEF\xBB\xBFZo\xC3\xAB M\xC3\xBCller\r\n\xC5\x81\xC3\xB3"
                                        "d\xC5\xBA")},
        {"Σωκράτης 李小龍 𐌰", QByteArray("\xEF\xBB\xBF") + QByteArray("Σωκράτης 李小龍 𐌰")},
        // Its Windows-1251 bytes D2 A8 would read back as UTF-8 (U+04A8).
        {"ТЁ", QByteArray("\xEF\xBB\xBF") + QByteArray("ТЁ")},
        // Its Windows-1251 bytes would begin with the mark.
        {"п»їИван", QByteArray("\xEF\xBB\xBF") + QByteArray("п»їИван")},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(WriteCommentFile(path, U(c.text), MessageTable()).ok());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), c.bytes) << c.text;
        EXPECT_EQ(ReadCommentFile(path), U(c.text)) << c.text;
    }
}

// Without a mark, bytes beyond ASCII that form valid UTF-8 are read as UTF-8:
// Windows-1251 letters practically never do. Anything else reads as before.
TEST(CommentFile, UnmarkedUtf8FromOtherProgramsIsRecognised) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.jpg.txt");
    const struct {
        QByteArray bytes;
        const char *text;
    } cases[] = {
        {QByteArray("Zo\xC3\xAB \xC5\x81\xC3\xB3"
                    "d\xC5\xBA"),
         "Zoë Łódź"},
        {QByteArray("\xEB\xE5\xF2\xEE 1952"), "лето 1952"},
        {QByteArray("\xC8\xE2\xE0\xED \xD2\xA8"), "Иван ТЁ"},
        {QByteArray("\xEF\xBB\xBF\xFF"), "\xEF\xBF\xBD"},
        {QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx"), "\xEF\xBB\xBFx"},
    };
    for (const auto &c : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        EXPECT_EQ(ReadCommentFile(path), U(c.text)) << c.bytes.toHex().toStdString();
    }
    // A file cut at the reading limit inside a letter is still UTF-8.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QByteArray head = "Zo\xC3\xAB " + QByteArray(4 * 1024 * 1024 - 6, 'a');
    file.write(head + QByteArray("\xC3\xAB"));
    file.close();
    const std::optional<QString> cut = ReadCommentFile(path);
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(*cut, QString::fromUtf8(head));
}

struct RenameFixture : ::testing::Test {
    QTemporaryDir dir;
    Document doc;
    DocumentSession session{doc};

    void SetUp() override {
        doc.CurrentFileName = dir.filePath(U("семья.kvr"));
        QDir(dir.path()).mkpath(U("Фото"));
        QDir(dir.path()).mkpath(U("Архив"));
        write(U("Фото/дед.jpg"), "picture");
        write(U("Фото/дед.jpg.txt"), "comment");
    }
    void write(const QString &relative, const QByteArray &bytes) {
        QFile file(dir.filePath(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    bool exists(const QString &relative) { return QFile::exists(dir.filePath(relative)); }
};

TEST_F(RenameFixture, MovesFileAndCommentAndUpdatesEveryElement) {
    const int a = addPerson(doc, 0, 0);
    const int b = addPerson(doc, 0, 0);
    doc.NodeTable[a].media = {std::string("Фото\\дед.jpg")};
    doc.NodeTable[b].media.assign(kMaxMedia, "x.jpg");
    doc.NodeTable[b].media[100] = std::string("Фото\\дед.jpg");
    bool released = false;
    const RenameResult r =
        RenameMediaFile(session, U("Фото\\дед.jpg"), U("Архив\\дед.jpg"), [&] { released = true; });
    EXPECT_EQ(r.outcome, RenameOutcome::Done);
    EXPECT_TRUE(r.oldFileRemoved);
    EXPECT_TRUE(r.undoable);
    EXPECT_TRUE(released);
    EXPECT_TRUE(exists(U("Архив/дед.jpg")));
    EXPECT_TRUE(exists(U("Архив/дед.jpg.txt")));
    EXPECT_FALSE(exists(U("Фото/дед.jpg")));
    EXPECT_EQ(doc.NodeTable[a].media[0], std::string("Архив\\дед.jpg"));
    EXPECT_EQ(doc.NodeTable[b].media[100], std::string("Архив\\дед.jpg"));
    EXPECT_EQ(doc.NodeTable[b].media[0], "x.jpg");
}

TEST_F(RenameFixture, TheSavedFileGetsTheNewNameAndNothingThatWasNotApplied) {
    const int a = addPerson(doc, 0, 0);
    doc.NodeTable[a].media = {std::string("Фото\\дед.jpg"), "x.jpg", std::string("Фото\\дед.jpg")};
    ASSERT_TRUE(WriteDocument(doc.CurrentFileName, doc).ok());
    session.markSaved();
    // An element begun in its editor and not applied is no part of the file.
    ASSERT_TRUE(session.beginNewElement(kPerson));
    const RenameResult r = RenameMediaFile(session, U("Фото\\дед.jpg"), U("Архив\\дед.jpg"));
    ASSERT_EQ(r.outcome, RenameOutcome::Done);
    EXPECT_TRUE(r.savedDocumentError.isEmpty());
    Document saved;
    ASSERT_TRUE(ReadDocument(doc.CurrentFileName, saved).ok());
    ASSERT_EQ(saved.NodeTable.NodeCount(), 1);
    EXPECT_EQ(saved.NodeTable[0].media,
              (std::vector<std::string>{std::string("Архив\\дед.jpg"), "x.jpg",
                                        std::string("Архив\\дед.jpg")}));
    EXPECT_EQ(doc.NodeTable[a].media, saved.NodeTable[0].media);
    EXPECT_FALSE(doc.DocumentModified) << "the open document and its file agree";

    MediaList list;
    list.setEntries({U("Архив\\a.jpg"), U("Фото\\b.jpg"), U("Архив\\a.jpg")});
    list.replaceAll(U("Архив\\a.jpg"), U("c.jpg"));
    EXPECT_EQ(list.entries(), (QStringList{U("c.jpg"), U("Фото\\b.jpg"), U("c.jpg")}));
}

TEST_F(RenameFixture, UndoAndRedoRenameTheFilesAndTheSavedDocumentAlong) {
    const int a = addPerson(doc, 0, 0);
    doc.NodeTable[a].media = {std::string("Фото\\дед.jpg")};
    ASSERT_TRUE(WriteDocument(doc.CurrentFileName, doc).ok());
    session.markSaved();
    QStringList reports;
    const auto report = [&](const QString &text) { reports << text; };
    ASSERT_EQ(RenameMediaFile(session, U("Фото\\дед.jpg"), U("Архив\\дед.jpg"), {}, report).outcome,
              RenameOutcome::Done);
    const auto savedEntry = [&] {
        Document saved;
        EXPECT_TRUE(ReadDocument(doc.CurrentFileName, saved).ok());
        return saved.NodeTable[0].media.at(0);
    };
    const auto expectAt = [&](const char *folder, const char *entry) {
        SCOPED_TRACE(entry);
        EXPECT_EQ(doc.NodeTable[a].media[0], std::string(entry));
        EXPECT_EQ(savedEntry(), std::string(entry));
        EXPECT_TRUE(exists(U(folder) + U("/дед.jpg")));
        EXPECT_TRUE(exists(U(folder) + U("/дед.jpg.txt")));
    };
    session.undoStack().undo();
    expectAt("Фото", "Фото\\дед.jpg");
    EXPECT_FALSE(exists(U("Архив/дед.jpg")));
    session.undoStack().redo();
    expectAt("Архив", "Архив\\дед.jpg");
    EXPECT_FALSE(exists(U("Фото/дед.jpg")));
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();

    // Another file took the old name meanwhile: undo cannot rename back, says so,
    // and the chart keeps naming the file where it is.
    write(U("Фото/дед.jpg"), "another picture");
    session.undoStack().undo();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(dir.filePath(U("Архив/дед.jpg")))) << reports[0].toStdString();
    expectAt("Архив", "Архив\\дед.jpg");
    // Once the way is free, undo renames back; redo after a failed undo has nothing to redo.
    session.undoStack().redo();
    ASSERT_TRUE(QFile::remove(dir.filePath(U("Фото/дед.jpg"))));
    session.undoStack().undo();
    expectAt("Фото", "Фото\\дед.jpg");
    EXPECT_EQ(reports.size(), 1);
}

TEST_F(RenameFixture, AnEntryNoElementHoldsYetRenamesWithoutAStep) {
    addPerson(doc, 0, 0);
    const RenameResult r = RenameMediaFile(session, U("Фото\\дед.jpg"), U("Архив\\дед.jpg"));
    EXPECT_EQ(r.outcome, RenameOutcome::Done);
    EXPECT_FALSE(r.undoable);
    EXPECT_EQ(session.undoStack().count(), 0);
    EXPECT_TRUE(exists(U("Архив/дед.jpg")));
}

TEST_F(RenameFixture, ADocumentNeverSavedRefusesRenaming) {
    doc.CurrentFileName.clear();
    EXPECT_EQ(RenameMediaFile(session, U("Фото\\дед.jpg"), U("Архив\\дед.jpg")).outcome,
              RenameOutcome::NoDocumentFile);
    EXPECT_TRUE(exists(U("Фото/дед.jpg")));
}

TEST_F(RenameFixture, AFileThatIsGoneIsReportedMissing) {
    const int a = addPerson(doc, 0, 0);
    doc.NodeTable[a].media = {std::string("Фото\\нет.jpg")};
    EXPECT_EQ(RenameMediaFile(session, U("Фото\\нет.jpg"), U("Архив\\нет.jpg")).outcome,
              RenameOutcome::SourceMissing);
    EXPECT_FALSE(exists(U("Архив/нет.jpg")));
    EXPECT_EQ(doc.NodeTable[a].media[0], std::string("Фото\\нет.jpg"));
}

TEST_F(RenameFixture, AFileMovesIntoAFolderOfAnyScript) {
    const int a = addPerson(doc, 0, 0);
    doc.NodeTable[a].media = {std::string("Фото\\дед.jpg")};
    QDir(dir.path()).mkpath(U("Fotos Łódź"));
    const RenameResult r =
        RenameMediaFile(session, U("Фото\\дед.jpg"), U("Fotos Łódź\\Zoë 李.jpg"));
    EXPECT_EQ(r.outcome, RenameOutcome::Done);
    EXPECT_TRUE(exists(U("Fotos Łódź/Zoë 李.jpg")));
    EXPECT_TRUE(exists(U("Fotos Łódź/Zoë 李.jpg.txt")));
    EXPECT_EQ(doc.NodeTable[a].media[0], std::string("Fotos Łódź\\Zoë 李.jpg"));
    EXPECT_EQ(FullMediaPath(DocumentFolder(doc.CurrentFileName),
                            MediaEntryFromDocument(doc.NodeTable[a].media[0])),
              dir.filePath(U("Fotos Łódź/Zoë 李.jpg")));
}

TEST_F(RenameFixture, RefusalsLeaveFilesAndEntriesAlone) {
    const int a = addPerson(doc, 0, 0);
    doc.NodeTable[a].media = {std::string("Фото\\дед.jpg")};
    write(U("Архив/есть.jpg"), "other");
    struct Case {
        const char *to;
        RenameOutcome outcome;
    };
    const Case cases[] = {
        {"Фото\\дед.jpg", RenameOutcome::Unchanged},
        {"", RenameOutcome::EmptyDestination},
        {"Нет\\дед.jpg", RenameOutcome::CopyFailed},
        {"Архив\\есть.jpg", RenameOutcome::CopyFailed},
        {"Архив\\a;b.jpg", RenameOutcome::Semicolon},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(RenameMediaFile(session, U("Фото\\дед.jpg"), U(c.to)).outcome, c.outcome) << c.to;
        EXPECT_TRUE(exists(U("Фото/дед.jpg")));
        EXPECT_EQ(doc.NodeTable[a].media[0], std::string("Фото\\дед.jpg"));
    }
}

}  // namespace
