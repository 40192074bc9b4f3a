#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <random>

#include "write_access.h"
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
    case ELOOP: return "o atalho aponta para si mesmo";
    case ENAMETOOLONG: return "o nome é longo demais para o disco";
    default: return std::strerror(error);
    }
}

// Short whatever the target's name, so that any name the folder accepts can be saved; hidden and unique,
// so that neither the user nor a second save in the same folder trips over it.
std::string temporaryName(const std::string& folder) {
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::random_device device;
    std::string s = ".quelva-";
    for (int i = 0; i < 8; ++i) s += kDigits[device() % 36];
    return (std::filesystem::path(folder) / (s + ".tmp")).string();
}

// The file `path` names once every symbolic link in its last component is followed, whether or not that
// file exists yet; a link that never ends gives ELOOP.
std::string followLinks(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n < 0) return path;
        link.resize(static_cast<std::size_t>(n));
        const std::filesystem::path next(link);
        path = next.is_absolute() ? link : (std::filesystem::path(path).parent_path() / next).string();
    }
    errno = ELOOP;
    return {};
}

std::string folderOf(const std::string& path) {
    const std::filesystem::path p(path);
    return p.has_parent_path() ? p.parent_path().string() : ".";
}

}  // namespace

AtomicFile::AtomicFile(std::string target) : target_(std::move(target)) {
    destination_ = followLinks(target_);
    if (destination_.empty()) {
        folder_ = folderOf(target_);
        fail(ELOOP);
    }
    folder_ = folderOf(destination_);
    struct stat existing {};
    const bool exists = ::stat(destination_.c_str(), &existing) == 0;
    if (exists) refuseUnless(existing);

    openUnnamed();
    if (fd_ < 0) openNamed();
    if (!exists) return;
    // A replaced file keeps its owner, when the system lets us, and who may read and write it; never the
    // bits that would run it with other rights.
    (void)!::fchown(fd_, existing.st_uid, existing.st_gid);
    (void)::fchmod(fd_, existing.st_mode & 0777);
}

AtomicFile::~AtomicFile() { discard(); }

void AtomicFile::refuseUnless(const struct stat& existing) const {
    if (S_ISDIR(existing.st_mode)) fail(EISDIR);
    if (!S_ISREG(existing.st_mode)) failBecause("o nome já pertence a algo que não é um arquivo comum");
    switch (writeRefusal(destination_)) {
    case WriteRefusal::None: return;
    case WriteRefusal::ReadOnlyDisk: fail(EROFS);
    case WriteRefusal::ReadOnlyMark: failBecause("o arquivo é somente leitura");
    case WriteRefusal::NoPermission: break;
    }
    // Said of the folder when the folder is closed too, as it is there that a new file could go.
    if (writeRefusal(folder_) != WriteRefusal::None) fail(EACCES);
    failBecause("não há permissão para alterar o arquivo");
}

void AtomicFile::openUnnamed() {
    // Linking the file into the folder later goes through its name in /proc; without /proc, a named file.
    if (::access("/proc/self/fd", X_OK) != 0) return;
    fd_ = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
        temporary_ = "/proc/self/fd/" + std::to_string(fd_);
        return;
    }
    // A file system or kernel without unnamed files says so in one of these; any other error is the folder's.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) fail(errno);
}

void AtomicFile::openNamed() {
    for (int attempt = 0; fd_ < 0; ++attempt) {
        temporary_ = temporaryName(folder_);
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && (errno != EEXIST || attempt == 100)) {
            const int error = errno;
            temporary_.clear();
            fail(error);
        }
    }
    named_ = true;
}

void AtomicFile::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (named_ && !temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
    named_ = false;
}

void AtomicFile::fail(int error) const { failBecause(reasonFor(error, folder_)); }

void AtomicFile::failBecause(const std::string& reason) const {
    throw Error("Não foi possível salvar o arquivo " + quoted(target_) + ": " + reason + ".");
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
    // On disk before it takes the target's place, so that a crash cannot leave the target's name on an
    // empty file.
    if (::fsync(fd_) != 0) {
        const int error = errno;
        discard();
        fail(error);
    }
    if (!named_) {
        // An unnamed file gets a short name first: rename() then replaces the target in one step, which
        // linking straight onto an existing name cannot.
        for (int attempt = 0; !named_; ++attempt) {
            const std::string name = temporaryName(folder_);
            if (::linkat(AT_FDCWD, temporary_.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                temporary_ = name;
                named_ = true;
            } else if (errno != EEXIST || attempt == 100) {
                const int error = errno;
                discard();
                fail(error);
            }
        }
    }
    const bool closed = ::close(fd_) == 0;
    const int closeError = errno;
    fd_ = -1;
    if (!closed) {
        discard();
        fail(closeError);
    }
    if (::rename(temporary_.c_str(), destination_.c_str()) != 0) {
        const int renameError = errno;
        discard();
        fail(renameError);
    }
    temporary_.clear();
    named_ = false;
    const int folder = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        (void)::fsync(folder);  // the rename itself on disk; a failure here loses nothing already saved
        ::close(folder);
    }
}

}  // namespace xls
