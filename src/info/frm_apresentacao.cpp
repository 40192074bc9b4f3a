#include "frm_apresentacao.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "cursor_espera.h"
#include "error_policy.h"
#include "janela_informacao.h"

namespace quelva {

namespace {

constexpr char kTitulo[] = "Apresentação";
constexpr char kCabecalho[] = "TECNOLOGIA DA INFORMAÇÃO E MUNICÍPIOS";

// Each paragraph opens with three blanks, the indent of a first line in the grid's single cell.
constexpr std::array<const char*, 5> kParagrafos = {
    "   A tecnologia da informação deixou de ser um assunto restrito aos centros de processamento de "
    "dados e passou a fazer parte do cotidiano da administração pública. Cadastros, folhas de "
    "pagamento, arrecadação de tributos, controle de estoques e atendimento ao cidadão dependem hoje "
    "de computadores, de programas e de pessoas preparadas para usá-los. Quando bem empregada, a "
    "informática reduz custos, encurta os prazos, diminui erros e torna mais transparentes as contas "
    "públicas, permitindo que o gestor tome decisões apoiadas em informações corretas, completas e "
    "atualizadas.",
    "   Nos municípios, essa mudança tem significado especial. É a prefeitura que está mais próxima "
    "do cidadão: é nela que se emitem guias de impostos, se marcam consultas, se matriculam alunos e "
    "se registram as obras e os serviços da cidade. Desse modo, a capacidade de cada administração "
    "municipal de organizar e processar suas informações influi na qualidade dos serviços prestados "
    "à população.",
    "   Conhecer a situação real das prefeituras nesse campo é o primeiro passo para qualquer "
    "política de modernização. A pesquisa deste volume procurou responder a perguntas simples, mas "
    "até então sem resposta de conjunto: quantos microcomputadores cada prefeitura possui e em que "
    "setores eles estão instalados; se os equipamentos estão ligados em rede; se a prefeitura tem "
    "acesso à Internet, mantém página própria ou usa correio eletrônico; quais atividades já são "
    "informatizadas, como a contabilidade, a folha de pagamento, o cadastro imobiliário ou o "
    "protocolo geral; se os programas foram desenvolvidos pela própria equipe, comprados prontos ou "
    "contratados de terceiros; e quantos funcionários trabalham com informática e que formação "
    "receberam. As respostas revelam diferenças marcantes entre cidades de porte semelhante, mostram "
    "onde o investimento já trouxe resultados e apontam as regiões em que a falta de equipamentos ou "
    "de pessoal qualificado ainda limita o trabalho da administração.",
    "   Os resultados interessam a públicos diversos. Ao município, permitem comparar a sua situação "
    "com a de vizinhos e de cidades de tamanho parecido, e assim definir prioridades de compra, "
    "treinamento e contratação. Ao governo do Estado e às entidades que apoiam as administrações "
    "locais, oferecem uma base objetiva para planejar programas de capacitação, linhas de "
    "financiamento e ações conjuntas entre regiões. Aos pesquisadores, estudantes e jornalistas, "
    "abrem a possibilidade de estudar a difusão da informática no setor público a partir de dados "
    "comparáveis, colhidos ao mesmo tempo e com o mesmo questionário em todo o território estadual.",
    "   A pesquisa abrange todos os 645 municípios do Estado, e este programa permite consultar os "
    "seus resultados por variável, por município ou por região, combinando vários critérios.",
};

// Twips. The heading's row, then one row per paragraph, tall enough for its wrapped lines.
constexpr int kLarguraColuna = 7700;
constexpr int kAlturaCabecalho = 480;
constexpr std::array<int, 5> kAlturasParagrafos = {2160, 1440, 3360, 2640, 2400};
constexpr int kLarguraJanela = 8400;
constexpr int kAlturaJanela = 7800;

}  // namespace

FrmApresentacao::FrmApresentacao(ErrorPolicy& politica, QWidget* pai) : QDialog(pai), politica_(politica) {
    setObjectName(QStringLiteral("FrmApresentacao"));
    prepararJanelaInformacao(this, QString::fromUtf8(kTitulo), kLarguraJanela, kAlturaJanela);

    MSFlexGrid1 = new VisaoGrade(politica, this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    prepararGradeInformacao(MSFlexGrid1);
    // The paragraphs' rows are taller than the window: scroll smoothly rather than a whole row at a time.
    MSFlexGrid1->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    MSFlexGrid1->definirGrade(&grade_);
    MSFlexGrid1->hide();
    FrmFichaInstitucional_cmdfechar = criarBotaoFechar(this, QString::fromUtf8(kFrmFichaInstitucional_cmdfechar));

    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(MSFlexGrid1, 1);
    coluna->addLayout(linhaBotaoFechar(FrmFichaInstitucional_cmdfechar));
}

void FrmApresentacao::preencher() {
    CursorEspera espera(this);
    grade_.iniciarAlteracoes();
    grade_.definirTamanho(0, 0);
    grade_.definirTamanho(1 + static_cast<int>(kParagrafos.size()), 1);
    grade_.definirLarguraColuna(0, kLarguraColuna);
    grade_.definirQuebraTexto(true);

    Grade::Celula& cabecalho = grade_.writableCell(0, 0);
    cabecalho.alinhamento = Qt::AlignCenter;
    cabecalho.negrito = true;
    cabecalho.texto = QString::fromUtf8(kCabecalho);
    grade_.definirAlturaLinha(0, kAlturaCabecalho);

    for (std::size_t i = 0; i < kParagrafos.size(); ++i) {
        const int linha = static_cast<int>(i) + 1;
        Grade::Celula& celula = grade_.writableCell(linha, 0);
        celula.alinhamento = Qt::AlignLeft | Qt::AlignVCenter;
        celula.texto = QString::fromUtf8(kParagrafos[i]);
        grade_.definirAlturaLinha(linha, kAlturasParagrafos[i]);
    }
    grade_.concluirAlteracoes();
    MSFlexGrid1->show();
    preenchida_ = true;
}

void FrmApresentacao::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!preenchida_) politica_.run([this] { preencher(); });
}

}  // namespace quelva
