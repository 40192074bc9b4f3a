// Engine figures: importing a Jet file against mdb-export of all its tables, statements of every kind on it,
// and find-first look-ups by code.
// Prints one JSON object per line. Run by `make bench`, never as a timed test.
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "connection.h"
#include "error.h"
#include "sqlite_setup.h"

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::vector<std::string> tablesOf(const std::string& file) {
    std::vector<std::string> out;
    FILE* p = popen(("mdb-tables -1 '" + file + "'").c_str(), "r");
    if (!p) return out;
    char line[1024];
    while (fgets(line, sizeof line, p)) {
        std::string s = line;
        while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
        if (!s.empty()) out.push_back(s);
    }
    pclose(p);
    return out;
}

void benchImport(const std::string& file, int runs) {
    std::vector<std::string> tables = tablesOf(file);
    std::string exportAll;
    for (const auto& t : tables) exportAll += "mdb-export '" + file + "' '" + t + "' > /dev/null; ";
    std::vector<double> ours, theirs;
    for (int i = 0; i < runs; ++i) {
        auto a = Clock::now();
        jet::Connection db = jet::Connection::open(file);
        ours.push_back(ms(Clock::now() - a));
        auto b = Clock::now();
        if (std::system(exportAll.c_str()) != 0) std::fprintf(stderr, "mdb-export failed\n");
        theirs.push_back(ms(Clock::now() - b));
    }
    double o = median(ours), t = median(theirs);
    std::printf("{\"bench\":\"import\",\"file\":\"%s\",\"tables\":%zu,\"runs\":%d,\"quelva_ms\":%.2f,\"mdb_export_ms\":%.2f,\"ratio\":%.3f,\"goal_ratio\":1.5}\n",
                std::filesystem::path(file).filename().c_str(), tables.size(), runs, o, t, o / t);
}

void benchFind(int lookups) {
    std::string dir = std::filesystem::temp_directory_path() / ("quelva-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::string file = dir + "/area.db";
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    jet::registerJetSqlite(db);
    sqlite3_exec(db, "CREATE TABLE CD_AREA (COD_AREA_NORVA INTEGER, DESCRICAO TEXT COLLATE JET)", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (int c = 0; c <= 850; ++c)
        sqlite3_exec(db, ("INSERT INTO CD_AREA VALUES (" + std::to_string(c) + ", 'Localidade " + std::to_string(c) + "')").c_str(),
                     nullptr, nullptr, nullptr);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);

    jet::Connection con = jet::Connection::open(file);
    jet::Recordset rs = con.openRecordset("Select * From CD_AREA order by Cod_Area_Norva");
    std::vector<std::string> criteria;
    for (int c = 0; c <= 850; ++c) criteria.push_back("Cod_Area_Norva = " + std::to_string(c));
    long found = 0;
    auto a = Clock::now();
    for (int i = 0; i < lookups; ++i) {
        rs.findFirst(criteria[static_cast<std::size_t>((i * 7919) % 851)]);
        found += rs.noMatch() ? 0 : 1;
    }
    double t = ms(Clock::now() - a);
    std::printf("{\"bench\":\"find_first\",\"rows\":851,\"lookups\":%d,\"found\":%ld,\"ms\":%.2f,\"goal_ms\":50}\n", lookups, found, t);
    std::filesystem::remove_all(dir);
}

// Statements of every kind on one opened file: translation, SQLite and the reading of the rows.
void benchStatements(const std::string& file, int runs) {
    jet::Connection db = jet::Connection::open(file);
    const char* statements[] = {
        "Select * From Orders Order By ShipCountry, OrderID",
        "Select CustomerID, Sum(Freight), Count(*) From Orders Group By CustomerID",
        "Select * From Customers Where CompanyName Like '*a*' And Country <> 'Brazil'",
        "Select OrderID, Freight * 1.1, Left(CStr(OrderDate), 10) From Orders Where Freight Between 10 And 100",
        "Select d.* From [Order Details] d, Orders o Where d.OrderID = o.OrderID And o.ShipCountry = 'Brazil' Order By d.OrderID",
    };
    std::vector<double> times;
    long rows = 0;
    for (int i = 0; i < runs; ++i) {
        auto a = Clock::now();
        for (const char* sql : statements) rows += db.openRecordset(sql).recordCount();
        times.push_back(ms(Clock::now() - a));
    }
    std::printf("{\"bench\":\"statements\",\"file\":\"%s\",\"statements\":%zu,\"runs\":%d,\"rows\":%ld,\"ms\":%.2f}\n",
                std::filesystem::path(file).filename().c_str(), std::size(statements), runs, rows / runs, median(times));
}

// Statements that once grew with the square of their input or without bound, each against its goal: hostile
// text searches, long chains, repeated nesting, an oversized result. Each must end, in a result or a message,
// within `goal_ms`.
void benchHostile(const std::string& file) {
    jet::Connection db = jet::Connection::open(file);
    auto repeat = [](const std::string& s, int n, const std::string& sep) {
        std::string out = s;
        for (int i = 1; i < n; ++i) out += sep + s;
        return out;
    };
    std::string bounds = "1";
    for (int i = 0; i < 16; ++i) bounds = "EmployeeID Between 0 And (" + bounds + ")";
    const std::pair<const char*, std::string> statements[] = {
        {"instr", "Select InStr(String(8000000,'a'), String(40000,'a') & 'b')"},
        {"replace", "Select Len(Replace(String(8000000,'a'), String(40000,'a') & 'b', 'x'))"},
        {"like", "Select String(2000000,'a') Like '*' & String(20000,'a') & 'b'"},
        {"like_wildcards", "Select String(2000000,'a') Like '*' & String(20000,'a') & '?b'"},
        {"like_between_stars", "Select String(2000000,'a') Like '*' & String(20000,'a') & 'b*'"},
        {"like_wildcards_between_stars", "Select String(2000000,'a') Like '*' & String(20000,'a') & '?b*'"},
        {"chain_200", "Select " + repeat("EmployeeID", 200, " + ") + " From Employees"},
        {"between_x40", "Select " + repeat(bounds, 40, ", ") + " From Employees"},
        {"result_size", "Select Space(16000000) From Orders"},
        {"huge_equal_texts", "Select Count(*) From Orders Where Space(16000000) In (Space(16000000), 'x')"},
        {"sort_huge_texts", "Select String(3000000, 'a') From Orders Order By String(3000000, 'a')"},
    };
    for (const auto& [name, sql] : statements) {
        auto a = Clock::now();
        bool ok = true;
        try {
            db.openRecordset(sql);
        } catch (const jet::Error&) {
            ok = false;
        }
        std::printf("{\"bench\":\"hostile\",\"statement\":\"%s\",\"ended_in\":\"%s\",\"ms\":%.2f,\"goal_ms\":1000}\n", name,
                    ok ? "result" : "message", ms(Clock::now() - a));
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string file = argc > 1 ? argv[1] : QUELVA_TESTDATA "/nwind.mdb";
    if (std::filesystem::exists(file)) {
        benchImport(file, 15);
        benchStatements(file, 20);
        benchHostile(file);
    }
    else std::fprintf(stderr, "%s not found: import figures skipped\n", file.c_str());
    benchFind(100000);
}
