#pragma once
#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <QTableView>
#include <functional>
#include <vector>

namespace quelva {

// A grid as the program fills it: text cells addressed by row and column from 0, each with its own background,
// alignment, text colour, font size and weight; each column its own width and each row its own height, in
// twips; word wrap. No fixed rows or columns. One class serves every grid of the program (results, records, presentation).
class Grade : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit Grade(QObject* pai = nullptr) : QAbstractTableModel(pai) {}

    struct Celula {
        QString texto;
        QColor fundo;  // invalid: the view's own background
        Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignVCenter;
        bool negrito = false;
        QColor cor;            // of the text; invalid: the view's own
        int tamanhoFonte = 0;  // in points; 0: the view's own
    };

    // Sizes: growing keeps what is there, shrinking drops the cells beyond.
    void definirTamanho(int linhas, int colunas);
    int linhas() const { return linhas_; }
    // Room for this many rows of the present columns, so that a grid grown row by row up to it never moves
    // its cells (the room not used costs address space, not memory).
    void reservarLinhas(int linhas);
    int colunas() const { return colunas_; }

    Celula& celula(int linha, int coluna);
    const Celula& celula(int linha, int coluna) const;
    void definirTexto(int linha, int coluna, const QString& texto);
    QString texto(int linha, int coluna) const { return celula(linha, coluna).texto; }

    void definirLarguraColuna(int coluna, int twips);
    int larguraColuna(int coluna) const { return larguras_.at(static_cast<std::size_t>(coluna)); }
    void definirAlturaLinha(int linha, int twips);
    int alturaLinha(int linha) const { return alturas_.at(static_cast<std::size_t>(linha)); }

    bool quebraTexto() const { return quebra_; }
    void definirQuebraTexto(bool sim);

    // Many cells changed at once: one notice to the views instead of one per cell.
    void iniciarAlteracoes();
    void concluirAlteracoes();

    int rowCount(const QModelIndex& pai = {}) const override { return pai.isValid() ? 0 : linhas_; }
    int columnCount(const QModelIndex& pai = {}) const override { return pai.isValid() ? 0 : colunas_; }
    // Empty for an index outside the grid, as a view may ask while the grid changes size.
    QVariant data(const QModelIndex& indice, int papel) const override;

signals:
    void medidasAlteradas();

private:
    void avisar(int linha, int coluna);
    std::size_t posicao(int linha, int coluna) const;
    int linhas_ = 0, colunas_ = 0;
    std::vector<Celula> celulas_;
    std::vector<int> larguras_, alturas_;
    bool quebra_ = false;
    int emLote_ = 0;
};

class ErrorPolicy;
class FrozenHeaders;

// The view of a Grade: no headers, sizes converted from twips at the screen's resolution. Cells can be
// selected, and Ctrl+C copies the selection as a spreadsheet expects it, under the program's error policy.
// Its first rows and columns may be kept in view while the rest scrolls.
class VisaoGrade : public QTableView {
    Q_OBJECT
public:
    explicit VisaoGrade(ErrorPolicy& politica, QWidget* pai = nullptr);
    ~VisaoGrade() override;
    void definirGrade(Grade* grade);
    Grade* grade() const { return grade_; }

    // The first `rows` rows and `columns` columns stay in view while the rest scrolls (none of either in a new
    // view). They stay ordinary cells of the grid, with their own colours and sizes, selected and copied like
    // any other; only the screen keeps them.
    void setFrozenHeaders(int rows, int columns);
    int frozenRows() const;
    int frozenColumns() const;
    // Null while nothing is frozen.
    const FrozenHeaders* frozenHeaders() const { return frozen_; }

    void scrollTo(const QModelIndex& indice, ScrollHint dica = EnsureVisible) override;

    // The selected cells as tab-separated text: the rectangle that holds the selection, one line per row
    // (cells of it that are not selected stay empty); a text holding a tab, a line break or a quote is put
    // in quotes, its quotes doubled. Empty without a selection.
    QString textoSelecionado() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void aplicarMedidas();
    Grade* grade_ = nullptr;
    ErrorPolicy& politica_;
    FrozenHeaders* frozen_ = nullptr;
};

// Default sizes of a new row and column, in twips.
inline constexpr int kLarguraColunaPadrao = 975;
inline constexpr int kAlturaLinhaPadrao = 240;

}  // namespace quelva
