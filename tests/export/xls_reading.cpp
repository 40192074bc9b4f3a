#include "xls_reading.h"

#include <cstdio>
#include <cstring>
#include <sstream>
#include <stdexcept>

#include <gtest/gtest.h>

#include "utf8.h"

namespace xls_testing {

namespace {

std::string unescape(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        const char c = s[++i];
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
    return out;
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> f;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        f.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return f;
        start = tab + 1;
    }
}

std::string shown(const ReadCell& c) {
    if (c.text) return "text \"" + c.value.substr(0, 60) + (c.value.size() > 60 ? "...\"" : "\"");
    char buf[64];
    std::snprintf(buf, sizeof buf, "number %.17g", c.number);
    return buf;
}

std::string run(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) throw std::runtime_error("cannot run " + command);
    std::string out;
    char buf[1 << 16];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
    const int status = ::pclose(pipe);
    if (status != 0) throw std::runtime_error("the reader failed (" + std::to_string(status) + "): " + out.substr(0, 2000));
    return out;
}

}  // namespace

ReadCell ReadCell::ofText(std::u16string_view t) { return {true, xls::utf8(t), 0}; }

bool ReadCell::operator==(const ReadCell& other) const {
    if (text != other.text) return false;
    return text ? value == other.value : std::memcmp(&number, &other.number, sizeof number) == 0;
}

namespace {

// Runs `command` on the files and gathers what it printed.
std::map<std::string, ReadFile> readWith(std::string command, const std::vector<std::string>& paths) {
    for (const std::string& p : paths) command += " '" + p + "'";
    const std::string out = run(command);

    std::map<std::string, ReadFile> files;
    ReadFile* file = nullptr;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const std::vector<std::string_view> f = fields(line);
        if (f[0] == "file") {
            file = &files[unescape(f.at(1))];
        } else if (!file) {
            throw std::runtime_error("the reader wrote before naming a file: " + line);
        } else if (f[0] == "fault") {
            file->fault = unescape(f.at(1));
        } else if (f[0] == "sheet") {
            file->sheets.emplace_back();
            file->sheets.back().name = unescape(f.at(1));
        } else if (f[0] == "cell" && !file->sheets.empty()) {
            ReadCell c;
            c.text = f.at(3) == "t";
            if (c.text) c.value = unescape(f.at(4));
            else c.number = std::strtod(std::string(f.at(4)).c_str(), nullptr);
            file->sheets.back().cells[{std::stoi(std::string(f[1])), std::stoi(std::string(f[2]))}] = c;
        } else if (f[0] == "frozen" && !file->sheets.empty()) {
            file->sheets.back().frozen = std::string(f.at(1));
        } else if (f[0] == "width" && !file->sheets.empty()) {
            file->sheets.back().widths[std::stoi(std::string(f.at(1)))] = std::strtod(std::string(f.at(2)).c_str(), nullptr);
        } else if (f[0] == "fill" && !file->sheets.empty()) {
            file->sheets.back().fills[{std::stoi(std::string(f.at(1))), std::stoi(std::string(f.at(2)))}] = std::string(f.at(3));
        } else if (f[0] == "fields" && !file->sheets.empty()) {
            file->sheets.back().fieldCounts[std::stoi(std::string(f.at(1)))] = std::stoi(std::string(f.at(2)));
        } else if (f[0] == "stream") {
            file->streamSize = std::stoull(std::string(f.at(1)));
            file->patternBytes = std::stoll(std::string(f.at(2)));
        } else {
            file->fault = "the reader found " + line;
        }
    }
    for (const std::string& p : paths)
        if (!files.contains(p)) files[p].fault = "the reader said nothing of the file";
    return files;
}

}  // namespace

std::map<std::string, ReadFile> readWithXlrd(const std::vector<std::string>& paths, bool streamOnly) {
    return readWith(std::string(QUELVA_PYTHON) + " " + XLS_READER + (streamOnly ? " --stream" : ""), paths);
}

ReadFile readWithXlrd(const std::string& path) { return readWithXlrd(std::vector<std::string>{path}).at(path); }

std::map<std::string, ReadFile> readBack(const std::vector<std::string>& paths) {
    return readWith(std::string(QUELVA_PYTHON) + " " + READ_BACK, paths);
}

ReadFile readBack(const std::string& path) { return readBack(std::vector<std::string>{path}).at(path); }

std::string firstDifference(const Cells& expected, const Cells& actual) {
    auto e = expected.begin();
    auto a = actual.begin();
    auto at = [](const std::pair<int, int>& p) { return "row " + std::to_string(p.first) + ", column " + std::to_string(p.second); };
    for (; e != expected.end() && a != actual.end(); ++e, ++a) {
        if (e->first < a->first) return at(e->first) + ": missing, expected " + shown(e->second);
        if (a->first < e->first) return at(a->first) + ": unexpected " + shown(a->second);
        if (!(e->second == a->second)) return at(e->first) + ": expected " + shown(e->second) + ", read " + shown(a->second);
    }
    if (e != expected.end()) return at(e->first) + ": missing, expected " + shown(e->second);
    if (a != actual.end()) return at(a->first) + ": unexpected " + shown(a->second);
    return "";
}

int Book::sheet(std::u16string_view name) {
    sheets_.push_back({&workbook.addSheet(name), xls::utf8(name), {}});
    return static_cast<int>(sheets_.size() - 1);
}

void Book::text(int sheet, int row, int col, std::u16string_view t) {
    sheets_.at(sheet).sheet->setText(row, col, t);
    if (t.empty()) clear(sheet, row, col);
    else sheets_.at(sheet).cells[{row, col}] = ReadCell::ofText(t);
}

void Book::number(int sheet, int row, int col, double n) {
    sheets_.at(sheet).sheet->setNumber(row, col, n);
    sheets_.at(sheet).cells[{row, col}] = ReadCell::ofNumber(n);
}

void Book::saveAndExpectReadBack(const std::string& path) const {
    workbook.save(path);
    expectReadBack(readWithXlrd(path));
}

void Book::expectReadBack(const ReadFile& file) const {
    ASSERT_EQ(file.fault, "");
    ASSERT_EQ(file.sheets.size(), sheets_.size());
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        EXPECT_EQ(file.sheets[i].name, sheets_[i].name);
        EXPECT_EQ(firstDifference(sheets_[i].cells, file.sheets[i].cells), "") << "sheet " << sheets_[i].name;
    }
}

}  // namespace xls_testing
