#pragma once
#include <QStringList>
#include <QWidget>

class QTabBar;

namespace quelva {

// A tab strip over a framed area that holds controls of its own, placed in the frame's coordinates (tab strip
// included), as the result panel's layout places them. Choosing a tab only signals: which controls show is
// up to the owner.
class TabbedFrame : public QWidget {
    Q_OBJECT
public:
    TabbedFrame(const QStringList& tabs, QWidget* parent);

    int Tab() const;
    // Selects tab `index`; signals tabClicked when that changes the selected tab, as a click would.
    void setTab(int index);

signals:
    // The selected tab changed; `previous` is the tab selected before.
    void tabClicked(int previous);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QTabBar* bar_;
    int current_ = 0;
};

}  // namespace quelva
