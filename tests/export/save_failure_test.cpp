// Saving safely: a failed save reports the file and the reason, leaves no partial file, and keeps the file
// it would have replaced.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "atomic_file.h"
#include "fixture.h"
#include "workbook.h"
#include "xls_error.h"
#include "xls_reading.h"

using namespace xls_testing;
using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

namespace {

constexpr uid_t kNobody = 65534;

// Runs `save` in a child process and returns the message of the xls::Error it threw, "" when it threw
// none. unprivileged: root writes into any folder, so a child running as root first becomes nobody.
// fileSizeLimit: writes past this many bytes fail as on a full disk.
std::string messageFromChild(const std::function<void()>& save, bool unprivileged, rlim_t fileSizeLimit = RLIM_INFINITY) {
    int fds[2];
    if (::pipe(fds) != 0) return "pipe failed";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        std::string message;
        if (unprivileged && ::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            message = "could not drop root";
        if (fileSizeLimit != RLIM_INFINITY) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        if (message.empty()) {
            try {
                save();
            } catch (const xls::Error& e) {
                message = e.what();
            } catch (...) {
                message = "an exception other than xls::Error";
            }
        }
        (void)!::write(fds[1], message.data(), message.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string message;
    char buf[4096];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) message.append(buf, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return message;
}

std::set<std::string> filesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.insert(e.path().filename().string());
    return names;
}

xls::Workbook& smallBook(Book& book) {
    book.text(book.sheet(u"Resultado - Formato 1"), 0, 0, u"Município");
    return book.workbook;
}

bool contains(const std::string& message, const std::string& part) { return message.find(part) != std::string::npos; }

// A folder nobody but root may write to, opened again on the way out so that it can be removed.
struct LockedFolder {
    std::string path;
    explicit LockedFolder(std::string p) : path(std::move(p)) {
        std::filesystem::create_directory(path);
        ::chmod(path.c_str(), 0755);
    }
    void lock() const { ::chmod(path.c_str(), 0555); }
    ~LockedFolder() { ::chmod(path.c_str(), 0755); }
};

}  // namespace

TEST(XlsSave, AnUnwritableFolderIsReportedAndTheExistingFileKept) {
    TempDir dir;
    ::chmod(dir.path().c_str(), 0755);  // the unprivileged child must reach the folder inside
    LockedFolder folder(dir.file("protegida"));
    const std::string target = folder.path + "/resultado.xls";
    writeFile(target, "planilha anterior");
    folder.lock();

    Book book;
    const std::string message = messageFromChild([&] { smallBook(book).save(target); }, true);
    EXPECT_TRUE(contains(message, "'" + target + "'")) << message;
    EXPECT_TRUE(contains(message, "não há permissão para gravar na pasta '" + folder.path + "'")) << message;
    EXPECT_EQ(readFile(target), "planilha anterior");
    EXPECT_EQ(filesIn(folder.path), std::set<std::string>{"resultado.xls"});
}

TEST(XlsSave, AFailureWhileWritingLeavesNoPartialFileAndKeepsTheExistingOne) {
    TempDir dir;
    const std::string target = dir.file("resultado.xls");
    writeFile(target, "planilha anterior");
    Book book;
    const int s = book.sheet(u"Plan1");
    for (int i = 0; i < 20000; ++i) book.text(s, i, 0, u"texto " + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)) + std::u16string(i % 40, u'x'));

    // The write stops at 64 kB, as it would on a disk that fills up.
    const std::string message = messageFromChild([&] { book.workbook.save(target); }, false, 65536);
    EXPECT_EQ(message, "Não foi possível salvar o arquivo '" + target + "': o arquivo excede o tamanho que o disco aceita.");
    EXPECT_EQ(readFile(target), "planilha anterior");
    EXPECT_EQ(filesIn(dir.path()), std::set<std::string>{"resultado.xls"});
}

