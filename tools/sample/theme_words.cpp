#include "theme_words.h"

namespace sample {

const std::vector<ThemeWords>& themeWords() {
    static const std::vector<ThemeWords> themes{
        {"Caracterização do Município", "Município",
         {"Território", "População", "Economia local", "Finanças municipais", "Servidores municipais",
          "Legislação municipal"},
         {{"área urbanizada", "Território"}, {"distritos", "Distrito"}, {"bairros cadastrados", "Bairro"},
          {"habitantes da zona rural", "População"}, {"estabelecimentos comerciais", "Comércio"},
          {"indústrias instaladas", "Indústria"}, {"servidores ativos", "Servidor"},
          {"servidores inativos", "Servidor"}, {"leis municipais aprovadas", "Legislação"},
          {"receita tributária", "Finanças"}, {"imóveis cadastrados no IPTU", "Imposto"},
          {"propriedades rurais", "Agricultura"}},
         false, ""},
        {"Administração Municipal", "Administração",
         {"Estrutura administrativa", "Planejamento", "Consórcios intermunicipais", "Participação popular",
          "Atendimento ao cidadão", "Segurança e defesa civil"},
         {{"secretarias municipais", "Secretaria"}, {"plano diretor", "Planejamento"},
          {"consórcios intermunicipais", "Consórcio"}, {"audiências públicas", "Participação"},
          {"postos de atendimento", "Atendimento"}, {"ouvidoria municipal", "Ouvidoria"},
          {"cadastro imobiliário", "Cadastro"}, {"lei orgânica", "Legislação"},
          {"convênios firmados", "Convênio"}, {"fundos municipais", "Fundo"},
          {"guarda municipal", "Segurança"}, {"comissões de defesa civil", "Defesa civil"}},
         false, "Conselhos municipais"},
        {"Educação", "Educação",
         {"Ensino infantil", "Ensino fundamental", "Transporte escolar", "Alimentação escolar",
          "Educação de jovens e adultos", "Bibliotecas"},
         {{"escolas municipais", "Escola"}, {"creches", "Creche"}, {"professores", "Professor"},
          {"alunos matriculados", "Matrícula"}, {"veículos de transporte escolar", "Transporte"},
          {"refeições de merenda escolar", "Merenda"}, {"bibliotecas públicas", "Biblioteca"},
          {"salas de aula", "Escola"}, {"classes de alfabetização", "Alfabetização"},
          {"laboratórios de ciências", "Laboratório"}, {"quadras esportivas escolares", "Esporte"},
          {"bolsas de estudo", "Bolsa"}},
         false, ""},
        {"Saúde", "Saúde",
         {"Rede de atendimento", "Profissionais de saúde", "Vigilância sanitária", "Programas de saúde",
          "Urgência e emergência", "Assistência farmacêutica"},
         {{"unidades básicas de saúde", "Posto de saúde"}, {"leitos hospitalares", "Hospital"},
          {"médicos", "Médico"}, {"agentes comunitários", "Agente"}, {"ambulâncias", "Ambulância"},
          {"farmácias populares", "Farmácia"}, {"campanhas de vacinação", "Vacinação"},
          {"consultórios odontológicos", "Odontologia"}, {"equipes de saúde da família", "Família"},
          {"inspeções sanitárias", "Vigilância"}, {"leitos de maternidade", "Maternidade"},
          {"laboratórios de análises", "Laboratório"}},
         false, ""},
        {"Saneamento e Meio Ambiente", "Saneamento",
         {"Abastecimento de água", "Esgotamento sanitário", "Coleta de lixo", "Drenagem urbana",
          "Áreas verdes", "Licenciamento ambiental"},
         {{"ligações de água", "Água"}, {"estações de tratamento de água", "Água"},
          {"ligações de esgoto", "Esgoto"}, {"estações de tratamento de esgoto", "Esgoto"},
          {"toneladas de lixo coletadas", "Lixo"}, {"aterros sanitários", "Aterro"},
          {"galerias pluviais", "Drenagem"}, {"parques municipais", "Parque"},
          {"árvores plantadas", "Arborização"}, {"licenças ambientais", "Licença"},
          {"nascentes protegidas", "Nascente"}, {"postos de coleta seletiva", "Reciclagem"}},
         true, ""},
        {"Habitação e Transporte", "Habitação",
         {"Programas habitacionais", "Loteamentos", "Transporte coletivo", "Sistema viário", "Trânsito",
          "Terminais"},
         {{"unidades habitacionais construídas", "Habitação"}, {"loteamentos irregulares", "Loteamento"},
          {"núcleos de favela cadastrados", "Favela"}, {"linhas de ônibus", "Ônibus"},
          {"ônibus em operação", "Ônibus"}, {"vias pavimentadas", "Pavimentação"},
          {"semáforos", "Trânsito"}, {"terminais rodoviários", "Terminal"}, {"táxis licenciados", "Táxi"},
          {"pontes e viadutos", "Ponte"}, {"ciclovias", "Ciclovia"},
          {"estacionamentos públicos", "Estacionamento"}},
         false, ""},
        {"Cultura, Esporte e Lazer", "Cultura",
         {"Equipamentos culturais", "Eventos", "Esporte", "Lazer", "Turismo", "Patrimônio histórico"},
         {{"teatros", "Teatro"}, {"cinemas", "Cinema"}, {"museus", "Museu"},
          {"festas tradicionais", "Festa"}, {"ginásios de esportes", "Esporte"},
          {"campos de futebol", "Futebol"}, {"praças públicas", "Praça"}, {"hotéis e pousadas", "Turismo"},
          {"bens tombados", "Patrimônio"}, {"bandas e corais", "Música"}, {"centros culturais", "Cultura"},
          {"piscinas públicas", "Natação"}},
         false, ""},
        {"Tecnologia da Informação e Comunicação", "Informática",
         {"Informatização da prefeitura", "Equipamentos de informática", "Sistemas de gestão",
          "Comunicação", "Acesso à Internet", "Capacitação"},
         {{"microcomputadores", "Computador"}, {"impressoras", "Impressora"}, {"redes locais", "Rede"},
          {"sistemas de folha de pagamento", "Sistema"}, {"sistemas de arrecadação", "Sistema"},
          {"emissoras de rádio", "RADIO"}, {"serviços de radiodifusão", "RADIODIFUSAO"},
          {"jornais locais", "Jornal"}, {"linhas telefônicas", "Telefone"},
          {"pontos de acesso à Internet", "Internet"},
          {"servidores capacitados em informática", "Capacitação"}, {"páginas na Internet", "Internet"}},
         false, ""},
    };
    return themes;
}

const std::vector<std::string>& namePrefixes(ValueKind kind) {
    static const std::vector<std::string> count{"Número de ", "Quantidade de ", "Total de "};
    static const std::vector<std::string> decimal{"Percentual de ", "Taxa de ", "Média de "};
    static const std::vector<std::string> yesNo{"Existência de ", "Possui ", "Dispõe de "};
    static const std::vector<std::string> category{"Situação de ", "Forma de gestão de ", "Tipo de "};
    switch (kind) {
    case ValueKind::Count: return count;
    case ValueKind::Decimal: return decimal;
    case ValueKind::YesNo: return yesNo;
    case ValueKind::Category: return category;
    }
    return count;
}

const std::vector<std::string>& nameEndings() {
    static const std::vector<std::string> endings{
        "", "", "", " na zona urbana", " na zona rural", " em funcionamento", " mantidos pela prefeitura",
        " em 1998", " por mil habitantes", " desativados", " em construção", " conveniados",
        " com acesso para pessoas com deficiência", " reformados em 1998", " sob gestão estadual",
        " informatizados", " atendidos pela rede pública"};
    return endings;
}

const std::vector<std::vector<std::string>>& categoryLists() {
    static const std::vector<std::vector<std::string>> lists{
        {"Própria", "Alugada", "Cedida"},
        {"Municipal", "Estadual", "Particular"},
        {"Direta", "Indireta", "Terceirizada"},
        {"Boa", "Regular", "Precária"},
    };
    return lists;
}

std::vector<RepeatedColumn> repeatedColumns() {
    using K = ValueKind;
    const std::vector<std::string> meetings{"Mensal", "Bimestral", "Trimestral", "Irregular"};
    const std::vector<std::string> choice{"Eleição", "Indicação", "Rodízio"};
    const std::vector<std::string> state{"Ativo", "Inativo", "Em instalação"};
    std::vector<RepeatedColumn> cols{
        {"", "Caráter deliberativo", K::YesNo, 0, {}},
        {"", "Caráter consultivo", K::YesNo, 0, {}},
        {"", "Caráter normativo", K::YesNo, 0, {}},
        {"", "Caráter fiscalizador", K::YesNo, 0, {}},
        {"", "Composição paritária", K::YesNo, 0, {}},
        {"", "Número de membros titulares", K::Count, 30, {}},
        {"", "Número de membros suplentes", K::Count, 30, {}},
        {"", "Membros indicados pela sociedade civil", K::Count, 15, {}},
        {"", "Membros indicados pelo poder público", K::Count, 15, {}},
        {"", "Reuniões realizadas em 1998", K::Count, 24, {}},
        {"", "Possui regimento interno", K::YesNo, 0, {}},
        {"", "Possui sede própria", K::YesNo, 0, {}},
        {"", "Possui orçamento próprio", K::YesNo, 0, {}},
        {"", "Possui secretaria executiva", K::YesNo, 0, {}},
        {"", "Periodicidade das reuniões", K::Category, 0, meetings},
        {"", "Forma de escolha do presidente", K::Category, 0, choice},
        {"", "Divulga suas decisões", K::YesNo, 0, {}},
        {"", "Realizou conferência municipal", K::YesNo, 0, {}},
        {"", "Administra fundo municipal", K::YesNo, 0, {}},
        {"", "Número de resoluções publicadas", K::Count, 60, {}},
        {"", "Recebe recursos estaduais", K::YesNo, 0, {}},
        {"", "Recebe recursos federais", K::YesNo, 0, {}},
        {"", "Capacitação dos conselheiros", K::YesNo, 0, {}},
        {"", "Acesso a microcomputador", K::YesNo, 0, {}},
        {"", "Mandato dos conselheiros (anos)", K::Count, 4, {}},
        {"", "Situação em 1999", K::Category, 0, state},
        {"", "Participação em fórum regional", K::YesNo, 0, {}},
    };
    for (std::size_t i = 0; i < cols.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        cols[i].code = std::string("M1_10") + (k < 10 ? "0" : "") + std::to_string(k);
    }
    cols.push_back({"M1_NOME", "Nome do conselho", K::Category, 0, {}});
    return cols;
}

const std::vector<std::string>& councilNames() {
    static const std::vector<std::string> names{
        "Conselho Municipal de Saúde",
        "Conselho Municipal de Educação",
        "Conselho Tutelar",
        "Conselho Municipal de Assistência Social",
        "Conselho de Alimentação Escolar",
        "Conselho Municipal do Meio Ambiente",
        "Conselho Municipal de Habitação",
        "Conselho Municipal de Cultura",
        "Conselho Municipal de Desenvolvimento Rural",
        "Conselho Municipal dos Direitos da Criança e do Adolescente",
        "Conselho Municipal de Emprego e Renda",
        "Conselho Municipal de Turismo",
    };
    return names;
}

const std::vector<std::string>& sourceTexts() {
    static const std::vector<std::string> texts{
        "Lumbra, Pesquisa Municipal 1999 (dados fictícios)",
        "Prefeitura Municipal, cadastro próprio (dados fictícios)",
        "Secretaria de Estado da Saúde, registros administrativos (dados fictícios)",
        "Secretaria de Estado da Educação, censo escolar (dados fictícios)",
        "Companhia estadual de saneamento, relatório anual (dados fictícios)",
        "Fundação Lumbra, estimativas próprias (dados fictícios)",
    };
    return texts;
}

const std::vector<std::string>& noteTexts() {
    static const std::vector<std::string> texts{
        "Dados referentes a 31 de dezembro de 1998.",
        "Inclui os distritos do município.",
        "   ",
        "Exclui as unidades em construção.",
        "Valores em reais correntes.",
        "Informação prestada pelo órgão gestor, sem verificação.",
        "Nos totais regionais, soma dos municípios que responderam.",
        "Pergunta feita apenas aos municípios com mais de 20.000 habitantes.",
    };
    return texts;
}

int blankNoteCode() { return 3; }

}  // namespace sample
