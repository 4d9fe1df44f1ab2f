#include "WizardTestFolder.h"

#include "wizard/LessonSeriesList.h"
#include "wizard/TestLessonList.h"

#include <fstream>

TEST_F(WizardTestFolder, SeriesListKeepsEveryNonRemarkLineWithItsFourFields)
{
    WriteConfigText("lessons.txt", {
                                       "; courses",
                                       "00000407_a:00000407:Deutsch:Für die deutsche Tastatur.:",
                                       "",
                                       "ohne Doppelpunkte",
                                       "NUM_b:NUM:Ziffern",
                                       "00000407_b:00000407::",
                                   });
    LessonSeriesList list;
    ASSERT_TRUE(list.Load());
    const auto& entries = list.Entries();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].code, "00000407_a");
    EXPECT_EQ(entries[0].keyboardName, "00000407");
    EXPECT_EQ(entries[0].title, "Deutsch");
    EXPECT_EQ(entries[0].description, W("Für die deutsche Tastatur."));
    // Empty lines and lines without colons are records with empty fields.
    EXPECT_EQ(entries[1].code, "");
    EXPECT_EQ(entries[2].code, "");
    EXPECT_EQ(entries[2].keyboardName, "");
    // A field without its colon is missing, and so is everything after it.
    EXPECT_EQ(entries[3].keyboardName, "NUM");
    EXPECT_EQ(entries[3].title, "");
    EXPECT_EQ(entries[4].title, "");

    EXPECT_EQ(list.ForKeyboard("00000407"), (std::vector<int>{0, 4}));
    EXPECT_EQ(list.ForKeyboard("NUM"), (std::vector<int>{3}));
    EXPECT_TRUE(list.ForKeyboard("00000409").empty());
}

TEST_F(WizardTestFolder, SeriesListFailsForAMissingOrOversizedFile)
{
    LessonSeriesList list;
    EXPECT_FALSE(list.Load());

    std::ofstream(m_root + "config/lessons.txt", std::ios::binary)
        << std::string(LessonSeriesList::kMaxFileSize + 1, 'x');
    EXPECT_FALSE(list.Load());
    EXPECT_TRUE(list.Entries().empty());
}

TEST(LessonSeriesListTest, LessonSetIsTheLastTwoCharactersOfTheCode)
{
    EXPECT_EQ(LessonSeriesList::LessonSetOf("00000407_a"), "_a");
    EXPECT_EQ(LessonSeriesList::LessonSetOf("NUM_b"), "_b");
    EXPECT_EQ(LessonSeriesList::LessonSetOf("x"), "x");
    EXPECT_EQ(LessonSeriesList::LessonSetOf(""), "");
}

TEST_F(WizardTestFolder, TestLessonsCarryTheLettersOfAllLessonsBeforeThem)
{
    WriteCourse("00000407_a", {
                                  "Grundreihe",
                                  "asdf:0:70:1:",
                                  "asdf",
                                  "",
                                  "Rechte Hand",
                                  "jklö:1:82.5:0.75:",
                                  "jklö",
                                  "",
                                  "E und I",
                                  "ei:0:",
                                  "eis",
                                  "",
                                  "Großbuchstaben",
                                  "ßÄ:3:1e300:-2:",
                                  "Maß",
                              });
    LessonCatalog& catalog = Catalog();
    ASSERT_TRUE(catalog.ReloadLessons());
    ASSERT_EQ(catalog.LessonCount(), 4);
    const std::vector<TestLessonRow> rows = TestLessonList::Build(catalog);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].lessonIndex, 1);
    EXPECT_EQ(rows[0].letters, W("asdfjklö"));
    EXPECT_EQ(rows[0].errorLimit, "0.75");
    EXPECT_EQ(rows[0].speedLimit, "82.50");
    EXPECT_EQ(rows[1].lessonIndex, 3);
    EXPECT_EQ(rows[1].letters, W("asdfjklöeißÄ"));
    EXPECT_EQ(rows[1].errorLimit, "-2.00");
    // Even an absurd limit from a damaged file is written out in full.
    EXPECT_EQ(rows[1].speedLimit.size(), 304u);
    EXPECT_EQ(rows[1].speedLimit.substr(0, 2), "10");
}
