#pragma once
#include <string>

namespace quelva {

// A small file the user names, read whole: only a plain file, never waited on (a pipe would wait for a
// writer for ever, a device such as /dev/zero never ends), and never more than a limit into memory.
struct PlainFile {
    enum class Failure { None, NotFound, Folder, NotPlain, TooLarge, NotOpened, ReadFailed };
    Failure failure = Failure::None;
    int error = 0;      // the system's error number, for NotOpened and ReadFailed
    std::string bytes;  // the whole file, when read
};

// Reads the file at `path` (the file system's own bytes) when it holds at most `maxBytes`.
PlainFile readPlainFile(const std::string& path, long long maxBytes);

}  // namespace quelva
