#pragma once
#include <stdexcept>
#include <string>

namespace xls {

// Every failure of the writer: a cell or sheet name Excel cannot hold, or a file that could not be saved.
// The message is written for the person at the keyboard and, for a save, names the file and the reason.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace xls
