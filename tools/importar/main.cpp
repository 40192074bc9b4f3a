// quelva-importar FILE: reads a Jet/ACE file and writes it to standard output as an SQLite database.
// The program runs it as a child process (see src/jet/import_process.h), so that a damaged file can only
// take this process down. Messages for the user go to standard error after "ERRO: ".
#include <sys/resource.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "error.h"
#include "mdb_import.h"
#include "quelva_limits.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "ERRO: uso: quelva-importar ARQUIVO\n");
        return 2;
    }
    // libmdb writes numbers with printf: the decimal point must be a point.
    std::setlocale(LC_ALL, "C");
    // A damaged file can make libmdb ask for absurd amounts of memory; fail instead of starving the machine.
    rlimit mem{jet::kImportAddressSpaceBytes, jet::kImportAddressSpaceBytes};
    setrlimit(RLIMIT_AS, &mem);
    try {
        std::string db = jet::importWithLibmdb(argv[1]);
        std::size_t done = 0;
        while (done < db.size()) {
            ssize_t n = write(1, db.data() + done, db.size() - done);
            if (n <= 0) return 3;
            done += static_cast<std::size_t>(n);
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "\nERRO: %s\n", e.what());
        return 1;
    }
}
