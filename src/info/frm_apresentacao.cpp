#include "frm_apresentacao.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "wait_cursor.h"
#include "error_policy.h"
#include "info_window.h"

namespace quelva {

namespace {

constexpr char kTitle[] = "Apresentação";
constexpr char kHeading[] = "TECNOLOGIA DA INFORMAÇÃO E MUNICÍPIOS";

// Each paragraph opens with three blanks, the indent of a first line in the grid's single cell.
constexpr std::array<const char*, 5> kParagraphs = {
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
constexpr int kColumnWidth = 7700;
constexpr int kHeadingHeight = 480;
constexpr std::array<int, 5> kParagraphHeights = {2160, 1440, 3360, 2640, 2400};
constexpr int kWindowWidth = 8400;
constexpr int kWindowHeight = 7800;

}  // namespace

FrmApresentacao::FrmApresentacao(ErrorPolicy& policy, QWidget* parent) : QDialog(parent), policy_(policy) {
    setObjectName(QStringLiteral("FrmApresentacao"));
    setUpInfoWindow(this, QString::fromUtf8(kTitle), kWindowWidth, kWindowHeight);

    MSFlexGrid1 = new GridTableView(policy, this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    setUpInfoGrid(MSFlexGrid1);
    // The paragraphs' rows are taller than the window: scroll smoothly rather than a whole row at a time.
    MSFlexGrid1->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    MSFlexGrid1->setGrid(&grid_);
    MSFlexGrid1->hide();
    FrmFichaInstitucional_cmdfechar = makeCloseButton(this, QString::fromUtf8(kFrmFichaInstitucional_cmdfechar));

    auto* column = new QVBoxLayout(this);
    column->addWidget(MSFlexGrid1, 1);
    column->addLayout(closeButtonRow(FrmFichaInstitucional_cmdfechar));
}

void FrmApresentacao::fill() {
    WaitCursor wait(this);
    grid_.beginChanges();
    grid_.setSize(0, 0);
    grid_.setSize(1 + static_cast<int>(kParagraphs.size()), 1);
    grid_.setColumnWidth(0, kColumnWidth);
    grid_.setWordWrap(true);

    Grid::Cell& heading = grid_.writableCell(0, 0);
    heading.alignment = Qt::AlignCenter;
    heading.bold = true;
    heading.text = QString::fromUtf8(kHeading);
    grid_.setRowHeight(0, kHeadingHeight);

    for (std::size_t i = 0; i < kParagraphs.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        Grid::Cell& cell = grid_.writableCell(row, 0);
        cell.alignment = Qt::AlignLeft | Qt::AlignVCenter;
        cell.text = QString::fromUtf8(kParagraphs[i]);
        grid_.setRowHeight(row, kParagraphHeights[i]);
    }
    grid_.endChanges();
    MSFlexGrid1->show();
    filled_ = true;
}

void FrmApresentacao::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!filled_) policy_.run([this] { fill(); });
}

}  // namespace quelva
