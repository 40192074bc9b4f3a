#include "painel_variaveis.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "arvore_temas.h"
#include "cursor_espera.h"
#include "definicao.h"
#include "estado.h"
#include "lista_variaveis.h"

namespace quelva {

const char* const kDicaListaVariaveis =
    "Selecione uma variável e clique com o botão direito do mouse para visualizar a definição da variável.";
const char* const kMarcarTodas = "&Marcar todas";
const char* const kDesmarcarTodas = "&Desmarcar todas";
const char* const kMostrarDefinicao = "&Mostrar definição";

namespace {

const char* const kSqlArvoreTemas[] = {
    "Select V.NumSeq, V.CodTema, T.NomeTema, V.CodSubTema, S.NomeSubTema ",
    "From CD_VAR V, CD_TEMA T, CD_SUBTEMA S ",
    "Where V.CodTema = T.CodTema And ",
    "V.CodSubTema = S.CodSubTema ",
    "Order By V.NumSeq",
};

QPushButton* botao(QWidget* pai, const char* nome, const char* texto) {
    auto* b = new QPushButton(QString::fromUtf8(texto), pai);
    b->setObjectName(nome);
    return b;
}

}  // namespace

PainelVariaveis::PainelVariaveis(QGroupBox* FraVar, Estado& estado, ListasVariaveis& listas, Dialogos& dialogos)
    : QObject(FraVar), fra_(FraVar), estado_(estado), listas_(listas), dialogos_(dialogos) {
    const char* titulos[2] = {"Temas", "Variáveis"};
    for (int i = 0; i < 2; ++i) {
        FraVar_LblTitulo[i] = new QLabel(QString::fromUtf8(titulos[i]), fra_);
        FraVar_LblTitulo[i]->setObjectName(QStringLiteral("FraVar_LblTitulo(%1)").arg(i));
    }
    FraVar_TrwTemas = new ArvoreTemas(fra_);
    FraVar_TrwTemas->setObjectName("FraVar_TrwTemas");
    FraVar_LstCodVariavel = new QListWidget(fra_);
    FraVar_LstCodVariavel->setObjectName("FraVar_LstCodVariavel");
    FraVar_LstCodVariavel->hide();
    FraVar_LstNomeVariavel = new QListWidget(fra_);
    FraVar_LstNomeVariavel->setObjectName("FraVar_LstNomeVariavel");
    FraVar_LstNomeVariavel->setToolTip(QString::fromUtf8(kDicaListaVariaveis));
    FraVar_CmdMarcarTodas = botao(fra_, "FraVar_CmdMarcarTodas", kMarcarTodas);
    FraVar_CmdDesmarcarTodas = botao(fra_, "FraVar_CmdDesmarcarTodas", kDesmarcarTodas);
    FraVar_CmdMostrarDefinicao = botao(fra_, "FraVar_CmdMostrarDefinicao", kMostrarDefinicao);

    listas_.ligar(*FraVar_LstCodVariavel, *FraVar_LstNomeVariavel);
    connect(FraVar_TrwTemas, &QTreeWidget::itemClicked, this, [this] { FraVar_TrwTemas_Click(); });
    connect(FraVar_TrwTemas, &ArvoreTemas::teclaSolta, this, [this] { FraVar_TrwTemas_Click(); });
    connect(FraVar_CmdMarcarTodas, &QPushButton::clicked, this, [this] { FraVar_CmdMarcarTodas_Click(); });
    connect(FraVar_CmdDesmarcarTodas, &QPushButton::clicked, this, [this] { FraVar_CmdDesmarcarTodas_Click(); });
    connect(FraVar_CmdMostrarDefinicao, &QPushButton::clicked, this, [this] { FraVar_CmdMostrarDefinicao_Click(); });
    ligarBotaoDireito(*FraVar_LstNomeVariavel, [this] { FraVar_CmdMostrarDefinicao_Click(); });
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
    listas_.limpar(*FraVar_LstCodVariavel, *FraVar_LstNomeVariavel);
    FraVar_TrwTemas->destacarSelecionado(estado_.NoDestacadoVar);
    const QString chave = FraVar_TrwTemas->chave(FraVar_TrwTemas->currentItem());
    if (chave.startsWith(QLatin1String("ST"))) {
        const std::string subtema = chave.mid(2).toStdString();
        for (const Variavel& v : estado_.VetorVariavel) {
            if (v.CodSubTema.isNull() || v.CodSubTema.toText() != subtema) continue;
            listas_.acrescentar(*FraVar_LstCodVariavel, *FraVar_LstNomeVariavel, QString::fromStdString(v.CodVariavel.toText()),
                                QString::fromStdString(v.NomeVariavel.toText()));
        }
        listas_.Ger_AtualizarListaVariavel(*FraVar_LstCodVariavel, *FraVar_LstNomeVariavel);
        const QSignalBlocker b(FraVar_LstNomeVariavel);
        FraVar_LstNomeVariavel->setCurrentRow(-1);
    }
    FraVar_LstNomeVariavel->show();
}

void PainelVariaveis::FraVar_CmdMarcarTodas_Click() {
    CursorEspera espera(FraVar_CmdMarcarTodas);
    listas_.marcarTodas(*FraVar_LstCodVariavel, *FraVar_LstNomeVariavel, true, true);
}

void PainelVariaveis::FraVar_CmdDesmarcarTodas_Click() {
    CursorEspera espera(FraVar_CmdDesmarcarTodas);
    listas_.marcarTodas(*FraVar_LstCodVariavel, *FraVar_LstNomeVariavel, false, true);
}

void PainelVariaveis::FraVar_CmdMostrarDefinicao_Click() {
    MostrarDefinicaoDaLista(estado_.banco, dialogos_, FraVar_CmdMostrarDefinicao, *FraVar_LstCodVariavel, *FraVar_LstNomeVariavel);
}

void PainelVariaveis::atualizarMarcas() { listas_.Ger_AtualizarListaVariavel(*FraVar_LstCodVariavel, *FraVar_LstNomeVariavel); }

}  // namespace quelva
