#pragma once
// Reading test data kept as rows of cells split at '|', in the notation the
// designers wrote them in: "4 x 1", "250, 50", "pad 4 / keys 3".
#include <cctype>
#include <sstream>
#include <string>
#include <vector>

namespace tablerows {

// The cells of a row, trimmed.
inline std::vector<std::string> Cells(const char* row)
{
    std::vector<std::string> cells;
    std::stringstream in(row);
    std::string cell;
    while (std::getline(in, cell, '|')) {
        const size_t b = cell.find_first_not_of(' ');
        const size_t e = cell.find_last_not_of(' ');
        cells.push_back(b == std::string::npos ? "" : cell.substr(b, e - b + 1));
    }
    return cells;
}

// Every whole number in a cell, in order ("-" holds none).
inline std::vector<int> Numbers(const std::string& cell)
{
    std::vector<int> out;
    for (size_t i = 0; i < cell.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(cell[i]))) continue;
        const bool negative = i > 0 && cell[i - 1] == '-';
        int value = 0;
        while (i < cell.size() && std::isdigit(static_cast<unsigned char>(cell[i])))
            value = value * 10 + (cell[i++] - '0');
        out.push_back(negative ? -value : value);
    }
    return out;
}

// The first whole number of a cell, 0 for "-".
inline int Number(const std::string& cell)
{
    const std::vector<int> n = Numbers(cell);
    return n.empty() ? 0 : n[0];
}

// The texts in double quotes, in order.
inline std::vector<std::string> Quoted(const std::string& cell)
{
    std::vector<std::string> out;
    for (size_t open = cell.find('"'); open != std::string::npos; open = cell.find('"', open + 1)) {
        const size_t close = cell.find('"', open + 1);
        if (close == std::string::npos) break;
        out.push_back(cell.substr(open + 1, close - open - 1));
        open = close;
    }
    return out;
}

inline bool Has(const std::string& cell, const char* word) { return cell.find(word) != std::string::npos; }

}  // namespace tablerows
