#include "painel_variaveis.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "arvore_temas.h"
#include "cursor_espera.h"
#include "error_policy.h"
#include "estado.h"
#include "variable_list_pair.h"

namespace quelva {

namespace {

const char* const kSqlArvoreTemas[] = {
    "Select V.NumSeq, V.CodTema, T.NomeTema, V.CodSubTema, S.NomeSubTema ",
    "From CD_VAR V, CD_TEMA T, CD_SUBTEMA S ",
    "Where V.CodTema = T.CodTema And ",
    "V.CodSubTema = S.CodSubTema ",
    "Order By V.NumSeq",
};

}  // namespace

PainelVariaveis::PainelVariaveis(QGroupBox* FraVar, Estado& estado, ListasVariaveis& listas, ErrorPolicy& politica)
    : QObject(FraVar), fra_(FraVar), estado_(estado) {
    const char* titulos[2] = {"Temas", "Variáveis"};
    for (int i = 0; i < 2; ++i) {
        FraVar_LblTitulo[i] = new QLabel(QString::fromUtf8(titulos[i]), fra_);
        FraVar_LblTitulo[i]->setObjectName(QStringLiteral("FraVar_LblTitulo(%1)").arg(i));
    }
    FraVar_TrwTemas = new ArvoreTemas(fra_);
    FraVar_TrwTemas->setObjectName("FraVar_TrwTemas");
    par_ = new VariableListPair(fra_, QStringLiteral("FraVar_"), {}, estado_, listas, politica);
    FraVar_LstNomeVariavel = par_->nomes;
    FraVar_LstCodVariavel = par_->codigos;
    FraVar_CmdMarcarTodas = par_->marcarTodas;
    FraVar_CmdDesmarcarTodas = par_->desmarcarTodas;
    FraVar_CmdMostrarDefinicao = par_->mostrarDefinicao;

    politica.connect(FraVar_TrwTemas, &QTreeWidget::itemClicked, this, [this] { FraVar_TrwTemas_Click(); });
    politica.connect(FraVar_TrwTemas, &ArvoreTemas::teclaSolta, this, [this] { FraVar_TrwTemas_Click(); });
}

void PainelVariaveis::CarregarArvoreTemas() {
    jet::Connection db = estado_.banco.abrir();
    std::string sql;
    for (const char* parte : kSqlArvoreTemas) sql += parte;
    jet::Recordset rs = db.openRecordset(sql);
    FraVar_TrwTemas->montar(rs);
    rs.close();
}

void PainelVariaveis::FraVar_TrwTemas_Click() {
    if (FraVar_TrwTemas->indiceSelecionado() < 0) return;  // an empty tree: nothing is selected
    CursorEspera espera(FraVar_TrwTemas);
    FraVar_LstNomeVariavel->hide();
    par_->clear();
    FraVar_TrwTemas->destacarSelecionado(estado_.NoDestacadoVar);
    const QString chave = FraVar_TrwTemas->chave(FraVar_TrwTemas->currentItem());
    if (chave.startsWith(QLatin1String("ST"))) {
        const std::string subtema = chave.mid(2).toStdString();
        for (const Variavel& v : estado_.VetorVariavel) {
            if (v.CodSubTema.isNull() || v.CodSubTema.toText() != subtema) continue;
            par_->append(QString::fromStdString(v.CodVariavel.toText()), QString::fromStdString(v.NomeVariavel.toText()));
        }
        par_->finishFilling();
    }
    FraVar_LstNomeVariavel->show();
}

void PainelVariaveis::FraVar_CmdMarcarTodas_Click() { par_->markAll(); }
void PainelVariaveis::FraVar_CmdDesmarcarTodas_Click() { par_->unmarkAll(); }
void PainelVariaveis::FraVar_CmdMostrarDefinicao_Click() { par_->showDefinition(); }
void PainelVariaveis::atualizarMarcas() { par_->refreshMarks(); }

}  // namespace quelva
