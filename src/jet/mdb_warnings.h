#pragma once
#include <sys/types.h>

#include <string>

namespace jet {

// libmdb reports what it cannot make sense of on standard error (and dumps bytes on standard output) and
// carries on with whatever it read. While a file is read, both go to a file in memory, so that each warning
// is seen and stops the import; the size of that file is capped when the process starts (see
// tools/import). The copy is written to standard output only after.
class WarningTrap {
public:
    WarningTrap();
    ~WarningTrap();
    WarningTrap(const WarningTrap&) = delete;
    WarningTrap& operator=(const WarningTrap&) = delete;

    // What libmdb wrote since the last call, one warning a line, at most a few lines.
    std::string take();

private:
    int trap_ = -1, savedOut_ = -1, savedErr_ = -1;
    off_t seen_ = 0;
};

}  // namespace jet
