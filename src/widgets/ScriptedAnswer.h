#pragma once

#include <deque>
#include <optional>
#include <utility>

// The answers a modal dialog's next exec() calls give instead of waiting for a person, so
// that tests can drive the code that opens it. `Dialog` keeps the answers of dialogs with
// the same answer type apart. Use it from the dialog's own source file only, so that
// every caller reaches the one store.
template <typename Dialog, typename Answer>
class ScriptedAnswer
{
public:
    // The answer of the next exec(), replacing whatever was scripted.
    static void Set(Answer answer)
    {
        Answers().clear();
        Answers().push_back(std::move(answer));
    }
    // One more answer, for a dialog that opens several times in one scripted run.
    static void Add(Answer answer) { Answers().push_back(std::move(answer)); }
    static void Clear() { Answers().clear(); }
    static bool Has() { return !Answers().empty(); }

    // The next answer, used up; nothing when exec() has to wait for a person.
    static std::optional<Answer> Take()
    {
        if (Answers().empty())
            return std::nullopt;
        std::optional<Answer> answer(std::move(Answers().front()));
        Answers().pop_front();
        return answer;
    }

private:
    static std::deque<Answer>& Answers()
    {
        static std::deque<Answer> answers;
        return answers;
    }
};
