#pragma once
// Writes a file so that it appears complete or not at all: the bytes go to a new file beside the target,
// which replaces the target only once everything is written and on disk. Failures are xls::Error with a
// message that names the target and the reason.
#include <cstddef>
#include <string>

namespace xls {

class AtomicFile {
public:
    // Creates the temporary file in the target's folder.
    explicit AtomicFile(std::string target);
    // Removes the temporary file when commit() was not reached.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void write(const void* data, std::size_t size);
    // Flushes the file to disk and renames it over the target.
    void commit();

    // The temporary file's name, for a writer that opens the file itself: it writes there, and commit() then
    // puts what it wrote in place.
    const std::string& temporaryPath() const { return temporary_; }
    // Throws the failure to save the target for the system's error number, in the user's words.
    [[noreturn]] void fail(int error) const;

private:
    void discard();

    std::string target_;
    std::string folder_;
    std::string temporary_;
    int fd_ = -1;
};

}  // namespace xls
