// The installed help pages link to each other: every local link must find its page and
// its section, and every page must be reachable from the start page.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path kHelp = fs::path(TIPPWERK_SOURCE_DIR) / "data" / "help";

std::string Read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Matches(const std::string& text, const std::regex& pattern)
{
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator();
         ++it)
        found.push_back((*it)[1].str());
    return found;
}

struct Page
{
    std::vector<std::string> links;
    std::multiset<std::string> ids;
};

std::map<std::string, Page> ReadPages()
{
    const std::regex link(R"re((?:href|src)\s*=\s*"([^"]*)")re");
    const std::regex id(R"re(\s(?:id|name)\s*=\s*"([^"]*)")re");
    std::map<std::string, Page> pages;
    for (const fs::directory_entry& entry : fs::directory_iterator(kHelp))
        if (entry.path().extension() == ".html") {
            const std::string html = Read(entry.path());
            const std::vector<std::string> ids = Matches(html, id);
            pages[entry.path().filename().string()] = {Matches(html, link), {ids.begin(), ids.end()}};
        }
    return pages;
}

bool IsExternal(const std::string& link)
{
    return std::regex_search(link, std::regex("^[a-zA-Z][a-zA-Z0-9+.-]*:"));
}

} // namespace

TEST(HelpPages, EveryLocalLinkFindsItsFileAndSection)
{
    const std::map<std::string, Page> pages = ReadPages();
    ASSERT_TRUE(pages.count("index.html"));
    for (const auto& [name, page] : pages)
        for (const std::string& link : page.links) {
            if (IsExternal(link))
                continue;
            const std::size_t hash = link.find('#');
            const std::string file = hash == 0 ? name : link.substr(0, hash);
            const std::string section = hash == std::string::npos ? "" : link.substr(hash + 1);
            EXPECT_FALSE(file.find('/') != std::string::npos || file.find('\\') != std::string::npos)
                << name << ": " << link << " leaves the help folder";
            EXPECT_TRUE(fs::is_regular_file(kHelp / file)) << name << ": " << link;
            if (!section.empty()) {
                const auto target = pages.find(file);
                EXPECT_TRUE(target != pages.end() && target->second.ids.count(section))
                    << name << ": no section " << link;
            }
        }
}

TEST(HelpPages, SectionNamesAreUniqueAndEveryPageIsReachable)
{
    const std::map<std::string, Page> pages = ReadPages();
    for (const auto& [name, page] : pages)
        for (const std::string& id : page.ids)
            EXPECT_EQ(page.ids.count(id), 1u) << name << ": " << id;

    std::set<std::string> reached{"index.html"};
    std::vector<std::string> open{"index.html"};
    while (!open.empty()) {
        const std::string name = open.back();
        open.pop_back();
        const auto page = pages.find(name);
        if (page == pages.end())
            continue;
        for (const std::string& link : page->second.links)
            if (!IsExternal(link)) {
                const std::string file = link.substr(0, link.find('#'));
                if (!file.empty() && reached.insert(file).second)
                    open.push_back(file);
            }
    }
    for (const auto& [name, page] : pages)
        EXPECT_TRUE(reached.count(name)) << name << " cannot be reached from index.html";
}
