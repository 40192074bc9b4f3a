#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <stdexcept>

#include "dialogs.h"
#include "error.h"
#include "error_policy.h"
#include "run_state.h"
#include "frm_apresentacao.h"
#include "frm_ficha_institucional.h"
#include "frm_ficha_tecnica.h"
#include "frm_sobre.h"
#include "stretched_image.h"
#include "resources.h"
#include "excel_export.h"
#include "variable_list_pair.h"
#include "criteria_panel.h"
#include "localities_panel.h"
#include "keywords_panel.h"
#include "result_panel.h"
#include "review_panel.h"
#include "variables_panel.h"
#include "tabbed_frame.h"
#include "twips.h"

namespace quelva {

namespace {

const char* kWindowTitle = "Tarsenal";
const char* kMessageText = "Processando. Aguarde ...";
const char* kMessageCaption = "Mensagem";

// Colours written as the program's &HBBGGRR values.
QColor vbColor(unsigned value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

QGroupBox* newPanel(QWidget* parent, const char* name, const char* title) {
    auto* g = new QGroupBox(QString::fromUtf8(title), parent);
    g->setObjectName(name);
    g->hide();
    return g;
}

}  // namespace

FrmQuelva::FrmQuelva(RunState& state, Dialogs& dialogs, std::function<void(int)> onEnd, QWidget* parent)
    : QMainWindow(parent), state_(state), dialogs_(dialogs), policy_(dialogs, std::move(onEnd)) {
    setObjectName("FrmQuelva");
    setWindowTitle(QString::fromUtf8(kWindowTitle));
    policy_.setWindow(this);
    createPanels();
    panels_ = {FraLog, FraVar, FraLoc, FraCri, FraPal, FraSel, FraRes};
    variablesPanel = new VariablesPanel(FraVar, state_, policy_);
    keywordsPanel = new KeywordsPanel(FraPal, state_, policy_);
    localitiesPanel = new LocalitiesPanel(FraLoc, state_, policy_);
    // The review's "&Desmarcar todas" of the localities runs the Localities panel's first.
    reviewPanel = new ReviewPanel(FraSel, state_, policy_,
                                        [this] { localitiesPanel->FraLoc_CmdDesmarcarTodas_Click(); });
    criteriaPanel = new CriteriaPanel(FraCri, state_, policy_);
    resultPanel = new ResultPanel(FraRes, state_, policy_);
    resultPanel->onSave([this] {
        const int tab = resultPanel->FraRes_SSTab1->Tab();
        SalvarExcel({state_, dialogs_, this, tab, resultPanel->grade(tab), [this](bool v) { showMessage(v); }});
    });
    builtPanels_ = {"FrmQuelva", "LinMenu", "FraLog", "FraVar", "FraPal", "FraLoc", "FraSel", "FraCri", "FraRes"};
    createMenu();
}

FrmQuelva::~FrmQuelva() = default;

void FrmQuelva::createPanels() {
    auto* panelArea = new QWidget(this);
    panelArea->setObjectName("AreaPaineis");
    setCentralWidget(panelArea);

    FraLog = newPanel(panelArea, "FraLog", "");
    FraLog->setFlat(true);
    registerResources();
    FraLog->setStyleSheet(QStringLiteral("QGroupBox#FraLog { border: 0; margin: 0; padding: 0; }"));
    FraLog_ImgLogo = new StretchedImage(QString::fromUtf8(kLogoImage), FraLog);
    FraLog_ImgLogo->setObjectName("FraLog_ImgLogo");
    FraVar = newPanel(panelArea, "FraVar", "Variáveis");
    FraPal = newPanel(panelArea, "FraPal", "Palavras chave");
    FraLoc = newPanel(panelArea, "FraLoc", "Localidades");
    FraCri = newPanel(panelArea, "FraCri", "Critérios");
    FraSel = newPanel(panelArea, "FraSel", "Ver seleções");
    FraRes = newPanel(panelArea, "FraRes", "Ver resultado");

    LinMenu = new QFrame(panelArea);
    LinMenu->setObjectName("LinMenu");
    LinMenu->setFrameShape(QFrame::NoFrame);
    LinMenu->setAutoFillBackground(true);
    QPalette pl = LinMenu->palette();
    pl.setColor(QPalette::Window, vbColor(0xE0E0E0));
    LinMenu->setPalette(pl);

    // The message frame belongs to the window, not to the result panel, and stands above whatever panel is shown.
    FraRes_Mensagem = newPanel(panelArea, "FraRes_Mensagem", kMessageCaption);
    FraRes_Mensagem->setAutoFillBackground(true);
    QPalette pm = FraRes_Mensagem->palette();
    pm.setColor(QPalette::Window, vbColor(0x808080));
    pm.setColor(QPalette::WindowText, vbColor(0xFFFF));
    FraRes_Mensagem->setPalette(pm);
    FraRes_LblMensagem = new QLabel(QString::fromUtf8(kMessageText), FraRes_Mensagem);
    FraRes_LblMensagem->setObjectName("FraRes_LblMensagem");
    FraRes_LblMensagem->setAlignment(Qt::AlignCenter);
    FraRes_LblMensagem->setAutoFillBackground(true);
    QFont messageFont(QStringLiteral("MS Sans Serif"), 12, QFont::Bold);
    messageFont.setStyleHint(QFont::SansSerif);
    FraRes_LblMensagem->setFont(messageFont);
    QPalette pr = FraRes_LblMensagem->palette();
    pr.setColor(QPalette::Window, QApplication::palette().color(QPalette::Dark));
    pr.setColor(QPalette::WindowText, vbColor(0xFFFF));
    FraRes_LblMensagem->setPalette(pr);
}

void FrmQuelva::createMenu() {
    QMenuBar* bar = menuBar();
    QMenu* informationMenu = nullptr;
    // An item of the bar, or of "&Informações" once that menu exists.
    auto item = [&](QAction*& action, const char* name, const char* text, void (FrmQuelva::*handler)()) {
        QWidget* owner = informationMenu ? static_cast<QWidget*>(informationMenu) : bar;
        action = owner->addAction(QString::fromUtf8(text));
        action->setObjectName(name);
        policy_.connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    item(MnuApresentacao, "MnuApresentacao", "&Apresentação", &FrmQuelva::MnuApresentacao_Click);
    item(MnuVariaveis, "MnuVariaveis", "&Variáveis", &FrmQuelva::MnuVariaveis_Click);
    item(MnuPalavrasChaves, "MnuPalavrasChaves", "&Palavras chave", &FrmQuelva::MnuPalavrasChaves_Click);
    item(MnuLocalidades, "MnuLocalidades", "&Localidades", &FrmQuelva::MnuLocalidades_Click);
    item(MnuCriterios, "MnuCriterios", "&Critérios", &FrmQuelva::MnuCriterios_Click);
    item(MnuVerSelecoes, "MnuVerSelecoes", "Ver &seleções", &FrmQuelva::MnuVerSelecoes_Click);
    item(MnuVerResultado, "MnuVerResultado", "Ver &resultado", &FrmQuelva::MnuVerResultado_Click);

    informationMenu = bar->addMenu(QString::fromUtf8("&Informações"));
    informationMenu->setObjectName("MnuInformacoesMenu");
    MnuInformacoes = informationMenu->menuAction();
    MnuInformacoes->setObjectName("MnuInformacoes");
    item(MnuFichaInstitucional, "MnuFichaInstitucional", "Ficha &Institucional", &FrmQuelva::MnuFichaInstitucional_Click);
    item(MnuFichaTecnica, "MnuFichaTecnica", "Ficha &Técnica", &FrmQuelva::MnuFichaTecnica_Click);
    MnuTraco01 = informationMenu->addSeparator();
    MnuTraco01->setObjectName("MnuTraco01");
    item(MnuSobre, "MnuSobre", "So&bre", &FrmQuelva::MnuSobre_Click);

    informationMenu = nullptr;  // "S&air" closes the bar
    item(MnuSair, "MnuSair", "S&air", &FrmQuelva::MnuSair_Click);
}

// ---- start-up and activation ----

void FrmQuelva::Form_Load() {
    setWindowIcon(QIcon());
    MostrarPainel(QString());
    CarregarVetorVariavel(state_.VetorVariavel, state_.database);
    variablesPanel->CarregarArvoreTemas();
    localitiesPanel->FraLoc_CarregarLocalidades();
    setStartUpState(state_);
    resultPanel->setTitles(state_.TituloResultado, state_.SubTituloResultado);
}

void FrmQuelva::Form_Activate() {
    ScreenMeasures& m = measures;
    ControlLayout& c = controls;
    m.AlturaBotao = 400;
    QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect available = display->availableGeometry();
    const double dpiX = logicalDpiX(), dpiY = logicalDpiY();
    AjustarJanelaPrincipal(c, m, pixelsToTwips(available.width(), dpiX), pixelsToTwips(available.height(), dpiY));
    PosicionarLinhaMenu(c, m);
    AjustarFraVar(c, m);
    AjustarFraLoc(c, m);
    AjustarFraCri(c, m);
    AjustarFraPal(c, m);
    AjustarFraSel(c, m);
    resultPanel->hideGroups();
    AjustarFraRes(c, m);
    applyLayout();
    FraLog->show();
    openSession(state_);
    fillLocalityNames(state_);
    if (firstActivation_) criteriaPanel->prepareControls();  // which also empties ExpressaoCriterio
    resultPanel->PrepararConvencoes();
    firstActivation_ = false;
}

void FrmQuelva::applyLayout() {
    const double dpiX = logicalDpiX(), dpiY = logicalDpiY();
    auto px = [&](int twips, double dpi) { return twipsToPixels(twips, dpi); };
    for (const auto& [name, g] : controls.all()) {
        if (!builtPanels_.count(panelOfControl(name))) continue;
        if (name == "FrmQuelva") {
            // The measures are of the outer window; the toolkit sizes the inside.
            const QSize frame = frameGeometry().size() - geometry().size();
            move(px(g.Left, dpiX), px(g.Top, dpiY));
            resize(std::max(1, px(g.Width, dpiX) - frame.width()), std::max(1, px(g.Height, dpiY) - frame.height()));
            continue;
        }
        QWidget* w = findChild<QWidget*>(QString::fromStdString(name));
        if (!w) throw std::logic_error("O controle " + name + " que o layout posiciona não existe na janela.");
        if (name == "LinMenu") {
            w->setGeometry(px(g.Left, dpiX), px(g.Top, dpiY), px(g.Width, dpiX), 1);
            continue;
        }
        const int pixelWidth = g.Width > 0 ? px(g.Width, dpiX) : w->width();
        const int pixelHeight = g.Height > 0 ? px(g.Height, dpiY) : w->height();
        w->setGeometry(px(g.Left, dpiX), px(g.Top, dpiY), pixelWidth, pixelHeight);
    }
    FraRes_Mensagem->raise();
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
    const std::string& folder = state_.database.programFolder();
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

void FrmQuelva::showMessage(bool visible) {
    FraRes_Mensagem->setVisible(visible);
    if (visible) FraRes_Mensagem->raise();
    FraRes_Mensagem->repaint();
    if (centralWidget()) centralWidget()->repaint();
}

// ---- menu ----

void FrmQuelva::MnuApresentacao_Click() { MostrarPainel(QStringLiteral("APRESENTACAO")); }

void FrmQuelva::MnuVariaveis_Click() {
    if (FraVar->isVisibleTo(this)) return;
    variablesPanel->refreshMarks();
    MostrarPainel(QStringLiteral("VARIAVEIS"));
}

void FrmQuelva::MnuPalavrasChaves_Click() {
    if (FraPal->isVisibleTo(this)) return;
    keywordsPanel->refreshMarks();
    MostrarPainel(QStringLiteral("PALAVRASCHAVE"));
}

void FrmQuelva::MnuLocalidades_Click() {
    if (FraLoc->isVisibleTo(this)) return;
    localitiesPanel->FraLoc_LstMunSelec->show();
    localitiesPanel->AtualizarMarcasLocalidades();
    MostrarPainel(QStringLiteral("LOCALIDADES"));
}

void FrmQuelva::MnuCriterios_Click() {
    if (FraCri->isVisibleTo(this)) return;
    MostrarPainel(QStringLiteral("CRITERIOS"));
}

void FrmQuelva::MnuVerSelecoes_Click() {
    if (FraSel->isVisibleTo(this)) return;
    reviewPanel->CarregarVariaveisSelecionadas();
    if (!reviewPanel->CarregarLocalidadesSelecionadas()) return;  // the program is ending
    MostrarPainel(QStringLiteral("VERSELECOES"));
}

void FrmQuelva::MnuVerResultado_Click() {
    // The message frame is hidden again however the run ends.
    struct MessageHider {
        FrmQuelva* owner;
        ~MessageHider() { owner->showMessage(false); }
    } hider{this};
    if (FraRes->isVisibleTo(this)) return;
    if (resultPanel->run([this](bool visible) { showMessage(visible); })) MostrarPainel(QStringLiteral("VERRESULTADO"));
}

void FrmQuelva::MnuFichaInstitucional_Click() { MostrarPainel(QStringLiteral("FICHAINSTITUCIONAL")); }
void FrmQuelva::MnuFichaTecnica_Click() { MostrarPainel(QStringLiteral("FICHATECNICA")); }
void FrmQuelva::MnuSobre_Click() { MostrarPainel(QStringLiteral("SOBRE")); }

void FrmQuelva::MnuSair_Click() { policy_.endProgram(0); }

void FrmQuelva::closeEvent(QCloseEvent* e) {
    e->accept();
    policy_.endProgram(0);
}

}  // namespace quelva
