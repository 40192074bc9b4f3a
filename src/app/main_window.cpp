#include "main_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>

#include "chart_window.h"
#include "excel_export.h"
#include "criteria_panel.h"
#include "frm_apresentacao.h"
#include "frm_ficha_institucional.h"
#include "frm_ficha_tecnica.h"
#include "frm_sobre.h"
#include "keywords_panel.h"
#include "localities_panel.h"
#include "result_panel.h"
#include "review_panel.h"
#include "run_state.h"
#include "save_folder.h"
#include "tabbed_frame.h"
#include "table_layout.h"
#include "twips.h"
#include "variables_panel.h"

namespace quelva {

namespace {

const char* kWindowTitle = "Tarsenal";

}  // namespace

FrmQuelva::FrmQuelva(RunState& state, Dialogs& dialogs, std::function<void(int)> onEnd, QWidget* parent)
    : QMainWindow(parent), state_(state), dialogs_(dialogs), policy_(dialogs, std::move(onEnd)) {
    setObjectName("FrmQuelva");
    setWindowTitle(QString::fromUtf8(kWindowTitle));
    policy_.setWindow(this);
    createPanels();
    panels_ = {FraLog, FraVar, FraLoc, FraCri, FraPal, FraSel, FraRes};
    // Each panel is handed the parts of the state it writes; the rest it reads.
    const RunState& reading = state_;
    variablesPanel = new VariablesPanel(FraVar, reading, state_.variables, state_.NoDestacadoVar, policy_);
    keywordsPanel = new KeywordsPanel(FraPal, reading, state_.variables, state_.NoDestacadoPal, policy_);
    localitiesPanel = new LocalitiesPanel(FraLoc, reading, state_.localities, policy_);
    // The review's "&Desmarcar todas" of the localities runs the Localities panel's first.
    reviewPanel = new ReviewPanel(FraSel, reading, state_.variables, state_.localities, state_.session, policy_,
                                  [this] { localitiesPanel->FraLoc_CmdDesmarcarTodas_Click(); });
    criteriaPanel = new CriteriaPanel(FraCri, reading, state_.criteria, policy_);
    resultPanel = new ResultPanel(FraRes, reading, state_.result, policy_);
    resultPanel->onSave([this] {
        const int tab = resultPanel->FraRes_SSTab1->Tab();
        SalvarExcel({state_, dialogs_, this, tab, resultPanel->grid(tab), [this](bool v) { showMessage(v); }});
    });
    resultPanel->onChart([this](const VariableSeries& series) {
        openChart(series, {state_.session.TituloResultado(), state_.session.SubTituloResultado()}, policy_,
                  firstSaveFolder(state_.session.database().programFolder()), this);
    });
    createMenu();
}

FrmQuelva::~FrmQuelva() = default;

// ---- start-up and activation ----

void FrmQuelva::Form_Load() {
    setWindowIcon(QIcon());
    MostrarPainel(QString());
    state_.variables.load(state_.session.database());
    variablesPanel->CarregarArvoreTemas();
    localitiesPanel->FraLoc_CarregarLocalidades();
    setStartUpState(state_);
    resultPanel->setTitles(state_.session.TituloResultado(), state_.session.SubTituloResultado());
}

void FrmQuelva::Form_Activate() {
    QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect available = display->availableGeometry();
    const double dpiX = logicalDpiX(), dpiY = logicalDpiY();
    layout_.recompute(pixelsToTwips(available.width(), dpiX), pixelsToTwips(available.height(), dpiY));
    resultPanel->hideGroups();
    applyLayout();
    FraLog->show();
    state_.session.open();
    state_.session.fillLocalityNames();
    if (firstActivation_) criteriaPanel->prepareControls();  // which also empties ExpressaoCriterio
    resultPanel->PrepararConvencoes();
    firstActivation_ = false;
}

// ---- panels ----

void FrmQuelva::MostrarPainel(const QString& palavra) {
    for (QGroupBox* p : panels_) p->hide();
    // Information windows are modal: none can be open while a menu item runs.
    static const std::pair<const char*, Panel> panelsByKeyword[] = {
        {"VARIAVEIS", Panel::Var}, {"LOCALIDADES", Panel::Loc}, {"CRITERIOS", Panel::Cri},
        {"PALAVRASCHAVE", Panel::Pal}, {"VERSELECOES", Panel::Sel}, {"VERRESULTADO", Panel::Res},
    };
    for (const auto& [keyword, p] : panelsByKeyword) {
        if (palavra == QLatin1String(keyword)) {
            panel(p)->show();
            return;
        }
    }
    openInformationWindow(palavra);
}

void FrmQuelva::openInformationWindow(const QString& palavra) {
    const std::string& folder = state_.session.database().programFolder();
    std::unique_ptr<QDialog> dialog;
    if (palavra == QLatin1String("APRESENTACAO")) dialog = std::make_unique<FrmApresentacao>(policy_, this);
    else if (palavra == QLatin1String("FICHAINSTITUCIONAL")) dialog = std::make_unique<FrmFichaInstitucional>(folder, policy_, this);
    else if (palavra == QLatin1String("FICHATECNICA")) dialog = std::make_unique<FrmFichaTecnica>(folder, policy_, this);
    else if (palavra == QLatin1String("SOBRE")) dialog = std::make_unique<FrmSobre>(this);
    if (!dialog) return;  // no panel and no window for any other keyword
    if (palavra != QLatin1String("APRESENTACAO") && palavra != QLatin1String("FICHATECNICA")) dialog->setWindowIcon(QIcon());
    dialog->exec();
    dialog.reset();
    // Closing the window makes the main window active again, which lays it out anew and shows the logo panel.
    Form_Activate();
}

void FrmQuelva::closeEvent(QCloseEvent* e) {
    e->accept();
    policy_.endProgram(0);
}

}  // namespace quelva
