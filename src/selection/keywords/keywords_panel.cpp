#include "keywords_panel.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include "theme_tree.h"
#include "wait_cursor.h"
#include "dialogs.h"
#include "error_policy.h"
#include "run_state.h"
#include "fixed_font.h"
#include "sql_quoting.h"
#include "variable_list_pair.h"

namespace quelva {

namespace {

// The 26 letters of the panel, in order.
constexpr const char* kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

const char* kKeywordsTitle = "Escolha a letra inicial da PALAVRA-CHAVE";
const char* kNoKeywords = "Não existem palavras-chave para esta letra.";
const char* kNoVariables = "Não existem variáveis para esta palavras-chave.";

}  // namespace

QStringList keywordsOfLetter(const QString& keywordText, const QString& letter) {
    QStringList result;
    QString s = keywordText;
    while (!s.trimmed().isEmpty()) {
        const int separator = s.indexOf(QLatin1Char(';'));
        const QString w = separator < 0 ? s : s.left(separator);
        const QString trimmed = w.trimmed();
        if (!trimmed.isEmpty() && trimmed.left(1).toUpper() == letter) result << w;
        s = separator < 0 ? QString() : s.mid(separator + 1);
    }
    return result;
}

KeywordsPanel::KeywordsPanel(QGroupBox* FraPal, const RunState& state, VariableSelection& variables,
                             HighlightedNode& NoDestacadoPal, ErrorPolicy& policy)
    : QObject(FraPal), frame_(FraPal), state_(state), NoDestacadoPal_(NoDestacadoPal), policy_(policy), dialogs_(policy.dialogs()) {
    FraPal_LblTitulo = new QLabel(QString::fromUtf8(kKeywordsTitle), frame_);
    FraPal_LblTitulo->setObjectName("FraPal_LblTitulo");
    FraPal_LblTitulo->setAlignment(Qt::AlignCenter);
    const QFont fixedFont = fixedPitchFont();
    for (int i = 0; i < 26; ++i) {
        auto* l = new QLabel(QString(QLatin1Char(kLetters[i])), frame_);
        l->setObjectName(QStringLiteral("FraPal_LblLetra(%1)").arg(i));
        l->setFont(fixedFont);
        // The letters' own pointer; "A" carries a picture of its own in the original design, a hand serves all.
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
        FraPal_LblLetra[static_cast<std::size_t>(i)] = l;
    }
    FraPal_LstPalavraChave = new QListWidget(frame_);
    FraPal_LstPalavraChave->setObjectName("FraPal_LstPalavraChave");
    FraPal_TrwTema = new ThemeTree(frame_);
    FraPal_TrwTema->setObjectName("FraPal_TrwTema");
    // "&Desmarcar todas" leaves the list on screen here, unlike the Variables panel.
    pair_ = new VariableListPair(frame_, QStringLiteral("FraPal_"), {.hideWhileUnmarking = false}, state_.session.database(), variables, policy);
    FraPal_LstNomeVariavel = pair_->names;
    FraPal_LstCodVariavel = pair_->codes;
    FraPal_CmdMarcarTodas = pair_->markAllButton;
    FraPal_CmdDesmarcarTodas = pair_->unmarkAllButton;
    FraPal_CmdMostrarDefinicao = pair_->definitionButton;
    pair_->connectHandlers({[this] { FraPal_CmdMarcarTodas_Click(); }, [this] { FraPal_CmdDesmarcarTodas_Click(); },
                            [this] { FraPal_CmdMostrarDefinicao_Click(); }, [this] { FraPal_LstNomeVariavel_Click(); },
                            [this] { FraPal_LstNomeVariavel_MouseDown(); }});

    policy.connect(FraPal_LstPalavraChave, &QListWidget::itemClicked, this, [this] { FraPal_LstPalavraChave_Click(); });
    policy.connect(FraPal_TrwTema, &QTreeWidget::itemClicked, this, [this] { FraPal_TrwTema_Click(); });
    policy.connect(FraPal_TrwTema, &ThemeTree::keyReleased, this, [this] { FraPal_TrwTema_KeyUp(); });
}

void KeywordsPanel::FraPal_TrwTema_KeyUp() { FraPal_TrwTema_Click(); }
void KeywordsPanel::FraPal_LstNomeVariavel_Click() { pair_->recordCurrent(); }
void KeywordsPanel::FraPal_LstNomeVariavel_MouseDown() { pair_->showDefinition(); }
void KeywordsPanel::FraPal_CmdMarcarTodas_Click() { pair_->markAll(); }
void KeywordsPanel::FraPal_CmdDesmarcarTodas_Click() { pair_->unmarkAll(); }
void KeywordsPanel::FraPal_CmdMostrarDefinicao_Click() { pair_->showDefinition(); }

bool KeywordsPanel::eventFilter(QObject* target, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        for (int i = 0; i < 26; ++i) {
            if (target == FraPal_LblLetra[static_cast<std::size_t>(i)]) {
                policy_.run([this, i] { FraPal_LblLetra_Click(i); });
                return true;
            }
        }
    }
    return QObject::eventFilter(target, e);
}

