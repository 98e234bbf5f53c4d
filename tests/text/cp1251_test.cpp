#include <gtest/gtest.h>
#include <QStringDecoder>

#include "text/cp1251.h"

using namespace kinvarro;

TEST(Cp1251, EveryByteRoundTripsAndMatchesTheSystemCodec) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(char(b));
    const QString text = fromCp1251(all);
    EXPECT_EQ(toCp1251(text), all);

    QStringDecoder system("windows-1251");
    const QString expected = system.decode(QByteArray::fromStdString(all));
    for (int i = 0; i < text.size(); ++i) {
        if (i + 1 == 0x98)
            continue;  // unassigned in the code page
        EXPECT_EQ(text[i], expected[i]) << "byte " << i + 1;
    }
}

TEST(Cp1251, UnmappableCharactersAreReported) {
    QString unmappable;
    const std::string bytes = toCp1251(QString::fromUtf8("Jürgen ✓ Иван ✓"), &unmappable);
    EXPECT_EQ(bytes, "J?rgen ? \xC8\xE2\xE0\xED ?");
    EXPECT_EQ(unmappable, QString::fromUtf8("ü✓"));
    EXPECT_FALSE(fitsCp1251(QString::fromUtf8("ü")));
    EXPECT_TRUE(fitsCp1251(QString::fromUtf8("Ёё№")));
}

TEST(Cp1251, ConvertsStraightToUtf8) {
    std::string every;
    for (int b = 0; b < 256; ++b)
        every += char(b);
    EXPECT_EQ(QByteArray::fromStdString(cp1251ToUtf8(every)), fromCp1251(every).toUtf8());
    EXPECT_EQ(QByteArray::fromStdString(cp1251ToUtf8("\xB9 \xC8\x88")),
              QByteArray("\xE2\x84\x96 \xD0\x98\xE2\x82\xAC"));
    EXPECT_TRUE(cp1251ToUtf8("").empty());
}
