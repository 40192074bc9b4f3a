#pragma once
#include <string>

#include "connection.h"
#include "connection_cache.h"

namespace quelva {

// The survey's data file: the program folder followed by "/Quelva.mdb". Every connection the program opens
// goes through here, so that all of them read the same file and share one copy of it in memory.
class SurveyDatabase {
public:
    explicit SurveyDatabase(std::string programFolder) : folder_(std::move(programFolder)) {}

    std::string filePath() const;
    const std::string& programFolder() const { return folder_; }

    // A connection of the operation's own (in Jet terms); cheap after the first one.
    jet::Connection open() const;

private:
    std::string folder_;
    mutable jet::ConnectionCache cache_;  // a memo of the file's copy in memory, not the database's state
};

}  // namespace quelva
