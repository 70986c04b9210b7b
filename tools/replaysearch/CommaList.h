#pragma once
// The words of a comma-separated option ("a,b,c"), empty words included, so
// that a reader refuses "a,,b" by the empty word.
#include <string>
#include <vector>

inline std::vector<std::string> CommaSeparatedWords(const std::string& text)
{
    std::vector<std::string> words;
    size_t at = 0;
    while (at <= text.size()) {
        size_t comma = text.find(',', at);
        if (comma == std::string::npos) comma = text.size();
        words.push_back(text.substr(at, comma - at));
        at = comma + 1;
    }
    return words;
}
