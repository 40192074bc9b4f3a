// Opening files: what the user may point the program at, and that the file itself is never touched.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "connection.h"
#include "database.h"
#include "error.h"
#include "fixture.h"
#include "import_process.h"

namespace {

using testing_support::TempDir;

std::string openError(const std::string& path) {
    try {
        jet::Connection::open(path);
    } catch (const jet::Error& e) {
        return e.what();
    }
    return "(opened)";
}

void expectClearFailure(const std::string& path) {
    std::string m = openError(path);
    EXPECT_NE(m, "(opened)");
    EXPECT_NE(m.find(path), std::string::npos) << "the message names the file: " << m;
}

TEST(Open, MissingFolderEmptyAndForeignFilesFailWithTheirName) {
    TempDir dir;
    expectClearFailure(dir.file("Quelva.mdb"));
    EXPECT_NE(openError(dir.file("Quelva.mdb")).find("não foi encontrado"), std::string::npos);
    expectClearFailure(dir.path());
    testing_support::writeFile(dir.file("vazio.mdb"), "");
    expectClearFailure(dir.file("vazio.mdb"));
    EXPECT_NE(openError(dir.file("vazio.mdb")).find("vazio"), std::string::npos);
    std::string noise;
    for (int i = 0; i < 5000; ++i) noise += static_cast<char>((i * 7919) % 251);
    testing_support::writeFile(dir.file("ruido.mdb"), noise);
    expectClearFailure(dir.file("ruido.mdb"));
    testing_support::writeFile(dir.file("texto.mdb"), "isto não é um banco de dados\n");
    expectClearFailure(dir.file("texto.mdb"));
}

// The message of opening `path` as the unprivileged user "nobody" (root reads any file, so the test drops to
// another user in a child process when it runs as root).
std::string openErrorAsNobody(const std::string& path) {
    if (geteuid() != 0) return openError(path);
    int fds[2];
    if (pipe(fds) != 0) return "(no pipe)";
    pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        std::string m = (setgid(65534) == 0 && setuid(65534) == 0) ? openError(path) : "(setuid failed)";
        if (write(fds[1], m.data(), m.size()) < 0) _exit(2);
        _exit(0);
    }
    close(fds[1]);
    std::string m;
    char buf[4096];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0) m.append(buf, static_cast<std::size_t>(n));
    close(fds[0]);
    waitpid(pid, nullptr, 0);
    return m;
}

TEST(Open, UnreadableFileFailsWithItsName) {
    TempDir dir;
    testing_support::makeDatabase(dir.file("a.db"), "CREATE TABLE t (x INTEGER)");
    chmod(dir.path().c_str(), 0755);
    chmod(dir.file("a.db").c_str(), 0600);
    std::string m = openErrorAsNobody(dir.file("a.db"));
    EXPECT_NE(m.find(dir.file("a.db")), std::string::npos) << m;
    EXPECT_NE(m.find("Não foi possível abrir"), std::string::npos) << m;
}

TEST(Open, DamagedSqliteFilesFailWithTheirName) {
    TempDir dir;
    std::string script = "CREATE TABLE t (x INTEGER, y TEXT);";
    for (int i = 0; i < 2000; ++i) script += "INSERT INTO t VALUES (" + std::to_string(i) + ", 'linha de texto número " + std::to_string(i) + "');";
    testing_support::makeDatabase(dir.file("ok.db"), script);
    std::string bytes = testing_support::readFile(dir.file("ok.db"));
    ASSERT_GT(bytes.size(), 20000u);

    testing_support::writeFile(dir.file("cortado.db"), bytes.substr(0, bytes.size() / 2));
    expectClearFailure(dir.file("cortado.db"));

    std::string scrambled = bytes;
    for (std::size_t i = 4096; i < scrambled.size(); i += 3) scrambled[i] = static_cast<char>(scrambled[i] ^ 0x5A);
    testing_support::writeFile(dir.file("danificado.db"), scrambled);
    expectClearFailure(dir.file("danificado.db"));

    testing_support::writeFile(dir.file("so-cabecalho.db"), bytes.substr(0, 100));
    expectClearFailure(dir.file("so-cabecalho.db"));
}

