#pragma once
#include <QObject>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quelva {

class ArvoreTemas;
class ErrorPolicy;
class ListasVariaveis;
class VariableListPair;
struct Estado;

// The Variables panel: the theme tree and, under it, the variables of the chosen subtheme with check boxes.
class PainelVariaveis : public QObject {
    Q_OBJECT
public:
    PainelVariaveis(QGroupBox* FraVar, Estado& estado, ListasVariaveis& listas, ErrorPolicy& politica);

    // Builds the theme tree once, at start-up. Throws jet::Error.
    void CarregarArvoreTemas();

    void FraVar_TrwTemas_Click();
    void FraVar_CmdMarcarTodas_Click();
    void FraVar_CmdDesmarcarTodas_Click();
    void FraVar_CmdMostrarDefinicao_Click();

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
    QGroupBox* fra_;
    Estado& estado_;
    VariableListPair* par_ = nullptr;
};

}  // namespace quelva
