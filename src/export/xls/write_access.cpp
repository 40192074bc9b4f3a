#include "write_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace xls {

WriteRefusal writeRefusal(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return WriteRefusal::NoPermission;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return WriteRefusal::ReadOnlyMark;
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0) return WriteRefusal::None;
    return errno == EROFS ? WriteRefusal::ReadOnlyDisk : WriteRefusal::NoPermission;
}

}  // namespace xls
