#pragma once
#include <QString>
#include <array>
#include <string>

#include "connection.h"
#include "quelva_limits.h"
#include "recordset.h"
#include "survey_database.h"

namespace quelva {

// What the main window keeps open for the whole run: the survey file, the connection DbSessao with its
// recordsets, the locality names read from RsArea, and the result titles. Its owner is the main window; the
// review panel also reopens RsArea over the localities it lists.
class Session {
public:
    using LocalityNames = std::array<QString, kMaxAreaCode + 1>;

    explicit Session(const QString& programFolder) : database_(programFolder.toStdString()) {}
    explicit Session(std::string programFolder) : database_(std::move(programFolder)) {}

    // Every connection of the run is opened through here.
    const SurveyDatabase& database() const { return database_; }
    const jet::Connection& DbSessao() const { return DbSessao_; }
    // Readers take a copy, which has a current row of its own.
    const jet::Recordset& RsBuscaMunicipio() const { return RsBuscaMunicipio_; }
    const jet::Recordset& RsArea() const { return RsArea_; }
    const LocalityNames& VetorNomeLocalidade() const { return names_; }
    const QString& TituloResultado() const { return title_; }
    const QString& SubTituloResultado() const { return subtitle_; }

    // The result titles "Lumbra 1999" and "Tarsenal", as start-up sets them.
    void setStartUpTitles();
    // Opens DbSessao to the data file, replacing the previous one, then on it RsBuscaMunicipio over the
    // name-search table and RsArea over CD_AREA, in this order. Throws jet::Error.
    void open();
    // Replaces RsArea by the rows of `jetSql` on DbSessao. Throws jet::Error.
    void reopenAreaRecordset(const std::string& jetSql);
    // Fills VetorNomeLocalidade from RsArea: entry 0 is the state's total, then every row's DESCRICAO at its
    // area code (a row of code 0 replaces the total). Throws jet::Error on an area code outside the table,
    // naming it.
    void fillLocalityNames();

private:
    SurveyDatabase database_;
    jet::Connection DbSessao_;
    jet::Recordset RsBuscaMunicipio_;
    jet::Recordset RsArea_;
    LocalityNames names_;
    QString title_, subtitle_;
};

}  // namespace quelva
