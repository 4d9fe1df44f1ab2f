#pragma once

#include <set>
#include <string>
#include <vector>

// The words a course may draw from (Windows-1250). Preferred words, the everyday
// vocabulary of the course's own sentences and prose, are offered first so that
// lessons read naturally; the word list fills in where they are too few.
class WordPool
{
public:
    // Reads words separated by blanks or line ends (UTF-8; '#' starts a comment line).
    // False when the file cannot be read.
    bool Load(const std::string& path, std::string& error);

    // Reads a file of everyday words like Load and marks them all preferred.
    bool LoadPreferred(const std::string& path, std::string& error);

    void Add(const std::string& word);

    // Marks every word of `text` that is also in the pool as preferred.
    void PreferWordsOf(const std::string& text);

    // The words made only of `known` characters that contain at least one character of
    // `required` (any word when `required` is empty); preferred words first.
    struct Choice
    {
        std::vector<std::string> preferred;
        std::vector<std::string> others;
        size_t Size() const { return preferred.size() + others.size(); }
    };
    Choice Candidates(const std::string& known, const std::string& required) const;

    size_t Size() const { return m_words.size(); }

    // Words (not preferred ones) that end like this are no candidates.
    void AvoidEnding(const std::string& ending) { m_avoidEndings.push_back(ending); }

private:
    std::vector<std::string> m_words;
    std::set<std::string> m_index;
    std::set<std::string> m_preferred;
    std::vector<std::string> m_avoidEndings;
};
