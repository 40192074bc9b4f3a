#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quelva {

class ThemeTree;
class Dialogs;
class ErrorPolicy;
class VariableListPair;
class HighlightedNode;
class VariableSelection;
struct RunState;

// The keywords of one CD_VAR keyword text that begin with `letter`, in order, as the text holds them: pieces
// between ";" whose first non-blank character, in capitals, is the letter. Empty pieces are skipped.
QStringList keywordsOfLetter(const QString& keywordText, const QString& letter);

// The Keywords panel: 26 letters, the keywords of a letter, the themes of a keyword, and the variables of a
// subtheme that carry it.
class KeywordsPanel : public QObject {
    Q_OBJECT
public:
    // The panel owns, through its list pair, the variable marks, and NoDestacadoPal; it reads the rest.
    KeywordsPanel(QGroupBox* FraPal, const RunState& state, VariableSelection& variables, HighlightedNode& NoDestacadoPal,
                  ErrorPolicy& policy);

    void FraPal_LblLetra_Click(int index);
    void FraPal_LstPalavraChave_Click();
    void FraPal_TrwTema_Click();
    // A key released in the tree does what a click does.
    void FraPal_TrwTema_KeyUp();
    void FraPal_LstNomeVariavel_Click();
    void FraPal_LstNomeVariavel_MouseDown();
    void FraPal_CmdMarcarTodas_Click();
    void FraPal_CmdDesmarcarTodas_Click();
    void FraPal_CmdMostrarDefinicao_Click();
    // The list pair of FraPal_LstCodVariavel and FraPal_LstNomeVariavel, with Ger_AtualizarListaVariavel.
    VariableListPair& variableList() const { return *pair_; }

    QLabel* FraPal_LblTitulo = nullptr;
    std::array<QLabel*, 26> FraPal_LblLetra{};
    QListWidget* FraPal_LstPalavraChave = nullptr;
    ThemeTree* FraPal_TrwTema = nullptr;
    QListWidget* FraPal_LstNomeVariavel = nullptr;
    QListWidget* FraPal_LstCodVariavel = nullptr;
    QPushButton* FraPal_CmdMarcarTodas = nullptr;
    QPushButton* FraPal_CmdDesmarcarTodas = nullptr;
    QPushButton* FraPal_CmdMostrarDefinicao = nullptr;

protected:
    bool eventFilter(QObject* target, QEvent* e) override;

private:
    QGroupBox* frame_;
    const RunState& state_;
    HighlightedNode& NoDestacadoPal_;
    ErrorPolicy& policy_;
    Dialogs& dialogs_;
    VariableListPair* pair_ = nullptr;
};

}  // namespace quelva
