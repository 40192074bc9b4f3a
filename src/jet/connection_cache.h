#pragma once
#include <ctime>
#include <string>

#include "connection.h"

namespace jet {

// Hands out connections to one file that share a single in-memory copy while the file on disk stays the
// same (same size, modification time and inode). Opening an Access file means importing it, which takes
// far longer than the short operations that each want a connection of their own.
class ConnectionCache {
public:
    Connection open(const std::string& path);

private:
    struct Stamp {
        std::string path;
        long long size = -1, inode = -1;
        timespec mtime{};
        bool operator==(const Stamp& o) const {
            return path == o.path && size == o.size && inode == o.inode && mtime.tv_sec == o.mtime.tv_sec &&
                   mtime.tv_nsec == o.mtime.tv_nsec;
        }
    };
    Stamp stamp_;
    Connection cached_;
};

}  // namespace jet
