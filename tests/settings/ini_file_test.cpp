#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <climits>

#include "settings/ini_file.h"
#include "test_support.h"
#include "text/doc_text.h"

using namespace kinvarro;

namespace {

IniFile parse(const std::string &bytes) {
    return IniFile::fromBytes(QByteArray::fromStdString(bytes));
}

const QString kDefault = QStringLiteral("<default>");

// The Windows-1251 bytes of UTF-8 source text, as older files hold them.
std::string w1251(const char *utf8) {
    return docTextToCp1251(utf8);
}

struct ReadCase {
    const char *what;
    std::string file;  // Windows-1251 bytes
    const char *section;
    const char *key;
    const char *expected;  // UTF-8; nullptr for the default
};

}  // namespace

TEST(IniFile, ReadsValuesByTheProfileRules) {
    const ReadCase cases[] = {
        {"section and key ignore case", "[Form1]\r\nLabel1=Text\r\n", "FORM1", "label1", "Text"},
        {"Cyrillic names ignore case", w1251("[Раздел]\nКлюч=значение\n"), "РАЗДЕЛ", "ключ",
         "значение"},
        {"values decode from Windows-1251", "[s]\nk=\xC8\xE2\xE0\xED \xB8\xB9\n", "s", "k",
         "Иван ё№"},
        {"blanks around names and values go", "[ s ]\n  my key \t=  a  b \t\n", "s", "my key",
         "a  b"},
        {"a no-break space is text", "[s]\nk=\xA0x\xA0\n", "s", "k", "\u00A0x\u00A0"},
        {"double quotes keep blanks", "[s]\nk= \" padded \" \n", "s", "k", " padded "},
        {"single quotes are removed too", "[s]\nk='x'\n", "s", "k", "x"},
        {"only one pair of quotes goes", "[s]\nk=\"\"x\"\"\n", "s", "k", "\"x\""},
        {"unmatched quotes stay", "[s]\nk=\"x'\n", "s", "k", "\"x'"},
        {"a lone quote stays", "[s]\nk=\"\n", "s", "k", "\""},
        {"inner quotes stay", w1251("[s]\nk=Добавить \"событие\"\n"), "s", "k",
         "Добавить \"событие\""},
        {"no escapes", "[s]\nk=a\\nb\\t\\\\\n", "s", "k", "a\\nb\\t\\\\"},
        {"an empty value is a value", "[s]\nk=\n", "s", "k", ""},
        {"equals signs after the first belong to the value", "[s]\nk=a=b\n", "s", "k", "a=b"},
        {"semicolons inside a value stay", "[s]\nk=a ; b\n", "s", "k", "a ; b"},
        {"the first duplicate wins", "[s]\nk=1\nK=2\n", "s", "k", "1"},
        {"first wins across repeated sections", "[s]\nk=1\n[t]\nk=x\n[S]\nk=2\n", "s", "k", "1"},
        {"repeated sections add keys", "[s]\nk=1\n[t]\n[S]\nj=3\n", "s", "j", "3"},
        {"comment lines are skipped", "[s]\n;k=1\n  ; k=2\nk=3\n", "s", "k", "3"},
        {"lines without '=' are skipped", "[s]\nnonsense\nk=v\n", "s", "k", "v"},
        {"CR LF line ends", "[s]\r\nk=v\r\nj=w\r\n", "s", "k", "v"},
        {"a last line without a line end", "[s]\nk=v", "s", "k", "v"},
        {"a UTF-8 byte-order mark marks UTF-8 text", "\xEF\xBB\xBF[s]\nk=\xD0\x98\xD0\xB2\n", "s",
         "k", "Ив"},
        {"missing key", "[s]\nk=v\n", "s", "other", nullptr},
        {"missing section", "[s]\nk=v\n", "t", "k", nullptr},
        {"keys before any section belong to none", "k=v\n[s]\n", "s", "k", nullptr},
        {"a key in another section", "[s]\n[t]\nk=v\n", "s", "k", nullptr},
        {"empty file", "", "s", "k", nullptr},
    };
    for (const ReadCase &c : cases) {
        const QString expected = c.expected ? QString::fromUtf8(c.expected) : kDefault;
        EXPECT_EQ(parse(c.file).readString(QString::fromUtf8(c.section), QString::fromUtf8(c.key),
                                           kDefault),
                  expected)
            << c.what;
    }
}

