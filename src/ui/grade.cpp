#include "grade.h"

#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <stdexcept>
#include <string>

#include "error_policy.h"
#include "frozen_headers.h"

#include "twips.h"

namespace quelva {

void Grade::definirFonte(std::shared_ptr<const CellSource> fonte) {
    if (!emLote_) beginResetModel();
    fonte_ = std::move(fonte);
    celulas_ = {};
    larguras_ = {};
    alturas_ = {};
    linhas_ = colunas_ = 0;
    if (!emLote_) {
        endResetModel();
        emit medidasAlteradas();
    }
}

void Grade::definirTamanho(int linhas, int colunas) {
    if (linhas < 0 || colunas < 0) throw std::out_of_range("tamanho de grade negativo");
    // Inside a batch the views are told once, at its end.
    if (!emLote_) beginResetModel();
    fonte_.reset();
    const std::size_t total = static_cast<std::size_t>(linhas) * static_cast<std::size_t>(colunas);
    if (colunas == colunas_) {
        // Rows added or cut at the end: the cells stay where they are, and a grid grown one row at a time
        // costs no more than one grown at once.
        celulas_.resize(total);
    } else {
        std::vector<Celula> novas(total);
        for (int l = 0; l < std::min(linhas, linhas_); ++l)
            for (int c = 0; c < std::min(colunas, colunas_); ++c)
                novas[static_cast<std::size_t>(l) * colunas + c] = std::move(celulas_[static_cast<std::size_t>(l) * colunas_ + c]);
        celulas_ = std::move(novas);
    }
    larguras_.resize(static_cast<std::size_t>(colunas), kLarguraColunaPadrao);
    alturas_.resize(static_cast<std::size_t>(linhas), kAlturaLinhaPadrao);
    linhas_ = linhas;
    colunas_ = colunas;
    if (!emLote_) {
        endResetModel();
        emit medidasAlteradas();
    }
}

void Grade::checkInside(int linha, int coluna) const {
    // A column past the last would otherwise land on the next row's cell.
    if (linha < 0 || linha >= linhas() || coluna < 0 || coluna >= colunas())
        throw std::out_of_range("célula (" + std::to_string(linha) + ", " + std::to_string(coluna) + ") fora da grade");
}

std::size_t Grade::posicao(int linha, int coluna) const {
    checkInside(linha, coluna);
    return static_cast<std::size_t>(linha) * static_cast<std::size_t>(colunas_) + static_cast<std::size_t>(coluna);
}

void Grade::requireStored() const {
    if (fonte_) throw std::logic_error("as células desta grade são calculadas, não gravadas");
}

Grade::Celula Grade::celula(int linha, int coluna) const {
    if (!fonte_) return celulas_[posicao(linha, coluna)];
    checkInside(linha, coluna);
    return fonte_->cell(linha, coluna);
}

const Grade::Celula& Grade::celula(int linha, int coluna, Celula& lugar) const {
    if (!fonte_) return celulas_[posicao(linha, coluna)];
    checkInside(linha, coluna);
    lugar = fonte_->cell(linha, coluna);
    return lugar;
}

QString Grade::texto(int linha, int coluna) const {
    if (!fonte_) return celulas_[posicao(linha, coluna)].texto;
    checkInside(linha, coluna);
    return fonte_->text(linha, coluna);
}

Grade::Celula& Grade::writableCell(int linha, int coluna) {
    requireStored();
    return celulas_[posicao(linha, coluna)];
}

void Grade::definirTexto(int linha, int coluna, const QString& texto) {
    writableCell(linha, coluna).texto = texto;
    avisar(linha, coluna);
}

int Grade::larguraColuna(int coluna) const {
    if (!fonte_) return larguras_.at(static_cast<std::size_t>(coluna));
    if (coluna < 0 || coluna >= fonte_->columns()) throw std::out_of_range("coluna fora da grade");
    return fonte_->columnWidth(coluna);
}

int Grade::alturaLinha(int linha) const {
    if (!fonte_) return alturas_.at(static_cast<std::size_t>(linha));
    if (linha < 0 || linha >= fonte_->rows()) throw std::out_of_range("linha fora da grade");
    return fonte_->rowHeight(linha);
}

void Grade::definirLarguraColuna(int coluna, int twips) {
    requireStored();
    larguras_.at(static_cast<std::size_t>(coluna)) = twips;
    if (!emLote_) emit medidasAlteradas();
}

void Grade::definirAlturaLinha(int linha, int twips) {
    requireStored();
    alturas_.at(static_cast<std::size_t>(linha)) = twips;
    if (!emLote_) emit medidasAlteradas();
}

void Grade::definirQuebraTexto(bool sim) {
    requireStored();
    quebra_ = sim;
    if (!emLote_) emit medidasAlteradas();
}

void Grade::iniciarAlteracoes() {
    if (emLote_++ == 0) beginResetModel();
}

void Grade::concluirAlteracoes() {
    if (--emLote_ == 0) {
        endResetModel();
        emit medidasAlteradas();
    }
}

void Grade::avisar(int linha, int coluna) {
    if (emLote_) return;
    QModelIndex i = index(linha, coluna);
    emit dataChanged(i, i);
}

QVariant Grade::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid() || indice.row() >= linhas() || indice.column() >= colunas()) return {};
    // The view asks for many roles a cell does not use; a computed cell is worked out only for those it has.
    switch (papel) {
    case Qt::DisplayRole: return texto(indice.row(), indice.column());
    case Qt::BackgroundRole:
    case Qt::TextAlignmentRole:
    case Qt::ForegroundRole:
    case Qt::FontRole: break;
    default: return {};
    }
    const Celula c = celula(indice.row(), indice.column());
    switch (papel) {
    case Qt::BackgroundRole: return c.fundo.isValid() ? QVariant(c.fundo) : QVariant();
    case Qt::TextAlignmentRole: return QVariant(static_cast<int>(c.alinhamento));
    case Qt::ForegroundRole: return c.cor.isValid() ? QVariant(c.cor) : QVariant();
    case Qt::FontRole:
        if (c.negrito || c.tamanhoFonte > 0) {
            QFont f;
            f.setBold(c.negrito);
            if (c.tamanhoFonte > 0) f.setPointSize(c.tamanhoFonte);
            return f;
        }
        return {};
    default: return {};
    }
}

