#include "survey_database.h"

namespace quelva {

namespace {
const char* kDatabaseFileName = "/Quelva.mdb";
}

std::string SurveyDatabase::filePath() const { return folder_ + kDatabaseFileName; }

jet::Connection SurveyDatabase::open() const { return cache_.open(filePath()); }

}  // namespace quelva
