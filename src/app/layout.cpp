#include "layout.h"

#include <stdexcept>

#include "twips.h"

namespace quelva {

namespace {

// Design sizes the rules read, and controls the layout never moves (Left, Top, Width, Height).
struct Projeto {
    const char* nome;
    int left, top, width, height;
};

const Projeto kProjeto[] = {
    {"FraVar_LblTitulo(0)", 0, 0, 1000, 300},
    {"FraVar_LblTitulo(1)", 0, 0, 1000, 300},
    {"FraVar_CmdMarcarTodas", 0, 0, 1635, 400},
    {"FraVar_CmdDesmarcarTodas", 0, 0, 1635, 400},
    {"FraVar_CmdMostrarDefinicao", 0, 0, 1635, 400},
    {"FraVar_LstCodVariavel", 0, 0, 1245, 0},
    {"FraPal_LstCodVariavel", 0, 0, 1245, 0},
    {"FraSel_FraVar_LstCodVariavel", 0, 0, 1245, 0},
    {"FraLoc_lblprocmun", 0, 0, 0, 195},
    {"FraLoc_txtprocmun", 0, 0, 3885, 345},
    {"FraLoc_LstMunSelec", 0, 0, 3945, 0},
    {"FraLoc_cmdmarcartodas", 0, 0, 1500, 400},
    {"FraLoc_cmddesmarcartodas", 0, 0, 1500, 400},
    {"FraPal_LblTitulo", 0, 0, 7200, 315},
    {"FraPal_CmdMarcarTodas", 0, 0, 1635, 405},
    {"FraPal_CmdDesmarcarTodas", 0, 0, 1635, 405},
    {"FraPal_CmdMostrarDefinicao", 0, 0, 1635, 405},
    {"FraSel_FraVar_CmdDesmarcarTodas", 0, 0, 1365, 400},
    {"FraSel_FraVar_CmdMostrarDefinicao", 0, 0, 1365, 400},
    {"FraSel_Fraloc_Cmddesmarcartodas", 0, 0, 1365, 400},
    {"FraRes_LblTituloGrid1", 0, 0, 0, 285},
    {"FraRes_LblSubTituloGrid1", 0, 0, 0, 285},
    {"FraRes_CmdSalvar", 0, 0, 1095, 885},
    {"FraRes_CmdConvencoes", 0, 0, 1095, 315},
    {"FraRes_FraConvencoes", 0, 0, 6795, 2415},
    {"FraRes_TxtConvencoes", 180, 300, 6375, 1455},
    {"FraRes_CmdFechar", 5550, 1890, 975, 375},
    {"FraRes_Mensagem", 0, 0, 5505, 1155},
    {"FraRes_LblMensagem", 60, 480, 5355, 360},
    {"FraCri_FraCriTop", 135, 330, 11310, 1410},
    {"FraCri_LblTit(3)", 135, 240, 960, 240},
    {"FraCri_LblTit(0)", 1050, 240, 2130, 240},
    {"FraCri_LblTit(1)", 9060, 240, 960, 240},
    {"FraCri_LblTit(2)", 10200, 240, 885, 240},
    {"FraCri_CmbConector", 90, 540, 720, 315},
    {"FraCri_DbCmbVar", 930, 540, 8190, 315},
    {"FraCri_CmbOperador", 9240, 540, 750, 315},
    {"FraCri_TxtValor", 10065, 540, 1155, 315},
    {"FraCri_CmdLimpaCri", 120, 960, 1485, 285},
    {"FraCri_CmdAdicionaCri", 9720, 960, 1485, 285},
    {"FraCri_FraCri", 135, 1830, 11310, 5580},
    {"FraCri_GrdCri", 135, 225, 11085, 4365},
    {"FraCri_CmdLimpaTodosCri", 4710, 4890, 1860, 330},
};

// Controls the rules place that have no design size of their own.
const char* const kSemProjeto[] = {
    "FrmQuelva", "LinMenu", "FraLog", "FraLog_ImgLogo",
    "FraVar", "FraVar_TrwTemas", "FraVar_LstNomeVariavel",
    "FraLoc", "FraCri",
    "FraPal", "FraPal_LstPalavraChave", "FraPal_TrwTema", "FraPal_LstNomeVariavel",
    "FraSel", "FraSel_FraVar", "FraSel_FraVar_LstNomeVariavel", "FraSel_Fraloc", "FraSel_Fraloc_Lstlocalidade",
    "FraRes", "FraRes_TxtNotas", "FraRes_SSTab1", "FraRes_MSFlexGrid1", "FraRes_MSFlexGrid2", "FraRes_MSFlexGrid3",
    "FraRes_LblTituloGrid2", "FraRes_LblTituloGrid3", "FraRes_LblSubTituloGrid2", "FraRes_LblSubTituloGrid3",
};

constexpr int kQuantidadeLetras = 26;

// Left of a control of width `largura` centred on the vertical line `linha`.
int centrado(double linha, int largura) { return arredondar(linha - largura / 2.0); }

// A row of buttons at `topo`, the k-th (from 1) centred on the line inicio + k x largura / partes.
void centrarBotoes(Controles& c, std::initializer_list<const char*> botoes, int topo, double inicio, double largura, int partes) {
    int k = 1;
    for (const char* nome : botoes) {
        Geometria& b = c[nome];
        PosicionarControle(b, topo, centrado(inicio + k * largura / partes, b.Width), 0, 0);
        ++k;
    }
}

// Every panel frame but the logo: Top mv, Left mh, Width W - 3 mh; Height H - `margens` mv.
void posicionarPainel(Geometria& g, const MedidasTela& m, int margens) {
    PosicionarControle(g, m.MargemVertical, m.MargemHorizontal, m.LarguraTela - 3 * m.MargemHorizontal,
                       m.AlturaTela - margens * m.MargemVertical);
}

// The hidden code list beside a name list: Left = right edge of the name list - 2 x its own width.
void posicionarListaCodigos(Geometria& codigos, const Geometria& nomes) {
    PosicionarControle(codigos, nomes.Top, nomes.direita() - 2 * codigos.Width, 0, nomes.Height);
}

}  // namespace

std::string nomeLetra(int i) { return "FraPal_LblLetra(" + std::to_string(i) + ")"; }
std::string nomeTituloVar(int i) { return "FraVar_LblTitulo(" + std::to_string(i) + ")"; }

Controles::Controles() {
    for (const Projeto& p : kProjeto) g_[p.nome] = {p.top, p.left, p.width, p.height};
    for (int i = 0; i < kQuantidadeLetras; ++i) g_[nomeLetra(i)] = {0, 0, 195, 323};
    for (const char* nome : kSemProjeto) g_[nome];
}

Geometria& Controles::operator[](const std::string& nome) {
    auto it = g_.find(nome);
    if (it == g_.end()) throw std::out_of_range("O layout não conhece o controle " + nome + ".");
    return it->second;
}

const Geometria& Controles::at(const std::string& nome) const {
    auto it = g_.find(nome);
    if (it == g_.end()) throw std::out_of_range("O layout não conhece o controle " + nome + ".");
    return it->second;
}

std::string painelDoControle(const std::string& nome) { return nome.substr(0, nome.find('_')); }

void PosicionarControle(Geometria& controle, int topo, int esquerda, int largura, int altura) {
    controle.Top = topo;
    controle.Left = esquerda;
    if (largura >= 1) controle.Width = largura;
    if (altura >= 1) controle.Height = altura;
}

void AjustarJanelaPrincipal(Controles& c, MedidasTela& m, int larguraMaximizada, int alturaMaximizada) {
    int H = alturaMaximizada + 400;
    int W = larguraMaximizada;
    PosicionarControle(c["FrmQuelva"], 0, 0, W - 90, H - 470);
    m.AlturaTela = c["FrmQuelva"].Height;
    m.LarguraTela = c["FrmQuelva"].Width;
    m.MargemHorizontal = 100;
    m.MargemVertical = 100;
    PosicionarControle(c["FraLog"], 0, 0, m.LarguraTela, m.AlturaTela - 500);
    PosicionarControle(c["FraLog_ImgLogo"], 0, 0, c["FraLog"].Width, c["FraLog"].Height);
}

void PosicionarLinhaMenu(Controles& c, const MedidasTela& m) {
    Geometria& l = c["LinMenu"];
    l.Left = 0;
    l.Top = 30;
    l.Width = m.LarguraTela;
    l.Height = 0;
}

void AjustarFraVar(Controles& c, const MedidasTela& m) {
    const int mh = m.MargemHorizontal, mv = m.MargemVertical;
    for (const char* b : {"FraVar_CmdMarcarTodas", "FraVar_CmdDesmarcarTodas", "FraVar_CmdMostrarDefinicao"})
        c[b].Height = m.AlturaBotao;
    Geometria& fra = c["FraVar"];
    posicionarPainel(fra, m, 8);
    Geometria& titulo0 = c[nomeTituloVar(0)];
    PosicionarControle(titulo0, 2 * mv, mh, 0, 0);
    Geometria& arvore = c["FraVar_TrwTemas"];
    PosicionarControle(arvore, titulo0.fundo(), mh, fra.Width - 2 * mh, arredondar(fra.Height / 2.5));
    Geometria& titulo1 = c[nomeTituloVar(1)];
    PosicionarControle(titulo1, arvore.fundo() + mv, mh, 0, 0);
    Geometria& nomes = c["FraVar_LstNomeVariavel"];
    PosicionarControle(nomes, titulo1.fundo(), mh, arvore.Width, arvore.Height - 2 * mv);
    posicionarListaCodigos(c["FraVar_LstCodVariavel"], nomes);
    centrarBotoes(c, {"FraVar_CmdMarcarTodas", "FraVar_CmdDesmarcarTodas", "FraVar_CmdMostrarDefinicao"}, nomes.fundo() + 3 * mv, 0,
                  fra.Width, 4);
}

void AjustarFraLoc(Controles& c, const MedidasTela& m) {
    const int mh = m.MargemHorizontal, mv = m.MargemVertical;
    Geometria& fra = c["FraLoc"];
    posicionarPainel(fra, m, 9);
    Geometria& rotulo = c["FraLoc_lblprocmun"];
    PosicionarControle(rotulo, 3 * mv, mh, fra.Width - 3 * mh, 0);
    Geometria& texto = c["FraLoc_txtprocmun"];
    PosicionarControle(texto, rotulo.fundo() + 3 * mv, arredondar((fra.Width - texto.Width) / 2.0), 0, 0);
    Geometria& lista = c["FraLoc_LstMunSelec"];
    PosicionarControle(lista, rotulo.fundo() + texto.Height + 5 * mv, texto.Left, 0, arredondar(fra.Height / 1.7));
    Geometria& marcar = c["FraLoc_cmdmarcartodas"];
    Geometria& desmarcar = c["FraLoc_cmddesmarcartodas"];
    marcar.Height = m.AlturaBotao;
    desmarcar.Height = m.AlturaBotao;
    centrarBotoes(c, {"FraLoc_cmdmarcartodas", "FraLoc_cmddesmarcartodas"}, lista.fundo() + 3 * mv, 0, fra.Width, 3);
}

void AjustarFraCri(Controles& c, const MedidasTela& m) { posicionarPainel(c["FraCri"], m, 9); }

void AjustarFraPal(Controles& c, const MedidasTela& m) {
    const int mh = m.MargemHorizontal, mv = m.MargemVertical, W = m.LarguraTela;
    Geometria& fra = c["FraPal"];
    posicionarPainel(fra, m, 9);
    Geometria& titulo = c["FraPal_LblTitulo"];
    PosicionarControle(titulo, 2 * mv, arredondarParaBaixo((W - titulo.Width) / 2.0), 0, 0);
    const int inicio = arredondarParaBaixo((W - (c[nomeLetra(0)].Width + 7500)) / 2.0);
    for (int i = 0; i < kQuantidadeLetras; ++i) {
        Geometria& letra = c[nomeLetra(i)];
        letra.Height = 323;
        PosicionarControle(letra, 500, inicio + 300 * i, 0, 0);
    }
    const Geometria& letra0 = c[nomeLetra(0)];
    Geometria& palavras = c["FraPal_LstPalavraChave"];
    const int topoPalavras = letra0.fundo() + 2 * mv;
    PosicionarControle(palavras, topoPalavras, mh, arredondar(fra.Width / 4.0), arredondar((fra.Height - topoPalavras) / 2.0));
    Geometria& arvore = c["FraPal_TrwTema"];
    PosicionarControle(arvore, palavras.Top, palavras.direita() + mh, fra.Width - palavras.direita() - 2 * mh, palavras.Height);
    Geometria& nomes = c["FraPal_LstNomeVariavel"];
    PosicionarControle(nomes, palavras.fundo() + mv, palavras.Left, fra.Width - 2 * mh,
                       fra.Height - titulo.Height - letra0.Height - palavras.Height - 6 * mv -
                           c["FraPal_CmdDesmarcarTodas"].Height);
    posicionarListaCodigos(c["FraPal_LstCodVariavel"], nomes);
    centrarBotoes(c, {"FraPal_CmdMarcarTodas", "FraPal_CmdDesmarcarTodas", "FraPal_CmdMostrarDefinicao"}, nomes.fundo() + mv,
                  nomes.Left, fra.Width - nomes.Left, 4);
}

void AjustarFraSel(Controles& c, const MedidasTela& m) {
    const int mh = m.MargemHorizontal, mv = m.MargemVertical;
    for (const char* b : {"FraSel_FraVar_CmdDesmarcarTodas", "FraSel_FraVar_CmdMostrarDefinicao", "FraSel_Fraloc_Cmddesmarcartodas"})
        c[b].Height = m.AlturaBotao;
    Geometria& fra = c["FraSel"];
    posicionarPainel(fra, m, 9);
    Geometria& fraVar = c["FraSel_FraVar"];
    PosicionarControle(fraVar, 3 * mv, mh + fra.Left, fra.Width - 4 * fra.Left, arredondar(fra.Height / 2.0));
    Geometria& desmarcarVar = c["FraSel_FraVar_CmdDesmarcarTodas"];
    Geometria& nomes = c["FraSel_FraVar_LstNomeVariavel"];
    PosicionarControle(nomes, 3 * mv, fraVar.Left, fraVar.Width - 4 * mh, fraVar.Height - desmarcarVar.Height - 4 * mv);
    posicionarListaCodigos(c["FraSel_FraVar_LstCodVariavel"], nomes);
    centrarBotoes(c, {"FraSel_FraVar_CmdDesmarcarTodas", "FraSel_FraVar_CmdMostrarDefinicao"}, nomes.fundo() + mv, 0, fraVar.Width, 3);
    Geometria& fraLoc = c["FraSel_Fraloc"];
    PosicionarControle(fraLoc, fraVar.fundo() + mv, fraVar.Left, fraVar.Width, fra.Height - fraVar.Top - fraVar.Height - 2 * mv);
    Geometria& desmarcarLoc = c["FraSel_Fraloc_Cmddesmarcartodas"];
    Geometria& lista = c["FraSel_Fraloc_Lstlocalidade"];
    PosicionarControle(lista, 3 * mv, fraLoc.Left, fraLoc.Width - 4 * mh, fraLoc.Height - desmarcarLoc.Height - 4 * mv);
    centrarBotoes(c, {"FraSel_Fraloc_Cmddesmarcartodas"}, lista.fundo() + mv, 0, fraLoc.Width, 3);
}

void AjustarFraRes(Controles& c, const MedidasTela& m) {
    const int mh = m.MargemHorizontal, mv = m.MargemVertical;
    Geometria& fra = c["FraRes"];
    posicionarPainel(fra, m, 9);
    Geometria& salvar = c["FraRes_CmdSalvar"];
    PosicionarControle(salvar, fra.Height - salvar.Height - mv, fra.Width - salvar.Width - 2 * mh, 0, 0);
    Geometria& convencoes = c["FraRes_CmdConvencoes"];
    PosicionarControle(convencoes, fra.Height - salvar.Height - convencoes.Height - 2 * mv, salvar.Left, salvar.Width, 0);
    Geometria& notas = c["FraRes_TxtNotas"];
    PosicionarControle(notas, convencoes.Top, fra.Left + mh, fra.Width - 5 * fra.Left - salvar.Width,
                       salvar.Height + convencoes.Height + mv);
    Geometria& abas = c["FraRes_SSTab1"];
    PosicionarControle(abas, 2 * mv + fra.Top, fra.Left + mh, fra.Width - 4 * fra.Left, fra.Height - notas.Height - 5 * mv);
    Geometria& titulo = c["FraRes_LblTituloGrid1"];
    PosicionarControle(titulo, 3 * mv + fra.Top, fra.Left + mh, abas.Width - 2 * abas.Left, 0);
    Geometria& subtitulo = c["FraRes_LblSubTituloGrid1"];
    PosicionarControle(subtitulo, titulo.fundo(), titulo.Left, titulo.Width, 0);
    Geometria& grade = c["FraRes_MSFlexGrid1"];
    PosicionarControle(grade, subtitulo.fundo() + mv, subtitulo.Left, subtitulo.Width,
                       abas.Height - titulo.Top - subtitulo.Height - 4 * mv);
    for (const char* n : {"2", "3"}) {
        PosicionarControle(c[std::string("FraRes_LblTituloGrid") + n], titulo.Top, titulo.Left, titulo.Width, 0);
        PosicionarControle(c[std::string("FraRes_LblSubTituloGrid") + n], subtitulo.Top, subtitulo.Left, subtitulo.Width, 0);
        PosicionarControle(c[std::string("FraRes_MSFlexGrid") + n], grade.Top, grade.Left, grade.Width, grade.Height);
    }
    Geometria& quadro = c["FraRes_FraConvencoes"];
    PosicionarControle(quadro, arredondar((fra.Height - quadro.Height) / 2.0), arredondar((fra.Width - quadro.Width) / 2.0), 0, 0);
    Geometria& mensagem = c["FraRes_Mensagem"];
    PosicionarControle(mensagem, arredondar((fra.Height - mensagem.Height) / 2.0), arredondar((fra.Width - mensagem.Width) / 2.0), 0, 0);
}

}  // namespace quelva
