#include "keyboard/XkbLayoutSwitcher.h"

#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

using Command = std::vector<std::string>;

// What the fake runner saw and what it answers, kept by the test.
struct Script
{
    std::vector<Command> commands;
    std::deque<ProgramRunner::Result> answers; // the default answer once empty: exit 0
};

class FakeRunner : public ProgramRunner
{
public:
    explicit FakeRunner(Script& script)
        : m_script(script)
    {}

    Result Run(const std::string& program, const std::vector<std::string>& arguments) override
    {
        Command command{program};
        command.insert(command.end(), arguments.begin(), arguments.end());
        m_script.commands.push_back(command);
        if (m_script.answers.empty())
            return {true, 0, {}};
        Result answer = m_script.answers.front();
        m_script.answers.pop_front();
        return answer;
    }

private:
    Script& m_script;
};

ProgramRunner::Result Query(const std::string& output)
{
    return {true, 0, output};
}

const Command kQuery{"setxkbmap", "-query"};

class LayoutSwitchTest : public ::testing::Test
{
protected:
    std::unique_ptr<XkbLayoutSwitcher> Make(const std::string& display = ":0")
    {
        return std::make_unique<XkbLayoutSwitcher>(std::make_unique<FakeRunner>(m_script), display);
    }

    Script m_script;
};

TEST_F(LayoutSwitchTest, OnlyTheShippedIdentifiersMapToLayouts)
{
    EXPECT_EQ(XkbLayoutSwitcher::XkbLayoutFor("00000407"), "de");
    EXPECT_EQ(XkbLayoutSwitcher::XkbLayoutFor("00000409"), "us");
    for (const char* id : {"NUM", "", "0407", "00000405", "00000407 ", "-layout"})
        EXPECT_EQ(XkbLayoutSwitcher::XkbLayoutFor(id), "") << id;
}

TEST_F(LayoutSwitchTest, UnknownIdentifiersFailWithoutRunningAnything)
{
    auto switcher = Make();
    EXPECT_FALSE(switcher->ActivateLayout("NUM"));
    EXPECT_FALSE(switcher->ActivateLayout("00000405"));
    EXPECT_FALSE(switcher->ActivateLayout(""));
    switcher.reset();
    EXPECT_TRUE(m_script.commands.empty());

    // Without a display an unknown identifier still fails.
    EXPECT_FALSE(Make("")->ActivateLayout("00000405"));
}

TEST_F(LayoutSwitchTest, SwitchesAndRestoresThePreviousLayout)
{
    m_script.answers = {Query("rules:      evdev\nmodel:      pc105\nlayout:     us\n")};
    auto switcher = Make();
    ASSERT_TRUE(switcher->ActivateLayout("00000407"));
    EXPECT_EQ(m_script.commands, (std::vector<Command>{kQuery, {"setxkbmap", "-layout", "de"}}));

    EXPECT_TRUE(switcher->Restore());
    EXPECT_EQ(m_script.commands.back(), (Command{"setxkbmap", "-layout", "us"}));

    // Restored once: neither a second Restore nor the destructor runs anything more.
    EXPECT_TRUE(switcher->Restore());
    switcher.reset();
    EXPECT_EQ(m_script.commands.size(), 3u);
}

TEST_F(LayoutSwitchTest, TheFirstLayoutIsRestoredWithItsVariantAfterSeveralSwitches)
{
    m_script.answers = {
        Query("rules:      evdev\nmodel:      pc105\nlayout:     fr,de\nvariant:    bepo,\n"
              "options:    grp:alt_shift_toggle\n"),
        {true, 0, {}},
        Query("rules:      evdev\nmodel:      pc105\nlayout:     de\noptions:    grp:alt_shift_toggle\n"),
    };
    auto switcher = Make();
    ASSERT_TRUE(switcher->ActivateLayout("00000407"));
    ASSERT_TRUE(switcher->ActivateLayout("00000409"));
    EXPECT_EQ(m_script.commands.back(), (Command{"setxkbmap", "-layout", "us"}));

    switcher.reset(); // the destructor restores when Restore() was never called
    EXPECT_EQ(m_script.commands.back(), (Command{"setxkbmap", "-layout", "fr,de", "-variant", "bepo,"}));
    EXPECT_EQ(m_script.commands.size(), 5u);
}

TEST_F(LayoutSwitchTest, TheActiveLayoutIsNotSwitchedAgainUnlessAVariantDiffers)
{
    m_script.answers = {Query("layout:     de\n")};
    auto plain = Make();
    EXPECT_TRUE(plain->ActivateLayout("00000407"));
    plain.reset();
    EXPECT_EQ(m_script.commands, (std::vector<Command>{kQuery}));

    m_script.commands.clear();
    m_script.answers = {Query("layout:     de\nvariant:    nodeadkeys\n")};
    auto variant = Make();
    EXPECT_TRUE(variant->ActivateLayout("00000407"));
    variant.reset();
    EXPECT_EQ(m_script.commands,
              (std::vector<Command>{kQuery,
                                    {"setxkbmap", "-layout", "de"},
                                    {"setxkbmap", "-layout", "de", "-variant", "nodeadkeys"}}));
}

TEST_F(LayoutSwitchTest, WhereNoSwitchIsPossibleKnownLayoutsSucceed)
{
    // No X display (Wayland without Xwayland, a console): nothing is run at all.
    auto noDisplay = Make("");
    EXPECT_TRUE(noDisplay->ActivateLayout("00000407"));
    EXPECT_TRUE(noDisplay->Restore());
    noDisplay.reset();
    EXPECT_TRUE(m_script.commands.empty());

    // No setxkbmap: it is looked for once.
    m_script.answers = {{false, -1, {}}};
    auto noProgram = Make();
    EXPECT_TRUE(noProgram->ActivateLayout("00000407"));
    EXPECT_TRUE(noProgram->ActivateLayout("00000409"));
    noProgram.reset();
    EXPECT_EQ(m_script.commands, (std::vector<Command>{kQuery}));

    // A server that does not answer, or an answer without a layout: the layout that
    // could not be read is not replaced, since it could not be brought back.
    for (const ProgramRunner::Result& answer :
         {ProgramRunner::Result{true, 1, {}}, ProgramRunner::Result{true, -1, {}}, Query("rules: evdev\n")}) {
        m_script.commands.clear();
        m_script.answers = {answer};
        auto silent = Make();
        EXPECT_TRUE(silent->ActivateLayout("00000409"));
        silent.reset();
        EXPECT_EQ(m_script.commands, (std::vector<Command>{kQuery}));
    }
}

TEST_F(LayoutSwitchTest, ALayoutTheServerRefusesFailsAndTheOriginalIsStillRestored)
{
    m_script.answers = {Query("layout:     us\n"), {true, 5, {}}};
    auto switcher = Make();
    EXPECT_FALSE(switcher->ActivateLayout("00000407"));
    EXPECT_TRUE(switcher->Restore());
    EXPECT_EQ(m_script.commands.back(), (Command{"setxkbmap", "-layout", "us"}));
}

TEST_F(LayoutSwitchTest, AFailedRestoreIsReportedAndNotRepeated)
{
    m_script.answers = {Query("layout:     us\n"), {true, 0, {}}, {true, 1, {}}};
    auto switcher = Make();
    ASSERT_TRUE(switcher->ActivateLayout("00000407"));
    EXPECT_FALSE(switcher->Restore());
    switcher.reset();
    EXPECT_EQ(m_script.commands.size(), 3u);
}

} // namespace
