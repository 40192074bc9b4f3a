#include "painel_palavras.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include "arvore_temas.h"
#include "cursor_espera.h"
#include "dialogos.h"
#include "error_policy.h"
#include "estado.h"
#include "fixed_font.h"
#include "texto_sql.h"
#include "variable_list_pair.h"

namespace quelva {

namespace {

const char* kTituloPalavras = "Escolha a letra inicial da PALAVRA-CHAVE";
const char* kSemPalavras = "Não existem palavras-chave para esta letra.";
const char* kSemVariaveis = "Não existem variáveis para esta palavras-chave.";

QString maiusculas(const QString& s) { return s.toUpper(); }

}  // namespace

QStringList PalavrasDaLetra(const QString& textoPalavras, const QString& letra) {
    QStringList saida;
    QString s = textoPalavras;
    while (!s.trimmed().isEmpty()) {
        const int sep = s.indexOf(QLatin1Char(';'));
        const QString w = sep < 0 ? s : s.left(sep);
        const QString aparado = w.trimmed();
        if (!aparado.isEmpty() && maiusculas(aparado.left(1)) == letra) saida << w;
        s = sep < 0 ? QString() : s.mid(sep + 1);
    }
    return saida;
}

PainelPalavras::PainelPalavras(QGroupBox* FraPal, Estado& estado, ListasVariaveis& listas, ErrorPolicy& politica)
    : QObject(FraPal), fra_(FraPal), estado_(estado), politica_(politica), dialogos_(politica.dialogos()) {
    FraPal_LblTitulo = new QLabel(QString::fromUtf8(kTituloPalavras), fra_);
    FraPal_LblTitulo->setObjectName("FraPal_LblTitulo");
    FraPal_LblTitulo->setAlignment(Qt::AlignCenter);
    const QFont fixa = fixedPitchFont();
    for (int i = 0; i < 26; ++i) {
        auto* l = new QLabel(QString(QLatin1Char(kLetras[i])), fra_);
        l->setObjectName(QStringLiteral("FraPal_LblLetra(%1)").arg(i));
        l->setFont(fixa);
        // The letters' own pointer; "A" carries a picture of its own in the original design, a hand serves all.
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
        FraPal_LblLetra[static_cast<std::size_t>(i)] = l;
    }
    FraPal_LstPalavraChave = new QListWidget(fra_);
    FraPal_LstPalavraChave->setObjectName("FraPal_LstPalavraChave");
    FraPal_TrwTema = new ArvoreTemas(fra_);
    FraPal_TrwTema->setObjectName("FraPal_TrwTema");
    // "&Desmarcar todas" leaves the list on screen here, unlike the Variables panel.
    par_ = new VariableListPair(fra_, QStringLiteral("FraPal_"), {.hideWhileUnmarking = false}, estado_, listas, politica);
    FraPal_LstNomeVariavel = par_->nomes;
    FraPal_LstCodVariavel = par_->codigos;
    FraPal_CmdMarcarTodas = par_->marcarTodas;
    FraPal_CmdDesmarcarTodas = par_->desmarcarTodas;
    FraPal_CmdMostrarDefinicao = par_->mostrarDefinicao;

    politica.connect(FraPal_LstPalavraChave, &QListWidget::itemClicked, this, [this] { FraPal_LstPalavraChave_Click(); });
    politica.connect(FraPal_TrwTema, &QTreeWidget::itemClicked, this, [this] { FraPal_TrwTema_Click(); });
    politica.connect(FraPal_TrwTema, &ArvoreTemas::teclaSolta, this, [this] { FraPal_TrwTema_Click(); });
}

bool PainelPalavras::eventFilter(QObject* alvo, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        for (int i = 0; i < 26; ++i) {
            if (alvo == FraPal_LblLetra[static_cast<std::size_t>(i)]) {
                politica_.run([this, i] { FraPal_LblLetra_Click(i); });
                return true;
            }
        }
    }
    return QObject::eventFilter(alvo, e);
}

