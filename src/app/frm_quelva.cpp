#include "frm_quelva.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <stdexcept>

#include "dialogos.h"
#include "error.h"
#include "error_policy.h"
#include "estado.h"
#include "frm_apresentacao.h"
#include "frm_ficha_institucional.h"
#include "frm_ficha_tecnica.h"
#include "frm_sobre.h"
#include "imagem_esticada.h"
#include "recursos.h"
#include "salvar_excel.h"
#include "variable_list_pair.h"
#include "painel_criterios.h"
#include "painel_localidades.h"
#include "painel_palavras.h"
#include "painel_resultado.h"
#include "painel_selecoes.h"
#include "painel_variaveis.h"
#include "tabbed_frame.h"
#include "twips.h"

namespace quelva {

namespace {

const char* kWindowTitle = "Tarsenal";
const char* kMessageText = "Processando. Aguarde ...";
const char* kMessageCaption = "Mensagem";

// Colours written as the program's &HBBGGRR values.
QColor vbColor(unsigned value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

QGroupBox* newPanel(QWidget* pai, const char* name, const char* title) {
    auto* g = new QGroupBox(QString::fromUtf8(title), pai);
    g->setObjectName(name);
    g->hide();
    return g;
}

}  // namespace

FrmQuelva::FrmQuelva(Estado& estado, Dialogos& dialogos, std::function<void(int)> encerrar, QWidget* pai)
    : QMainWindow(pai), estado_(estado), dialogos_(dialogos), politica_(dialogos, std::move(encerrar)),
      variableLists_(std::make_unique<VariableLists>(estado)) {
    setObjectName("FrmQuelva");
    setWindowTitle(QString::fromUtf8(kWindowTitle));
    politica_.setWindow(this);
    createPanels();
    paineis_ = {FraLog, FraVar, FraLoc, FraCri, FraPal, FraSel, FraRes};
    painelVariaveis = new PainelVariaveis(FraVar, estado_, *variableLists_, politica_);
    painelPalavras = new PainelPalavras(FraPal, estado_, *variableLists_, politica_);
    painelLocalidades = new PainelLocalidades(FraLoc, estado_, politica_);
    // The review's "&Desmarcar todas" of the localities runs the Localities panel's first.
    painelSelecoes = new PainelSelecoes(FraSel, estado_, *variableLists_, politica_,
                                        [this] { painelLocalidades->FraLoc_CmdDesmarcarTodas_Click(); });
    painelCriterios = new PainelCriterios(FraCri, estado_, politica_);
    painelResultado = new PainelResultado(FraRes, estado_, politica_);
    painelResultado->onSave([this] {
        const int tab = painelResultado->FraRes_SSTab1->Tab();
        SalvarExcel({estado_, dialogos_, this, tab, painelResultado->grade(tab), [this](bool v) { showMessage(v); }});
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
    registrarRecursos();
    FraLog->setStyleSheet(QStringLiteral("QGroupBox#FraLog { border: 0; margin: 0; padding: 0; }"));
    FraLog_ImgLogo = new ImagemEsticada(QString::fromUtf8(kImagemLogo), FraLog);
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
        politica_.connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
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
    CarregarVetorVariavel(estado_.VetorVariavel, estado_.banco);
    painelVariaveis->CarregarArvoreTemas();
    painelLocalidades->FraLoc_CarregarLocalidades();
    setStartUpState(estado_);
    painelResultado->setTitles(estado_.TituloResultado, estado_.SubTituloResultado);
}

void FrmQuelva::Form_Activate() {
    ScreenMeasures& m = medidas;
    ControlLayout& c = controles;
    m.AlturaBotao = 400;
    QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect available = display->availableGeometry();
    const double dpiX = logicalDpiX(), dpiY = logicalDpiY();
    AjustarJanelaPrincipal(c, m, pixelsParaTwips(available.width(), dpiX), pixelsParaTwips(available.height(), dpiY));
    PosicionarLinhaMenu(c, m);
    AjustarFraVar(c, m);
    AjustarFraLoc(c, m);
    AjustarFraCri(c, m);
    AjustarFraPal(c, m);
    AjustarFraSel(c, m);
    painelResultado->hideGroups();
    AjustarFraRes(c, m);
    applyLayout();
    FraLog->show();
    if (firstActivation_) estado_.ExpressaoCriterio.clear();
    openSession(estado_);
    fillLocalityNames(estado_);
    if (firstActivation_) painelCriterios->prepareControls();
    painelResultado->PrepararConvencoes();
    firstActivation_ = false;
}

void FrmQuelva::applyLayout() {
    const double dpiX = logicalDpiX(), dpiY = logicalDpiY();
    auto px = [&](int twips, double dpi) { return twipsParaPixels(twips, dpi); };
    for (const auto& [name, g] : controles.todos()) {
        if (!builtPanels_.count(painelDoControle(name))) continue;
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
    for (QGroupBox* p : paineis_) p->hide();
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
    const QString folder = QString::fromStdString(estado_.banco.pastaPrograma());
    std::unique_ptr<QDialog> dialog;
    if (palavra == QLatin1String("APRESENTACAO")) dialog = std::make_unique<FrmApresentacao>(politica_, this);
    else if (palavra == QLatin1String("FICHAINSTITUCIONAL")) dialog = std::make_unique<FrmFichaInstitucional>(folder, politica_, this);
    else if (palavra == QLatin1String("FICHATECNICA")) dialog = std::make_unique<FrmFichaTecnica>(folder, politica_, this);
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
    painelVariaveis->atualizarMarcas();
    MostrarPainel(QStringLiteral("VARIAVEIS"));
}

void FrmQuelva::MnuPalavrasChaves_Click() {
    if (FraPal->isVisibleTo(this)) return;
    painelPalavras->atualizarMarcas();
    MostrarPainel(QStringLiteral("PALAVRASCHAVE"));
}

void FrmQuelva::MnuLocalidades_Click() {
    if (FraLoc->isVisibleTo(this)) return;
    painelLocalidades->FraLoc_LstMunSelec->show();
    painelLocalidades->AtualizarMarcasLocalidades();
    MostrarPainel(QStringLiteral("LOCALIDADES"));
}

void FrmQuelva::MnuCriterios_Click() {
    if (FraCri->isVisibleTo(this)) return;
    MostrarPainel(QStringLiteral("CRITERIOS"));
}

void FrmQuelva::MnuVerSelecoes_Click() {
    if (FraSel->isVisibleTo(this)) return;
    painelSelecoes->CarregarVariaveisSelecionadas();
    if (!painelSelecoes->CarregarLocalidadesSelecionadas()) return;  // the program is ending
    MostrarPainel(QStringLiteral("VERSELECOES"));
}

void FrmQuelva::MnuVerResultado_Click() {
    // The message frame is hidden again however the run ends.
    struct MessageHider {
        FrmQuelva* owner;
        ~MessageHider() { owner->showMessage(false); }
    } hider{this};
    if (FraRes->isVisibleTo(this)) return;
    if (painelResultado->run([this](bool visible) { showMessage(visible); })) MostrarPainel(QStringLiteral("VERRESULTADO"));
}

void FrmQuelva::MnuFichaInstitucional_Click() { MostrarPainel(QStringLiteral("FICHAINSTITUCIONAL")); }
void FrmQuelva::MnuFichaTecnica_Click() { MostrarPainel(QStringLiteral("FICHATECNICA")); }
void FrmQuelva::MnuSobre_Click() { MostrarPainel(QStringLiteral("SOBRE")); }

void FrmQuelva::MnuSair_Click() { politica_.endProgram(0); }

void FrmQuelva::closeEvent(QCloseEvent* e) {
    e->accept();
    politica_.endProgram(0);
}

}  // namespace quelva
