#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

#include "language_words.h"
#include "settings/language_files.h"
#include "text/cp1251.h"

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
        // A default without Cyrillic (the program name, the GEDCOM limits) is English already.
        const QString russianText = MessageTable::defaultText(message);
        const bool cyrillic = std::any_of(russianText.begin(), russianText.end(), [](QChar c) {
            return c.script() == QChar::Script_Cyrillic;
        });
        if (cyrillic) {
            EXPECT_NE(translation, MessageTable::defaultText(message))
                << "English " << key.toStdString();
        }
    }
    // The caption keeps its two blanks on each side only through its quotes.
    for (const IniFile *file : {&russian, &english})
        EXPECT_EQ(file->readString(u"Form1", u"NLanguage", absent), "  Do you speak..  ");
}

namespace {

// Every "key=value" value of a language file, with where it stands, for the messages.
std::vector<std::pair<QString, QString>> valuesOf(const QString &path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    const QStringList lines =
        fromCp1251(std::string_view(bytes.data(), std::size_t(bytes.size()))).split(u'\n');
    std::vector<std::pair<QString, QString>> values;
    QString section;
    for (QString line : lines) {
        line = line.trimmed();
        if (line.startsWith(u'[')) {
            section = line;
        } else if (const qsizetype equals = line.indexOf(u'='); equals > 0) {
            values.emplace_back(section + u' ' + line.left(equals), line.mid(equals + 1));
        }
    }
    return values;
}

}  // namespace

// Every caption and message of the English file is English, of the Russian file Russian:
// no interface shows the other language. Names of programs, formats and standards, and
// the language menu's caption (the same in every language, so that it can always be
// found) are the only Latin words of the Russian file.
TEST(ShippedLanguages, EachShowsOnlyItsOwnLanguage) {
    const QString directory = QCoreApplication::applicationDirPath();
    for (const auto &[where, value] : valuesOf(directory + QStringLiteral("/English.lng")))
        EXPECT_FALSE(test::hasCyrillic(value))
            << "English " << where.toStdString() << ": " << value.toStdString();
    int checked = 0;
    for (const auto &[where, value] : valuesOf(directory + QStringLiteral("/Russian.lng"))) {
        EXPECT_EQ(test::foreignWordsInRussian(value), QStringList())
            << "Russian " << where.toStdString();
        ++checked;
    }
    EXPECT_GT(checked, kMessageCount);
}
