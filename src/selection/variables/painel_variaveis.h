#pragma once
#include <QObject>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quelva {

class ArvoreTemas;
class ErrorPolicy;
class VariableLists;
class VariableListPair;
struct Estado;

// The Variables panel: the theme tree and, under it, the variables of the chosen subtheme with check boxes.
class PainelVariaveis : public QObject {
    Q_OBJECT
public:
    PainelVariaveis(QGroupBox* FraVar, Estado& state, VariableLists& lists, ErrorPolicy& policy);

    // Builds the theme tree once, at start-up. Throws jet::Error.
    void CarregarArvoreTemas();

    void FraVar_TrwTemas_Click();

    // Re-applies VetorVariavel to the list's check marks (when the panel is opened from the menu).
    void atualizarMarcas();

    QLabel* FraVar_LblTitulo[2] = {};
    ArvoreTemas* FraVar_TrwTemas = nullptr;
    QListWidget* FraVar_LstNomeVariavel = nullptr;
    QListWidget* FraVar_LstCodVariavel = nullptr;
    QPushButton* FraVar_CmdMarcarTodas = nullptr;
    QPushButton* FraVar_CmdDesmarcarTodas = nullptr;
    QPushButton* FraVar_CmdMostrarDefinicao = nullptr;

private:
    QGroupBox* frame_;
    Estado& state_;
    VariableListPair* pair_ = nullptr;
};

}  // namespace quelva
