#pragma once
#include <QObject>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quelva {

class ErrorPolicy;
class LocalitySelection;
struct RunState;

// The Localities panel: every locality of the catalogue in one check-box list, a box that finds a
// municipality by the first letters of its name, and the buttons that mark or unmark every entry. The
// selection is VetorLocalidade; the list's check marks are a view of it.
class LocalitiesPanel : public QObject {
    Q_OBJECT
public:
    // The panel owns the locality selection and reads the rest of the state.
    LocalitiesPanel(QGroupBox* FraLoc, const RunState& state, LocalitySelection& selection, ErrorPolicy& policy);

    // Fills the list once, at start-up, on a connection of its own. Throws jet::Error.
    void FraLoc_CarregarLocalidades();
    // Re-applies VetorLocalidade to the check marks (when the panel is opened from the menu).
    void AtualizarMarcasLocalidades();
    // Selects exactly the listed localities of `codes` (a selection opened from a file), whose region groups
    // the caller has found to be of one family. The number of codes the list lacks, which are left out.
    int selectOnly(const std::vector<int>& codes);

    void FraLoc_CmdMarcarTodas_Click();
    // Also run by the review panel's "&Desmarcar todas".
    void FraLoc_CmdDesmarcarTodas_Click();
    // A typed character, by its Windows Latin-1 code: set to 0 when the search box must not take it.
    void FraLoc_txtprocmun_KeyPress(int& KeyAscii);
    // Any key released in the search box: the list moves to the first municipality the text begins.
    void FraLoc_txtprocmun_KeyUp();
    // A check box of the list ticked or cleared: the current entry's mark is recorded.
    void FraLoc_LstMunSelec_Click();

    QLabel* FraLoc_lblprocmun = nullptr;
    QLineEdit* FraLoc_txtprocmun = nullptr;
    QListWidget* FraLoc_LstMunSelec = nullptr;
    QPushButton* FraLoc_cmdmarcartodas = nullptr;
    QPushButton* FraLoc_cmddesmarcartodas = nullptr;

private:
    bool eventFilter(QObject* target, QEvent* event) override;
    // Every entry's check box from VetorLocalidade, with no click recorded meanwhile.
    void applyMarks();
    // The area code entry i holds, read back from its text; -1 outside VetorLocalidade.
    int entryCode(int i) const;
    void setMark(int i, bool marked);
    // Every entry's check box and its code in VetorLocalidade, with no group rule; no current entry after.
    void markEveryEntry(bool marked);
    // Part of the click handler for a ticked RA/RG or DRADS entry.
    void tickRegionGroup(int i, int code);

    QGroupBox* frame_;
    const RunState& state_;
    LocalitySelection& selection_;
    ErrorPolicy& policy_;
};

}  // namespace quelva
