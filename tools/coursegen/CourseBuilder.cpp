#include "CourseBuilder.h"

#include "KeyboardCharacters.h"
#include "resources/TextCodec.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <set>

namespace {

constexpr char kPlaceholder = '\xA6'; // '¦' in Windows-1250
constexpr int kProseWidth = 66;

const std::string& LowerLetters()
{
    static const std::string letters = TextCodec::FromUtf8("abcdefghijklmnopqrstuvwxyzäöüß");
    return letters;
}

std::string Only(const std::string& text, const std::string& allowed)
{
    std::string out;
    for (char c : text) {
        if (allowed.find(c) != std::string::npos && out.find(c) == std::string::npos) {
            out += c;
        }
    }
    return out;
}

std::vector<std::string> SplitBlanks(const std::string& text)
{
    std::vector<std::string> tokens;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        if (end > start) {
            tokens.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return tokens;
}

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, std::string& error)
{
    std::ifstream in(path);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return true;
}

std::uint32_t Seed(const std::string& text, int index)
{
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return hash + static_cast<std::uint32_t>(index) * 7919u;
}

struct LessonWords
{
    WordPool::Choice fresh;
    WordPool::Choice all;
};

} // namespace

CourseBuilder::CourseBuilder(const CoursePlan& plan)
    : m_plan(plan)
{
    for (const std::string& ending : plan.avoidEndings) {
        m_words.AvoidEnding(TextCodec::FromUtf8(ending));
    }
}

bool CourseBuilder::LoadInputs(const std::string& inputDir, std::string& error)
{
    if (!m_plan.wordsFile.empty() && !m_words.Load(inputDir + "/" + m_plan.wordsFile, error)) {
        return false;
    }
    if (!m_plan.commonWordsFile.empty() &&
        !m_words.LoadPreferred(inputDir + "/" + m_plan.commonWordsFile, error)) {
        return false;
    }
    std::vector<std::string> lines;
    if (!m_plan.sentencesFile.empty()) {
        if (!ReadTextLines(inputDir + "/" + m_plan.sentencesFile, lines, error)) {
            return false;
        }
        for (const std::string& line : lines) {
            if (!line.empty() && line.front() != '#') {
                AddSentence(line);
            }
        }
    }
    if (!m_plan.proseFile.empty()) {
        lines.clear();
        if (!ReadTextLines(inputDir + "/" + m_plan.proseFile, lines, error)) {
            return false;
        }
        std::string key;
        std::string text;
        auto flush = [&] {
            if (!key.empty()) {
                AddProse(key, text);
            }
            key.clear();
            text.clear();
        };
        for (const std::string& line : lines) {
            if (!line.empty() && line.front() == '#') {
                continue;
            }
            if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
                flush();
                key = line.substr(1, line.size() - 2);
            } else if (!line.empty()) {
                text += (text.empty() ? "" : " ") + line;
            }
        }
        flush();
    }
    return true;
}

void CourseBuilder::AddWord(const std::string& utf8)
{
    m_words.Add(TextCodec::FromUtf8(utf8));
}

void CourseBuilder::AddSentence(const std::string& utf8)
{
    m_sentences.push_back(TextCodec::FromUtf8(utf8));
    m_words.PreferWordsOf(m_sentences.back());
}

void CourseBuilder::AddProse(const std::string& key, const std::string& utf8)
{
    m_prose[key] = TextCodec::FromUtf8(utf8);
    m_words.PreferWordsOf(m_prose[key]);
}

double CourseBuilder::SpeedLimitAt(int index, int count, bool symbolKeys)
{
    const double share = count > 1 ? static_cast<double>(index) / (count - 1) : 0.0;
    double speed = std::round((60.0 + 140.0 * share) / 5.0) * 5.0;
    if (symbolKeys) {
        speed = std::max(60.0, speed - 25.0);
    }
    return speed;
}

double CourseBuilder::ErrorLimitAt(int index, int count)
{
    const double share = count > 1 ? static_cast<double>(index) / (count - 1) : 0.0;
    return std::max(1.0, std::round((3.0 - 2.0 * share) * 4.0) / 4.0);
}