TEST(Open, ASqliteFileWithCodeOfItsOwnOrTooLargeIsRefused) {
    TempDir dir;
    const std::pair<const char*, const char*> cases[] = {
        {"g.db", "CREATE TABLE g (a INTEGER, b AS (zeroblob(400000000))); INSERT INTO g (a) VALUES (1)"},
        {"v.db", "CREATE TABLE t (a INTEGER); CREATE VIEW v AS SELECT a FROM t"},
        {"tr.db", "CREATE TABLE t (a INTEGER); CREATE TRIGGER tr AFTER INSERT ON t BEGIN SELECT 1; END"},
    };
    for (const auto& [file, script] : cases) {
        testing_support::makeDatabase(dir.file(file), script);
        const std::string m = openError(dir.file(file));
        EXPECT_NE(m.find("só tabelas de dados são aceitas"), std::string::npos) << m;
        EXPECT_NE(m.find(dir.file(file)), std::string::npos) << m;
    }
    // Larger than the engine loads (a sparse file: its size, not its bytes, is what counts).
    testing_support::makeDatabase(dir.file("big.db"), "CREATE TABLE t (a INTEGER)");
    ASSERT_EQ(::truncate(dir.file("big.db").c_str(), off_t{1} << 31), 0);
    EXPECT_NE(openError(dir.file("big.db")).find("mais do que o mecanismo de dados carrega"), std::string::npos);
}

TEST(Open, DamagedJetFilesFailWithTheirNameAndTheProgramGoesOn) {
    std::string data = testing_support::testdataFolder();
    if (data.empty()) GTEST_SKIP() << "the shared test data folder (../shared/testdata) is not beside the checkout";
    TempDir dir;
    std::string bytes = testing_support::readFile(data + "/nwind.mdb");
    testing_support::writeFile(dir.file("cortado.mdb"), bytes.substr(0, 3000));
    expectClearFailure(dir.file("cortado.mdb"));
    testing_support::writeFile(dir.file("cabecalho.mdb"), bytes.substr(0, 64));
    expectClearFailure(dir.file("cabecalho.mdb"));
    // A Jet signature followed by noise: libmdb reads whatever it finds.
    std::string noisy = bytes.substr(0, 256);
    for (int i = 0; i < 20000; ++i) noisy += static_cast<char>((i * 2654435761u) >> 13);
    testing_support::writeFile(dir.file("ruido.mdb"), noisy);
    expectClearFailure(dir.file("ruido.mdb"));
    // Pages of the catalogue scrambled.
    std::string broken = bytes;
    for (std::size_t i = 2048; i < 40000 && i < broken.size(); i += 5) broken[i] = static_cast<char>(~broken[i]);
    testing_support::writeFile(dir.file("paginas.mdb"), broken);
    std::string m = openError(dir.file("paginas.mdb"));
    if (m != "(opened)") {
        EXPECT_NE(m.find(dir.file("paginas.mdb")), std::string::npos);
    }
}

// The file's bytes and modification time are the same after opening it and reading every table.
void expectUntouched(const std::string& path, const std::string& sql) {
    struct stat before {}, after {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    std::string bytes = testing_support::readFile(path);
    {
        jet::Connection db = jet::Connection::open(path);
        jet::Recordset rs = db.openRecordset(sql);
        EXPECT_GT(rs.recordCount(), 0);
        rs.findFirst("1 = 1");
    }
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_EQ(testing_support::readFile(path), bytes);
    EXPECT_EQ(before.st_mtim.tv_sec, after.st_mtim.tv_sec);
    EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);
    EXPECT_EQ(before.st_size, after.st_size);
}

TEST(Open, TheFileOnDiskIsNeverWritten) {
    TempDir dir;
    testing_support::makeDatabase(dir.file("s.db"), "CREATE TABLE t (x INTEGER); INSERT INTO t VALUES (1)");
    expectUntouched(dir.file("s.db"), "select * from t");
    EXPECT_FALSE(std::filesystem::exists(dir.file("s.db-journal")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("s.db-wal")));
    std::string data = testing_support::testdataFolder();
    if (data.empty()) GTEST_SKIP() << "the shared test data folder (../shared/testdata) is not beside the checkout";
    // A copy, so that the shared file's own times are not what the test depends on.
    testing_support::writeFile(dir.file("n.mdb"), testing_support::readFile(data + "/nwind.mdb"));
    expectUntouched(dir.file("n.mdb"), "select * from Customers");
    EXPECT_FALSE(std::filesystem::exists(dir.file("n.ldb")));
}

TEST(Open, AReadOnlyFileOpens) {
    TempDir dir;
    testing_support::makeDatabase(dir.file("ro.db"), "CREATE TABLE t (x INTEGER); INSERT INTO t VALUES (7)");
    chmod(dir.file("ro.db").c_str(), 0444);
    chmod(dir.path().c_str(), 0555);
    jet::Connection db = jet::Connection::open(dir.file("ro.db"));
    EXPECT_EQ(db.openRecordset("select x from t").field(0).toInteger(), 7);
}

}  // namespace

