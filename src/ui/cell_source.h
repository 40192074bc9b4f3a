#pragma once
#include <QColor>
#include <QString>

namespace quelva {

// One cell of a grid: its text, background, alignment, text colour, font size and weight, and an arrow drawn
// beside the text (a sorted column's direction), which is no part of the text.
struct GridCell {
    enum class Arrow : char { None, Up, Down };
    QString text;
    QColor background;  // invalid: the view's own background
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool bold = false;
    QColor color;            // of the text; invalid: the view's own
    int fontSize = 0;  // in points; 0: the view's own
    Arrow arrow = Arrow::None;
};

// Where a grid's cells come from when they are worked out on demand rather than stored: a grid of many
// thousand cells of which a screen shows a few dozen answers each as it is asked. Sizes in twips. Rows and
// columns are counted from 0 and are always within the source's size when asked.
class CellSource {
public:
    virtual ~CellSource() = default;
    virtual int rows() const = 0;
    virtual int columns() const = 0;
    virtual GridCell cell(int row, int column) const = 0;
    virtual QString text(int row, int column) const { return cell(row, column).text; }
    virtual int columnWidth(int column) const = 0;
    virtual int rowHeight(int row) const = 0;
    virtual bool wordWrap() const = 0;
};

}  // namespace quelva
