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

class ArvoreTemas;
class Dialogos;
class ErrorPolicy;
class VariableLists;
class VariableListPair;
struct Estado;

// The keywords of one CD_VAR keyword text that begin with `letter`, in order, as the text holds them: pieces
// between ";" whose first non-blank character, in capitals, is the letter. Empty pieces are skipped.
QStringList keywordsOfLetter(const QString& keywordText, const QString& letter);

// The Keywords panel: 26 letters, the keywords of a letter, the themes of a keyword, and the variables of a
// subtheme that carry it.
class PainelPalavras : public QObject {
    Q_OBJECT
public:
    PainelPalavras(QGroupBox* FraPal, Estado& state, VariableLists& lists, ErrorPolicy& policy);

    void FraPal_LblLetra_Click(int index);
    void FraPal_LstPalavraChave_Click();
    void FraPal_TrwTema_Click();
    void atualizarMarcas();

    QLabel* FraPal_LblTitulo = nullptr;
    std::array<QLabel*, 26> FraPal_LblLetra{};
    QListWidget* FraPal_LstPalavraChave = nullptr;
    ArvoreTemas* FraPal_TrwTema = nullptr;
    QListWidget* FraPal_LstNomeVariavel = nullptr;
    QListWidget* FraPal_LstCodVariavel = nullptr;
    QPushButton* FraPal_CmdMarcarTodas = nullptr;
    QPushButton* FraPal_CmdDesmarcarTodas = nullptr;
    QPushButton* FraPal_CmdMostrarDefinicao = nullptr;

protected:
    bool eventFilter(QObject* target, QEvent* e) override;

private:
    QGroupBox* frame_;
    Estado& state_;
    ErrorPolicy& policy_;
    Dialogos& dialogs_;
    VariableListPair* pair_ = nullptr;
};

}  // namespace quelva
