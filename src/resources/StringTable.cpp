#include "resources/StringTable.h"

#include "resources/TextCodec.h"

#include <map>

namespace {

struct Entry
{
    int id;
    const char* utf8;
};

// Texts are kept here in UTF-8; the Windows-1250 form is derived once on first use.
constexpr Entry kEntries[] = {
    {116, "Schreiben Sie den nachfolgenden Text ab."},
    {128, "Tippwerk"},
    {506, "Diese Datei beinhaltet nicht das korrekte Dateiformat oder ist beschädigt."},
    {61714, "Please enter an integer between %1 and %2."},
    {61715, "Please enter a number between %1 and %2."},
    {61857, "An unknown error occurred while accessing %1."},
    {61858, "%1 was not found."},
};

struct Tables
{
    std::map<int, std::string> utf8;
    std::map<int, std::string> windows1250;
};

const Tables& AllTables()
{
    static const Tables tables = [] {
        Tables t;
        for (const Entry& e : kEntries) {
            t.utf8.emplace(e.id, e.utf8);
            t.windows1250.emplace(e.id, TextCodec::FromUtf8(e.utf8));
        }
        return t;
    }();
    return tables;
}

const std::string& Lookup(const std::map<int, std::string>& table, int id)
{
    static const std::string empty;
    const auto it = table.find(id);
    return it == table.end() ? empty : it->second;
}

} // namespace

const std::string& StringTable::Text(int id)
{
    return Lookup(AllTables().windows1250, id);
}

const std::string& StringTable::Utf8(int id)
{
    return Lookup(AllTables().utf8, id);
}

bool StringTable::Contains(int id)
{
    return AllTables().utf8.count(id) != 0;
}