TEST(IniFile, LongValuesAreCut) {
    for (const qsizetype length : {2046, 2047, 2048, 5000}) {
        const std::string value(std::size_t(length), 'x');
        const IniFile plain = parse("[s]\nk=" + value + "\n");
        EXPECT_EQ(plain.readString(u"s", u"k", kDefault).size(), std::min<qsizetype>(length, 2047))
            << length;
        const IniFile quoted = parse("[s]\nk=\"" + value + "\"\n");
        EXPECT_EQ(quoted.readString(u"s", u"k", kDefault).size(), std::min<qsizetype>(length, 2047))
            << "quoted " << length;
    }
}

TEST(IniFile, ReadsDecimalIntegersOnly) {
    const struct {
        const char *value;
        int expected;
    } cases[] = {
        {"42", 42},
        {"-7", -7},
        {"  12  ", 12},
        {"15132390", 15132390},
        {"-2147483648", INT_MIN},
        {"2147483647", INT_MAX},
        {"2147483648", -99},
        {"12abc", -99},
        {"abc", -99},
        {"0x10", -99},
        {"", -99},
    };
    for (const auto &c : cases) {
        const IniFile ini = parse(std::string("[s]\nk=") + c.value + "\n");
        EXPECT_EQ(ini.readInteger(u"s", u"k", -99), c.expected) << c.value;
    }
    EXPECT_EQ(parse("[s]\n").readInteger(u"s", u"k", 5), 5);
}

TEST(IniFile, WritingKeepsEverythingElse) {
    IniFile ini =
        parse(w1251("; тема\r\n"
                    "[General]\r\n"
                    "Name=Old\r\n"
                    "NTile = 0\r\n"
                    "\r\n"
                    "[Other]\r\n"
                    "Keep=1\r\n"));
    ini.writeString(QStringLiteral("general"), QStringLiteral("ntile"), QStringLiteral("1"));
    ini.writeInteger(QStringLiteral("General"), QStringLiteral("Canvas_Size"), 10);
    ini.writeString(QStringLiteral("New"), QStringLiteral("Title"), QString::fromUtf8("Тема"));

    EXPECT_EQ(ini.toBytes().toStdString(), w1251("; тема\r\n"
                                                 "[General]\r\n"
                                                 "Name=Old\r\n"
                                                 "ntile=1\r\n"
                                                 "Canvas_Size=10\r\n"
                                                 "\r\n"
                                                 "[Other]\r\n"
                                                 "Keep=1\r\n"
                                                 "[New]\r\n"
                                                 "Title=Тема\r\n"));
    EXPECT_EQ(ini.readInteger(u"General", u"NTile", -1), 1);
    EXPECT_EQ(ini.readInteger(u"General", u"Canvas_Size", -1), 10);
    EXPECT_EQ(ini.readString(u"Other", u"Keep", kDefault), QStringLiteral("1"));
}

TEST(IniFile, WrittenValuesReadBackUnchanged) {
    const struct {
        const char *written;
        const char *readBack;
    } cases[] = {
        {"plain", "plain"},           {" leading", " leading"},
        {"trailing ", "trailing "},   {"\"quoted\"", "\"quoted\""},
        {"'quoted'", "'quoted'"},     {"", ""},
        {"a\r\nb", "a  b"},           {"Иван", "Иван"},
        {"Zoë Müller", "Zoë Müller"}, {"Σωκράτης 李小龍 𐌰", "Σωκράτης 李小龍 𐌰"},
    };
    for (const auto &c : cases) {
        IniFile ini;
        ini.writeString(QStringLiteral("s"), QStringLiteral("k"), QString::fromUtf8(c.written));
        const IniFile reread = IniFile::fromBytes(ini.toBytes());
        EXPECT_EQ(reread.readString(u"s", u"k", kDefault), QString::fromUtf8(c.readBack))
            << c.written;
    }
}

