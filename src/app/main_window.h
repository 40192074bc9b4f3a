#pragma once
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "error_policy.h"
#include "layout.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QTabWidget;

namespace quelva {

class Dialogs;
class CriteriaPanel;
class LocalitiesPanel;
class KeywordsPanel;
class ResultPanel;
class ReviewPanel;
class VariablesPanel;
struct RunState;

// The panels stacked on the window's area, in the order MostrarPainel hides them.
enum class Panel { Log, Var, Loc, Cri, Pal, Sel, Res };
inline constexpr int kPanelCount = 7;

// The program's one main window: the menu bar, the panels stacked on one area, the message frame, start-up
// and activation. Panels are shown through MostrarPainel, by keyword. The shared procedures of Mdl_Brenvala
// live with the subsystem each belongs to, in namespace quelva: MostrarPainel here, Ger_AtualizarListaVariavel
// with the variable lists, BuscarDescricao with the catalogue, SalvarExcel with the export.
class FrmQuelva : public QMainWindow {
    Q_OBJECT
public:
    // `onEnd` ends the program with an exit status; the program quits its event loop, tests record it.
    FrmQuelva(RunState& state, Dialogs& dialogs, std::function<void(int)> onEnd, QWidget* parent = nullptr);
    ~FrmQuelva() override;

    // Start-up, before the window is first shown. Throws jet::Error on a database failure.
    void Form_Load();
    // Runs at the first showing and each time an information window closes. Throws jet::Error.
    void Form_Activate();

    // Hides every panel, then shows the panel, or opens (modally) the window, of the keyword.
    void MostrarPainel(const QString& palavra);

    // The message frame "Processando. Aguarde ...", shown and repainted at once while a run works.
    void showMessage(bool visible);

    // Runs `f` as an event handler under the program's error policy: an error it does not trap is shown with
    // its own message and ends the program (status 1).
    void runHandled(const std::function<void()>& f) { policy_.run(f); }
    ErrorPolicy& policy() { return policy_; }
    RunState& state() { return state_; }

    QGroupBox* panel(Panel p) const { return panels_[static_cast<std::size_t>(p)]; }

    void MnuApresentacao_Click();
    void MnuVariaveis_Click();
    void MnuPalavrasChaves_Click();
    void MnuLocalidades_Click();
    void MnuCriterios_Click();
    void MnuVerSelecoes_Click();
    void MnuVerResultado_Click();
    void MnuFichaInstitucional_Click();
    void MnuFichaTecnica_Click();
    void MnuSobre_Click();
    void MnuSair_Click();

    // "Seleção": the selection saved to a `.quelva` file and opened again. Opening asks first when something
    // is selected, replaces the selection through each part's owner and shows the review panel; a file that
    // cannot be opened changes nothing and is told why.
    void openSelection();
    void saveSelection();
    // The file at `path` (the file system's bytes) opened, without the question (as from the command line).
    void openSelectionFile(const std::string& path);
    // Whether a variable, a locality or a criterion is selected.
    bool hasSelection() const;

    // Panels and controls, named as the rest of the program refers to them.
    QGroupBox* FraLog = nullptr;
    QWidget* FraLog_ImgLogo = nullptr;
    QGroupBox* FraVar = nullptr;
    QGroupBox* FraPal = nullptr;
    QGroupBox* FraLoc = nullptr;
    QGroupBox* FraCri = nullptr;
    QGroupBox* FraSel = nullptr;
    QGroupBox* FraRes = nullptr;
    QFrame* LinMenu = nullptr;
    QGroupBox* FraRes_Mensagem = nullptr;
    QLabel* FraRes_LblMensagem = nullptr;

    QAction* MnuApresentacao = nullptr;
    QAction* MnuVariaveis = nullptr;
    QAction* MnuPalavrasChaves = nullptr;
    QAction* MnuLocalidades = nullptr;
    QAction* MnuCriterios = nullptr;
    QAction* MnuVerSelecoes = nullptr;
    QAction* MnuVerResultado = nullptr;
    QAction* MnuInformacoes = nullptr;
    QAction* MnuFichaInstitucional = nullptr;
    QAction* MnuFichaTecnica = nullptr;
    QAction* MnuTraco01 = nullptr;
    QAction* MnuSobre = nullptr;
    QAction* MnuSair = nullptr;
    QAction* selectionMenu = nullptr;
    QAction* openSelectionAction = nullptr;
    QAction* saveSelectionAction = nullptr;

    // The panels' contents.
    VariablesPanel* variablesPanel = nullptr;
    KeywordsPanel* keywordsPanel = nullptr;
    ResultPanel* resultPanel = nullptr;
    ReviewPanel* reviewPanel = nullptr;
    CriteriaPanel* criteriaPanel = nullptr;
    LocalitiesPanel* localitiesPanel = nullptr;

    // The screen layout in twips: every control's geometry, recomputed at each activation.
    const ControlLayout& controls() const { return layout_.controls(); }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void createPanels();
    void createMenu();
    void applyLayout();
    void openInformationWindow(const QString& palavra);
    void refuseSelectionFile(const char* message, const QString& file, const QString& reason = {});
    // Worked out when a selection is first saved or opened, not on the way to the first panel.
    const QString& fingerprintOfSurvey();

    RunState& state_;
    Dialogs& dialogs_;
    ErrorPolicy policy_;
    std::array<QGroupBox*, kPanelCount> panels_{};
    ScreenLayout layout_;
    bool firstActivation_ = true;
    QString surveyFingerprint_;  // of the catalogue, which stays the same for the whole run; empty until asked
};

}  // namespace quelva
