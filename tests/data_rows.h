#pragma once
// A file in tests/data/, whole or as the rows of a tab-separated file: lines that are blank or
// start with '#' skipped, {HH} in a cell standing for the byte of those hex digits.
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace corvane::testing {

using DataRow = std::vector<std::string>;

inline std::string DataFile(const std::string& name) {
    std::string path = __FILE__;
    path = path.substr(0, path.find_last_of("/\\") + 1) + "data/" + name;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("no data file " + path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::vector<DataRow> DataRows(const std::string& name) {
    std::istringstream in(DataFile(name));
    std::vector<DataRow> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        DataRow& row = rows.emplace_back(1);
        for (std::size_t i = 0; i < line.size(); ++i)
            if (line[i] == '\t')
                row.emplace_back();
            else if (line[i] == '{' && line.find('}', i) == i + 3)
                row.back() += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16)),
                    i += 3;
            else
                row.back() += line[i];
    }
    return rows;
}

} // namespace corvane::testing