void PainelPalavras::FraPal_LblLetra_Click(int indice) {
    const QString L(QLatin1Char(kLetras[indice]));
    FraPal_TrwTema->limpar();
    FraPal_LstPalavraChave->clear();
    CursorEspera espera(FraPal_LblLetra[static_cast<std::size_t>(indice)]);
    jet::Recordset rs;
    {
        jet::Connection db = estado_.banco.abrir();
        const std::string l = L.toStdString();
        rs = db.openRecordset(std::string("Select [Palavra-Chave] From CD_VAR ") + "Where ucase(left(trim([Palavra-Chave]),1)) = '" +
                              l + "' or " + "ucase([Palavra-Chave]) Like '*;" + l + "*' Order By NumSeq");
    }
    if (rs.recordCount() == 0) {
        espera.restaurar();
        dialogos_.mensagem(fra_, QString::fromUtf8(kSemPalavras), Dialogos::Icone::Critico, Dialogos::Botoes::Ok, QString());
        return;
    }
    QStringList vistas;
    for (; !rs.eof(); rs.moveNext()) {
        for (const QString& w : PalavrasDaLetra(QString::fromStdString(rs.field("Palavra-Chave").toText()), L)) {
            if (vistas.contains(w)) continue;  // exact, case-sensitive: "Casa" and "casa" are two
            vistas << w;
        }
    }
    // The list keeps itself sorted without regard to case.
    std::stable_sort(vistas.begin(), vistas.end(),
                     [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    FraPal_LstPalavraChave->addItems(vistas);
}

void PainelPalavras::FraPal_LstPalavraChave_Click() {
    QListWidgetItem* atual = FraPal_LstPalavraChave->currentItem();
    if (!atual) return;
    const QString K = atual->text();
    estado_.NoDestacadoPal = -1;
    FraPal_TrwTema->limpar();
    CursorEspera espera(FraPal_LstPalavraChave);
    jet::Recordset rs;
    {
        jet::Connection db = estado_.banco.abrir();
        rs = db.openRecordset(std::string("Select V.NumSeq, V.CodTema, T.NomeTema, V.CodSubTema, S.NomeSubTema ") +
                              "From CD_VAR V, CD_TEMA T, CD_SUBTEMA S " +
                              "Where V.CodTema = T.CodTema And V.CodSubTema = S.CodSubTema And " +
                              "Ucase(V.[Palavra-Chave]) Like '*" + literalLike(K.toUpper()) + "*' " + "Order By V.NumSeq");
    }
    if (rs.recordCount() == 0) {
        espera.restaurar();
        dialogos_.mensagem(fra_, QString::fromUtf8(kSemVariaveis), Dialogos::Icone::Critico, Dialogos::Botoes::Ok, QString());
        return;
    }
    FraPal_TrwTema->montar(rs);
    for (int i = 2; i <= FraPal_TrwTema->quantidade(); ++i) {
        QTreeWidgetItem* no = FraPal_TrwTema->no(i);
        if (FraPal_TrwTema->chave(no).startsWith(QLatin1Char('T'))) FraPal_TrwTema->scrollToItem(no);
    }
}

void PainelPalavras::FraPal_TrwTema_Click() {
    if (FraPal_TrwTema->indiceSelecionado() < 0) return;  // no keyword chosen yet
    CursorEspera espera(FraPal_TrwTema);
    FraPal_LstNomeVariavel->hide();
    par_->clear();
    FraPal_TrwTema->destacarSelecionado(estado_.NoDestacadoPal);
    const QString chave = FraPal_TrwTema->chave(FraPal_TrwTema->currentItem());
    QListWidgetItem* palavra = FraPal_LstPalavraChave->currentItem();
    if (chave.startsWith(QLatin1String("ST")) && palavra) {
        bool numero = false;
        const long long subtema = chave.mid(2).toLongLong(&numero);
        if (numero) {
            jet::Connection db = estado_.banco.abrir();
            jet::Recordset rs = db.openRecordset(std::string("Select * ") + "From CD_VAR " + "Where Ucase([Palavra-Chave]) Like " +
                                                 "'*" + literalLike(palavra->text().toUpper()) + "*' And " + "CodSubTema = " +
                                                 std::to_string(subtema) + " " + "Order By NumSeq");
            for (; !rs.eof(); rs.moveNext())
                par_->append(QString::fromStdString(rs.field("CodVariavel").toText()),
                             QString::fromStdString(rs.field("NomeVariavel").toText()));
        }
        par_->finishFilling();
    }
    FraPal_LstNomeVariavel->show();
}

void PainelPalavras::FraPal_CmdMarcarTodas_Click() { par_->markAll(); }
void PainelPalavras::FraPal_CmdDesmarcarTodas_Click() { par_->unmarkAll(); }
void PainelPalavras::FraPal_CmdMostrarDefinicao_Click() { par_->showDefinition(); }
void PainelPalavras::atualizarMarcas() { par_->refreshMarks(); }

}  // namespace quelva