TEST(IniFile, SavesAndLoadsWindows1251Files) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("user_theme1.thm"));

    IniFile ini;
    ini.writeString(QStringLiteral("General"), QStringLiteral("Name"), QString::fromUtf8("Осень"));
    ASSERT_TRUE(ini.save(path).ok());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), w1251("[General]\r\nName=Осень\r\n"));

    IniFile loaded;
    ASSERT_TRUE(loaded.load(path).ok());
    EXPECT_EQ(loaded.readString(u"general", u"name", kDefault), QString::fromUtf8("Осень"));

    EXPECT_FALSE(ini.save(dir.filePath(QStringLiteral("missing/x.thm"))).ok());
}

// Files stay Windows-1251, byte for byte, while their text fits it; a character
// the code page lacks makes the file UTF-8 with a byte-order mark, and a file
// read as UTF-8 is written back in it.
TEST(IniFile, WritesUtf8OnlyWhenWindows1251CannotHoldTheText) {
    const std::string bom = "\xEF\xBB\xBF";
    const struct {
        const char *what;
        std::string file;
        const char *value;  // UTF-8, written under [s] k
        std::string written;
    } cases[] = {
        {"Windows-1251 text stays so", w1251("[s]\r\nk=Иван\r\n"), "Пётр",
         w1251("[s]\r\nk=Пётр\r\n")},
        {"a letter beyond it makes UTF-8", w1251("; тема\r\n[s]\r\nk=Иван\r\n"),
         "/tmp/Zoë/Łódź/家族.kvr", bom + "; тема\r\n[s]\r\nk=/tmp/Zoë/Łódź/家族.kvr\r\n"},
        {"UTF-8 stays UTF-8", bom + "[s]\r\nk=Zoë\r\n", "Иван", bom + "[s]\r\nk=Иван\r\n"},
    };
    for (const auto &c : cases) {
        IniFile ini = parse(c.file);
        ini.writeString(QStringLiteral("s"), QStringLiteral("k"), QString::fromUtf8(c.value));
        const QByteArray written = ini.toBytes();
        EXPECT_EQ(written.toStdString(), c.written) << c.what;
        const IniFile reread = IniFile::fromBytes(written);
        EXPECT_EQ(reread.readString(u"s", u"k", kDefault), QString::fromUtf8(c.value)) << c.what;
        EXPECT_EQ(reread.toBytes(), written) << c.what;
    }
}

// A value is cut at the limit, but never inside a character beyond the Basic
// Multilingual Plane, whose half could not be saved again.
TEST(IniFile, CuttingALongValueKeepsWholeCharacters) {
    std::string value(IniFile::kMaxValueLength - 1, 'x');
    value += "𐌰𐌰";
    const IniFile ini = parse(std::string("\xEF\xBB\xBF[s]\nk=") + value + "\n");
    const QString read = ini.readString(u"s", u"k", kDefault);
    EXPECT_EQ(read, QString(IniFile::kMaxValueLength - 1, u'x'));
}

TEST(IniFile, LoadingProblemsLeaveItEmpty) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    IniFile ini = parse("[s]\nk=v\n");

    // A missing file is simply empty, as for the profile functions.
    EXPECT_TRUE(ini.load(dir.filePath(QStringLiteral("absent.lng"))).ok());
    EXPECT_EQ(ini.readString(u"s", u"k", kDefault), kDefault);

    const QString big = dir.filePath(QStringLiteral("big.lng"));
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[s]\nk=v\n");
        ASSERT_TRUE(file.resize(IniFile::kMaxFileSize + 1));
    }
    ini = parse("[s]\nk=v\n");
    const Status tooBig = ini.load(big);
    EXPECT_FALSE(tooBig.ok());
    EXPECT_TRUE(tooBig.message().contains(QStringLiteral("1 MiB")))
        << tooBig.message().toStdString();
    EXPECT_EQ(ini.readString(u"s", u"k", kDefault), kDefault);

    EXPECT_FALSE(ini.load(dir.path()).ok());
}