CourseText CourseBuilder::Build()
{
    CourseText course;
    course.identity = m_plan.identity;
    const std::string keyboard = m_plan.identity.substr(0, m_plan.identity.find('_'));
    std::string known = KeyboardCharacters::Implicit(keyboard);
    m_sentenceUse.clear();
    const int count = static_cast<int>(m_plan.steps.size());
    for (int i = 0; i < count; ++i) {
        const LessonStep& step = m_plan.steps[i];
        CourseLesson lesson;
        lesson.title = TextCodec::FromUtf8(step.title);
        lesson.newLetters = TextCodec::FromUtf8(step.newLetters);
        lesson.testEntry = step.testEntry;
        lesson.speedLimit = SpeedLimitAt(i, count, step.symbolKeys);
        lesson.errorLimit = ErrorLimitAt(i, count);
        known += lesson.newLetters;
        TextComposer composer(Seed(m_plan.identity, i));
        lesson.lines = BuildLines(step, known, lesson.newLetters, composer);
        course.lessons.push_back(std::move(lesson));
    }
    return course;
}

std::string CourseBuilder::Word(const WordPool::Choice& choice, TextComposer& composer)
{
    if (choice.Size() == 0) {
        return {};
    }
    // Everyday words most of the time, the word list for variety.
    if (!choice.preferred.empty() && (choice.preferred.size() >= 6 || choice.others.empty()) &&
        (composer.Below(10) < 8 || choice.others.empty())) {
        return composer.Pick(choice.preferred);
    }
    return choice.others.empty() ? composer.Pick(choice.preferred) : composer.Pick(choice.others);
}

std::string CourseBuilder::Fill(const std::string& pattern, const std::string& known, TextComposer& composer)
{
    const std::string digits = Only("0123456789", known);
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != kPlaceholder || i + 1 == pattern.size()) {
            out += pattern[i];
            continue;
        }
        switch (pattern[++i]) {
        case 'n':
            out += composer.Number(digits, 4);
            break;
        case 'k': {
            // One draw per statement: within one expression the order is the compiler's
            // choice. This is the order the committed courses were made with.
            const char hundredth = digits[composer.Below(digits.size())];
            const char tenth = digits[composer.Below(digits.size())];
            out += composer.Number(digits, 3) + m_plan.decimalSeparator + tenth + hundredth;
            break;
        }
        case 'd':
            out += digits.empty() ? std::string() : std::string(1, digits[composer.Below(digits.size())]);
            break;
        case 'w':
            UpdateChoices(known);
            out += Word(m_anyWord, composer);
            break;
        case 'c':
            UpdateChoices(known);
            out += Word(m_capitalised, composer);
            break;
        default:
            out += pattern[i];
        }
    }
    return out;
}

void CourseBuilder::UpdateChoices(const std::string& known)
{
    if (known == m_choiceKnown && !known.empty()) {
        return;
    }
    m_choiceKnown = known;
    m_anyWord = m_words.Candidates(known, "");
    m_capitalised = {};
    for (auto* list : {&m_anyWord.preferred, &m_anyWord.others}) {
        for (const std::string& w : *list) {
            auto& into = list == &m_anyWord.preferred ? m_capitalised.preferred : m_capitalised.others;
            if (LowerLetters().find(w.front()) == std::string::npos) {
                into.push_back(w);
            } else if (m_plan.capitaliseWords && w.front() >= 'a' && w.front() <= 'z' &&
                       known.find(static_cast<char>(w.front() - 'a' + 'A')) != std::string::npos) {
                into.push_back(static_cast<char>(w.front() - 'a' + 'A') + w.substr(1));
            }
        }
    }
}

std::vector<std::string> CourseBuilder::Sentences(int lineBudget, const std::string& known,
                                                  const std::string& fresh, TextComposer& composer)
{
    struct Candidate
    {
        int hasFresh;
        int uses;
        size_t shuffle;
        const std::string* text;
    };
    std::vector<Candidate> candidates;
    for (const std::string& sentence : m_sentences) {
        if (sentence.find_first_not_of(known) != std::string::npos) {
            continue;
        }
        const int hasFresh = !fresh.empty() && sentence.find_first_of(fresh) != std::string::npos;
        candidates.push_back({hasFresh, m_sentenceUse[sentence], composer.Below(1000000), &sentence});
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        if (a.hasFresh != b.hasFresh) {
            return a.hasFresh > b.hasFresh;
        }
        if (a.uses != b.uses) {
            return a.uses < b.uses;
        }
        return a.shuffle < b.shuffle;
    });
    std::string text;
    std::vector<std::string> lines;
    for (const Candidate& candidate : candidates) {
        const std::string longer = text.empty() ? *candidate.text : text + " " + *candidate.text;
        const std::vector<std::string> wrapped = TextComposer::Wrap(longer, kProseWidth);
        if (static_cast<int>(wrapped.size()) > lineBudget) {
            continue;
        }
        text = longer;
        lines = wrapped;
        ++m_sentenceUse[*candidate.text];
        if (static_cast<int>(lines.size()) == lineBudget && lines.back().size() > 40) {
            break;
        }
    }
    return lines;
}

