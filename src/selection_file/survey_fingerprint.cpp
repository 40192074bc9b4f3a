#include "survey_fingerprint.h"

#include <QCryptographicHash>
#include <algorithm>

#include "area_code.h"
#include "run_state.h"

namespace quelva {

namespace {

const char* const kAreaCodesSql = "Select COD_AREA_NORVA From CD_AREA";

}  // namespace

QString surveyFingerprint(QStringList variableCodes, std::vector<int> areaCodes) {
    std::vector<QByteArray> codes;
    for (const QString& c : variableCodes) codes.push_back(c.toUtf8());
    std::sort(codes.begin(), codes.end());
    std::sort(areaCodes.begin(), areaCodes.end());
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QByteArray& c : codes) hash.addData(c + '\n');
    hash.addData(QByteArrayView("\n"));
    for (int c : areaCodes) hash.addData(QByteArray::number(c) + '\n');
    return QString::fromLatin1(hash.result().toHex());
}

QString surveyFingerprint(const RunState& state) {
    QStringList variables;
    for (const SurveyVariable& v : state.variables.VetorVariavel())
        if (!v.CodVariavel.isNull()) variables << QString::fromStdString(v.CodVariavel.toText());
    // RsArea may be narrowed to the localities the review panel lists: the catalogue is read anew.
    std::vector<int> areas;
    jet::Connection db = state.session.database().open();
    for (jet::Recordset rs = db.openRecordset(kAreaCodesSql); !rs.eof(); rs.moveNext()) areas.push_back(areaCode(rs.field(0)));
    return surveyFingerprint(std::move(variables), std::move(areas));
}

}  // namespace quelva
