#include "RemarkWalker.h"

#include <algorithm>

namespace {

constexpr std::size_t kMaxProblems = 50;

int Capped(int value)
{
    return value >= 100 ? 99 : value;
}

} // namespace

RemarkInput RemarkWalker::Chain::Input() const
{
    RemarkInput input;
    input.speedScore = values[0].range.lo;
    input.errorScore = values[1].range.lo;
    input.rhythmScore = values[2].range.lo;
    input.percentTyped = values[3].range.lo;
    if (faultVariant >= 0)
        input.faultKeysText = FaultKeySamples()[faultVariant];
    if (slowVariant >= 0)
        input.slowKeysText = SlowKeySamples()[slowVariant];
    return input;
}

std::vector<int> RemarkWalker::Chain::RandomValues() const
{
    std::vector<int> draws;
    for (const Value& v : values)
        if (v.source == Source::Random)
            draws.push_back(v.range.lo);
    return draws;
}

RemarkWalker::RemarkWalker(const RemarkSource& source)
    : m_source(source)
{}

const std::vector<std::string>& RemarkWalker::FaultKeySamples()
{
    static const std::vector<std::string> samples = {"", RemarkSource::Windows1250("ö."),
                                                     RemarkSource::Windows1250("ö, ä, Leerzeichen.")};
    return samples;
}

const std::vector<std::string>& RemarkWalker::SlowKeySamples()
{
    static const std::vector<std::string> samples = {"", RemarkSource::Windows1250("ß."),
                                                     RemarkSource::Windows1250("ß, ü, ¤.")};
    return samples;
}

void RemarkWalker::AddProblem(const std::string& problem)
{
    if (m_problems.size() < kMaxProblems)
        m_problems.push_back(problem);
    else if (m_problems.size() == kMaxProblems)
        m_problems.push_back("... further problems left out");
}

void RemarkWalker::Walk(const std::function<void(const Chain&)>& visit)
{
    const auto& tables = m_source.Tables();
    m_visit = visit;
    m_problems.clear();
    m_chainCount = 0;
    m_longest = 0;
    m_tableReached.assign(tables.size(), false);
    m_phraseReached.clear();
    for (const RemarkTable& t : tables)
        m_phraseReached.emplace_back(t.phrases.size(), false);
    if (tables.empty())
        return;
    if (RemarkTables::ValueOf(tables.back().mode) == RemarkTables::Value::Previous)
        AddProblem("the first table of a remark (line " + std::to_string(tables.back().line) +
                   ") has no previous value to take; give it a value of its own");

    Chain chain;
    chain.values = {{Source::Speed, {0, 99}},
                    {Source::Error, {0, 99}},
                    {Source::Rhythm, {0, 99}},
                    {Source::Completion, {0, 100}}}; // 100 stands for 100 % and more
    Visit(chain, static_cast<int>(tables.size()) - 1, -1);
}

