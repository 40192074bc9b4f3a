#include "mdb_tools.h"

#include <cstdio>

namespace mdb_tools {

std::string run(const std::string& command) {
    std::string out;
    FILE* p = popen(("LC_ALL=C.UTF-8 " + command).c_str(), "r");
    if (!p) return out;
    char buf[65536];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
    return out;
}

std::vector<std::vector<std::string>> exportTable(const std::string& file, const std::string& table) {
    const std::string csv = run("mdb-export -D '%Y-%m-%d %H:%M:%S' -T '%Y-%m-%d %H:%M:%S' '" + file + "' '" + table + "'");
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < csv.size(); ++i) {
        const char c = csv[i];
        if (quoted) {
            if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') field += csv[++i];
            else if (c == '"') quoted = false;
            else field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',' || c == '\n') {
            rows.back().push_back(field);
            field.clear();
            if (c == '\n') rows.emplace_back();
        } else {
            field += c;
        }
    }
    if (rows.back().empty()) rows.pop_back();
    return rows;
}

}  // namespace mdb_tools
