#include "catalogue.h"

namespace jetwrite {
namespace {

constexpr std::int64_t kTablesFolder = 0x0F000001;  // the parent Access gives every table
constexpr std::int64_t kTableType = 1;
constexpr std::int64_t kSystemObject = -2147483648LL;  // flag 0x80000000

Row entry(std::uint32_t page, const std::string& name, std::int64_t flags) {
    return {std::int64_t{page}, kTablesFolder, name, kTableType, std::monostate{}, std::monostate{}, flags, std::monostate{}};
}

}  // namespace

Table catalogueTable(const std::vector<Table>& tables, const std::vector<std::uint32_t>& definitionPages) {
    Table t{"MSysObjects",
            {{"Id", Type::Long},
             {"ParentId", Type::Long},
             {"Name", Type::Text, 255},
             {"Type", Type::Integer},
             {"DateCreate", Type::DateTime},
             {"DateUpdate", Type::DateTime},
             {"Flags", Type::Long},
             {"LvProp", Type::LongBinary}},
            {}};
    t.rows.push_back(entry(kCataloguePage, t.name, kSystemObject));
    for (std::size_t i = 0; i < tables.size(); ++i) t.rows.push_back(entry(definitionPages[i], tables[i].name, 0));
    return t;
}

}  // namespace jetwrite
