#include "session.h"

#include "area_code.h"

namespace quelva {

namespace {

const char* const kResultTitle = "Lumbra 1999";
const char* const kResultSubtitle = "Tarsenal";
const char* const kStateTotal = "Totais para o Estado de São Paulo";
const char* const kSqlNameSearch = "Select * From nomemun order by [desc]";
const char* const kSqlArea = "Select * From CD_Area";

}  // namespace

void Session::setStartUpTitles() {
    title_ = QString::fromUtf8(kResultTitle);
    subtitle_ = QString::fromUtf8(kResultSubtitle);
}

void Session::open() {
    DbSessao_ = database_.open();
    RsBuscaMunicipio_ = DbSessao_.openRecordset(kSqlNameSearch);
    reopenAreaRecordset(kSqlArea);
}

void Session::reopenAreaRecordset(const std::string& jetSql) { RsArea_ = DbSessao_.openRecordset(jetSql); }

void Session::fillLocalityNames() {
    names_[kStateTotalCode] = QString::fromUtf8(kStateTotal);
    jet::Recordset rs = RsArea_;  // a cursor of its own: RsArea stays where it is
    rs.moveFirst();
    for (; !rs.eof(); rs.moveNext()) {
        const int code = areaCode(rs.field("COD_AREA_NORVA"));
        names_[static_cast<std::size_t>(code)] = QString::fromStdString(rs.field("DESCRICAO").toText());
    }
}

}  // namespace quelva
