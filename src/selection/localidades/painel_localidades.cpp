#include "painel_localidades.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "area_code.h"
#include "cursor_espera.h"
#include "dialogos.h"
#include "error_policy.h"
#include "estado.h"
#include "locality_entry.h"
#include "region_groups.h"
#include "texto_sql.h"
#include "variable_list_pair.h"
#include "windows1252.h"

namespace quelva {

namespace {

const char* const kProcurarMunicipio = "Digite as primeiras letras do nome do município";
const char* const kSqlLocalidades = "Select * From CD_AREA Where mun<>0  ORDER by descricao";

// Codes a typed character may have in the search box: control keys and the blank, digits, letters and the
// accented letters. Everything else (punctuation, and with it Like's wildcards and the quotes) is refused.
bool searchCharacterAccepted(int codigo) {
    return codigo <= 32 || (codigo >= 48 && codigo <= 57) || (codigo >= 65 && codigo <= 90) ||
           (codigo >= 97 && codigo <= 122) || (codigo >= 192 && codigo <= 251);
}

// Leading and trailing blanks off, as the search takes its text; other spaces stay.
QString withoutBlanks(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s.at(b) == QLatin1Char(' ')) ++b;
    while (e > b && s.at(e - 1) == QLatin1Char(' ')) --e;
    return s.mid(b, e - b);
}

}  // namespace

PainelLocalidades::PainelLocalidades(QGroupBox* FraLoc, Estado& estado, ErrorPolicy& politica)
    : QObject(FraLoc), fra_(FraLoc), estado_(estado), politica_(politica) {
    const QString procurar = QString::fromUtf8(kProcurarMunicipio);
    FraLoc_lblprocmun = new QLabel(procurar, fra_);
    FraLoc_lblprocmun->setObjectName("FraLoc_lblprocmun");
    FraLoc_txtprocmun = new QLineEdit(fra_);
    FraLoc_txtprocmun->setObjectName("FraLoc_txtprocmun");
    FraLoc_txtprocmun->setToolTip(procurar);
    FraLoc_LstMunSelec = new QListWidget(fra_);
    FraLoc_LstMunSelec->setObjectName("FraLoc_LstMunSelec");
    FraLoc_cmdmarcartodas = new QPushButton(QString::fromUtf8(kMarcarTodas), fra_);
    FraLoc_cmdmarcartodas->setObjectName("FraLoc_cmdmarcartodas");
    FraLoc_cmddesmarcartodas = new QPushButton(QString::fromUtf8(kDesmarcarTodas), fra_);
    FraLoc_cmddesmarcartodas->setObjectName("FraLoc_cmddesmarcartodas");

    FraLoc_txtprocmun->installEventFilter(this);
    politica_.connect(FraLoc_cmdmarcartodas, &QPushButton::clicked, this, [this] { FraLoc_CmdMarcarTodas_Click(); });
    politica_.connect(FraLoc_cmddesmarcartodas, &QPushButton::clicked, this, [this] { FraLoc_CmdDesmarcarTodas_Click(); });
    politica_.connect(FraLoc_LstMunSelec, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        // A click on a check box makes its entry the current one, whose mark is then recorded.
        if (FraLoc_LstMunSelec->currentItem() != item) {
            const QSignalBlocker b(FraLoc_LstMunSelec);
            FraLoc_LstMunSelec->setCurrentItem(item);
        }
        FraLoc_LstMunSelec_Click();
    });
}

void PainelLocalidades::FraLoc_CarregarLocalidades() {
    CursorEspera espera(fra_->window());
    jet::Connection db = estado_.banco.abrir();
    QListWidget* lista = FraLoc_LstMunSelec;
    lista->hide();
    lista->clear();
    jet::Recordset rs = db.openRecordset(kSqlLocalidades);
    {
        const QSignalBlocker semAvisos(lista);
        while (!rs.eof()) {
            const int codigo = areaCode(rs.field("COD_AREA_NORVA"));
            const QString nome = QString::fromStdString(rs.field("DESCRICAO").toText());
            lista->addItem(newLocalityItem(localityEntryText(nome, codigo), nome));
            rs.moveNext();
        }
    }
    rs.close();
    db.close();
    applyMarks();
    lista->setCurrentRow(-1);
    lista->show();
}

void PainelLocalidades::AtualizarMarcasLocalidades() {
    if (FraLoc_LstMunSelec->count() == 0) return;
    applyMarks();
    FraLoc_LstMunSelec->setCurrentRow(-1);
}

void PainelLocalidades::applyMarks() {
    QListWidget* lista = FraLoc_LstMunSelec;
    const QSignalBlocker semAvisos(lista);
    for (int i = 0; i < lista->count(); ++i) {
        QListWidgetItem* item = lista->item(i);
        const int codigo = entryCode(i);
        if (codigo < 0) continue;
        const Qt::CheckState marca = estado_.VetorLocalidade[static_cast<std::size_t>(codigo)] ? Qt::Checked : Qt::Unchecked;
        if (item->checkState() != marca) item->setCheckState(marca);
    }
}

int PainelLocalidades::entryCode(int i) const {
    const int codigo = codeOfLocalityEntry(entryOfLocalityItem(FraLoc_LstMunSelec->item(i)));
    return codigo <= kMaxCodigoArea ? codigo : -1;  // the list holds none above: its codes were checked on loading
}

