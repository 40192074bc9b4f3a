#pragma once
// Writes a file so that it appears complete or not at all: the bytes go to a new file in the target's
// folder, which takes the target's place only once everything is written and on disk. Where the file system
// allows, that file has no name until then, so a program killed mid-save leaves nothing behind. A target that
// is a symbolic link keeps the link: the file it points to is the one replaced. A read-only target, or one
// that is not a plain file, is refused. Failures are xls::Error with a message that names the target and the
// reason.
#include <cstddef>
#include <string>

struct stat;

namespace xls {

class AtomicFile {
public:
    // Creates the temporary file in the folder of the file the target names.
    explicit AtomicFile(std::string target);
    // Removes the temporary file when commit() was not reached.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void write(const void* data, std::size_t size);
    // Flushes the file to disk and puts it in the target's place.
    void commit();

    // A name the temporary file opens by, for a writer that opens the file itself: it writes there, and
    // commit() then puts what it wrote in place.
    const std::string& temporaryPath() const { return temporary_; }
    // Throws the failure to save the target for the system's error number, in the user's words.
    [[noreturn]] void fail(int error) const;

private:
    [[noreturn]] void failBecause(const std::string& reason) const;
    // Refuses to replace anything but a plain file the user may write.
    void refuseUnless(const struct stat& existing) const;
    void openUnnamed();
    void openNamed();
    void discard();

    std::string target_;       // as the user gave it, for the messages
    std::string destination_;  // the file it names once symbolic links are followed
    std::string folder_;       // destination_'s folder, where the temporary file lies
    std::string temporary_;
    bool named_ = false;  // the temporary file has a name in folder_ from the start
    int fd_ = -1;
};

}  // namespace xls
