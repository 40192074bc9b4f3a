#pragma once
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QTabWidget;

namespace quelva {

class Dialogos;
class Grade;
class ListasVariaveis;
class PainelPalavras;
class PainelVariaveis;
class VisaoGrade;
struct Estado;

// The program's one main window: the menu bar, the panels stacked on one area, the message frame, start-up
// and activation. Panels are shown through MostrarPainel, by keyword.
class FrmQuelva : public QMainWindow {
    Q_OBJECT
public:
    // `encerrar` ends the program with an exit status; the program quits its event loop, tests record it.
    FrmQuelva(Estado& estado, Dialogos& dialogos, std::function<void(int)> encerrar, QWidget* pai = nullptr);
    ~FrmQuelva() override;

    // Start-up, before the window is first shown. Throws jet::Error on a database failure.
    void Form_Load();
    // Runs at the first showing and each time an information window closes. Throws jet::Error.
    void Form_Activate();

    // Hides every panel, then shows the panel, or opens (modally) the window, of the keyword.
    void MostrarPainel(const QString& palavra);

    // The message frame "Processando. Aguarde ...", shown and repainted at once while a run works.
    void MostrarMensagem(bool visivel);

    // Runs `f` as an event handler: an error it does not trap is shown with its own message and ends the
    // program (status 1).
    void executarTratado(const std::function<void()>& f);

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
    std::array<QLabel*, 3> FraRes_LblTituloGrid{};
    std::array<QLabel*, 3> FraRes_LblSubTituloGrid{};
    std::array<VisaoGrade*, 3> FraRes_MSFlexGrid{};
    std::array<Grade*, 3> gradesResultado{};

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

    // The panels' contents.
    PainelVariaveis* painelVariaveis = nullptr;
    PainelPalavras* painelPalavras = nullptr;

    // The seven panels in the order MostrarPainel hides them.
    std::array<QGroupBox*, 7> paineis() const { return {FraLog, FraVar, FraLoc, FraCri, FraPal, FraSel, FraRes}; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void criarPaineis();
    void criarMenu();
    void aplicarLayout();
    void abrirSessao();
    void preencherNomesLocalidades();
    void abrirJanelaInformacao(const QString& palavra);

    Estado& estado_;
    Dialogos& dialogos_;
    std::unique_ptr<ListasVariaveis> listas_;
    std::function<void(int)> encerrar_;
    bool primeiraAtivacao_ = true;
    bool encerrado_ = false;
};

}  // namespace quelva
