#include "keyboard/PosixProgramRunner.h"
#include "keyboard/XkbLayoutSwitcher.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

// Against a real X server, only when TIPPWERK_XVFB_DISPLAY names one (Xvfb :7 ...).
class LayoutSwitchXvfbTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* display = std::getenv("TIPPWERK_XVFB_DISPLAY");
        if (!display || !*display)
            GTEST_SKIP() << "TIPPWERK_XVFB_DISPLAY is not set";
        m_display = display;
        const char* previous = std::getenv("DISPLAY");
        m_previousDisplay = previous ? previous : "";
        m_hadDisplay = previous != nullptr;
        ::setenv("DISPLAY", m_display.c_str(), 1);
        m_layoutAtStart = Layout();
        ASSERT_FALSE(m_layoutAtStart.empty()) << "setxkbmap -query failed on " << m_display;
    }

    void TearDown() override
    {
        if (m_display.empty())
            return;
        if (!m_layoutAtStart.empty())
            m_runner.Run("setxkbmap", {"-layout", m_layoutAtStart});
        if (m_hadDisplay)
            ::setenv("DISPLAY", m_previousDisplay.c_str(), 1);
        else
            ::unsetenv("DISPLAY");
    }

    std::string Layout()
    {
        const auto result = m_runner.Run("setxkbmap", {"-query"});
        const auto start = result.output.find("layout:");
        if (result.exitStatus != 0 || start == std::string::npos)
            return {};
        const auto value = result.output.find_first_not_of(' ', start + 7);
        return result.output.substr(value, result.output.find('\n', value) - value);
    }

    PosixProgramRunner m_runner;
    std::string m_display;
    std::string m_previousDisplay;
    bool m_hadDisplay = false;
    std::string m_layoutAtStart;
};

TEST_F(LayoutSwitchXvfbTest, SwitchesTheServerAndRestoresItsLayout)
{
    ASSERT_EQ(m_runner.Run("setxkbmap", {"-layout", "fr"}).exitStatus, 0);
    {
        XkbLayoutSwitcher switcher(std::make_unique<PosixProgramRunner>(), m_display);
        ASSERT_TRUE(switcher.ActivateLayout("00000407"));
        EXPECT_EQ(Layout(), "de");
        ASSERT_TRUE(switcher.ActivateLayout("00000409"));
        EXPECT_EQ(Layout(), "us");
        EXPECT_FALSE(switcher.ActivateLayout("00000405"));
        EXPECT_EQ(Layout(), "us");
        EXPECT_TRUE(switcher.Restore());
        EXPECT_EQ(Layout(), "fr");

        ASSERT_TRUE(switcher.ActivateLayout("00000407"));
        EXPECT_EQ(Layout(), "de");
    }
    EXPECT_EQ(Layout(), "fr"); // the destructor's fallback
}

} // namespace
