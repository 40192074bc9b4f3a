#pragma once
#include <filesystem>
#include <vector>

#include "sizes.h"
#include "survey_plan.h"
#include "table.h"

namespace sample {

// The sample's fixed seed: the same seed gives the same files, byte for byte.
inline constexpr std::uint64_t kSeed = 0x4C756D6272613939ull;

SurveyPlan buildPlan(const Sizes& sizes, std::uint64_t seed = kSeed);

// File names the program looks for in its folder.
inline constexpr const char* kDatabaseFile = "Quelva.mdb";
inline constexpr const char* kTechnicalFile = "fichatec.txt";
inline constexpr const char* kInstitutionalFile = "fichains.txt";

// The form of the sample's Quelva.mdb: Jet 4 as Access 2000-2003 writes it (the survey's own form), Jet 3
// (Access 97), or an SQLite file of the same tables.
enum class DatabaseForm { Jet4, Jet3, Sqlite };

// Every table of the sample's database, in the order written: the catalogue's, then the survey's.
std::vector<Table> sampleTables(const SurveyPlan& plan);

// Writes the database and the two record files into `dir`, creating it when missing. Each file is written
// under a temporary name and renamed when complete, so a failed run leaves no half-written file behind
// (and an earlier complete file stays as it was). Throws std::runtime_error with a message for the user.
void generateSample(const std::filesystem::path& dir, const Sizes& sizes, DatabaseForm form = DatabaseForm::Jet4);

}  // namespace sample