std::vector<std::string> CourseBuilder::BuildLines(const LessonStep& step, const std::string& known,
                                                   const std::string& fresh, TextComposer& composer)
{
    std::vector<std::string> lines;
    std::set<std::string> seen;
    auto add = [&](const std::string& line) {
        if (line.empty() || !seen.insert(line).second) {
            return false;
        }
        lines.push_back(line);
        return true;
    };
    // A generated line that repeats an earlier one is drawn again, a bounded number of times.
    auto addLines = [&](int wanted, const std::function<std::string()>& make) {
        for (int made = 0, tries = 0; made < wanted && tries < wanted * 20; ++tries) {
            made += add(make()) ? 1 : 0;
        }
    };
    auto width = [&] { return composer.Between(54, 66); };

    const std::vector<std::string> drill = SplitBlanks(TextCodec::FromUtf8(step.drill));
    std::vector<std::string> patterns;
    for (const std::string& p : step.patterns) {
        patterns.push_back(TextCodec::FromUtf8(p));
    }
    if (step.onePerLine) {
        for (size_t i = 0; i < drill.size() && static_cast<int>(i) < step.drillLines; ++i) {
            add(drill[i] + TextComposer::kEnter);
        }
        if (!patterns.empty()) {
            addLines(step.patternLines,
                     [&] { return Fill(composer.Pick(patterns), known, composer) + TextComposer::kEnter; });
        }
        return lines;
    }
    if (step.drillLines > 0 && !drill.empty()) {
        add(TextComposer::CycleLine(drill, 66));
        addLines(step.drillLines - 1,
                 [&] { return composer.TokenLine([&] { return composer.Pick(drill); }, width()); });
    }

    const std::string letters = Only(known, LowerLetters());
    const std::string freshLetters = Only(fresh, LowerLetters());
    addLines(step.groupLines, [&] {
        return composer.TokenLine([&] { return composer.Group(letters, freshLetters); }, width());
    });

    if (!patterns.empty()) {
        addLines(step.patternLines, [&] {
            return composer.TokenLine([&] { return Fill(composer.Pick(patterns), known, composer); },
                                      width());
        });
    }

    LessonWords words;
    const std::string prefer = fresh.empty() ? TextCodec::FromUtf8(step.focus) : fresh;
    words.fresh = m_words.Candidates(known, prefer);
    words.all = m_words.Candidates(known, "");
    if (words.fresh.Size() >= 3) {
        addLines(step.newWordLines,
                 [&] { return composer.TokenLine([&] { return Word(words.fresh, composer); }, width()); });
    }
    const int wordLines = step.wordLines + (words.fresh.Size() >= 3 ? 0 : step.newWordLines);
    if (words.all.Size() >= 3) {
        addLines(wordLines,
                 [&] { return composer.TokenLine([&] { return Word(words.all, composer); }, width()); });
    }

    if (step.sentenceLines > 0) {
        int made = 0;
        for (const std::string& line : Sentences(step.sentenceLines, known, prefer, composer)) {
            made += add(line) ? 1 : 0;
        }
        // Too few sentences at this stage: words take their place.
        if (made < step.sentenceLines && words.all.Size() >= 3) {
            addLines(step.sentenceLines - made,
                     [&] { return composer.TokenLine([&] { return Word(words.all, composer); }, width()); });
        }
    }
    for (const std::string& key : step.prose) {
        const auto found = m_prose.find(key);
        if (found != m_prose.end()) {
            for (const std::string& line : TextComposer::Wrap(found->second, kProseWidth)) {
                add(line);
            }
        }
    }

    // Too little material for the planned shape: make up the minimum with words,
    // patterns or letter groups. The checker reports what still falls short.
    if (lines.size() < 5) {
        const int missing = 5 - static_cast<int>(lines.size());
        if (words.all.Size() >= 3) {
            addLines(missing,
                     [&] { return composer.TokenLine([&] { return Word(words.all, composer); }, width()); });
        } else if (!patterns.empty()) {
            addLines(missing, [&] {
                return composer.TokenLine([&] { return Fill(composer.Pick(patterns), known, composer); },
                                          width());
            });
        } else {
            addLines(missing, [&] {
                return composer.TokenLine([&] { return composer.Group(letters, freshLetters); }, width());
            });
        }
    }
    if (lines.size() > 12) {
        lines.resize(12);
    }
    return lines;
}
