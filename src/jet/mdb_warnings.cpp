#include "mdb_warnings.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "error.h"

namespace jet {

WarningTrap::WarningTrap() {
    std::fflush(stdout);
    std::fflush(stderr);
    trap_ = memfd_create("libmdb-warnings", MFD_CLOEXEC);
    savedOut_ = dup(1);
    savedErr_ = dup(2);
    if (trap_ < 0 || savedOut_ < 0 || savedErr_ < 0 || dup2(trap_, 1) < 0 || dup2(trap_, 2) < 0)
        throw Error("não foi possível preparar a leitura dos avisos");
}

WarningTrap::~WarningTrap() {
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut_, 1);
    dup2(savedErr_, 2);
    close(savedOut_);
    close(savedErr_);
    close(trap_);
}

std::string WarningTrap::take() {
    std::fflush(stdout);
    std::fflush(stderr);
    off_t end = lseek(trap_, 0, SEEK_END);
    if (end <= seen_) return {};
    std::string text(static_cast<std::size_t>(std::min<off_t>(end - seen_, 2000)), '\0');
    ssize_t n = pread(trap_, text.data(), text.size(), seen_);
    seen_ = end;
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    std::replace(text.begin(), text.end(), '\n', ';');
    return text.empty() ? "(aviso vazio)" : text;
}

}  // namespace jet
