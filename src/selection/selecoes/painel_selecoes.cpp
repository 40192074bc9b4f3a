#include "painel_selecoes.h"

#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

#include "cursor_espera.h"
#include "dialogos.h"
#include "error_policy.h"
#include "estado.h"
#include "fixed_font.h"
#include "locality_entry.h"
#include "variable_list_pair.h"

namespace quelva {

namespace {

const char* const kTituloVariaveis = "Variáveis Selecionadas";
const char* const kTituloLocalidades = "Localidades Selecionadas";
const char* const kErroSelecao = "ERRO DE SELEÇÃO DE LOCALIDADES !!!";
const char* const kPrefixoGrupo = "Totais da ";

const char* const kSqlRaRg = "select * from cd_Area where munseqrarg > 0 order by munseqrarg";
const char* const kSqlDrads = "select * from cd_Area where munseqdrads > 0 order by munseqdrads";
const char* const kSqlMunicipios = "select * from cd_Area where mun > 0 order by descricao";

// The bands of the consistency check: the RA/RG one includes 700, unlike the bands the Localities panel
// examines and clears.
constexpr AreaBand kVerificacaoRaRg[] = {{kRaRgSelectionBands[0].first, kRaRgSelectionBands[0].last},
                                         {700, kRaRgSelectionBands[1].last}};
constexpr AreaBand kMunicipios{1, 679};

bool algumSelecionado(const Estado& e, AreaBand faixa) {
    for (int c = faixa.first; c <= faixa.last; ++c)
        if (e.VetorLocalidade[static_cast<std::size_t>(c)]) return true;
    return false;
}

// The indent a code sets, or -1 for a code that keeps the previous line's.
int recuoDoCodigo(int codigo) {
    if (kMunicipios.contains(codigo)) return 9;
    if (kRaRgSelectionBands[0].contains(codigo)) return 3;
    if (kRaRgSelectionBands[1].contains(codigo)) return 6;
    if (kDradsBand.contains(codigo)) return 5;
    return -1;
}

}  // namespace

QString LinhaLocalidadeSelecionada(int codigo, const QString& nome, int& recuo) {
    if (codigo == 0) return localityEntryText(nome, 0);
    const int proprio = recuoDoCodigo(codigo);
    if (proprio >= 0) recuo = proprio;
    const QString prefixo = codigo >= kRaRgBand.first ? QString::fromUtf8(kPrefixoGrupo) : QString();
    return localityEntryText(QString(recuo, QLatin1Char(' ')) + prefixo + nome, codigo);
}

PainelSelecoes::PainelSelecoes(QGroupBox* FraSel, Estado& estado, ListasVariaveis& listas, ErrorPolicy& politica,
                               std::function<void()> desmarcarLocalidades)
    : QObject(FraSel), fra_(FraSel), estado_(estado), politica_(politica), desmarcarLocalidades_(std::move(desmarcarLocalidades)) {
    FraSel_FraVar = new QGroupBox(QString::fromUtf8(kTituloVariaveis), fra_);
    FraSel_FraVar->setObjectName("FraSel_FraVar");
    par_ = new VariableListPair(FraSel_FraVar, QStringLiteral("FraSel_FraVar_"), {.markAllButton = false}, estado_, listas, politica);
    FraSel_FraVar_LstNomeVariavel = par_->nomes;
    FraSel_FraVar_LstCodVariavel = par_->codigos;
    FraSel_FraVar_CmdDesmarcarTodas = par_->desmarcarTodas;
    FraSel_FraVar_CmdMostrarDefinicao = par_->mostrarDefinicao;

    FraSel_Fraloc = new QGroupBox(QString::fromUtf8(kTituloLocalidades), fra_);
    FraSel_Fraloc->setObjectName("FraSel_Fraloc");
    FraSel_Fraloc_Lstlocalidade = new QListWidget(FraSel_Fraloc);
    FraSel_Fraloc_Lstlocalidade->setObjectName("FraSel_Fraloc_Lstlocalidade");
    FraSel_Fraloc_Lstlocalidade->setFont(fixedPitchFont());
    FraSel_Fraloc_Cmddesmarcartodas = new QPushButton(QString::fromUtf8(kDesmarcarTodas), FraSel_Fraloc);
    FraSel_Fraloc_Cmddesmarcartodas->setObjectName("FraSel_Fraloc_Cmddesmarcartodas");

    politica_.connect(FraSel_Fraloc_Lstlocalidade, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (preenchendo_) return;
        // A click on a check box makes its entry the current one, whose mark is then recorded.
        if (FraSel_Fraloc_Lstlocalidade->currentItem() != item) {
            const QSignalBlocker b(FraSel_Fraloc_Lstlocalidade);
            FraSel_Fraloc_Lstlocalidade->setCurrentItem(item);
        }
        FraSel_Fraloc_Lstlocalidade_Click();
    });
    politica_.connect(FraSel_Fraloc_Lstlocalidade, &QListWidget::currentRowChanged, this, [this] {
        if (!preenchendo_) FraSel_Fraloc_Lstlocalidade_Click();
    });
    politica_.connect(FraSel_Fraloc_Cmddesmarcartodas, &QPushButton::clicked, this, [this] { FraSel_Fraloc_Cmddesmarcartodas_Click(); });
}

