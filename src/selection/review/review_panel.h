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
class VariableListPair;
class LocalitySelection;
class Session;
class VariableSelection;
struct RunState;

// The review's line for a selected locality: indent and prefix by the kind of the code, the name, 300 blanks,
// and the code written from character 300. `indent` is the indent of the previous line, which codes outside
// every band keep; it is updated by the codes that set one.
QString reviewLineOfLocality(int code, const QString& name, int& indent);

// The review panel "Ver seleções": every selected variable and locality, ticked, to be taken out of the
// selection by unticking. It owns no selection of its own.
class ReviewPanel : public QObject {
    Q_OBJECT
public:
    // `unmarkLocalities` is the Localities panel's "&Desmarcar todas", which this panel's own runs first.
    // What the panel takes out of the selection it writes through the variable and locality selections, and it
    // reopens RsArea over the localities it lists; it reads the rest of the state.
    ReviewPanel(QGroupBox* FraSel, const RunState& state, VariableSelection& variables, LocalitySelection& localities,
                Session& session, ErrorPolicy& policy, std::function<void()> unmarkLocalities);

    void CarregarVariaveisSelecionadas();
    // False when the selection mixes both families of region groups: the program has then been ended.
    bool CarregarLocalidadesSelecionadas();

    void FraSel_FraVar_LstNomeVariavel_Click();
    void FraSel_FraVar_LstNomeVariavel_MouseDown();
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
    void appendLocality(const QString& line, const QString& name);
    void recordLocality(QListWidgetItem* item);

    QGroupBox* frame_;
    const RunState& state_;
    LocalitySelection& localities_;
    Session& session_;
    ErrorPolicy& policy_;
    std::function<void()> unmarkLocalities_;
    VariableListPair* pair_ = nullptr;
    bool filling_ = false;
};

}  // namespace quelva
