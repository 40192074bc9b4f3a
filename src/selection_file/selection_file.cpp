#include "selection_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <cmath>
#include <cstring>

namespace quelva {

namespace {

// What tells a selection file from any other JSON.
const char* const kFormatKey = "format";
const char* const kFormatName = "quelva-selection";
const char* const kVersionKey = "version";
const char* const kSurveyKey = "survey";
const char* const kTitleKey = "title";
const char* const kSubtitleKey = "subtitle";
const char* const kFingerprintKey = "fingerprint";
const char* const kVariablesKey = "variables";
const char* const kLocalitiesKey = "localities";
const char* const kCriteriaKey = "criteria";
const char* const kCriterionVariableKey = "variable";
const char* const kOperatorKey = "operator";
const char* const kNumberKey = "number";
const char* const kConnectorKey = "connector";

// An area code no survey has: what a number beyond every table becomes, for the owner to leave out.
constexpr int kNoAreaCode = -1;

QString text(const QJsonObject& o, const char* key, bool& ok) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isString()) ok = false;
    return v.toString();
}

QJsonArray array(const QJsonObject& o, const char* key, bool& ok) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isArray()) ok = false;
    return v.toArray();
}

// A whole number, as JSON writes every number as a double; none beyond a table's reach is kept as it is.
int areaCode(const QJsonValue& v, bool& ok) {
    const double d = v.toDouble();
    if (!v.isDouble() || d != std::floor(d)) {
        ok = false;
        return kNoAreaCode;
    }
    return d >= 0 && d <= 1e6 ? static_cast<int>(d) : kNoAreaCode;
}

SelectionFileRead failed(SelectionFileFailure f, QString reason = {}) { return {f, std::move(reason), {}}; }

// Why a file cannot be read, in the user's words.
QString readReason(int error) {
    switch (error) {
    case EACCES:
    case EPERM: return QString::fromUtf8("não há permissão para lê-lo");
    case ENOENT:
    case ENOTDIR: return QString::fromUtf8("ele não existe");
    case EISDIR: return QString::fromUtf8("é uma pasta");
    case EIO: return QString::fromUtf8("erro de leitura no disco");
    case ELOOP: return QString::fromUtf8("o atalho aponta para si mesmo");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

QByteArray selectionFileBytes(const SavedSelection& s) {
    QJsonObject survey;
    survey.insert(QLatin1String(kTitleKey), s.title);
    survey.insert(QLatin1String(kSubtitleKey), s.subtitle);
    survey.insert(QLatin1String(kFingerprintKey), s.fingerprint);
    QJsonArray codes;
    for (int c : s.areaCodes) codes.append(c);
    QJsonArray criteria;
    for (const Criterion& c : s.criteria)
        criteria.append(QJsonObject{{QLatin1String(kCriterionVariableKey), c.code}, {QLatin1String(kOperatorKey), c.op},
                                    {QLatin1String(kNumberKey), c.number}, {QLatin1String(kConnectorKey), c.connector}});
    QJsonObject root;
    root.insert(QLatin1String(kFormatKey), QLatin1String(kFormatName));
    root.insert(QLatin1String(kVersionKey), kSelectionFileVersion);
    root.insert(QLatin1String(kSurveyKey), survey);
    root.insert(QLatin1String(kVariablesKey), QJsonArray::fromStringList(s.variables));
    root.insert(QLatin1String(kLocalitiesKey), codes);
    root.insert(QLatin1String(kCriteriaKey), criteria);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SelectionFileRead parseSelectionFile(const QByteArray& bytes, const QString& fingerprint) {
    if (bytes.size() > kMaxSelectionFileBytes) return failed(SelectionFileFailure::TooLarge);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    const QJsonObject root = document.object();
    if (error.error != QJsonParseError::NoError || !document.isObject() ||
        root.value(QLatin1String(kFormatKey)).toString() != QLatin1String(kFormatName))
        return failed(SelectionFileFailure::NotASelection);
    // Checked before anything else of the file: a later version may lay the rest out otherwise.
    const QJsonValue version = root.value(QLatin1String(kVersionKey));
    if (!version.isDouble() || version.toDouble() < 1 || version.toDouble() != std::floor(version.toDouble()))
        return failed(SelectionFileFailure::NotASelection);
    if (version.toDouble() > kSelectionFileVersion) return failed(SelectionFileFailure::NewerVersion);

    bool ok = root.value(QLatin1String(kSurveyKey)).isObject();
    const QJsonObject survey = root.value(QLatin1String(kSurveyKey)).toObject();
    SelectionFileRead read;
    SavedSelection& s = read.selection;
    s.title = text(survey, kTitleKey, ok);
    s.subtitle = text(survey, kSubtitleKey, ok);
    s.fingerprint = text(survey, kFingerprintKey, ok);
    for (const QJsonValue& v : array(root, kVariablesKey, ok)) {
        if (!v.isString()) ok = false;
        s.variables << v.toString();
    }
    for (const QJsonValue& v : array(root, kLocalitiesKey, ok)) s.areaCodes.push_back(areaCode(v, ok));
    for (const QJsonValue& v : array(root, kCriteriaKey, ok)) {
        if (!v.isObject()) ok = false;
        const QJsonObject c = v.toObject();
        s.criteria.push_back({text(c, kCriterionVariableKey, ok), text(c, kOperatorKey, ok), text(c, kNumberKey, ok),
                              text(c, kConnectorKey, ok)});
    }
    if (!ok) return failed(SelectionFileFailure::NotASelection);
    if (s.fingerprint != fingerprint) return failed(SelectionFileFailure::OtherSurvey);
    return read;
}

SelectionFileRead readSelectionFile(const std::string& path, const QString& fingerprint) {
    // Not blocking: a named pipe given for a file must not hang the program.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return failed(SelectionFileFailure::Unreadable, readReason(errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return failed(SelectionFileFailure::Unreadable, readReason(errno));
    if (S_ISDIR(st.st_mode)) return failed(SelectionFileFailure::Unreadable, readReason(EISDIR));
    if (!S_ISREG(st.st_mode)) return failed(SelectionFileFailure::Unreadable, QString::fromUtf8("não é um arquivo comum"));
    if (st.st_size > kMaxSelectionFileBytes) return failed(SelectionFileFailure::TooLarge);
    // One byte beyond the limit is enough to know a file that grew meanwhile is too large.
    QByteArray bytes(static_cast<qsizetype>(kMaxSelectionFileBytes + 1), '\0');
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + got, static_cast<std::size_t>(bytes.size() - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return failed(SelectionFileFailure::Unreadable, readReason(errno));
        if (n == 0) break;
        got += n;
    }
    bytes.truncate(got);
    return parseSelectionFile(bytes, fingerprint);
}

}  // namespace quelva
