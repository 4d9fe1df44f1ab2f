#pragma once

#include "RemarkSource.h"

#include <functional>
#include <string>
#include <vector>

// Walks every chain the tables can produce: every value range that picks a different
// phrase, every random draw, and each key list empty, with one key and with several.
// A value is narrowed to a range as tables pick on it, so a value used by several
// tables stays consistent along the chain.
class RemarkWalker
{
public:
    // A range of one value, inclusive.
    struct Range
    {
        int lo = 0;
        int hi = 0;
    };

    // What a value of the chain stands for.
    enum class Source
    {
        Speed,
        Error,
        Rhythm,
        Completion,
        Random,
        Derived
    };

    struct Value
    {
        Source source = Source::Speed;
        Range range;
    };

    // One distinct chain with the inputs that produce it.
    struct Chain
    {
        std::vector<Value> values;   // the four inputs first, then random draws and derived values
        int faultVariant = -1;       // index into FaultKeySamples(), -1 when no table asked
        int slowVariant = -1;        // index into SlowKeySamples()
        std::vector<int> stepValues; // per step, the index into values it picked on
        std::vector<RemarkStep> steps;
        std::string remark; // Windows-1250, as the program makes it
        bool ended = true;
        RemarkInput Input() const; // the lowest value of every range and the key samples
        std::vector<int> RandomValues() const;
    };

    explicit RemarkWalker(const RemarkSource& source);

    // Calls `visit` for every chain. Problems found on the way (a chain that does not
    // end, a start table without a value of its own, a remark that differs when
    // generated again from its representative input) are collected in Problems().
    void Walk(const std::function<void(const Chain&)>& visit);

    const std::vector<std::string>& Problems() const { return m_problems; }
    long ChainCount() const { return m_chainCount; }
    int LongestChain() const { return m_longest; }
    // Which tables and phrases some chain reached.
    bool TableReached(int table) const { return m_tableReached[table]; }
    bool PhraseReached(int table, int phrase) const { return m_phraseReached[table][phrase]; }

    // Key lists in Windows-1250, as the results hand them over.
    static const std::vector<std::string>& FaultKeySamples();
    static const std::vector<std::string>& SlowKeySamples();

private:
    void Visit(Chain& chain, int table, int previousValue);
    void Branch(Chain& chain, int table, int valueIndex);
    void Finish(const Chain& chain);
    void AddProblem(const std::string& problem);

    const RemarkSource& m_source;
    std::function<void(const Chain&)> m_visit;
    std::vector<std::string> m_problems;
    std::vector<bool> m_tableReached;
    std::vector<std::vector<bool>> m_phraseReached;
    long m_chainCount = 0;
    int m_longest = 0;
};