TEST(XlsSave, ATargetThatIsAFolderOrInAMissingFolderIsReported) {
    TempDir dir;
    const std::string folderTarget = dir.file("resultado.xls");
    std::filesystem::create_directory(folderTarget);
    Book book;
    try {
        smallBook(book).save(folderTarget);
        ADD_FAILURE() << "saved over a folder";
    } catch (const xls::Error& e) {
        EXPECT_EQ(std::string(e.what()), "Não foi possível salvar o arquivo '" + folderTarget + "': já existe uma pasta com esse nome.");
    }
    EXPECT_TRUE(std::filesystem::is_directory(folderTarget));
    EXPECT_TRUE(std::filesystem::is_empty(folderTarget));

    const std::string missing = dir.file("nao-existe") + "/resultado.xls";
    try {
        book.workbook.save(missing);
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const xls::Error& e) {
        EXPECT_TRUE(contains(e.what(), "a pasta '" + dir.file("nao-existe") + "' não existe")) << e.what();
    }
    EXPECT_EQ(filesIn(dir.path()), std::set<std::string>{"resultado.xls"});
}

TEST(XlsSave, ASaveReplacesTheExistingFileKeepingItsPermissions) {
    TempDir dir;
    const std::string target = dir.file("resultado.xls");
    writeFile(target, "planilha anterior");
    ::chmod(target.c_str(), 07640);
    Book book;
    smallBook(book);
    book.saveAndExpectReadBack(target);
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);  // never set-user-ID, set-group-ID nor sticky
    EXPECT_EQ(filesIn(dir.path()), std::set<std::string>{"resultado.xls"});

    xls::Workbook noSheets;
    EXPECT_THROW(noSheets.save(target), xls::Error);
    EXPECT_EQ(readWithXlrd(target).fault, "");  // still the workbook saved before
}

TEST(XlsSave, ASymbolicLinkStaysAndTheFileItPointsToIsSaved) {
    TempDir dir;
    writeFile(dir.file("real.xls"), "planilha anterior");
    std::filesystem::create_symlink("real.xls", dir.file("atalho.xls"));
    std::filesystem::create_symlink("novo.xls", dir.file("perdido.xls"));  // to a file not there yet
    Book book;
    smallBook(book).save(dir.file("atalho.xls"));
    book.workbook.save(dir.file("perdido.xls"));
    for (const char* link : {"atalho.xls", "perdido.xls"}) EXPECT_TRUE(std::filesystem::is_symlink(dir.file(link)));
    for (const char* saved : {"real.xls", "novo.xls"}) EXPECT_EQ(readWithXlrd(dir.file(saved)).fault, "");
    EXPECT_EQ(filesIn(dir.path()).size(), 4u);
}

TEST(XlsSave, AReadOnlyFileIsNotReplacedEvenByRoot) {
    TempDir dir;
    const std::string target = dir.file("resultado.xls");
    writeFile(target, "planilha anterior");
    ::chmod(target.c_str(), 0444);  // the system lets root write it; the user's mark still holds
    Book book;
    const std::string message = messageFromChild([&] { smallBook(book).save(target); }, false);
    EXPECT_EQ(message, "Não foi possível salvar o arquivo '" + target + "': o arquivo é somente leitura.");
    EXPECT_EQ(readFile(target), "planilha anterior");
    EXPECT_EQ(filesIn(dir.path()).size(), 1u);
}

TEST(XlsSave, ANameAsLongAsTheFolderTakesIsSaved) {
    TempDir dir;
    Book book;
    smallBook(book);
    book.saveAndExpectReadBack(dir.file(std::string(251, 'r') + ".xls"));  // 255 bytes, the most disks take
    EXPECT_EQ(filesIn(dir.path()).size(), 1u);
}

TEST(XlsSave, AProgramKilledWhileSavingLeavesNoTemporaryFile) {
    TempDir dir;
    const int unnamed = ::open(dir.path().c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (unnamed < 0) GTEST_SKIP() << "this disk keeps no unnamed files";
    ::close(unnamed);
    const std::string message = messageFromChild([&] {
        xls::AtomicFile file(dir.file("resultado.xls"));
        file.write("metade", 6);
        ::raise(SIGTERM);  // as when the session ends mid-save
    }, false);
    EXPECT_EQ(message, "");
    EXPECT_TRUE(filesIn(dir.path()).empty());
}
