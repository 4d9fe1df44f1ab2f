// tippwerk-remarkcheck: reads the UTF-8 source of the remark tables, walks every chain
// the program can build from it and prints the remarks for reading. Fails (exit 1) when
// the file would not load to its end, a chain does not end, a table or phrase can never
// be reached, or a text breaks the rules of RemarkTextCheck.

#include "RemarkSource.h"
#include "RemarkTextCheck.h"
#include "RemarkWalker.h"
#include "results/ResultScores.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

enum class Output
{
    Grid,
    Pairs,
    All,
    Quiet
};

std::string Trimmed(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

std::string Format(const char* format, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

void PrintRemark(const std::string& remark)
{
    std::size_t start = 0;
    while (start < remark.size()) {
        std::size_t end = remark.find("\r\n", start);
        if (end == std::string::npos)
            end = remark.size();
        std::printf("    %s\n", RemarkSource::Utf8(Trimmed(remark.substr(start, end - start))).c_str());
        start = end + 2;
    }
}

std::string KeyLabel(const std::string& keys)
{
    if (keys.empty())
        return "none";
    std::string label = "\"";
    label += RemarkSource::Utf8(keys);
    label += '"';
    return label;
}

// A grid of measured results: speed against a limit of 120 keystrokes per minute, the
// error rate against a limit of 1 %, how much of the text was typed, the evenness of
// the keystrokes, and the key lists empty or filled.
void PrintGrid(const RemarkSource& source)
{
    const int speedLimit = 120;
    const double errorLimit = 1.0;
    const int completions[] = {3, 37, 100};
    const double speeds[] = {40, 90, 120, 200};
    const double errorRates[] = {0, 0.6, 1.0, 2.5};
    const int rhythms[] = {20, 80};
    int count = 0;
    for (int completion : completions)
        for (double speed : speeds)
            for (double rate : errorRates)
                for (int rhythm : rhythms)
                    for (int keys = 0; keys < 2; ++keys) {
                        RemarkInput input;
                        input.percentTyped = completion;
                        input.speedScore = ResultScores::SpeedScore(speed, speedLimit);
                        input.errorScore = ResultScores::ErrorScore(rate, errorLimit);
                        input.rhythmScore = rhythm;
                        input.faultKeysText = keys ? RemarkWalker::FaultKeySamples().back() : "";
                        input.slowKeysText = keys ? RemarkWalker::SlowKeySamples().back() : "";
                        const std::vector<int> random = {(count * 37) % 99};
                        ++count;
                        std::printf(
                            "typed %d %%, %.0f/min of %d (speed %d), errors %.1f %% of %.1f %% (error "
                            "%d), rhythm %d, fault keys %s, slow keys %s\n",
                            completion, speed, speedLimit, input.speedScore, rate, errorLimit,
                            input.errorScore, rhythm, KeyLabel(input.faultKeysText).c_str(),
                            KeyLabel(input.slowKeysText).c_str());
                        PrintRemark(source.Generate(input, random));
                    }
}

std::string Describe(const RemarkWalker::Chain& chain)
{
    std::string text;
    const auto add = [&text](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
    for (const RemarkWalker::Value& v : chain.values) {
        const int lo = v.range.lo;
        const int hi = v.range.hi;
        switch (v.source) {
        case RemarkWalker::Source::Speed:
            if (lo == 0)
                add("speed >= " + Format("%.2f", (99 - hi) / 50.0) + " x limit");
            else
                add("speed " + Format("%.2f", (99 - hi) / 50.0) + "-" + Format("%.2f", (100 - lo) / 50.0) +
                    " x limit");
            break;
        case RemarkWalker::Source::Error:
            if (hi >= 99)
                add("errors >= " + Format("%.2f", lo / 50.0) + " x limit");
            else
                add("errors " + Format("%.2f", lo / 50.0) + "-" + Format("%.2f", (hi + 1) / 50.0) +
                    " x limit");
            break;
        case RemarkWalker::Source::Rhythm:
            add("rhythm " + std::to_string(lo) + "-" + std::to_string(hi));
            break;
        case RemarkWalker::Source::Completion:
            add("typed " + std::to_string(lo) + "-" + (hi >= 100 ? std::string("100+") : std::to_string(hi)) +
                " %");
            break;
        case RemarkWalker::Source::Random:
            add("random " + std::to_string(lo) + "-" + std::to_string(hi));
            break;
        case RemarkWalker::Source::Derived:
            add("derived " + std::to_string(lo));
            break;
        }
    }
    const char* variants[] = {"none", "one", "several"};
    if (chain.faultVariant >= 0)
        add(std::string("fault keys: ") + variants[chain.faultVariant]);
    if (chain.slowVariant >= 0)
        add(std::string("slow keys: ") + variants[chain.slowVariant]);
    return text;
}

int Usage()
{
    std::fputs("usage: tippwerk-remarkcheck [--grid | --pairs | --all | --quiet] [SOURCE]\n"
               "  --grid   remarks for a grid of measured results (default)\n"
               "  --pairs  every sentence with every sentence that can follow it\n"
               "  --all    every distinct chain with the input ranges that produce it\n"
               "  --quiet  only the checks\n"
               "SOURCE defaults to the repository's data/config/textinfo.ddd.utf8.\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    Output output = Output::Grid;
    std::string path = TIPPWERK_REMARK_SOURCE;
    bool havePath = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--grid")
            output = Output::Grid;
        else if (arg == "--pairs")
            output = Output::Pairs;
        else if (arg == "--all")
            output = Output::All;
        else if (arg == "--quiet")
            output = Output::Quiet;
        else if (!arg.empty() && arg[0] != '-' && !havePath) {
            path = arg;
            havePath = true;
        } else
            return Usage();
    }

    RemarkSource source;
    if (!source.LoadFile(path)) {
        std::fprintf(stderr, "tippwerk-remarkcheck: cannot read %s\n", path.c_str());
        return 1;
    }

    std::vector<std::string> problems;
    if (source.StopLine() > 0)
        problems.push_back("line " + std::to_string(source.StopLine()) + ": reading stops here (" +
                           source.StopReason() + "); the program ignores the " +
                           std::to_string(source.LineCount() - source.StopLine() + 1) +
                           " lines from here on");
    const auto& tables = source.Tables();
    if (tables.empty())
        problems.push_back("no tables: every remark would be empty");
    for (const RemarkTable& table : tables) {
        if (table.phrases.empty())
            problems.push_back("line " + std::to_string(table.line) +
                               ": table without phrases; chains end there");
        for (const RemarkPhrase& phrase : table.phrases) {
            const std::string& text = source.SourceLine(phrase.line);
            for (const std::string& p : RemarkTextCheck::PhraseProblems(table, text))
                problems.push_back("line " + std::to_string(phrase.line) + ": " + p + ": " + text);
        }
    }

    RemarkWalker walker(source);
    std::set<std::string> remarkProblems;
    std::vector<std::string> order; // first segments in the order met
    std::map<std::string, std::vector<std::string>> successors;
    std::set<std::pair<std::string, std::string>> seenPairs;
    const auto addPair = [&](const std::string& a, const std::string& b) {
        if (!seenPairs.insert({a, b}).second)
            return;
        if (successors.find(a) == successors.end())
            order.push_back(a);
        successors[a].push_back(b);
    };
    walker.Walk([&](const RemarkWalker::Chain& chain) {
        for (const std::string& p : RemarkTextCheck::RemarkProblems(RemarkSource::Utf8(chain.remark)))
            remarkProblems.insert(p + " [" + Describe(chain) + "]");
        if (output == Output::Pairs) {
            std::string previous = "(start)";
            for (const RemarkStep& step : chain.steps) {
                if (!step.appended)
                    continue;
                const std::string segment = RemarkSource::Utf8(Trimmed(step.segment));
                addPair(previous, segment);
                previous = segment;
            }
            addPair(previous, "(end)");
        } else if (output == Output::All) {
            std::printf("%s\n", Describe(chain).c_str());
            PrintRemark(chain.remark);
        }
    });
    problems.insert(problems.end(), walker.Problems().begin(), walker.Problems().end());
    int shown = 0;
    for (const std::string& p : remarkProblems)
        if (shown++ < 50)
            problems.push_back("remark: " + p);
    for (std::size_t t = 0; t < tables.size(); ++t) {
        if (!walker.TableReached(static_cast<int>(t))) {
            problems.push_back("line " + std::to_string(tables[t].line) + ": table is never reached");
            continue;
        }
        for (std::size_t p = 0; p < tables[t].phrases.size(); ++p)
            if (!walker.PhraseReached(static_cast<int>(t), static_cast<int>(p)))
                problems.push_back(
                    "line " + std::to_string(tables[t].phrases[p].line) +
                    ": phrase is never picked: " + source.SourceLine(tables[t].phrases[p].line));
    }

    if (output == Output::Grid) {
        PrintGrid(source);
    } else if (output == Output::Pairs) {
        // Sentences with the same followers are listed together, their followers once.
        std::vector<const std::vector<std::string>*> lists;
        std::map<const std::vector<std::string>*, std::vector<std::string>> firstsOf;
        for (const std::string& first : order) {
            const std::vector<std::string>* same = nullptr;
            for (const auto* list : lists)
                if (*list == successors[first])
                    same = list;
            if (!same) {
                same = &successors[first];
                lists.push_back(same);
            }
            firstsOf[same].push_back(first);
        }
        for (const auto* list : lists) {
            for (const std::string& first : firstsOf[list])
                std::printf("%s\n", first.c_str());
            for (const std::string& next : *list)
                std::printf("    -> %s\n", next.c_str());
        }
    }

    std::size_t phraseCount = 0;
    for (const RemarkTable& table : tables)
        phraseCount += table.phrases.size();
    std::printf("\n%s: %d lines, %zu tables in %d groups, %zu phrases; %ld chains walked, the longest %d "
                "tables\n",
                path.c_str(), source.LineCount(), tables.size(), source.GroupCount(), phraseCount,
                walker.ChainCount(), walker.LongestChain());
    for (const std::string& p : problems)
        std::printf("PROBLEM %s\n", p.c_str());
    std::printf("%zu problem(s)\n", problems.size());
    return problems.empty() ? 0 : 1;
}