void KeywordsPanel::FraPal_LblLetra_Click(int index) {
    const QString L(QLatin1Char(kLetters[index]));
    FraPal_TrwTema->clearNodes();
    FraPal_LstPalavraChave->clear();
    WaitCursor busy(FraPal_LblLetra[static_cast<std::size_t>(index)]);
    jet::Recordset rs;
    {
        jet::Connection db = state_.session.database().open();
        const std::string l = L.toStdString();
        rs = db.openRecordset(std::string("Select [Palavra-Chave] From CD_VAR ") + "Where ucase(left(trim([Palavra-Chave]),1)) = '" +
                              l + "' or " + "ucase([Palavra-Chave]) Like '*;" + l + "*' Order By NumSeq");
    }
    if (rs.recordCount() == 0) {
        busy.restore();
        dialogs_.message(frame_, QString::fromUtf8(kNoKeywords), Dialogs::Icon::Critical, Dialogs::Buttons::Ok, QString());
        return;
    }
    QStringList seen;
    for (; !rs.eof(); rs.moveNext()) {
        for (const QString& w : keywordsOfLetter(QString::fromStdString(rs.field("Palavra-Chave").toText()), L)) {
            if (seen.contains(w)) continue;  // exact, case-sensitive: "Casa" and "casa" are two
            seen << w;
        }
    }
    // The list keeps itself sorted without regard to case.
    std::stable_sort(seen.begin(), seen.end(),
                     [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    FraPal_LstPalavraChave->addItems(seen);
}

void KeywordsPanel::FraPal_LstPalavraChave_Click() {
    QListWidgetItem* current = FraPal_LstPalavraChave->currentItem();
    if (!current) return;
    const QString K = current->text();
    NoDestacadoPal_.set(-1);
    FraPal_TrwTema->clearNodes();
    WaitCursor busy(FraPal_LstPalavraChave);
    jet::Recordset rs;
    {
        jet::Connection db = state_.session.database().open();
        rs = db.openRecordset(std::string("Select V.NumSeq, V.CodTema, T.NomeTema, V.CodSubTema, S.NomeSubTema ") +
                              "From CD_VAR V, CD_TEMA T, CD_SUBTEMA S " +
                              "Where V.CodTema = T.CodTema And V.CodSubTema = S.CodSubTema And " +
                              "Ucase(V.[Palavra-Chave]) Like '*" + likeText(K.toUpper()) + "*' " + "Order By V.NumSeq");
    }
    if (rs.recordCount() == 0) {
        busy.restore();
        dialogs_.message(frame_, QString::fromUtf8(kNoVariables), Dialogs::Icon::Critical, Dialogs::Buttons::Ok, QString());
        return;
    }
    FraPal_TrwTema->build(rs);
    for (int i = 2; i <= FraPal_TrwTema->nodeCount(); ++i) {
        QTreeWidgetItem* node = FraPal_TrwTema->node(i);
        if (FraPal_TrwTema->key(node).startsWith(QLatin1Char('T'))) FraPal_TrwTema->scrollToItem(node);
    }
}

void KeywordsPanel::FraPal_TrwTema_Click() {
    if (FraPal_TrwTema->selectedIndex() < 0) return;  // no keyword chosen yet
    WaitCursor busy(FraPal_TrwTema);
    FraPal_LstNomeVariavel->hide();
    pair_->clear();
    NoDestacadoPal_.set(FraPal_TrwTema->highlightSelected(NoDestacadoPal_.index()));
    const QString key = FraPal_TrwTema->key(FraPal_TrwTema->currentItem());
    QListWidgetItem* keyword = FraPal_LstPalavraChave->currentItem();
    if (key.startsWith(QLatin1String("ST")) && keyword) {
        bool isNumber = false;
        const long long subtheme = key.mid(2).toLongLong(&isNumber);
        if (isNumber) {
            jet::Connection db = state_.session.database().open();
            jet::Recordset rs = db.openRecordset(std::string("Select * ") + "From CD_VAR " + "Where Ucase([Palavra-Chave]) Like " +
                                                 "'*" + likeText(keyword->text().toUpper()) + "*' And " + "CodSubTema = " +
                                                 std::to_string(subtheme) + " " + "Order By NumSeq");
            for (; !rs.eof(); rs.moveNext())
                pair_->append(QString::fromStdString(rs.field("CodVariavel").toText()),
                             QString::fromStdString(rs.field("NomeVariavel").toText()));
        }
        pair_->finishFilling();
    }
    FraPal_LstNomeVariavel->show();
}


}  // namespace quelva
