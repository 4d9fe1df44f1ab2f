// tippwerk-coursegen: builds the lesson courses under data/lessons from the plans and
// the inputs beside this file, checks lesson files, and filters word lists.
#include "CourseBuilder.h"
#include "CourseChecker.h"
#include "CourseFile.h"
#include "CoursePlans.h"
#include "resources/TextCodec.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "usage:\n"
    "  tippwerk-coursegen generate [--inputs DIR] [--out DIR]   build and check every course\n"
    "  tippwerk-coursegen check FILE...                         check lesson file sources\n"
    "  tippwerk-coursegen list FILE                             the lessons of a source, one a line\n"
    "  tippwerk-coursegen words --dict FILE --block FILE [--max N] [--lowercase]\n"
    "                                                           filter a word list to stdout\n";

std::vector<CoursePlan> Plans()
{
    return {GermanPlan(), EnglishPlan(), KeypadPlan()};
}

int MinLessonsFor(const std::string& path)
{
    for (const CoursePlan& plan : Plans()) {
        if (path.find(plan.identity) != std::string::npos) {
            return plan.minLessons;
        }
    }
    return 1;
}

bool Report(const std::string& path, const CourseChecker::Result& result)
{
    for (const std::string& problem : result.problems) {
        std::cerr << path << ": " << problem << "\n";
    }
    if (result.Passed()) {
        std::cout << path << ": " << result.course.lessons.size() << " lessons, all rules kept\n";
    }
    return result.Passed();
}

bool CheckFile(const std::string& path)
{
    std::string content;
    std::string error;
    if (!CourseFile::Read(path, content, error)) {
        std::cerr << error << "\n";
        return false;
    }
    return Report(path, CourseChecker::Check(path, content, MinLessonsFor(path)));
}

int Generate(const std::string& inputDir, const std::string& outDir)
{
    bool ok = true;
    for (const CoursePlan& plan : Plans()) {
        CourseBuilder builder(plan);
        std::string error;
        if (!builder.LoadInputs(inputDir, error)) {
            std::cerr << error << "\n";
            return 1;
        }
        const std::string content = CourseFile::Format(builder.Build());
        const std::string path = outDir + "/" + plan.identity + ".ddd.utf8";
        // A course that breaks a rule is reported and not written.
        if (!Report(path, CourseChecker::Check(path, content, plan.minLessons))) {
            ok = false;
            continue;
        }
        if (!CourseFile::Save(path, content, error)) {
            std::cerr << error << "\n";
            ok = false;
        }
    }
    return ok ? 0 : 1;
}

int List(const std::string& path)
{
    std::string content;
    std::string error;
    if (!CourseFile::Read(path, content, error)) {
        std::cerr << error << "\n";
        return 1;
    }
    const CourseChecker::Result result = CourseChecker::Check(path, content, 0);
    for (size_t i = 0; i < result.course.lessons.size(); ++i) {
        const CourseLesson& lesson = result.course.lessons[i];
        char limits[64];
        std::snprintf(limits, sizeof limits, "%d | %.2f | %.2f | %zu", lesson.testEntry, lesson.speedLimit,
                      lesson.errorLimit, lesson.lines.size());
        std::cout << i << " | " << TextCodec::ToUtf8(lesson.title) << " | "
                  << TextCodec::ToUtf8(lesson.newLetters) << " | " << limits << "\n";
    }
    return Report(path, result) ? 0 : 1;
}

std::string Lower(std::string bytes)
{
    for (char& c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) {
            c = static_cast<char>(u + 0x20);
        }
    }
    return bytes;
}

bool IsLetter(unsigned char u)
{
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= 0xC0 && u != 0xD7 && u != 0xF7);
}

// Keeps plain words of 2 to `max` letters that hold a vowel and no capital after the
// first letter (no abbreviations), and contain no blocked stem; a block-list line
// "=word" blocks that word only.
int Words(const std::string& dictPath, const std::string& blockPath, size_t max, bool lowercaseOnly)
{
    std::ifstream dict(dictPath);
    std::ifstream block(blockPath);
    if (!dict || !block) {
        std::cerr << "cannot open " << (dict ? blockPath : dictPath) << "\n";
        return 1;
    }
    std::vector<std::string> stems;
    std::set<std::string> exact;
    std::string line;
    while (std::getline(block, line)) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (line.front() == '=') {
            exact.insert(Lower(TextCodec::FromUtf8(line.substr(1))));
        } else {
            stems.push_back(Lower(TextCodec::FromUtf8(line)));
        }
    }
    const std::string vowels = TextCodec::FromUtf8("aeiouyäöüáéíóúâîô");
    while (std::getline(dict, line)) {
        const std::string word = TextCodec::FromUtf8(line);
        if (TextCodec::ToUtf8(word) != line || word.size() < 2 || word.size() > max) {
            continue;
        }
        bool plain = true;
        for (char c : word) {
            plain = plain && IsLetter(static_cast<unsigned char>(c));
        }
        const std::string lower = Lower(word);
        // Capitals after the first letter mark abbreviations (ABC, GiB).
        if (Lower(word.substr(1)) != word.substr(1)) {
            continue;
        }
        if (!plain || lower.find_first_of(vowels) == std::string::npos || exact.count(lower) != 0 ||
            (lowercaseOnly && lower != word)) {
            continue;
        }
        bool blocked = false;
        for (const std::string& stem : stems) {
            blocked = blocked || lower.find(stem) != std::string::npos;
        }
        if (!blocked) {
            std::cout << line << "\n";
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    auto option = [&](const std::string& name, const std::string& fallback) {
        for (size_t i = 1; i + 1 < args.size(); ++i) {
            if (args[i] == name) {
                return args[i + 1];
            }
        }
        return fallback;
    };
    const std::string& mode = args[0];
    if (mode == "generate") {
        return Generate(option("--inputs", TIPPWERK_COURSEGEN_DIR "/inputs"),
                        option("--out", TIPPWERK_DATA_SOURCE_DIR "/lessons"));
    }
    if (mode == "check" && args.size() > 1) {
        bool ok = true;
        for (size_t i = 1; i < args.size(); ++i) {
            ok = CheckFile(args[i]) && ok;
        }
        return ok ? 0 : 1;
    }
    if (mode == "list" && args.size() == 2) {
        return List(args[1]);
    }
    if (mode == "words") {
        const std::string dict = option("--dict", "");
        const std::string block = option("--block", "");
        bool lowercase = false;
        for (const std::string& a : args) {
            lowercase = lowercase || a == "--lowercase";
        }
        if (dict.empty() || block.empty()) {
            std::cerr << kUsage;
            return 2;
        }
        const int max = std::atoi(option("--max", "9").c_str());
        if (max < 2) {
            std::cerr << "--max needs a number of at least 2\n";
            return 2;
        }
        return Words(dict, block, static_cast<size_t>(max), lowercase);
    }
    std::cerr << kUsage;
    return 2;
}
