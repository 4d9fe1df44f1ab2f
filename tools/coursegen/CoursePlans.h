#pragma once

#include <string>
#include <vector>

// What one lesson holds, written as UTF-8 in the plans below. The builder turns it into
// lines in this order: drills, letter groups, patterns, words with the new characters,
// words of everything known, sentences, prose.
struct LessonStep
{
    std::string title;
    std::string newLetters; // may hold ':', which the header leaves out
    std::string focus;      // a review's characters: its words and sentences favour them
    int testEntry = 0;
    bool symbolKeys = false; // keys away from the letters: a gentler speed limit
    std::string drill;       // blank-separated drill tokens; the first line keeps their order
    int drillLines = 0;
    int groupLines = 0;
    // Tokens with placeholders: ¦n number, ¦k amount with decimals, ¦d digit,
    // ¦w any word, ¦c capitalised word.
    std::vector<std::string> patterns;
    int patternLines = 0;
    int newWordLines = 0;
    int wordLines = 0;
    int sentenceLines = 0;
    std::vector<std::string> prose; // keys of paragraphs in the prose file
    bool onePerLine = false;        // keypad: each drill token and pattern is a line of its own
};

struct CoursePlan
{
    std::string identity; // also the file name: data/lessons/<identity>.ddd.utf8
    int minLessons = 0;
    std::string wordsFile; // inputs/, empty for none
    std::string commonWordsFile;
    // Word-list words with these endings are left out (German comparatives such as
    // "leererer" are correct but read like typing errors).
    std::vector<std::string> avoidEndings;
    std::string sentencesFile;
    std::string proseFile;
    char decimalSeparator = ',';
    // English: a capitalised word may be any word with a capital first letter. German
    // capitals belong to nouns, so there only the word list's own capitals count.
    bool capitaliseWords = false;
    std::vector<LessonStep> steps;
};

CoursePlan GermanPlan();
CoursePlan EnglishPlan();
CoursePlan KeypadPlan();
