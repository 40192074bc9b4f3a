#include <algorithm>
#include <vector>

#include "cell_source.h"
#include "estado.h"
#include "formatos.h"
#include "grade.h"
#include "regras_grade.h"
#include "result_rows.h"
#include "twips.h"

namespace quelva {

namespace {

const char* kMunicipio = "Município: ";
// Column 1 leaves this much of the grid's width free, for the scroll bar.
constexpr int kFolgaColuna1 = 400;

// The record cards, read from the result when asked: for each record a heading row naming the locality,
// then a row per field (title, value), the M1 fields from the record's cut on left out. Where each card
// starts and every row's height are worked out once.
class CardLayout : public CellSource {
public:
    CardLayout(std::shared_ptr<const ResultRows> rows, int larguraGrade)
        : rows_(std::move(rows)), prefixo_(QString::fromUtf8(kMunicipio)), valueColour_(valueColour()) {
        const int F = rows_->fields();
        for (int i = 1; i < F; ++i)
            if (!rows_->isM1(i)) plainFields_.push_back(i);
        starts_.reserve(static_cast<std::size_t>(rows_->records()) + 1);
        starts_.push_back(0);
        std::vector<int> maiorTexto;
        for (int p = 0; p < rows_->records(); ++p) {
            maiorTexto.push_back(static_cast<int>(prefixo_.size() + rows_->place(p).size()));
            for (int k = 0, n = fieldCount(p); k < n; ++k) {
                const int campo = fieldAt(p, k);
                maiorTexto.push_back(std::max(static_cast<int>(rows_->title(campo).size()), rows_->length(p, campo)));
            }
            starts_.push_back(static_cast<int>(maiorTexto.size()));
        }
        AjustarAlturaLinhas(maiorTexto);
        heights_ = std::move(maiorTexto);
        widths_[0] = arredondar(larguraGrade / 4.0 * 2.5);
        widths_[1] = larguraGrade - widths_[0] - kFolgaColuna1;
    }

    int rows() const override { return starts_.back(); }
    int columns() const override { return 2; }
    int columnWidth(int column) const override { return widths_[column]; }
    int rowHeight(int row) const override { return heights_[static_cast<std::size_t>(row)]; }
    bool wordWrap() const override { return true; }

    QString text(int row, int column) const override {
        int registro = 0, campo = 0;
        locate(row, registro, campo);
        if (campo == 0) return column == 0 ? prefixo_ + rows_->place(registro) : QString();
        return column == 0 ? rows_->title(campo) : rows_->value(registro, campo);
    }

    GridCell cell(int row, int column) const override {
        int registro = 0, campo = 0;
        locate(row, registro, campo);
        GridCell c;
        c.texto = text(row, column);
        c.alinhamento = Qt::AlignLeft | Qt::AlignVCenter;
        if (campo == 0) {
            c.fundo = localityColour();
        } else if (column == 0) {
            c.fundo = variableColour();
        } else {
            c.fundo = valueColour_;
            c.alinhamento = Qt::AlignCenter;
        }
        return c;
    }

private:
    // How many fields record `p`'s card lists: every field before its cut, and the plain ones after it.
    int fieldCount(int p) const {
        const int corte = rows_->m1CutFrom(p);
        return corte - 1 + static_cast<int>(plainFields_.end() - plainsFrom(corte));
    }
    // The `k`th field record `p`'s card lists.
    int fieldAt(int p, int k) const {
        const int corte = rows_->m1CutFrom(p);
        return k < corte - 1 ? k + 1 : plainsFrom(corte)[k - (corte - 1)];
    }
    std::vector<int>::const_iterator plainsFrom(int campo) const {
        return std::lower_bound(plainFields_.begin(), plainFields_.end(), campo);
    }
    // A row as its record and field; field 0 for the heading.
    void locate(int row, int& record, int& field) const {
        record = static_cast<int>(std::upper_bound(starts_.begin(), starts_.end(), row) - starts_.begin()) - 1;
        const int k = row - starts_[static_cast<std::size_t>(record)];
        field = k == 0 ? 0 : fieldAt(record, k - 1);
    }

    std::shared_ptr<const ResultRows> rows_;
    QString prefixo_;
    QColor valueColour_;
    std::vector<int> plainFields_;  // the fields outside the M1 group, in order
    std::vector<int> starts_;       // the heading row of each card, and the row count last
    std::vector<int> heights_;
    int widths_[2] = {};
};

}  // namespace

void MontarFormato3(const std::shared_ptr<const ResultRows>& resultado, Grade& grade, int larguraGrade) {
    if (!resultado) return;
    grade.definirFonte(std::make_shared<const CardLayout>(resultado, larguraGrade));
}

void MontarFormato3(Estado& estado, Grade& grade, int larguraGrade) { MontarFormato3(readResult(estado), grade, larguraGrade); }

}  // namespace quelva
