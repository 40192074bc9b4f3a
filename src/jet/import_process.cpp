#include "import_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

#include "database.h"
#include "error.h"

extern char** environ;

namespace jet {
namespace {

std::string programFolder() {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string exe(buf, static_cast<std::size_t>(n));
    auto slash = exe.rfind('/');
    return slash == std::string::npos ? "." : exe.substr(0, slash);
}

struct Pipe {
    int fd[2] = {-1, -1};
    Pipe() {
        if (pipe2(fd, O_CLOEXEC) != 0) throw Error(std::string("Não foi possível criar um canal: ") + std::strerror(errno));
    }
    ~Pipe() { closeEnd(0); closeEnd(1); }
    void closeEnd(int i) { if (fd[i] >= 0) { ::close(fd[i]); fd[i] = -1; } }
    // Hands end i over; the other is closed.
    int release(int i) {
        closeEnd(1 - i);
        int f = fd[i];
        fd[i] = -1;
        return f;
    }
};

// The message the importer wrote for the user: what follows the last marker (a first line, then the detail,
// such as libmdb's warnings).
std::string importerMessage(const std::string& err) {
    const std::string marker = "ERRO: ";
    auto at = err.rfind(marker);
    if (at == std::string::npos) return {};
    std::string m = err.substr(at + marker.size());
    while (!m.empty() && (m.back() == '\n' || m.back() == ' ')) m.pop_back();
    return m;
}

// Bytes the process keeps in memory now; 0 once it is gone.
std::uint64_t residentBytes(pid_t pid) {
    FILE* f = std::fopen(("/proc/" + std::to_string(pid) + "/statm").c_str(), "r");
    if (!f) return 0;
    unsigned long long size = 0, resident = 0;
    int n = std::fscanf(f, "%llu %llu", &size, &resident);
    std::fclose(f);
    return n == 2 ? resident * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE)) : 0;
}

// How often the program looks at the importer's memory: a loop that grows by a gigabyte a second overshoots
// the budget by a few tens of megabytes at most.
constexpr int kWatchMilliseconds = 25;

std::string megabytes(std::uint64_t bytes) { return std::to_string(bytes >> 20) + " MB"; }

enum class Ending { Exited, OutOfTime, OutOfMemory, Failed };

// Waits for the child to end, until `deadline` at most: a child that closed its pipes but goes on running is
// stopped there, and reaped. The first looks come soon, so that a child that is merely finishing costs no
// time; they grow further apart up to the pace of the memory watch. `status` and errno tell how it ended.
Ending reap(pid_t pid, std::chrono::steady_clock::time_point deadline, std::uint64_t memoryBytes, int& status) {
    Ending ending = Ending::Exited;
    int pause = 1;
    for (;;) {
        const pid_t got = waitpid(pid, &status, ending == Ending::Exited ? WNOHANG : 0);
        if (got == pid) return ending;
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return Ending::Failed;
        if (std::chrono::steady_clock::now() >= deadline) ending = Ending::OutOfTime;
        else if (residentBytes(pid) > memoryBytes) ending = Ending::OutOfMemory;
        if (ending != Ending::Exited) {
            kill(pid, SIGKILL);
            continue;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        poll(nullptr, 0, static_cast<int>(std::clamp<long long>(left, 0, pause)));
        pause = std::min(pause * 2, kWatchMilliseconds);
    }
}

}  // namespace

ImporterChild::ImporterChild(const std::string& path, const TableChoice& tables)
    : ImporterChild(programFolder() + "/" + kImporterName, path, tables, importBudgetOf(path)) {}

