#pragma once
#include <QObject>
#include <QString>
#include <functional>

class QGroupBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace quelva {

class ErrorPolicy;
class ListasVariaveis;
class VariableListPair;
struct Estado;

// The review's line for a selected locality: indent and prefix by the kind of the code, the name, 300 blanks,
// and the code written from character 300. `recuo` is the indent of the previous line, which codes outside
// every band keep; it is updated by the codes that set one.
QString LinhaLocalidadeSelecionada(int codigo, const QString& nome, int& recuo);

// The review panel "Ver seleções": every selected variable and locality, ticked, to be taken out of the
// selection by unticking. It owns no selection of its own.
class PainelSelecoes : public QObject {
    Q_OBJECT
public:
    // `desmarcarLocalidades` is the Localities panel's "&Desmarcar todas", which this panel's own runs first.
    PainelSelecoes(QGroupBox* FraSel, Estado& estado, ListasVariaveis& listas, ErrorPolicy& politica,
                   std::function<void()> desmarcarLocalidades);

    void CarregarVariaveisSelecionadas();
    // False when the selection mixes both families of region groups: the program has then been ended.
    bool CarregarLocalidadesSelecionadas();

    void FraSel_FraVar_CmdDesmarcarTodas_Click();
    void FraSel_FraVar_CmdMostrarDefinicao_Click();
    void FraSel_Fraloc_Lstlocalidade_Click();
    void FraSel_Fraloc_Cmddesmarcartodas_Click();

    QGroupBox* FraSel_FraVar = nullptr;
    QListWidget* FraSel_FraVar_LstNomeVariavel = nullptr;
    QListWidget* FraSel_FraVar_LstCodVariavel = nullptr;
    QPushButton* FraSel_FraVar_CmdDesmarcarTodas = nullptr;
    QPushButton* FraSel_FraVar_CmdMostrarDefinicao = nullptr;
    QGroupBox* FraSel_Fraloc = nullptr;
    QListWidget* FraSel_Fraloc_Lstlocalidade = nullptr;
    QPushButton* FraSel_Fraloc_Cmddesmarcartodas = nullptr;

private:
    void acrescentarLocalidade(const QString& linha, const QString& nome);
    void registrarLocalidade(QListWidgetItem* item);

    QGroupBox* fra_;
    Estado& estado_;
    ErrorPolicy& politica_;
    std::function<void()> desmarcarLocalidades_;
    VariableListPair* par_ = nullptr;
    bool preenchendo_ = false;
};

}  // namespace quelva
