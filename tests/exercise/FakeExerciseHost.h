#pragma once

#include "FakeExerciseClock.h"
#include "exercise/ExerciseEngine.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

// Plays the main window for the engine: records what it is told, answers dialogs from a
// script, and moves the focus as modal dialogs do (a dialog takes it from the main window
// and gives it back when it closes).
class FakeExerciseHost : public ExerciseView,
                         public ExerciseSounds,
                         public ExerciseDialogs,
                         public ExerciseWindow
{
public:
    explicit FakeExerciseHost(FakeExerciseClock& clock)
        : m_clock(clock)
    {}

    // Every part of the engine's host.
    ExerciseHost Parts() { return {*this, *this, *this, *this}; }

    void Attach(ExerciseEngine& engine) { m_engine = &engine; }

    // One tick of a running timer, after its period has passed.
    bool Tick(int id)
    {
        const auto timer = timers.find(id);
        if (timer == timers.end())
            return false;
        m_clock.Advance(timer->second);
        m_engine->OnTimer(id);
        return true;
    }

    // Script: time spent in each dialog, and the answers.
    std::int64_t dialogMillis = 0;
    std::deque<LessonEndResult> lessonEndAnswers; // none left: "Ende"
    std::deque<WizardResult> wizardAnswers;       // none left: cancelled
    bool clearsOption = false;

    // What the engine did.
    std::vector<std::string> calls;
    std::vector<std::string> notes;
    std::vector<std::string> informations;
    std::vector<int> lessonEndNumbers;
    std::vector<bool> lessonEndPassed;
    std::vector<bool> wizardAtTestPage;
    std::map<int, int> timers;
    bool mainFocused = false;
    int goodSounds = 0;
    int badSounds = 0;
    int midiTicks = 0;
    int flashes = 0;
    struct View
    {
        int column = 0, lineCount = 0, lineIndex = 0, lessonIndex = -1;
        std::string marks, previousMarks;
    } view;
    struct Status
    {
        int seconds = -1, speedPercent = -1, errorPercent = -1;
    } status;

    int Count(const std::string& call) const
    {
        int n = 0;
        for (const auto& c : calls)
            n += c == call;
        return n;
    }

    void ShowNote(const std::string& text) override
    {
        calls.push_back("Note");
        Modal([&] { notes.push_back(text); });
    }
    void ShowInformation(const std::string& text, int& option) override
    {
        calls.push_back("Information");
        Modal([&] {
            informations.push_back(text);
            if (option && clearsOption)
                option = 0;
        });
    }
    LessonEndResult RunLessonEndDialog(const std::string&, bool passed, int lessonNumber) override
    {
        calls.push_back("LessonEnd");
        LessonEndResult result{false, true};
        Modal([&] {
            lessonEndPassed.push_back(passed);
            lessonEndNumbers.push_back(lessonNumber);
            if (!lessonEndAnswers.empty()) {
                result = lessonEndAnswers.front();
                lessonEndAnswers.pop_front();
            }
        });
        return result;
    }
    void RunUserInfoDialog() override
    {
        calls.push_back("UserInfo");
        Modal([] {});
    }
    WizardResult RunFirstTimeWizard(bool startAtTestPage) override
    {
        calls.push_back("Wizard");
        WizardResult result;
        Modal([&] {
            wizardAtTestPage.push_back(startAtTestPage);
            if (!wizardAnswers.empty()) {
                result = wizardAnswers.front();
                wizardAnswers.pop_front();
            }
        });
        return result;
    }

    void SetViewState(const ExerciseViewState& state) override
    {
        calls.push_back("SetViewState");
        view = {state.column,      state.lineCount,  state.lineIndex,
                state.lessonIndex, state.errorMarks, state.previousErrorMarks};
    }
    void UpdateAfterKeystroke(const ExerciseViewState& state, int, int) override
    {
        calls.push_back("UpdateAfterKeystroke");
        view = {state.column,      state.lineCount,  state.lineIndex,
                state.lessonIndex, state.errorMarks, view.previousMarks};
    }
    void UpdateStatus(int elapsedSeconds, int speedPercent, int errorPercent) override
    {
        status = {elapsedSeconds, speedPercent, errorPercent};
    }
    void RedrawText() override { calls.push_back("RedrawText"); }
    void AnimateStatus() override { calls.push_back("AnimateStatus"); }
    void MetronomeFlash() override { ++flashes; }
    void Invalidate() override { calls.push_back("RedrawKeyboardView"); }

    void PlayGoodSound(int) override { ++goodSounds; }
    void PlayBadSound(int) override { ++badSounds; }
    void MidiTick(const AppSettings&) override { ++midiTicks; }

    void StartTimer(int id, int periodMs) override { timers[id] = periodMs; }
    void StopTimer(int id) override { timers.erase(id); }

    void EnterQualificationMenu() override { calls.push_back("EnterQualificationMenu"); }
    void LeaveQualificationMenu() override { calls.push_back("LeaveQualificationMenu"); }
    void RecomputeLayout() override { calls.push_back("RecomputeLayout"); }
    void ResetLayoutHeight() override { calls.push_back("ResetLayoutHeight"); }
    void FocusMainWindow() override
    {
        calls.push_back("FocusMainWindow");
        if (!mainFocused)
            GainFocus();
    }

private:
    template <class Inside>
    void Modal(Inside inside)
    {
        const bool had = mainFocused;
        if (had) {
            mainFocused = false;
            m_engine->OnFocusLost();
        }
        m_clock.Advance(dialogMillis);
        inside();
        if (had)
            GainFocus();
    }
    void GainFocus()
    {
        // Without an exercise the main window hands the focus on to the keyboard view.
        mainFocused = m_engine->OnFocusGained();
    }

    FakeExerciseClock& m_clock;
    ExerciseEngine* m_engine = nullptr;
};
