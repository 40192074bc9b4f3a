#pragma once
#include <QObject>
#include <QPointer>
#include <QTableView>
#include <functional>
#include <vector>

namespace quelva {

// The first rows and columns of a table view kept in view while the rest scrolls under them: three more views
// over the same model and the same selection (the rows along the top, the columns down the left, and the
// corner where they meet), laid over the main view's cells and following its scrolling, its row heights and
// column widths, and its viewport's place. The cells under them are still the main view's own: the model, the
// selection, the copy, the keyboard and assistive technology know nothing of them.
class FrozenHeaders : public QObject {
    Q_OBJECT
public:
    // `run` runs every handler of the views (the program's error policy where the main view has one).
    using Runner = std::function<void(const std::function<void()>&)>;
    FrozenHeaders(QTableView& main, Runner run);
    ~FrozenHeaders() override;

    // How many rows and columns stay in view; 0 and 0 removes the views laid over.
    void set(int rows, int columns);

    // The views laid over, where there are any (no frozen rows: no row view and no corner).
    std::vector<QTableView*> views() const;

    // After the main view was given another model (and with it another selection).
    void followModel();
    // After the main view scrolled to `index` from these scroll bar values: the frozen part of the cell needs
    // no scrolling, so that direction goes back where it was; the rest is brought out from under the
    // headers, which would otherwise hide it.
    void keepClear(const QModelIndex& index, int horizontalBefore, int verticalBefore);
    // Size and place of the views laid over, from the main view's viewport and frozen sections.
    void place();

signals:
    // A cell clicked on a view laid over, which the main view never sees.
    void clicked(const QModelIndex& index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* newView(const char* name);
    void followScrolling();
    // The main view's model, selection and sizes given to a view laid over.
    void share(QTableView& view) const;
    void copySizes(QTableView& view) const;
    int frozenWidth() const;
    int frozenHeight() const;

    QTableView& main_;
    Runner run_;
    int rows_ = 0, columns_ = 0;
    QPointer<QTableView> rowView_, columnView_, cornerView_;
};

}  // namespace quelva
