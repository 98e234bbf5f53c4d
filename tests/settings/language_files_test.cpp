#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "settings/language_files.h"
#include "test_support.h"

using namespace kinvarro;

namespace {

void writeFile(const QString &path, const std::string &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes.data(), qint64(bytes.size()));
}

void writeFlag(const QString &path, int width, int height) {
    QImage flag(width, height, QImage::Format_RGB32);
    flag.fill(Qt::red);
    ASSERT_TRUE(flag.save(path, "BMP")) << path.toStdString();
}

}  // namespace

TEST(LanguageFiles, LanguageNameIsTheFileNameUpToItsExtension) {
    const struct {
        const char *file;
        const char *name;
    } cases[] = {
        {"English.lng", "English"},
        {"ENGLISH.LNG", "ENGLISH"},
        {"Русский.lng", "Русский"},
        {"a.lng.lng", "a"},       // the first occurrence counts
        {"My.LNG.lng", "My"},     // found without regard to case
        {"Old.lngx.lng", "Old"},  // also inside a longer extension
        {"no extension", "no extension"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LanguageNameOf(QString::fromUtf8(c.file)), QString::fromUtf8(c.name)) << c.file;
}

TEST(LanguageFiles, ListsLanguagesByNameWithTheirOwnFlags) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char *file :
         {"Russian.lng", "ENGLISH.LNG", "deutsch.lng", ".lng", "notes.txt", "Russian.lng.bak"})
        writeFile(dir.filePath(QString::fromLatin1(file)), "[APP_MSG]\r\n");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Folder.lng")));
    writeFlag(dir.filePath(QStringLiteral("Russian.bmp")), 20, 14);
    writeFlag(dir.filePath(QStringLiteral("english.bmp")), 16, 11);  // other letter case
    // deutsch has no flag: the flags after it must stay with their own names.

    const std::vector<LanguageEntry> languages = FillLanguageList(dir.path());
    ASSERT_EQ(languages.size(), 3u);
    const struct {
        const char *name;
        const char *file;
        QSize flag;
    } expected[] = {
        {"deutsch", "deutsch.lng", QSize(0, 0)},  // a null image: no flag
        {"ENGLISH", "ENGLISH.LNG", QSize(16, 11)},
        {"Russian", "Russian.lng", QSize(20, 14)},
    };
    for (std::size_t i = 0; i < languages.size(); ++i) {
        EXPECT_EQ(languages[i].name, QString::fromLatin1(expected[i].name)) << i;
        EXPECT_EQ(languages[i].filePath, dir.filePath(QString::fromLatin1(expected[i].file))) << i;
        EXPECT_EQ(languages[i].flag.size(), expected[i].flag) << i;
    }
}

TEST(LanguageFiles, UnusableFlagsAreLeftOut) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char *name : {"Broken", "Huge", "Tall"})
        writeFile(dir.filePath(QString::fromLatin1(name) + QStringLiteral(".lng")), "");
    writeFile(dir.filePath(QStringLiteral("Broken.bmp")), "BM\x10\0\0\0 not a picture");
    writeFlag(dir.filePath(QStringLiteral("Huge.bmp")), kMaxFlagSide + 1, 10);
    writeFlag(dir.filePath(QStringLiteral("Tall.bmp")), 10, kMaxFlagSide);

    const std::vector<LanguageEntry> languages = FillLanguageList(dir.path());
    ASSERT_EQ(languages.size(), 3u);
    EXPECT_TRUE(languages[0].flag.isNull());
    EXPECT_TRUE(languages[1].flag.isNull());
    EXPECT_EQ(languages[2].flag.size(), QSize(10, kMaxFlagSide));
}

TEST(LanguageFiles, MissingDirectoryGivesNoLanguages) {
    EXPECT_TRUE(FillLanguageList(QStringLiteral("/nonexistent/kinvarro")).empty());
}

TEST(LoadMessages, MissingKeysGetTheirBuiltInDefaults) {
    MessageTable messages;
    for (int i = 0; i < kMessageCount; ++i)
        messages.setText(Msg(i), QStringLiteral("previous language"));

    const IniFile file =
        IniFile::fromBytes(QByteArray::fromStdString(std::string("[APP_MSG]\r\n"
                                                                 "mError=Error\r\n"
                                                                 "MFATHER=father\r\n"
                                                                 "[Form1]\r\n"
                                                                 "mMother=mother\r\n")));
    LoadMessages(messages, file);
    EXPECT_EQ(messages.text(Msg::mError), QStringLiteral("Error"));
    EXPECT_EQ(messages.text(Msg::mFather), QStringLiteral("father"));
    EXPECT_EQ(messages.text(Msg::mMother), QString::fromUtf8("мать"));
    EXPECT_EQ(messages.text(Msg::mSaveChanges), QString::fromUtf8("Сохранить изменения"));
}

TEST(LoadMessages, MissingFileGivesAllDefaults) {
    MessageTable messages;
    messages.setText(Msg::mKinvarro, QStringLiteral("changed"));
    IniFile missing;
    ASSERT_TRUE(missing.load(QStringLiteral("/nonexistent/English.lng")).ok());
    LoadMessages(messages, missing);
    for (int i = 0; i < kMessageCount; ++i)
        EXPECT_EQ(messages.text(Msg(i)), MessageTable::defaultText(Msg(i))) << i;
}

TEST(LoadLanguageFile, ABrokenFileIsNamedWithWhereItBreaks) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    MessageTable english;
    english.setText(Msg::mLanguageFileProblem, "file %1: %2");
    english.setText(Msg::mLanguageFileBinary, "binary on line %1");
    english.setText(Msg::mLanguageFileUnclosedSection, "open header on line %1");
    english.setText(Msg::mLanguageFileTooLarge, "over %1 MiB");
    const std::string good = "[APP_MSG]\r\nmYes=Yes\r\n";
    struct Case {
        const char *name;
        std::string bytes;
        const char *problem;  // after the path; empty when the file is read
    };
    const Case cases[] = {
        {"good.lng", good, ""},
        {"binary.lng", good + std::string("mNo=N\0o\r\n", 9), "binary on line 3"},
        {"elf.lng",
         std::string("\x7F"
                     "ELF\x02\x01\x01\0\0",
                     9),
         "binary on line 1"},
        {"header.lng", "[APP_MSG]\r\nmYes=Yes\r\n[Form1\r\nNLanguage=x\r\n",
         "open header on line 3"},
        {"large.lng", good + std::string(1024 * 1024, ' '), "over 1 MiB"},
    };
    for (const Case &c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        writeFile(path, c.bytes);
        IniFile file;
        const QString problem = LoadLanguageFile(path, file, english);
        if (*c.problem == '\0') {
            EXPECT_TRUE(problem.isEmpty()) << c.name << problem.toStdString();
            EXPECT_EQ(file.readString(u"APP_MSG", u"mYes", QString()), "Yes");
        } else {
            EXPECT_EQ(problem, "file " + QDir::toNativeSeparators(path) + ": " + c.problem);
            EXPECT_EQ(file.readString(u"APP_MSG", u"mYes", "unread"), "unread") << c.name;
        }
    }
    IniFile file;
    EXPECT_TRUE(LoadLanguageFile(dir.filePath("missing.lng"), file, english).isEmpty());
}