namespace {

// Stand-ins for an importer that libmdb took down or that never ends.
std::string script(const testing_support::TempDir& dir, const std::string& name, const std::string& body) {
    std::string path = dir.file(name);
    testing_support::writeFile(path, "#!/bin/sh\n" + body + "\n");
    chmod(path.c_str(), 0755);
    return path;
}

std::string importError(const std::string& importer, const std::string& file, int seconds,
                        std::uint64_t memoryBytes = 1ull << 30) {
    jet::ImportBudget budget = jet::importBudget(0);
    budget.seconds = seconds;
    budget.memoryBytes = memoryBytes;
    try {
        jet::ImporterChild(importer, file, {}, budget).collect();
    } catch (const jet::Error& e) {
        return e.what();
    }
    return "(imported)";
}

TEST(Import, ACrashOrAHangOfTheImporterBecomesAMessage) {
    testing_support::TempDir dir;
    const std::string file = dir.file("Quelva.mdb");
    std::string crash = importError(script(dir, "crash", "kill -SEGV $$"), file, 5);
    EXPECT_NE(crash.find(file), std::string::npos);
    EXPECT_NE(crash.find("danificado"), std::string::npos);

    auto start = std::chrono::steady_clock::now();
    std::string hang = importError(script(dir, "hang", "exec sleep 30"), file, 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_NE(hang.find(file), std::string::npos);
    EXPECT_NE(hang.find("interrompida"), std::string::npos);

    std::string refused = importError(script(dir, "refuses", "echo 'ERRO: a tabela X não pôde ser lida' >&2; exit 1"), file, 5);
    EXPECT_NE(refused.find("a tabela X não pôde ser lida"), std::string::npos);
    EXPECT_NE(refused.find(file), std::string::npos);

    // A child that takes more memory than the budget is stopped at once, not at the end of its time.
    start = std::chrono::steady_clock::now();
    std::string greedy = importError(script(dir, "greedy", "exec python3 -c 'x = bytearray(200 << 20); import time; time.sleep(30)'"),
                                     file, 20, 50ull << 20);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_NE(greedy.find(file), std::string::npos);
    EXPECT_NE(greedy.find("50 MB de memória"), std::string::npos) << greedy;

    std::string silent = importError(script(dir, "silent", "exit 0"), file, 5);
    EXPECT_NE(silent.find(file), std::string::npos);

    EXPECT_NE(importError(dir.file("absent"), file, 5).find("não foi encontrado"), std::string::npos);
}

// A child that closed its pipes is waited for no longer than the rest of its time, then stopped; and a child
// whose end cannot be learnt is no clean exit, whatever it wrote.
TEST(Import, AnImporterIsReapedWithinItsTimeAndAFailedWaitIsAnError) {
    testing_support::TempDir dir;
    const std::string file = dir.file("Quelva.mdb");
    const auto start = std::chrono::steady_clock::now();
    std::string lingering = importError(script(dir, "lingers", "printf dados; exec >&- 2>&-; exec sleep 30"), file, 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_NE(lingering.find(file), std::string::npos) << lingering;
    EXPECT_NE(lingering.find("1 segundos"), std::string::npos) << lingering;
    EXPECT_NE(lingering.find("interrompida"), std::string::npos) << lingering;

    // With SIGCHLD ignored the system reaps the child itself, and waitpid fails.
    struct sigaction ignore {}, previous {};
    ignore.sa_handler = SIG_IGN;
    ASSERT_EQ(sigaction(SIGCHLD, &ignore, &previous), 0);
    std::string unknown = importError(script(dir, "unwaitable", "printf dados; exit 0"), file, 5);
    sigaction(SIGCHLD, &previous, nullptr);
    EXPECT_NE(unknown.find("Não foi possível saber como terminou a leitura do arquivo " + jet::quotedPath(file)), std::string::npos)
        << unknown;
}

// The program prepares its side while the importer runs; when that fails, the importer must not be left
// running, nor waited for until its time is up.
TEST(Import, AnImporterNeverCollectedIsStopped) {
    testing_support::TempDir dir;
    const std::string marker = dir.file("still-running");
    jet::ImportBudget budget = jet::importBudget(0);
    budget.seconds = 60;
    const auto start = std::chrono::steady_clock::now();
    {
        jet::ImporterChild child(script(dir, "slow", "sleep 2; touch '" + marker + "'"), dir.file("Quelva.mdb"), {}, budget);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    EXPECT_FALSE(std::filesystem::exists(marker));
}

TEST(Open, APipeIsNoDataFile) {
    testing_support::TempDir dir;
    ASSERT_EQ(mkfifo(dir.file("canal.mdb").c_str(), 0600), 0);
    expectClearFailure(dir.file("canal.mdb"));
}

}  // namespace
