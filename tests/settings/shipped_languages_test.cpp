#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>

#include "settings/language_files.h"

using namespace kinvarro;

// The build copies the shipped language files next to this test, as next to the program.

namespace {

const LanguageEntry *findLanguage(const std::vector<LanguageEntry> &languages, const char *name) {
    for (const LanguageEntry &language : languages) {
        if (language.name == QLatin1String(name))
            return &language;
    }
    return nullptr;
}

}  // namespace

TEST(ShippedLanguages, AreListedWithFlags) {
    const std::vector<LanguageEntry> languages =
        FillLanguageList(QCoreApplication::applicationDirPath());
    for (const char *name : {"English", "Russian"}) {
        const LanguageEntry *language = findLanguage(languages, name);
        ASSERT_NE(language, nullptr) << name;
        EXPECT_FALSE(language->flag.isNull()) << name;

        QFile file(language->filePath);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << name << " must be Windows-1251";
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << name << " must end lines with CR LF";
    }
}

TEST(ShippedLanguages, HoldEveryMessage) {
    const QString directory = QCoreApplication::applicationDirPath();
    IniFile russian;
    IniFile english;
    ASSERT_TRUE(russian.load(directory + QStringLiteral("/Russian.lng")).ok());
    ASSERT_TRUE(english.load(directory + QStringLiteral("/English.lng")).ok());

    const QString absent = QStringLiteral("<absent>");
    for (int i = 0; i < kMessageCount; ++i) {
        const Msg message = Msg(i);
        const QString key = QString::fromLatin1(MessageTable::key(message));
        EXPECT_EQ(russian.readString(u"APP_MSG", key, absent), MessageTable::defaultText(message))
            << "Russian " << key.toStdString();
        const QString translation = english.readString(u"APP_MSG", key, absent);
        EXPECT_NE(translation, absent) << "English " << key.toStdString();
        // The program's name and the import's resource messages are English in every language.
        const bool sameInEnglish = message == Msg::mKinvarro || message == Msg::mTooManyIndi ||
                                   message == Msg::mTooManyFam ||
                                   message == Msg::mNotEnoughResources;
        if (!sameInEnglish) {
            EXPECT_NE(translation, MessageTable::defaultText(message))
                << "English " << key.toStdString();
        }
    }
    // The caption keeps its two blanks on each side only through its quotes.
    for (const IniFile *file : {&russian, &english})
        EXPECT_EQ(file->readString(u"Form1", u"NLanguage", absent), "  Do you speak..  ");
}
