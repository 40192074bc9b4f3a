#include "import_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>

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
};

// The message the importer wrote for the user: its last line that begins with the marker, if any.
std::string importerMessage(const std::string& err) {
    const std::string marker = "ERRO: ";
    auto at = err.rfind(marker);
    if (at == std::string::npos) return {};
    auto end = err.find('\n', at);
    return err.substr(at + marker.size(), end == std::string::npos ? std::string::npos : end - at - marker.size());
}

}  // namespace

std::string importJetFile(const std::string& path) {
    return runImporter(programFolder() + "/" + kImporterName, path, kImportTimeLimitSeconds);
}

std::string runImporter(const std::string& importer, const std::string& path, int seconds) {
    if (access(importer.c_str(), X_OK) != 0)
        throw Error("O importador de arquivos do Access (" + importer + ") não foi encontrado; reinstale o programa.");

    Pipe out, err;
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, out.fd[1], 1);
    posix_spawn_file_actions_adddup2(&fa, err.fd[1], 2);
    posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
    std::string arg0 = importer, arg1 = path;
    char* argv[] = {arg0.data(), arg1.data(), nullptr};
    pid_t pid;
    int rc = posix_spawn(&pid, importer.c_str(), &fa, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&fa);
    if (rc != 0) throw Error("Não foi possível iniciar o importador de arquivos do Access: " + std::string(std::strerror(rc)));
    out.closeEnd(1);
    err.closeEnd(1);

    std::string data, messages;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    bool timedOut = false;
    pollfd fds[2] = {{out.fd[0], POLLIN, 0}, {err.fd[0], POLLIN, 0}};
    int open = 2;
    char buf[1 << 16];
    while (open > 0) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0) { timedOut = true; break; }
        int n = poll(fds, 2, static_cast<int>(std::min<long long>(left, INT_MAX)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
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
    if (timedOut) kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {}

    const std::string file = quotedPath(path);
    if (timedOut)
        throw Error("A leitura do arquivo " + file + " passou de " + std::to_string(seconds) +
                    " segundos e foi interrompida; o arquivo pode estar danificado.");
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