ImporterChild::ImporterChild(const std::string& importer, const std::string& path, const TableChoice& tables,
                             const ImportBudget& budget)
    : path_(path), budget_(budget), started_(std::chrono::steady_clock::now()) {
    if (access(importer.c_str(), X_OK) != 0)
        throw Error("O importador de arquivos do Access (" + importer + ") não foi encontrado; reinstale o programa.");

    Pipe out, err;
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, out.fd[1], 1);
    posix_spawn_file_actions_adddup2(&fa, err.fd[1], 2);
    posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
    std::vector<std::string> args{importer, path};
    if (!tables.all) {
        args.emplace_back("--only");
        args.insert(args.end(), tables.names.begin(), tables.names.end());
    }
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid;
    int rc = posix_spawn(&pid, importer.c_str(), &fa, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    if (rc != 0) throw Error("Não foi possível iniciar o importador de arquivos do Access: " + std::string(std::strerror(rc)));
    pid_ = pid;
    out_ = out.release(0);
    err_ = err.release(0);
}

ImporterChild::~ImporterChild() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {}
    }
    if (out_ >= 0) ::close(out_);
    if (err_ >= 0) ::close(err_);
}

std::string ImporterChild::collect() {
    if (pid_ <= 0) throw Error("Operação inválida: o importador já terminou.");
    const pid_t pid = pid_;
    std::string data, messages;
    const auto deadline = started_ + std::chrono::seconds(budget_.seconds);
    bool timedOut = false, tooLarge = false;
    int pollError = 0;
    pollfd fds[2] = {{out_, POLLIN, 0}, {err_, POLLIN, 0}};
    int open = 2;
    char buf[1 << 16];
    while (open > 0) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0) { timedOut = true; break; }
        if (residentBytes(pid) > budget_.memoryBytes) { tooLarge = true; break; }
        int n = poll(fds, 2, static_cast<int>(std::min<long long>(left, kWatchMilliseconds)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) { pollError = errno; break; }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            ssize_t got = read(fds[i].fd, buf, sizeof buf);
            if (got > 0) {
                (i == 0 ? data : messages).append(buf, static_cast<std::size_t>(got));
                if (messages.size() > (1 << 20)) messages.erase(0, messages.size() - (1 << 16));
            } else if (got == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
    // Nothing more is read from a child that could not be watched: it is stopped like one out of budget.
    if (timedOut || tooLarge || pollError) kill(pid, SIGKILL);
    int status = 0;
    const Ending ending = reap(pid, deadline, budget_.memoryBytes, status);
    const int waitError = errno;
    pid_ = -1;
    if (ending == Ending::OutOfTime) timedOut = true;
    if (ending == Ending::OutOfMemory) tooLarge = true;

    const std::string file = quotedPath(path_);
    const std::string size = std::to_string(budget_.fileBytes);
    if (timedOut)
        throw Error("A leitura do arquivo " + file + " passou de " + std::to_string(budget_.seconds) +
                    " segundos, mais do que um arquivo de " + size + " bytes pode exigir, e foi interrompida: o arquivo está danificado.");
    if (tooLarge)
        throw Error("A leitura do arquivo " + file + " passou de " + megabytes(budget_.memoryBytes) +
                    " de memória, mais do que um arquivo de " + size + " bytes pode exigir, e foi interrompida: o arquivo está danificado.");
    if (ending == Ending::Failed)
        throw Error("Não foi possível saber como terminou a leitura do arquivo " + file + ": " + std::strerror(waitError) + ".");
    if (pollError)
        throw Error("Não foi possível acompanhar a leitura do arquivo " + file + ": " + std::strerror(pollError) + ".");
    if (WIFSIGNALED(status))
        throw Error("Não foi possível ler o arquivo " + file + ": ele parece estar danificado (a leitura foi interrompida pelo sinal " +
                    std::to_string(WTERMSIG(status)) + ").");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::string m = importerMessage(messages);
        throw Error("Não foi possível ler o arquivo " + file + ": " + (m.empty() ? "ele parece estar danificado." : m));
    }
    if (data.empty()) throw Error("Não foi possível ler o arquivo " + file + ": o importador não devolveu dados.");
    return data;
}

}  // namespace jet
