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

#include "area_code.h"
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

const char* kTituloJanela = "Tarsenal";
const char* kTextoMensagem = "Processando. Aguarde ...";
const char* kCaptionMensagem = "Mensagem";
const char* kTituloResultado = "Lumbra 1999";
const char* kSubTituloResultado = "Tarsenal";
const char* kTotalEstado = "Totais para o Estado de São Paulo";
const char* kSqlBuscaMunicipio = "Select * From nomemun order by [desc]";
const char* kSqlArea = "Select * From CD_Area";

// Colours written as the program's &HBBGGRR values.
QColor corVB(unsigned valor) { return QColor(valor & 0xFF, (valor >> 8) & 0xFF, (valor >> 16) & 0xFF); }

QGroupBox* novoPainel(QWidget* pai, const char* nome, const char* titulo) {
    auto* g = new QGroupBox(QString::fromUtf8(titulo), pai);
    g->setObjectName(nome);
    g->hide();
    return g;
}

}  // namespace

FrmQuelva::FrmQuelva(Estado& estado, Dialogos& dialogos, std::function<void(int)> encerrar, QWidget* pai)
    : QMainWindow(pai), estado_(estado), dialogos_(dialogos), politica_(dialogos, std::move(encerrar)),
      variableLists_(std::make_unique<VariableLists>(estado)) {
    setObjectName("FrmQuelva");
    setWindowTitle(QString::fromUtf8(kTituloJanela));
    politica_.setWindow(this);
    criarPaineis();
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
        const int aba = painelResultado->FraRes_SSTab1->Tab();
        SalvarExcel({estado_, dialogos_, this, aba, painelResultado->grade(aba), [this](bool v) { MostrarMensagem(v); }});
    });
    paineisConstruidos_ = {"FrmQuelva", "LinMenu", "FraLog", "FraVar", "FraPal", "FraLoc", "FraSel", "FraCri", "FraRes"};
    criarMenu();
}

FrmQuelva::~FrmQuelva() = default;

void FrmQuelva::criarPaineis() {
    auto* area = new QWidget(this);
    area->setObjectName("AreaPaineis");
    setCentralWidget(area);

    FraLog = novoPainel(area, "FraLog", "");
    FraLog->setFlat(true);
    registrarRecursos();
    FraLog->setStyleSheet(QStringLiteral("QGroupBox#FraLog { border: 0; margin: 0; padding: 0; }"));
    FraLog_ImgLogo = new ImagemEsticada(QString::fromUtf8(kImagemLogo), FraLog);
    FraLog_ImgLogo->setObjectName("FraLog_ImgLogo");
    FraVar = novoPainel(area, "FraVar", "Variáveis");
    FraPal = novoPainel(area, "FraPal", "Palavras chave");
    FraLoc = novoPainel(area, "FraLoc", "Localidades");
    FraCri = novoPainel(area, "FraCri", "Critérios");
    FraSel = novoPainel(area, "FraSel", "Ver seleções");
    FraRes = novoPainel(area, "FraRes", "Ver resultado");

    LinMenu = new QFrame(area);
    LinMenu->setObjectName("LinMenu");
    LinMenu->setFrameShape(QFrame::NoFrame);
    LinMenu->setAutoFillBackground(true);
    QPalette pl = LinMenu->palette();
    pl.setColor(QPalette::Window, corVB(0xE0E0E0));
    LinMenu->setPalette(pl);

    // The message frame belongs to the window, not to the result panel, and stands above whatever panel is shown.
    FraRes_Mensagem = novoPainel(area, "FraRes_Mensagem", kCaptionMensagem);
    FraRes_Mensagem->setAutoFillBackground(true);
    QPalette pm = FraRes_Mensagem->palette();
    pm.setColor(QPalette::Window, corVB(0x808080));
    pm.setColor(QPalette::WindowText, corVB(0xFFFF));
    FraRes_Mensagem->setPalette(pm);
    FraRes_LblMensagem = new QLabel(QString::fromUtf8(kTextoMensagem), FraRes_Mensagem);
    FraRes_LblMensagem->setObjectName("FraRes_LblMensagem");
    FraRes_LblMensagem->setAlignment(Qt::AlignCenter);
    FraRes_LblMensagem->setAutoFillBackground(true);
    QFont fonte(QStringLiteral("MS Sans Serif"), 12, QFont::Bold);
    fonte.setStyleHint(QFont::SansSerif);
    FraRes_LblMensagem->setFont(fonte);
    QPalette pr = FraRes_LblMensagem->palette();
    pr.setColor(QPalette::Window, QApplication::palette().color(QPalette::Dark));
    pr.setColor(QPalette::WindowText, corVB(0xFFFF));
    FraRes_LblMensagem->setPalette(pr);
}

