#pragma once
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

namespace sample_test {

// Folders holding a freshly generated full sample and small sample, in SQLite form (the same tables as the
// Jet form, which jet_form_test compares), made once per test program and removed at its end.
const std::filesystem::path& fullSampleDir();
const std::filesystem::path& smallSampleDir();

// Read-only look into a generated database through SQLite, with the engine's collation registered so
// that ordering follows the engine's rules.
class SampleDb {
public:
    using Row = std::vector<std::optional<std::string>>;  // each field as text; nullopt for Null

    explicit SampleDb(const std::filesystem::path& file);
    ~SampleDb();

    // `params` are bound, in order, to the statement's "?" placeholders.
    std::vector<Row> rows(const std::string& sql, const std::vector<std::string>& params = {}) const;
    std::vector<std::string> texts(const std::string& sql) const;  // first column; Null as ""
    long long number(const std::string& sql, const std::vector<std::string>& params = {}) const;  // first field
    std::vector<std::string> columns(const std::string& table) const;
    std::string createStatement(const std::string& table) const;

private:
    sqlite3* db_ = nullptr;
};

// Reads a number written the Brazilian way ("1.234", "12,5") as the whole number of its digits
// ("12,5" gives 125); false when the text is not such a number.
bool readBrNumber(const std::string& text, long long& digits);

}  // namespace sample_test
