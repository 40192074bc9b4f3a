#pragma once
#include <filesystem>

#include "sizes.h"
#include "survey_plan.h"

namespace sample {

// The sample's fixed seed: the same seed gives the same files, byte for byte.
inline constexpr std::uint64_t kSeed = 0x4C756D6272613939ull;

SurveyPlan buildPlan(const Sizes& sizes, std::uint64_t seed = kSeed);

// File names the program looks for in its folder.
inline constexpr const char* kDatabaseFile = "Quelva.mdb";
inline constexpr const char* kTechnicalFile = "fichatec.txt";
inline constexpr const char* kInstitutionalFile = "fichains.txt";

// Writes the database and the two record files into `dir`, creating it when missing. Each file is written
// under a temporary name and renamed when complete, so a failed run leaves no half-written file behind
// (and an earlier complete file stays as it was). Throws std::runtime_error with a message for the user.
void generateSample(const std::filesystem::path& dir, const Sizes& sizes);

}  // namespace sample