void FrmQuelva::criarMenu() {
    QMenuBar* barra = menuBar();
    QMenu* informacoes = nullptr;
    // An item of the bar, or of "&Informações" once that menu exists.
    auto item = [&](QAction*& acao, const char* nome, const char* texto, void (FrmQuelva::*handler)()) {
        QWidget* dono = informacoes ? static_cast<QWidget*>(informacoes) : barra;
        acao = dono->addAction(QString::fromUtf8(texto));
        acao->setObjectName(nome);
        politica_.connect(acao, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    item(MnuApresentacao, "MnuApresentacao", "&Apresentação", &FrmQuelva::MnuApresentacao_Click);
    item(MnuVariaveis, "MnuVariaveis", "&Variáveis", &FrmQuelva::MnuVariaveis_Click);
    item(MnuPalavrasChaves, "MnuPalavrasChaves", "&Palavras chave", &FrmQuelva::MnuPalavrasChaves_Click);
    item(MnuLocalidades, "MnuLocalidades", "&Localidades", &FrmQuelva::MnuLocalidades_Click);
    item(MnuCriterios, "MnuCriterios", "&Critérios", &FrmQuelva::MnuCriterios_Click);
    item(MnuVerSelecoes, "MnuVerSelecoes", "Ver &seleções", &FrmQuelva::MnuVerSelecoes_Click);
    item(MnuVerResultado, "MnuVerResultado", "Ver &resultado", &FrmQuelva::MnuVerResultado_Click);

    informacoes = barra->addMenu(QString::fromUtf8("&Informações"));
    informacoes->setObjectName("MnuInformacoesMenu");
    MnuInformacoes = informacoes->menuAction();
    MnuInformacoes->setObjectName("MnuInformacoes");
    item(MnuFichaInstitucional, "MnuFichaInstitucional", "Ficha &Institucional", &FrmQuelva::MnuFichaInstitucional_Click);
    item(MnuFichaTecnica, "MnuFichaTecnica", "Ficha &Técnica", &FrmQuelva::MnuFichaTecnica_Click);
    MnuTraco01 = informacoes->addSeparator();
    MnuTraco01->setObjectName("MnuTraco01");
    item(MnuSobre, "MnuSobre", "So&bre", &FrmQuelva::MnuSobre_Click);

    informacoes = nullptr;  // "S&air" closes the bar
    item(MnuSair, "MnuSair", "S&air", &FrmQuelva::MnuSair_Click);
}

// ---- start-up and activation ----

void FrmQuelva::Form_Load() {
    setWindowIcon(QIcon());
    MostrarPainel(QString());
    CarregarVetorVariavel(estado_.VetorVariavel, estado_.banco);
    painelVariaveis->CarregarArvoreTemas();
    painelLocalidades->FraLoc_CarregarLocalidades();
    estado_.TituloResultado = QString::fromUtf8(kTituloResultado);
    estado_.SubTituloResultado = QString::fromUtf8(kSubTituloResultado);
    estado_.NoDestacadoVar = -1;
    estado_.NoDestacadoPal = -1;
    painelResultado->setTitles(estado_.TituloResultado, estado_.SubTituloResultado);
}

void FrmQuelva::Form_Activate() {
    MedidasTela& m = medidas;
    Controles& c = controles;
    m.AlturaBotao = 400;
    QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect util = tela->availableGeometry();
    const double dpiX = logicalDpiX(), dpiY = logicalDpiY();
    AjustarJanelaPrincipal(c, m, pixelsParaTwips(util.width(), dpiX), pixelsParaTwips(util.height(), dpiY));
    PosicionarLinhaMenu(c, m);
    AjustarFraVar(c, m);
    AjustarFraLoc(c, m);
    AjustarFraCri(c, m);
    AjustarFraPal(c, m);
    AjustarFraSel(c, m);
    painelResultado->hideGroups();
    AjustarFraRes(c, m);
    aplicarLayout();
    FraLog->show();
    if (primeiraAtivacao_) estado_.ExpressaoCriterio.clear();
    abrirSessao();
    preencherNomesLocalidades();
    if (primeiraAtivacao_) painelCriterios->prepareControls();
    painelResultado->PrepararConvencoes();
    primeiraAtivacao_ = false;
}

void FrmQuelva::abrirSessao() {
    estado_.DbSessao = estado_.banco.abrir();
    estado_.RsBuscaMunicipio = estado_.DbSessao.openRecordset(kSqlBuscaMunicipio);
    estado_.RsArea = estado_.DbSessao.openRecordset(kSqlArea);
}

void FrmQuelva::preencherNomesLocalidades() {
    jet::Recordset& rs = estado_.RsArea;
    estado_.VetorNomeLocalidade[0] = QString::fromUtf8(kTotalEstado);
    rs.moveFirst();
    while (!rs.eof()) {
        const int codigo = areaCode(rs.field("COD_AREA_NORVA"));
        estado_.VetorNomeLocalidade[static_cast<std::size_t>(codigo)] = QString::fromStdString(rs.field("DESCRICAO").toText());
        rs.moveNext();
    }
    rs.moveFirst();
}

void FrmQuelva::aplicarLayout() {
    const double dpiX = logicalDpiX(), dpiY = logicalDpiY();
    auto px = [&](int twips, double dpi) { return twipsParaPixels(twips, dpi); };
    for (const auto& [nome, g] : controles.todos()) {
        if (!paineisConstruidos_.count(painelDoControle(nome))) continue;
        if (nome == "FrmQuelva") {
            // The measures are of the outer window; the toolkit sizes the inside.
            const QSize moldura = frameGeometry().size() - geometry().size();
            move(px(g.Left, dpiX), px(g.Top, dpiY));
            resize(std::max(1, px(g.Width, dpiX) - moldura.width()), std::max(1, px(g.Height, dpiY) - moldura.height()));
            continue;
        }
        QWidget* w = findChild<QWidget*>(QString::fromStdString(nome));
        if (!w) throw std::logic_error("O controle " + nome + " que o layout posiciona não existe na janela.");
        if (nome == "LinMenu") {
            w->setGeometry(px(g.Left, dpiX), px(g.Top, dpiY), px(g.Width, dpiX), 1);
            continue;
        }
        const int largura = g.Width > 0 ? px(g.Width, dpiX) : w->width();
        const int altura = g.Height > 0 ? px(g.Height, dpiY) : w->height();
        w->setGeometry(px(g.Left, dpiX), px(g.Top, dpiY), largura, altura);
    }
    FraRes_Mensagem->raise();
}

// ---- panels ----

void FrmQuelva::MostrarPainel(const QString& palavra) {
    for (QGroupBox* p : paineis_) p->hide();
    // Information windows are modal: none can be open while a menu item runs.
    static const std::pair<const char*, Painel> paineisPorPalavra[] = {
        {"VARIAVEIS", Painel::Var}, {"LOCALIDADES", Painel::Loc}, {"CRITERIOS", Painel::Cri},
        {"PALAVRASCHAVE", Painel::Pal}, {"VERSELECOES", Painel::Sel}, {"VERRESULTADO", Painel::Res},
    };
    for (const auto& [chave, p] : paineisPorPalavra) {
        if (palavra == QLatin1String(chave)) {
            painel(p)->show();
            return;
        }
    }
    abrirJanelaInformacao(palavra);
}

void FrmQuelva::abrirJanelaInformacao(const QString& palavra) {
    const QString pasta = QString::fromStdString(estado_.banco.pastaPrograma());
    std::unique_ptr<QDialog> janela;
    if (palavra == QLatin1String("APRESENTACAO")) janela = std::make_unique<FrmApresentacao>(politica_, this);
    else if (palavra == QLatin1String("FICHAINSTITUCIONAL")) janela = std::make_unique<FrmFichaInstitucional>(pasta, politica_, this);
    else if (palavra == QLatin1String("FICHATECNICA")) janela = std::make_unique<FrmFichaTecnica>(pasta, politica_, this);
    else if (palavra == QLatin1String("SOBRE")) janela = std::make_unique<FrmSobre>(this);
    if (!janela) return;  // no panel and no window for any other keyword
    if (palavra != QLatin1String("APRESENTACAO") && palavra != QLatin1String("FICHATECNICA")) janela->setWindowIcon(QIcon());
    janela->exec();
    janela.reset();
    // Closing the window makes the main window active again, which lays it out anew and shows the logo panel.
    Form_Activate();
}

void FrmQuelva::MostrarMensagem(bool visivel) {
    FraRes_Mensagem->setVisible(visivel);
    if (visivel) FraRes_Mensagem->raise();
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
    struct Ocultar {
        FrmQuelva* janela;
        ~Ocultar() { janela->MostrarMensagem(false); }
    } ocultar{this};
    if (FraRes->isVisibleTo(this)) return;
    if (painelResultado->run([this](bool visivel) { MostrarMensagem(visivel); })) MostrarPainel(QStringLiteral("VERRESULTADO"));
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
