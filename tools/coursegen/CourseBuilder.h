#pragma once

#include "CourseLesson.h"
#include "CoursePlans.h"
#include "TextComposer.h"
#include "WordPool.h"

#include <map>
#include <string>
#include <vector>

// Turns a course plan and its inputs (word list, sentences, prose) into lessons.
class CourseBuilder
{
public:
    explicit CourseBuilder(const CoursePlan& plan);

    // Reads the plan's input files from `inputDir`. False with a message on failure.
    bool LoadInputs(const std::string& inputDir, std::string& error);

    // Direct inputs, for callers that do not read files.
    void AddWord(const std::string& utf8);
    void AddSentence(const std::string& utf8);
    void AddProse(const std::string& key, const std::string& utf8);

    CourseText Build();

    // Speed rises from 60 to 200 keystrokes per minute over the course (symbol keys get
    // 25 less), the error limit tightens from 3 % to 1 %.
    static double SpeedLimitAt(int index, int count, bool symbolKeys);
    static double ErrorLimitAt(int index, int count);

private:
    std::vector<std::string> BuildLines(const LessonStep& step, const std::string& known,
                                        const std::string& fresh, TextComposer& composer);
    std::string Word(const WordPool::Choice& choice, TextComposer& composer);
    std::string Fill(const std::string& pattern, const std::string& known, TextComposer& composer);
    std::vector<std::string> Sentences(int lineBudget, const std::string& known, const std::string& fresh,
                                       TextComposer& composer);

    CoursePlan m_plan;
    WordPool m_words;
    std::vector<std::string> m_sentences;     // Windows-1250
    std::map<std::string, int> m_sentenceUse; // how often each sentence was used
    std::map<std::string, std::string> m_prose;
    // Word choices for the characters known so far, shared by a lesson's patterns.
    std::string m_choiceKnown;
    WordPool::Choice m_anyWord;
    WordPool::Choice m_capitalised;
    void UpdateChoices(const std::string& known);
};
