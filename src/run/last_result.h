#pragma once
#include <array>

#include "catalogue_tables.h"
#include "quelva_limits.h"
#include "recordset.h"

namespace quelva {

class SurveyDatabase;

// The catalogue of a result run and the last result: RsResultado, HaResultado, MarcaM1 and QtdM1. Its
// owner is the result panel (the run commits a result, and clears it when it has no rows); the layouts and
// the export read it.
class LastResult {
public:
    using M1Marks = std::array<bool, kM1Marks>;

    const CatalogueTables& catalogueTables() const { return catalogue_; }
    // Readers take a copy, which has a current row of its own.
    const jet::Recordset& RsResultado() const { return rows_; }
    bool HaResultado() const { return has_; }
    const M1Marks& MarcaM1() const { return marks_; }
    int QtdM1() const { return m1Count_; }

    // The catalogue connection of one run and its recordsets. Throws jet::Error.
    void AbrirTabelasCD(const SurveyDatabase& database) { quelva::AbrirTabelasCD(catalogue_, database); }
    void FecharTabelasCD() { quelva::FecharTabelasCD(catalogue_); }

    void commit(jet::Recordset rows, bool HaResultado, const M1Marks& MarcaM1, int QtdM1);
    // The result stays, marked as none.
    void clear() { has_ = false; }

private:
    CatalogueTables catalogue_;
    jet::Recordset rows_;
    bool has_ = false;
    M1Marks marks_{};
    int m1Count_ = 0;
};

}  // namespace quelva
