#include "selection_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "plain_file.h"

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
    case ENOTDIR: return QString::fromUtf8("o arquivo não existe");
    case EISDIR: return QString::fromUtf8("é uma pasta");
    case EIO: return QString::fromUtf8("erro de leitura no disco");
    case ELOOP: return QString::fromUtf8("o atalho aponta para si mesmo");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

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
    const PlainFile file = readPlainFile(path, kMaxSelectionFileBytes);
    switch (file.failure) {
    case PlainFile::Failure::None: break;
    case PlainFile::Failure::TooLarge: return failed(SelectionFileFailure::TooLarge);
    case PlainFile::Failure::NotFound: return failed(SelectionFileFailure::Unreadable, readReason(ENOENT));
    case PlainFile::Failure::Folder: return failed(SelectionFileFailure::Unreadable, readReason(EISDIR));
    case PlainFile::Failure::NotPlain: return failed(SelectionFileFailure::Unreadable, QString::fromUtf8("não é um arquivo comum"));
    case PlainFile::Failure::NotOpened:
    case PlainFile::Failure::ReadFailed: return failed(SelectionFileFailure::Unreadable, readReason(file.error));
    }
    return parseSelectionFile(QByteArray::fromStdString(file.bytes), fingerprint);
}

}  // namespace quelva
