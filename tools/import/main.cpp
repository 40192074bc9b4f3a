// quelva-import FILE [--only NAME...]: reads a Jet/ACE file and writes it to standard output as an SQLite
// database; with --only, just the tables named (as a statement names them). The program runs it as a child
// process (see src/jet/import_process.h), so that a damaged file can only take this process down. Messages
// for the user go to standard error after "ERRO: ".
#include <glib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "error.h"
#include "import_budget.h"
#include "mdb_import.h"

namespace {

// libmdb's warnings are read back from a file in memory while it reads (see mdb_import.cpp): a loop that
// warns without end must not fill the memory with them.
constexpr rlim_t kWarningsFileBytes = 1 << 20;

struct Report {
    int fd;
    std::string memory;
};

[[noreturn]] void sayAndExit(int fd, const std::string& message) {
    std::string line = "\nERRO: " + message + "\n";
    if (write(fd, line.data(), line.size()) < 0) _exit(1);
    _exit(1);
}

// glib ends the process when an allocation fails, which under the address-space cap means the file asked for
// more memory than its size can justify. Say so instead of dying of SIGABRT. Other messages are warnings.
GLogWriterOutput logWriter(GLogLevelFlags level, const GLogField* fields, gsize n, gpointer data) {
    auto* report = static_cast<const Report*>(data);
    if (level & (G_LOG_LEVEL_ERROR | G_LOG_FLAG_FATAL)) sayAndExit(report->fd, report->memory);
    for (gsize i = 0; i < n; ++i)
        if (std::strcmp(fields[i].key, "MESSAGE") == 0 && fields[i].length < 0) {
            std::fprintf(stderr, "%s\n", static_cast<const char*>(fields[i].value));
        }
    return G_LOG_WRITER_HANDLED;
}

void logHandler(const gchar*, GLogLevelFlags level, const gchar* message, gpointer data) {
    auto* report = static_cast<const Report*>(data);
    if (level & (G_LOG_LEVEL_ERROR | G_LOG_FLAG_FATAL)) sayAndExit(report->fd, report->memory);
    std::fprintf(stderr, "%s\n", message ? message : "");
}

void limit(int resource, rlim_t value) {
    rlimit r{value, value};
    setrlimit(resource, &r);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || (argc > 2 && std::strcmp(argv[2], "--only") != 0)) {
        std::fprintf(stderr, "ERRO: uso: quelva-import ARQUIVO [--only TABELA...]\n");
        return 2;
    }
    jet::TableChoice tables;
    if (argc > 2) {
        tables.all = false;
        for (int i = 3; i < argc; ++i) tables.names.emplace_back(argv[i]);
    }
    // libmdb writes numbers with printf: the decimal point must be a point.
    std::setlocale(LC_ALL, "C");

    struct stat sb;
    if (stat(argv[1], &sb) != 0) {
        std::fprintf(stderr, "\nERRO: %s\n", std::strerror(errno));
        return 1;
    }
    const jet::ImportBudget budget = jet::importBudgetOf(argv[1]);
    static Report report{dup(2), "a leitura precisou de mais de " + std::to_string(budget.memoryBytes >> 20) +
                                     " MB de memória, mais do que um arquivo de " + std::to_string(budget.fileBytes) +
                                     " bytes pode exigir; o arquivo está danificado"};
    g_log_set_writer_func(logWriter, &report, nullptr);
    g_log_set_default_handler(logHandler, &report);
    // Under AddressSanitizer the shadow memory needs terabytes of address space: the program then watches
    // what this process keeps resident instead (see import_process.cpp).
    if (!jet::kSanitizedBuild) limit(RLIMIT_AS, budget.memoryBytes);
    // The program stops this process when its time is up; should the program itself be gone, this ends it.
    limit(RLIMIT_CPU, static_cast<rlim_t>(budget.seconds) + 5);
    limit(RLIMIT_FSIZE, kWarningsFileBytes);
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        std::string db = jet::importWithLibmdb(argv[1], tables, budget);
        std::size_t done = 0;
        while (done < db.size()) {
            ssize_t n = write(1, db.data() + done, db.size() - done);
            if (n <= 0) return 3;
            done += static_cast<std::size_t>(n);
        }
        return 0;
    } catch (const std::bad_alloc&) {
        sayAndExit(report.fd, report.memory);
    } catch (const std::exception& e) {
        sayAndExit(report.fd, e.what());
    }
}
