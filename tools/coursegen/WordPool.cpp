#include "WordPool.h"

#include "resources/TextCodec.h"

#include <fstream>

bool WordPool::Load(const std::string& path, std::string& error)
{
    std::ifstream in(path);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        size_t start = 0;
        while (start < line.size()) {
            size_t end = line.find(' ', start);
            if (end == std::string::npos) {
                end = line.size();
            }
            Add(TextCodec::FromUtf8(line.substr(start, end - start)));
            start = end + 1;
        }
    }
    return true;
}

bool WordPool::LoadPreferred(const std::string& path, std::string& error)
{
    WordPool common;
    if (!common.Load(path, error)) {
        return false;
    }
    for (const std::string& word : common.m_words) {
        Add(word);
        m_preferred.insert(word);
    }
    return true;
}

void WordPool::Add(const std::string& word)
{
    if (!word.empty() && m_index.insert(word).second) {
        m_words.push_back(word);
    }
}

void WordPool::PreferWordsOf(const std::string& text)
{
    std::string word;
    auto flush = [&] {
        if (m_index.count(word) != 0) {
            m_preferred.insert(word);
        }
        word.clear();
    };
    for (char c : text) {
        // Letters only: digits and punctuation end a word.
        const auto u = static_cast<unsigned char>(c);
        const bool letter = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u >= 0xC0 || u == 0xB5;
        if (letter) {
            word += c;
        } else {
            flush();
        }
    }
    flush();
}

WordPool::Choice WordPool::Candidates(const std::string& known, const std::string& required) const
{
    Choice choice;
    for (const std::string& word : m_words) {
        if (word.find_first_not_of(known) != std::string::npos) {
            continue;
        }
        if (!required.empty() && word.find_first_of(required) == std::string::npos) {
            continue;
        }
        if (m_preferred.count(word) != 0) {
            choice.preferred.push_back(word);
            continue;
        }
        bool avoided = false;
        for (const std::string& ending : m_avoidEndings) {
            avoided = avoided || (word.size() > ending.size() &&
                                  word.compare(word.size() - ending.size(), ending.size(), ending) == 0);
        }
        if (!avoided) {
            choice.others.push_back(word);
        }
    }
    return choice;
}
