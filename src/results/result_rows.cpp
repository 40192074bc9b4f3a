#include "result_rows.h"

#include <algorithm>
#include <string_view>

#include "estado.h"
#include "regras_grade.h"
#include "tabelas_cd.h"

namespace quelva {

ResultRows::ResultRows(Estado& estado) : rs_(estado.RsResultado) {
    records_ = rs_.recordCount();
    fields_ = rs_.fieldCount();
    titles_ = fieldTitles(estado.tabelasCD, rs_);
    std::vector<std::string> names;
    std::vector<char> nameColumn;
    for (int i = 0; i < fields_; ++i) {
        names.push_back(rs_.fieldName(i));
        m1_.push_back(names.back().rfind("M1", 0) == 0);
        nameColumn.push_back(isM1NameColumn(names.back()));
    }
    const int firstM1 = static_cast<int>(std::find(m1_.begin() + std::min(1, fields_), m1_.end(), 1) - m1_.begin());

    lengths_.resize(static_cast<std::size_t>(records_) * static_cast<std::size_t>(fields_));
    places_.reserve(static_cast<std::size_t>(records_));
    cut_.assign(static_cast<std::size_t>(records_), fields_);
    RepetitionCount repeticoes;
    rs_.moveFirst();
    for (int p = 0; !rs_.eof(); ++p, rs_.moveNext()) {
        places_.push_back(QString::fromStdString(BuscarDescricao(estado.tabelasCD, rs_.field(0), "LOCALIDADE")));
        for (int i = 1; i < fields_; ++i) {
            const std::string texto = rs_.field(i).toText();
            const std::string_view valor = trimmedText(texto);
            lengths_[position(p, i)] = static_cast<std::uint32_t>(utf16Length(valor));
            if (!m1_[static_cast<std::size_t>(i)]) continue;
            const bool traco = valor == "-";
            repeticoes.see(names[static_cast<std::size_t>(i)], traco);
            int& corte = cut_[static_cast<std::size_t>(p)];
            if (traco && nameColumn[static_cast<std::size_t>(i)] && i > firstM1 && corte == fields_) corte = i;
        }
    }
    tableFields_ = fields_ - repeticoes.dropped(estado.QtdM1);
}

QString ResultRows::value(int record, int field) const { return cellText(rs_.value(record, field)); }

std::shared_ptr<const ResultRows> readResult(Estado& estado) {
    if (estado.RsResultado.recordCount() == 0) {
        estado.HaResultado = false;
        return nullptr;
    }
    return std::make_shared<const ResultRows>(estado);
}

}  // namespace quelva
