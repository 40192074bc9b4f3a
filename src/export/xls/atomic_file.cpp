#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include "xls_error.h"

namespace xls {

namespace {

std::string quoted(const std::string& path) { return "'" + path + "'"; }

// The reason in the user's words for what the system reported while saving into `folder`.
std::string reasonFor(int error, const std::string& folder) {
    switch (error) {
    case EACCES:
    case EPERM: return "não há permissão para gravar na pasta " + quoted(folder);
    case EROFS: return "a pasta " + quoted(folder) + " está num disco só de leitura";
    case ENOENT:
    case ENOTDIR: return "a pasta " + quoted(folder) + " não existe";
    case ENOSPC:
    case EDQUOT: return "não há espaço livre no disco";
    case EFBIG: return "o arquivo excede o tamanho que o disco aceita";
    case EISDIR: return "já existe uma pasta com esse nome";
    case EIO: return "erro de leitura ou gravação no disco";
    default: return std::strerror(error);
    }
}

std::string randomSuffix() {
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::random_device device;
    std::string s;
    for (int i = 0; i < 8; ++i) s += kDigits[device() % 36];
    return s;
}

}  // namespace

AtomicFile::AtomicFile(std::string target) : target_(std::move(target)) {
    const std::filesystem::path path(target_);
    folder_ = path.has_parent_path() ? path.parent_path().string() : ".";
    struct stat existing;
    const bool exists = ::stat(target_.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) fail(EISDIR);

    // Hidden and unique, so that neither the user nor a second save in the same folder trips over it.
    for (int attempt = 0; fd_ < 0; ++attempt) {
        temporary_ = (std::filesystem::path(folder_) / ("." + path.filename().string() + "." + randomSuffix() + ".tmp")).string();
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && (errno != EEXIST || attempt == 100)) {
            const int error = errno;
            temporary_.clear();
            fail(error);
        }
    }
    // A replaced file keeps who may read it.
    if (exists) (void)::fchmod(fd_, existing.st_mode & 07777);
}

AtomicFile::~AtomicFile() { discard(); }

void AtomicFile::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

void AtomicFile::fail(int error) const {
    throw Error("Não foi possível salvar o arquivo " + quoted(target_) + ": " + reasonFor(error, folder_) + ".");
}

void AtomicFile::write(const void* data, std::size_t size) {
    const auto* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd_, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            discard();
            fail(error);
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
}

void AtomicFile::commit() {
    // On disk before the rename, so that a crash cannot leave the target's name on an empty file.
    const bool synced = ::fsync(fd_) == 0;
    int error = errno;
    const bool closed = ::close(fd_) == 0;
    if (synced) error = errno;
    fd_ = -1;
    if (!synced || !closed) {
        discard();
        fail(error);
    }
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int renameError = errno;
        discard();
        fail(renameError);
    }
    temporary_.clear();
    const int folder = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        (void)::fsync(folder);  // the rename itself on disk; a failure here loses nothing already saved
        ::close(folder);
    }
}

}  // namespace xls
