#include "jet_writer.h"

#include <fstream>

#include "catalogue.h"
#include "header_page.h"
#include "row_pages.h"
#include "table_definition.h"
#include "table_rows.h"
#include "usage_map.h"
#include "validation.h"

namespace jetwrite {
namespace {

struct Placed {
    const Table* table;
    TableLayout layout;
    std::vector<std::uint32_t> definitionPages;
    std::vector<std::uint32_t> dataPages;
    DefinitionFacts facts;
};

std::vector<std::uint32_t> takeDefinitionPages(PageFile& file, const Placed& p) {
    const Bytes probe = tableDefinition(file.format(), *p.table, p.layout, p.facts);
    std::vector<std::uint32_t> pages(definitionPageCount(file.format(), probe.size()));
    for (auto& page : pages) page = file.allocate();
    return pages;
}

}  // namespace

Bytes jetImage(Version v, const std::vector<Table>& tables) {
    const Format& f = formatOf(v);
    validate(f, tables);
    PageFile file(f);
    file.allocate();
    file.page(0) = headerPage(f);
    const std::uint32_t firstMapPage = file.allocate();
    const std::uint32_t cataloguePage = file.allocate();

    std::vector<Placed> placed;
    std::vector<std::uint32_t> tablePages;
    for (const auto& t : tables) {
        Placed p{&t, layoutOf(f, t), {}, {}, {}};
        p.definitionPages = takeDefinitionPages(file, p);
        tablePages.push_back(p.definitionPages.front());
        placed.push_back(std::move(p));
    }
    const Table catalogue = catalogueTable(tables, tablePages);
    Placed cat{&catalogue, layoutOf(f, catalogue), {cataloguePage}, {}, {}};
    cat.facts.system = true;
    placed.insert(placed.begin(), std::move(cat));

    for (auto& p : placed) {
        p.dataPages = writeRows(file, *p.table, p.layout, p.definitionPages.front());
        p.facts.rows = static_cast<std::uint32_t>(p.table->rows.size());
    }
    RowPages maps(file, 0, firstMapPage);
    for (auto& p : placed) {
        p.facts.usedPages = maps.add(usageMap(file, p.dataPages));
        p.facts.freePages = maps.add(usageMap(file, {}));
    }
    for (auto& p : placed) {
        const Bytes definition = tableDefinition(f, *p.table, p.layout, p.facts);
        if (definitionPageCount(f, definition.size()) != p.definitionPages.size())
            throw WriteError(place(*p.table) + ": a definição da tabela mudou de tamanho");
        writeDefinition(file, p.definitionPages, definition);
    }
    return file.image();
}

void writeJet(const std::filesystem::path& file, Version v, const std::vector<Table>& tables) {
    const Bytes image = jetImage(v, tables);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    out.close();
    if (!out) throw WriteError("não foi possível gravar " + file.string());
}

}  // namespace jetwrite
