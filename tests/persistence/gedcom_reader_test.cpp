#include <gtest/gtest.h>

#include "persistence/gedcom_reader.h"
#include "settings/message_table.h"
#include "test_support.h"

using namespace kinvarro;
using kinvarro::test::cp;

namespace {

GedcomRecords read(const char *utf8) {
    GedcomRecords records;
    const std::string text = cp(utf8);
    EXPECT_EQ(ReadGedcomRecords(text, MessageTable(), records), GedcomReadOutcome::Complete);
    return records;
}

}  // namespace

TEST(GedcomReader, StripXrefRemovesBlanksAndAtSigns) {
    EXPECT_EQ(StripXref("@I5@ "), "I5");
    EXPECT_EQ(StripXref(" @@I5 @"), "I5");
    EXPECT_EQ(StripXref("@@"), "");
    EXPECT_EQ(StripXref("I 5"), "I 5");
}

TEST(GedcomReader, ReadsIndividualsWithSexNamesAndEvents) {
    const GedcomRecords r = read(
        "0 HEAD\n1 NOTE Общая\n2 CONT строка\n2 CONC дальше\n"
        "0 @I1@ indi\n1 NAME Иван /Петров/\n1 SEX M\n1 BIRT\n1 SEX F\n2 DATE 1 JAN 1900\n"
        "2 PLAC Киев\n1 DEAT\n2 DATE 1950\n1 BAPM\n2 DATE 1901\n2 PLAC ignored\n"
        "1 ENDL\n2 date 1920\n"
        "0 @I2@ INDI\n1 SEX MALE\n1 BIRT\n2 DATE 1800\n1 NOTE Заметка\n2 CONT abc\n2 CONC abc\n"
        "2 CONT\n1 NAME first\n1 name second\n"
        "0 @i3@ INDI\n1 sex f\n1 NOTE\n2 CONT lost\n"
        "0 INDI without identifier\n");
    ASSERT_EQ(r.individuals.size(), 4u);
    EXPECT_EQ(r.headerNote, cp("Общая\r\n строка дальше"));
    const GedcomIndividual &ivan = r.individuals[0];
    EXPECT_EQ(ivan.id, "I1");
    EXPECT_EQ(ivan.name, cp("Иван /Петров/"));
    EXPECT_EQ(ivan.sex, 2);  // the later SEX F line wins and keeps the birth context
    EXPECT_EQ(ivan.note, cp("\r\nДата рождения: 1 JAN 1900\r\nМесто рождения: Киев"
                            "\r\nДата смерти: 1950\r\nКрещение: 1901\r\nДата рукоположения: 1920"));
    const GedcomIndividual &second = r.individuals[1];
    EXPECT_EQ(second.sex, 0);
    EXPECT_EQ(second.note, cp("Заметка\r\n abc abc"));  // NOTE replaced the birth lines
    EXPECT_EQ(second.name, "second");
    EXPECT_EQ(r.individuals[2].id, "i3");
    EXPECT_EQ(r.individuals[2].sex, 2);
    EXPECT_EQ(r.individuals[2].note, "");
    EXPECT_EQ(r.individuals[3].id, "");
}

TEST(GedcomReader, ReadsFamiliesAndTakesRecordTypesFromAnyWordOfTheLine) {
    const GedcomRecords r = read(
        "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@ \n1 CHIL @I3@\n1 CHIL @I4@\n"
        "0 NOTE about the FAMILY tree\n1 HUSB @I9@\n"
        "0 @F3@ fam\n1 CHIL @I5@\n"
        "0 @N1@ NOTE x\n1 HUSB @I7@\n");
    ASSERT_EQ(r.families.size(), 3u);
    EXPECT_TRUE(r.families[0].hasHusband);
    EXPECT_EQ(r.families[0].husband, "I1");
    EXPECT_EQ(r.families[0].wife, "I2");
    EXPECT_EQ(r.families[0].children, (std::vector<std::string>{"I3", "I4"}));
    EXPECT_EQ(r.families[1].husband, "I9");
    EXPECT_FALSE(r.families[2].hasHusband);
    EXPECT_EQ(r.families[2].children, (std::vector<std::string>{"I5"}));
}

TEST(GedcomReader, StopsPastTheRecordLimits) {
    for (const bool families : {false, true}) {
        const int limit = families ? kMaxGedcomFamilies : kMaxGedcomIndividuals;
        std::string text;
        for (int i = 0; i <= limit; ++i)
            text += families ? "0 @F@ FAM\n" : "0 @I@ INDI\n";
        GedcomRecords records;
        EXPECT_EQ(
            ReadGedcomRecords(text, MessageTable(), records),
            families ? GedcomReadOutcome::TooManyFamilies : GedcomReadOutcome::TooManyIndividuals);
        text.resize(text.size() - (families ? 10 : 11));
        records = {};
        EXPECT_EQ(ReadGedcomRecords(text, MessageTable(), records), GedcomReadOutcome::Complete);
    }
}