void PainelSelecoes::CarregarVariaveisSelecionadas() {
    estado_.SincronizarMarcas = false;
    par_->clear();
    for (const Variavel& v : estado_.VetorVariavel) {
        if (!v.selecionada()) continue;
        par_->append(QString::fromStdString(v.CodVariavel.toText()), QString::fromStdString(v.NomeVariavel.toText()));
    }
    // Every entry is selected: Ger_AtualizarListaVariavel ticks them all and writes nothing back.
    par_->finishFilling();
}

bool PainelSelecoes::CarregarLocalidadesSelecionadas() {
    QListWidget* lista = FraSel_Fraloc_Lstlocalidade;
    preenchendo_ = true;
    lista->clear();
    lista->hide();
    const bool raRg = algumSelecionado(estado_, kVerificacaoRaRg[0]) || algumSelecionado(estado_, kVerificacaoRaRg[1]);
    const bool drads = algumSelecionado(estado_, kDradsBand);
    if (raRg && drads) {
        preenchendo_ = false;
        politica_.dialogos().mensagem(fra_, QString::fromUtf8(kErroSelecao), Dialogos::Icone::Nenhum, Dialogos::Botoes::Ok, QString());
        politica_.endProgram(1);
        return false;
    }
    reopenAreaRecordset(estado_, raRg ? kSqlRaRg : drads ? kSqlDrads : kSqlMunicipios);
    int recuo = 0;  // no indent before the first line that sets one
    if (estado_.VetorLocalidade[0])
        acrescentarLocalidade(LinhaLocalidadeSelecionada(0, estado_.VetorNomeLocalidade[0], recuo), estado_.VetorNomeLocalidade[0]);
    for (jet::Recordset& rs = estado_.RsArea; !rs.eof(); rs.moveNext()) {
        const std::int64_t codigo = rs.field("COD_AREA_NORVA").toInteger();
        if (codigo < 0 || codigo > kMaxCodigoArea || !estado_.VetorLocalidade[static_cast<std::size_t>(codigo)]) continue;
        const QString& nome = estado_.VetorNomeLocalidade[static_cast<std::size_t>(codigo)];
        acrescentarLocalidade(LinhaLocalidadeSelecionada(static_cast<int>(codigo), nome, recuo), nome);
    }
    estado_.RsArea.moveFirst();
    lista->setCurrentRow(-1);
    lista->show();
    preenchendo_ = false;
    return true;
}

void PainelSelecoes::acrescentarLocalidade(const QString& linha, const QString& nome) {
    QListWidgetItem* item = newLocalityItem(linha, nome);
    item->setCheckState(Qt::Checked);
    FraSel_Fraloc_Lstlocalidade->addItem(item);
}

void PainelSelecoes::FraSel_Fraloc_Lstlocalidade_Click() {
    QListWidgetItem* item = FraSel_Fraloc_Lstlocalidade->currentItem();
    if (!item) return;
    registrarLocalidade(item);
}

void PainelSelecoes::registrarLocalidade(QListWidgetItem* item) {
    const int codigo = codeOfLocalityEntry(entryOfLocalityItem(item));
    if (codigo < 0 || codigo > kMaxCodigoArea) return;
    estado_.VetorLocalidade[static_cast<std::size_t>(codigo)] = item->checkState() == Qt::Checked;
}

void PainelSelecoes::FraSel_Fraloc_Cmddesmarcartodas_Click() {
    desmarcarLocalidades_();
    CursorEspera espera(fra_->window());
    QListWidget* lista = FraSel_Fraloc_Lstlocalidade;
    {
        const QSignalBlocker semAvisos(lista);
        for (int i = 0; i < lista->count(); ++i) {
            QListWidgetItem* item = lista->item(i);
            item->setCheckState(Qt::Unchecked);
            registrarLocalidade(item);
        }
        lista->setCurrentRow(-1);
    }
    lista->viewport()->update();
}

void PainelSelecoes::FraSel_FraVar_CmdDesmarcarTodas_Click() { par_->unmarkAll(); }
void PainelSelecoes::FraSel_FraVar_CmdMostrarDefinicao_Click() { par_->showDefinition(); }

}  // namespace quelva
