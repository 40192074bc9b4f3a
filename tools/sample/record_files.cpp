#include "record_files.h"

#include <initializer_list>

namespace sample {
namespace {

constexpr const char* kFictitious = "BBDADOS FICTÍCIOS";

std::string lines(std::initializer_list<std::string> ls) {
    std::string out;
    for (const auto& l : ls) out += l + "\n";
    return out;
}

int countAreas(const Localities& loc, AreaKind kind) {
    int n = 0;
    for (const auto& a : loc.areas) n += a.kind == kind ? 1 : 0;
    return n;
}

}  // namespace

std::string technicalRecord(const SurveyPlan& plan) {
    const auto& c = plan.catalogue;
    const auto& l = plan.localities;
    const auto regions = countAreas(l, AreaKind::RegionRa) + countAreas(l, AreaKind::RegionRg) + countAreas(l, AreaKind::RegionOther);
    return lines({
        "BBFicha Técnica",
        "",
        kFictitious,
        "Esta é uma amostra sintética, gerada pelo programa quelva-sample.",
        "Nomes de municípios, de regiões e todos os valores foram inventados",
        "e não descrevem nenhum lugar real.",
        "",
        "BBPesquisa",
        "Lumbra 1999 — volume Tarsenal",
        "Pesquisa municipal sobre gestão pública e tecnologia da informação.",
        "",
        "BBConteúdo desta amostra",
        std::to_string(c.variables.size()) + " variáveis em " + std::to_string(c.themes.size()) + " temas e " +
            std::to_string(c.subthemes.size()) + " subtemas;",
        std::to_string(countAreas(l, AreaKind::Municipality)) + " municípios, " + std::to_string(regions) +
            " regiões RA/RG e " + std::to_string(countAreas(l, AreaKind::Drads)) + " DRADS.",
        "",
        "BBPeríodo de referência",
        "Situação em 31 de dezembro de 1998; questionários aplicados em 1999.",
        "",
        "BBConvenções",
        "NR   -  Município não respondeu",
        "SB   -  Saneamento básico operado pela companhia estadual",
        "...  -  Dado não disponível",
        " -   -  Fenômeno inexistente",
        "",
        "BBEquipe técnica (fictícia)",
        "Coordenação: Iracema Tavares Guimarães",
        "Estatística: Joaquim Ribeiro Sá",
        "Sistemas: Conceição Araújo Lemos",
    });
}

std::string institutionalRecord(const SurveyPlan&) {
    return lines({
        "BBFicha Institucional",
        "",
        kFictitious,
        "A instituição e as pessoas citadas abaixo não existem; servem apenas",
        "para mostrar como a ficha é exibida.",
        "",
        "BBFundação Lumbra de Estatística (fictícia)",
        "Presidência: Aurélio Batista Ramos",
        "Diretoria de Pesquisas: Lúcia Helena Prado",
        "",
        "BBEndereço",
        "Avenida das Araucárias, 1999 — Jardim Itapoã",
        "CEP 00000-000",
        "",
        "BBAtendimento ao usuário",
        "Telefone: (00) 0000-0000",
        "Horário: de segunda a sexta-feira, das 9h às 17h.",
    });
}

}  // namespace sample
