#include "record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cerrno>

#include "text_decoding.h"

namespace quelva {

namespace {

RecordFile failed(const char* sentence, const std::string& path) {
    return {{}, QString::fromUtf8(sentence).arg(QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path))))};
}

const char kNotFound[] = "O arquivo \"%1\" não foi encontrado.";
const char kNotOpened[] = "O arquivo \"%1\" não pôde ser aberto para leitura.";
const char kNotPlain[] = "\"%1\" não é um arquivo de texto comum.";
const char kTooLarge[] = "O arquivo \"%1\" tem mais de 4 MB, mais do que uma ficha pode ter.";

class OpenFile {
public:
    explicit OpenFile(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)) {}
    ~OpenFile() { if (fd_ >= 0) ::close(fd_); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

}  // namespace

RecordFile readRecordFile(const std::string& path) {
    static_assert(kMaxRecordFileBytes == 4 * 1024 * 1024, "the message names the limit");
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return failed(errno == ENOENT || errno == ENOTDIR ? kNotFound : kNotOpened, path);
    // Checked before opening: opening a folder for reading fails with no useful reason.
    if (S_ISDIR(st.st_mode)) return failed("\"%1\" é uma pasta, não um arquivo de texto.", path);
    // A pipe would wait for a writer for ever, and a device such as /dev/zero never ends.
    if (!S_ISREG(st.st_mode)) return failed(kNotPlain, path);
    if (st.st_size > kMaxRecordFileBytes) return failed(kTooLarge, path);

    // Never blocking, and checked again once open, in case the name was given to something else meanwhile.
    const OpenFile file(path);
    if (file.fd() < 0) return failed(kNotOpened, path);
    if (::fstat(file.fd(), &st) != 0 || !S_ISREG(st.st_mode)) return failed(kNotPlain, path);
    QByteArray bytes(static_cast<qsizetype>(kMaxRecordFileBytes) + 1, Qt::Uninitialized);
    qsizetype size = 0;
    while (size < bytes.size()) {
        const ssize_t n = ::read(file.fd(), bytes.data() + size, static_cast<std::size_t>(bytes.size() - size));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return failed("O arquivo \"%1\" não pôde ser lido até o fim.", path);
        if (n == 0) break;
        size += n;
    }
    // A file that grew past the limit while it was read.
    if (size > kMaxRecordFileBytes) return failed(kTooLarge, path);
    bytes.truncate(size);
    return {splitLines(decodeText(bytes)), {}};
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\n' && c != u'\r') continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.append(text.mid(start));
    return lines;
}

}  // namespace quelva
