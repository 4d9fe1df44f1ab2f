#include "keyboard/XkbLayoutSwitcher.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr const char* kSetXkbMap = "setxkbmap";

struct LayoutName
{
    std::string_view id;
    std::string_view xkbLayout;
};

// The keyboards the program ships with a system layout ("NUM" has none).
constexpr std::array<LayoutName, 2> kLayouts{{
    {"00000407", "de"},
    {"00000409", "us"},
}};

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

} // namespace

XkbLayoutSwitcher::XkbLayoutSwitcher(std::unique_ptr<ProgramRunner> runner, std::string display)
    : m_runner(std::move(runner))
    , m_canSwitch(m_runner != nullptr && !display.empty())
{}

XkbLayoutSwitcher::~XkbLayoutSwitcher()
{
    try {
        Restore();
    } catch (...) {
        // Nothing may leave a destructor; the layout simply stays.
    }
}

std::string XkbLayoutSwitcher::XkbLayoutFor(const std::string& layoutId)
{
    for (const LayoutName& entry : kLayouts) {
        if (entry.id == layoutId)
            return std::string(entry.xkbLayout);
    }
    return {};
}

bool XkbLayoutSwitcher::QueryState(XkbState& state)
{
    const ProgramRunner::Result result = m_runner->Run(kSetXkbMap, {"-query"});
    if (!result.started) {
        m_canSwitch = false; // no setxkbmap on this system: never try again
        return false;
    }
    if (result.exitStatus != 0)
        return false;

    state = {};
    std::string_view rest = result.output;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        const auto colon = line.find(':');
        if (colon == std::string_view::npos)
            continue;
        const std::string_view key = Trim(line.substr(0, colon));
        const std::string_view value = Trim(line.substr(colon + 1));
        if (key == "layout")
            state.layout = value;
        else if (key == "variant")
            state.variant = value;
    }
    return !state.layout.empty();
}

bool XkbLayoutSwitcher::ActivateLayout(const std::string& layoutId)
{
    const std::string target = XkbLayoutFor(layoutId);
    if (target.empty())
        return false;
    if (!m_canSwitch)
        return true;

    // A layout that cannot be read could not be brought back, so it is left alone.
    XkbState current;
    if (!QueryState(current))
        return true;
    if (!m_haveOriginal) {
        m_original = current;
        m_haveOriginal = true;
    }
    if (current.layout == target && current.variant.empty())
        return true;

    const ProgramRunner::Result result = m_runner->Run(kSetXkbMap, {"-layout", target});
    if (!result.started) {
        m_canSwitch = false;
        return true;
    }
    // Whatever happened, the server may have changed: bring the original back at the end.
    m_switched = true;
    return result.exitStatus == 0;
}

bool XkbLayoutSwitcher::Restore()
{
    if (!m_switched)
        return true;
    m_switched = false;
    m_haveOriginal = false;

    std::vector<std::string> arguments{"-layout", m_original.layout};
    if (!m_original.variant.empty()) {
        arguments.push_back("-variant");
        arguments.push_back(m_original.variant);
    }
    const ProgramRunner::Result result = m_runner->Run(kSetXkbMap, arguments);
    return result.started && result.exitStatus == 0;
}