void RemarkWalker::Visit(Chain& chain, int tableIndex, int previousValue)
{
    const auto& tables = m_source.Tables();
    if (tableIndex < 0) {
        Finish(chain);
        return;
    }
    if (chain.steps.size() > tables.size()) {
        chain.ended = false;
        Finish(chain);
        chain.ended = true;
        return;
    }
    const RemarkTable& table = tables[tableIndex];
    m_tableReached[tableIndex] = true;

    // A key list is part of the input: try it empty, with one key and with several.
    if (table.mode == 5 && chain.faultVariant < 0) {
        for (int v = 0; v < static_cast<int>(FaultKeySamples().size()); ++v) {
            chain.faultVariant = v;
            Visit(chain, tableIndex, previousValue);
        }
        chain.faultVariant = -1;
        return;
    }
    if (table.mode == 7 && chain.slowVariant < 0) {
        for (int v = 0; v < static_cast<int>(SlowKeySamples().size()); ++v) {
            chain.slowVariant = v;
            Visit(chain, tableIndex, previousValue);
        }
        chain.slowVariant = -1;
        return;
    }

    const std::size_t valueCount = chain.values.size();
    const RemarkTables::Value source = RemarkTables::ValueOf(table.mode);
    if (source == RemarkTables::Value::MeanOfSpeedAndError) {
        // The mean of two inputs: try every pair still possible, each as a fixed value.
        const Range speed = chain.values[0].range;
        const Range error = chain.values[1].range;
        for (int s = speed.lo; s <= speed.hi; ++s) {
            for (int e = error.lo; e <= error.hi; ++e) {
                chain.values[0].range = {s, s};
                chain.values[1].range = {e, e};
                chain.values.push_back({Source::Derived, {(s + e) / 2, (s + e) / 2}});
                Branch(chain, tableIndex, static_cast<int>(valueCount));
                chain.values.pop_back();
            }
        }
        chain.values[0].range = speed;
        chain.values[1].range = error;
        return;
    }

    int valueIndex = 3;
    if (source == RemarkTables::Value::Random) {
        chain.values.push_back({Source::Random, {0, 98}});
        valueIndex = static_cast<int>(valueCount);
    } else if (source == RemarkTables::Value::Previous) {
        if (previousValue < 0) {
            chain.values.push_back({Source::Derived, {0, 0}});
            valueIndex = static_cast<int>(valueCount);
        } else {
            valueIndex = previousValue;
        }
    } else if (source == RemarkTables::Value::Speed) {
        valueIndex = 0;
    } else if (source == RemarkTables::Value::Error) {
        valueIndex = 1;
    } else if (source == RemarkTables::Value::Rhythm) {
        valueIndex = 2;
    }
    Branch(chain, tableIndex, valueIndex);
    chain.values.resize(valueCount);
}

void RemarkWalker::Branch(Chain& chain, int tableIndex, int valueIndex)
{
    const RemarkTable& table = m_source.Tables()[tableIndex];
    const Range whole = chain.values[valueIndex].range;
    const int n = static_cast<int>(table.phrases.size());
    const auto pick = [n](int value) { return RemarkTables::PickIndex(Capped(value), n); };
    const std::string remarkBefore = chain.remark;
    // Split the value's range into the runs that pick the same phrase.
    for (int lo = whole.lo; lo <= whole.hi;) {
        const int index = pick(lo);
        int hi = lo;
        while (hi + 1 <= whole.hi && pick(hi + 1) == index)
            ++hi;
        chain.values[valueIndex].range = {lo, hi};

        RemarkStep step;
        step.table = tableIndex;
        step.phrase = index;
        step.value = Capped(lo);
        step.appended = RemarkTables::AppendPhrase(chain.remark, index >= 0 ? table.phrases[index].text : "",
                                                   table.mode, chain.Input(), &step.segment);
        RemarkTables::BreakAfterSentence(chain.remark);
        if (index >= 0)
            m_phraseReached[tableIndex][index] = true;
        chain.steps.push_back(step);
        chain.stepValues.push_back(valueIndex);
        Visit(chain, index >= 0 ? table.phrases[index].link : -1, valueIndex);
        chain.steps.pop_back();
        chain.stepValues.pop_back();
        chain.remark = remarkBefore;
        lo = hi + 1;
    }
    chain.values[valueIndex].range = whole;
}

void RemarkWalker::Finish(const Chain& chain)
{
    ++m_chainCount;
    m_longest = std::max(m_longest, static_cast<int>(chain.steps.size()));
    if (!chain.ended) {
        AddProblem("a chain does not end: it passes table at line " +
                   std::to_string(m_source.Tables()[chain.steps.back().table].line) + " after " +
                   std::to_string(chain.steps.size()) + " tables");
    } else {
        // The walk must agree with the program's generator on a concrete input of the chain.
        std::vector<RemarkStep> steps;
        const std::string again = m_source.Generate(chain.Input(), chain.RandomValues(), &steps);
        if (again != chain.remark || steps.size() != chain.steps.size())
            AddProblem("internal: the walk and the generator disagree on a chain");
    }
    if (m_visit)
        m_visit(chain);
}
