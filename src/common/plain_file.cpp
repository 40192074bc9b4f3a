#include "plain_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace quelva {

namespace {

class OpenFile {
public:
    explicit OpenFile(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)) {}
    ~OpenFile() { if (fd_ >= 0) ::close(fd_); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

PlainFile failed(PlainFile::Failure f, int error = 0) { return {f, error, {}}; }

}  // namespace

PlainFile readPlainFile(const std::string& path, long long maxBytes) {
    using Failure = PlainFile::Failure;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return failed(errno == ENOENT || errno == ENOTDIR ? Failure::NotFound : Failure::NotOpened, errno);
    // Checked before opening: opening a folder for reading fails with no useful reason.
    if (S_ISDIR(st.st_mode)) return failed(Failure::Folder);
    if (!S_ISREG(st.st_mode)) return failed(Failure::NotPlain);
    if (st.st_size > maxBytes) return failed(Failure::TooLarge);

    // Never blocking, and checked again once open, in case the name was given to something else meanwhile.
    const OpenFile file(path);
    if (file.fd() < 0) return failed(Failure::NotOpened, errno);
    if (::fstat(file.fd(), &st) != 0 || !S_ISREG(st.st_mode)) return failed(Failure::NotPlain);
    PlainFile read;
    read.bytes.resize(static_cast<std::size_t>(maxBytes) + 1);
    std::size_t size = 0;
    while (size < read.bytes.size()) {
        const ssize_t n = ::read(file.fd(), read.bytes.data() + size, read.bytes.size() - size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return failed(Failure::ReadFailed, errno);
        if (n == 0) break;
        size += static_cast<std::size_t>(n);
    }
    // A file that grew past the limit while it was read.
    if (static_cast<long long>(size) > maxBytes) return failed(Failure::TooLarge);
    read.bytes.resize(size);
    return read;
}

}  // namespace quelva
