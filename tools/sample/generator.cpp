#include "generator.h"

#include <fstream>
#include <functional>
#include <stdexcept>

#include "area_builder.h"
#include "catalogue_builder.h"
#include "catalogue_tables.h"
#include "jet_output.h"
#include "jet_writer.h"
#include "record_files.h"
#include "rng.h"
#include "sqlite_writer.h"
#include "survey_tables.h"

namespace sample {
namespace {

namespace fs = std::filesystem;

// Runs `write` on a temporary file beside `target`, then renames it into place; on failure removes it.
void writeAtomically(const fs::path& target, const std::function<void(const fs::path&)>& write) {
    fs::path temp = target;
    temp += ".tmp";
    try {
        write(temp);
        fs::rename(temp, target);
    } catch (...) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw;
    }
}

void writeText(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) throw std::runtime_error("não foi possível gravar " + file.string());
}

void prepareFolder(const fs::path& dir) {
    std::error_code ec;
    if (!fs::exists(dir, ec)) fs::create_directories(dir, ec);
    if (ec) throw std::runtime_error("não foi possível criar a pasta " + dir.string() + ": " + ec.message());
    if (!fs::is_directory(dir, ec)) throw std::runtime_error(dir.string() + " não é uma pasta");
}

}  // namespace

SurveyPlan buildPlan(const Sizes& sizes, std::uint64_t seed) {
    SurveyPlan plan;
    plan.seed = seed;
    plan.catalogue = buildCatalogue(sizes, keyedHash(seed, 1));
    plan.localities = buildLocalities(sizes, keyedHash(seed, 2));
    return plan;
}

std::vector<Table> sampleTables(const SurveyPlan& plan) {
    auto tables = catalogueTables(plan);
    auto survey = surveyTables(plan);
    tables.insert(tables.end(), std::make_move_iterator(survey.begin()), std::make_move_iterator(survey.end()));
    return tables;
}

void generateSample(const fs::path& dir, const Sizes& sizes, DatabaseForm form) {
    prepareFolder(dir);
    const SurveyPlan plan = buildPlan(sizes);
    writeAtomically(dir / kDatabaseFile, [&](const fs::path& temp) {
        const auto tables = sampleTables(plan);
        if (form == DatabaseForm::Sqlite) writeSqlite(temp, tables);
        else writeJet(temp, form == DatabaseForm::Jet4 ? jetwrite::Version::Jet4 : jetwrite::Version::Jet3, jetTables(tables));
    });
    writeAtomically(dir / kTechnicalFile, [&](const fs::path& temp) { writeText(temp, technicalRecord(plan)); });
    writeAtomically(dir / kInstitutionalFile, [&](const fs::path& temp) { writeText(temp, institutionalRecord(plan)); });
}

}  // namespace sample