void PainelLocalidades::setMark(int i, bool marcada) {
    const QSignalBlocker semAvisos(FraLoc_LstMunSelec);
    FraLoc_LstMunSelec->item(i)->setCheckState(marcada ? Qt::Checked : Qt::Unchecked);
}

void PainelLocalidades::markEveryEntry(bool marcada) {
    QListWidget* lista = FraLoc_LstMunSelec;
    for (int i = 0; i < lista->count(); ++i) {
        setMark(i, marcada);
        const int codigo = entryCode(i);
        if (codigo >= 0) estado_.VetorLocalidade[static_cast<std::size_t>(codigo)] = marcada;
    }
    lista->setCurrentRow(-1);
}

void PainelLocalidades::FraLoc_CmdMarcarTodas_Click() {
    CursorEspera espera(FraLoc_cmdmarcartodas);
    FraLoc_LstMunSelec->hide();
    markEveryEntry(true);
    FraLoc_LstMunSelec->show();
    FraLoc_LstMunSelec->repaint();
}

void PainelLocalidades::FraLoc_CmdDesmarcarTodas_Click() {
    CursorEspera espera(FraLoc_cmddesmarcartodas);
    markEveryEntry(false);
    FraLoc_LstMunSelec->repaint();
}

void PainelLocalidades::FraLoc_txtprocmun_KeyPress(int& KeyAscii) {
    if (!searchCharacterAccepted(KeyAscii)) KeyAscii = 0;
}

void PainelLocalidades::FraLoc_txtprocmun_KeyUp() {
    const QString T = withoutBlanks(FraLoc_txtprocmun->text().toUpper());
    jet::Recordset& rs = estado_.RsBuscaMunicipio;
    // The typed text matches itself: a quote or one of Like's wildcards pasted into the box neither breaks
    // the criterion nor widens it.
    rs.findFirst("desc like '" + literalLike(T) + "*'");
    // Row p of the recordset is entry p of the list: both are the listed localities in name order.
    int p = rs.noMatch() ? -1 : rs.absolutePosition();
    if (p >= FraLoc_LstMunSelec->count()) p = -1;
    FraLoc_LstMunSelec->setCurrentRow(p);
    if (p >= 0) FraLoc_LstMunSelec->scrollToItem(FraLoc_LstMunSelec->item(p));
}

void PainelLocalidades::FraLoc_LstMunSelec_Click() {
    const int i = FraLoc_LstMunSelec->currentRow();
    if (i < 0) return;
    QListWidgetItem* item = FraLoc_LstMunSelec->item(i);
    const int codigo = entryCode(i);
    if (codigo < 0) return;
    bool& marca = estado_.VetorLocalidade[static_cast<std::size_t>(codigo)];
    if (item->checkState() != Qt::Checked) marca = false;
    else if (regionFamily(codigo)) tickRegionGroup(i, codigo);
    else marca = true;
}

void PainelLocalidades::tickRegionGroup(int i, int codigo) {
    LocalityMarks& marcas = estado_.VetorLocalidade;
    const RegionFamily familia = *regionFamily(codigo);
    const RegionFamily outra = otherFamily(familia);
    const bool trocar = familySelected(marcas, outra);
    if (trocar && politica_.dialogos().mensagem(fra_->window(), switchFamilyQuestion(familia), Dialogos::Icone::Exclamacao,
                                                Dialogos::Botoes::SimNao, switchFamilyTitle(), true) != Dialogos::Resposta::Sim) {
        setMark(i, false);  // the earlier selection stays, the new tick is withdrawn
        return;
    }
    if (trocar) clearFamily(marcas, outra);
    marcas[static_cast<std::size_t>(codigo)] = true;
    // The cancelled family's check boxes are cleared at once: the list never shows a tick that the selection
    // does not hold.
    if (trocar) applyMarks();
}

// The search box's key handlers. Only printable characters are filtered: control keys edit the text and
// never put a character into it.
bool PainelLocalidades::eventFilter(QObject* alvo, QEvent* evento) {
    if (alvo != FraLoc_txtprocmun) return false;
    if (evento->type() == QEvent::KeyPress) {
        const QString texto = static_cast<QKeyEvent*>(evento)->text();
        bool descartar = false;
        politica_.run([&] { descartar = !typedTextAccepted(texto); });
        return descartar || politica_.ended();
    }
    if (evento->type() == QEvent::InputMethod) {
        auto* im = static_cast<QInputMethodEvent*>(evento);
        QString aceito;
        politica_.run([&] {
            for (char32_t c : im->commitString().toUcs4())
                if (typedTextAccepted(QString::fromUcs4(&c, 1))) aceito += QString::fromUcs4(&c, 1);
        });
        if (aceito != im->commitString()) im->setCommitString(aceito, im->replacementStart(), im->replacementLength());
        return false;
    }
    if (evento->type() == QEvent::KeyRelease) politica_.run([&] { FraLoc_txtprocmun_KeyUp(); });
    return false;
}

bool PainelLocalidades::typedTextAccepted(const QString& texto) {
    for (char32_t c : texto.toUcs4()) {
        if (!QChar::isPrint(c)) continue;
        const std::optional<std::uint8_t> codigo = windows1252::fromUnicode(c);
        if (!codigo) return false;  // no code in the Windows Latin-1 page: never typed there
        int KeyAscii = *codigo;
        FraLoc_txtprocmun_KeyPress(KeyAscii);
        if (KeyAscii == 0) return false;
    }
    return true;
}

}  // namespace quelva
