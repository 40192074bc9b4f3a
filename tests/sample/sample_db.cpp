#include "sample_db.h"

#include <sqlite3.h>

#include <regex>
#include <stdexcept>

#include "fixture.h"
#include "generator.h"
#include "sqlite_setup.h"

namespace sample_test {
namespace {

namespace fs = std::filesystem;

struct SampleFolders {
    testing_support::TempDir root;
    fs::path full{root.file("completa")};
    fs::path small{root.file("small")};
    SampleFolders() {
        sample::generateSample(full, sample::fullSizes(), sample::DatabaseForm::Sqlite);
        sample::generateSample(small, sample::smallSizes(), sample::DatabaseForm::Sqlite);
    }
};

const SampleFolders& folders() {
    static const SampleFolders f;
    return f;
}

}  // namespace

const fs::path& fullSampleDir() { return folders().full; }
const fs::path& smallSampleDir() { return folders().small; }

SampleDb::SampleDb(const fs::path& file) {
    if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot open " + file.string());
    jet::registerJetSqlite(db_);
}

SampleDb::~SampleDb() { sqlite3_close(db_); }

std::vector<SampleDb::Row> SampleDb::rows(const std::string& sql, const std::vector<std::string>& params) const {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sql + ": " + sqlite3_errmsg(db_));
    for (std::size_t i = 0; i < params.size(); ++i)
        sqlite3_bind_text(st, static_cast<int>(i) + 1, params[i].data(), static_cast<int>(params[i].size()), SQLITE_TRANSIENT);
    std::vector<Row> out;
    while (sqlite3_step(st) == SQLITE_ROW) {
        Row r;
        for (int i = 0; i < sqlite3_column_count(st); ++i) {
            if (sqlite3_column_type(st, i) == SQLITE_NULL) r.emplace_back();
            else r.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, i)));
        }
        out.push_back(std::move(r));
    }
    sqlite3_finalize(st);
    return out;
}

std::vector<std::string> SampleDb::texts(const std::string& sql) const {
    std::vector<std::string> out;
    for (const auto& r : rows(sql)) out.push_back(r.at(0).value_or(""));
    return out;
}

long long SampleDb::number(const std::string& sql, const std::vector<std::string>& params) const {
    const auto r = rows(sql, params);
    if (r.empty() || !r[0].at(0)) throw std::runtime_error("no value: " + sql);
    return std::stoll(*r[0][0]);
}

std::vector<std::string> SampleDb::columns(const std::string& table) const {
    return texts("SELECT name FROM pragma_table_info('" + table + "')");
}

std::string SampleDb::createStatement(const std::string& table) const {
    const auto s = texts("SELECT sql FROM sqlite_master WHERE type='table' AND name='" + table + "'");
    return s.empty() ? std::string() : s[0];
}

bool readBrNumber(const std::string& text, long long& digits) {
    static const std::regex form(R"(-?\d{1,3}(\.\d{3})*(,\d+)?)");
    if (!std::regex_match(text, form)) return false;
    std::string plain;
    for (char c : text)
        if (c != '.' && c != ',') plain += c;
    digits = std::stoll(plain);
    return true;
}

}  // namespace sample_test