VisaoGrade::VisaoGrade(ErrorPolicy& politica, QWidget* pai) : QTableView(pai), politica_(politica) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
}

// The views laid over go first, while the headers, scroll bars and viewport they follow are still whole.
VisaoGrade::~VisaoGrade() { delete frozen_; }

void VisaoGrade::definirGrade(Grade* grade) {
    if (grade_) disconnect(grade_, nullptr, this, nullptr);
    grade_ = grade;
    setModel(grade);
    if (frozen_) frozen_->followModel();
    if (grade) {
        connect(grade, &Grade::medidasAlteradas, this, &VisaoGrade::aplicarMedidas);
        aplicarMedidas();
    }
}

void VisaoGrade::aplicarMedidas() {
    if (!grade_) return;
    setWordWrap(grade_->quebraTexto());
    const double dpi = logicalDpiY();
    // Row heights set one by one are quadratic in the header unless its updates wait for the loop's end.
    QHeaderView* v = verticalHeader();
    QHeaderView* h = horizontalHeader();
    v->setUpdatesEnabled(false);
    h->setUpdatesEnabled(false);
    for (int c = 0; c < grade_->colunas(); ++c) h->resizeSection(c, twipsParaPixels(grade_->larguraColuna(c), logicalDpiX()));
    for (int l = 0; l < grade_->linhas(); ++l) v->resizeSection(l, twipsParaPixels(grade_->alturaLinha(l), dpi));
    h->setUpdatesEnabled(true);
    v->setUpdatesEnabled(true);
    if (frozen_) frozen_->place();
}

void VisaoGrade::setFrozenHeaders(int rows, int columns) {
    if (!frozen_) frozen_ = new FrozenHeaders(*this, [this](const std::function<void()>& f) { politica_.run(f); });
    frozen_->set(rows, columns);
}

int VisaoGrade::frozenRows() const { return frozen_ ? frozen_->rows() : 0; }
int VisaoGrade::frozenColumns() const { return frozen_ ? frozen_->columns() : 0; }

void VisaoGrade::scrollTo(const QModelIndex& indice, ScrollHint dica) {
    const int horizontal = horizontalScrollBar()->value(), vertical = verticalScrollBar()->value();
    QTableView::scrollTo(indice, dica);
    if (frozen_) frozen_->keepClear(indice, horizontal, vertical);
}

namespace {

QString celulaCopiada(const QString& t) {
    if (!t.contains(u'\t') && !t.contains(u'\n') && !t.contains(u'\r') && !t.contains(u'"')) return t;
    QString r = t;
    return u'"' + r.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

}  // namespace

QString VisaoGrade::textoSelecionado() const {
    if (!grade_ || !selectionModel()) return {};
    const QItemSelection selecao = selectionModel()->selection();
    if (selecao.isEmpty()) return {};
    int topo = grade_->linhas(), base = -1, esquerda = grade_->colunas(), direita = -1;
    for (const QItemSelectionRange& r : selecao) {
        topo = std::min(topo, r.top());
        base = std::max(base, r.bottom());
        esquerda = std::min(esquerda, r.left());
        direita = std::max(direita, r.right());
    }
    const bool retangulo = selecao.size() == 1;
    QString texto;
    for (int l = topo; l <= base; ++l) {
        for (int c = esquerda; c <= direita; ++c) {
            if (c > esquerda) texto += u'\t';
            if (retangulo || selecao.contains(grade_->index(l, c))) texto += celulaCopiada(grade_->texto(l, c));
        }
        texto += u'\n';
    }
    return texto;
}

void VisaoGrade::keyPressEvent(QKeyEvent* e) {
    if (!e->matches(QKeySequence::Copy)) {
        QTableView::keyPressEvent(e);
        return;
    }
    politica_.run([this] { QApplication::clipboard()->setText(textoSelecionado()); });
    e->accept();
}

}  // namespace quelva
