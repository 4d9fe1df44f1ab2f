#pragma once

#include "resources/TextCodec.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace packedtest {

// A folder of its own under the system's temporary folder, removed afterwards.
class TempFolder
{
public:
    TempFolder()
    {
        static int serial = 0;
        m_path = std::filesystem::temp_directory_path() /
                 ("tippwerk-packed-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    std::string File(const std::string& name) const { return (m_path / name).string(); }
    const std::filesystem::path& Path() const { return m_path; }
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

private:
    std::filesystem::path m_path;
};

inline std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteAll(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string RandomBytes(std::size_t n, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(n, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

// German prose in Windows-1250 with CR LF line ends and the Enter mark.
inline std::string GermanText(std::size_t n, unsigned seed)
{
    static const std::vector<std::string> words = [] {
        std::vector<std::string> list;
        for (const char* w :
             {"Übung",     "macht",     "den",     "Meister", "größer",    "Straße",   "Bäume",    "schön",
              "für",       "über",      "Mädchen", "hören",   "Grüße",     "außerdem", "Tastatur", "Finger",
              "Äpfel",     "Öl",        "und",     "die",     "das",       "zwölf",    "Prüfung",  "¤",
              "Weißwurst", "Frühstück", "Käse",    "der",     "natürlich", "fließend"}) {
            list.push_back(TextCodec::FromUtf8(w));
        }
        return list;
    }();
    std::mt19937 random(seed);
    std::string text;
    std::size_t lineStart = 0;
    while (text.size() < n) {
        text += words[random() % words.size()];
        if (random() % 9 == 0) {
            text += random() % 2 ? ". " : ", ";
        } else {
            text += ' ';
        }
        if (text.size() - lineStart > 60) {
            text += "\r\n";
            lineStart = text.size();
        }
    }
    text.resize(n);
    return text;
}

} // namespace packedtest
