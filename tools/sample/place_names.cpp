#include "place_names.h"

#include <functional>
#include <set>
#include <stdexcept>

#include "text_case.h"

namespace sample {
namespace {

const std::vector<std::string> kStarts{"Ita", "Ibi", "Ara", "Ipa", "Jaca", "Guara", "Pira", "Cara",
                                       "Tapi", "Bura", "Mira", "Cuna", "Para", "Ubi", "Ira", "Mogi",
                                       "Tabo", "Anhu", "Itu", "Jabo", "Boi", "Cajo", "Ipo", "Poti"};
const std::vector<std::string> kMiddles{"", "", "", "ra", "qui", "po", "ti", "ma", "na", "ba", "ju", "pe",
                                        "ri", "to", "ca", "cu", "mi"};
const std::vector<std::string> kEnds{"tuba", "tinga", "puã", "rema", "nópolis", "lândia", "ré", "bá",
                                     "çu", "guaçu", "mirim", "rana", "ema", "í", "ú", "ara", "ina", "tiba",
                                     "poranga", "quara", "ruçu", "catu", "jaí", "beté", "pé"};
const std::vector<std::string> kSaints{"João", "José", "Pedro", "Bento", "Lourenço", "Sebastião", "Tomé",
                                       "Caetano", "Manuel", "Vicente", "Simão", "Joaquim"};
const std::vector<std::string> kSaintsFemale{"Bárbara", "Rita", "Cruz", "Rosa", "Luzia", "Adélia", "Clara",
                                             "Ernestina", "Gertrudes", "Isabel", "Mercedes", "Albertina"};
const std::vector<std::string> kSaintsSanto{"Antônio", "Anastácio", "Expedito", "Inácio", "André"};
const std::vector<std::string> kComplements{
    " do Rio Pardo", " do Sul", " do Paraíso", " do Campo", " do Pinhal", " do Bom Sucesso", " do Turvo",
    " do Araçá", " da Serra", " da Estrela", " da Boa Vista", " da Mata", " da Bocaina", " das Palmeiras",
    " dos Campos", " de Minas"};
const std::vector<std::string> kLeads{"Águas de ", "Porto ", "Alto ", "Nova ", "Ribeirão ", "Campos de ",
                                      "Vista Alegre do ", "Bom Jesus do ", "Monte ", "Ilha "};

std::string tupi(Rng& rng) {
    std::string name = rng.pick(kStarts) + rng.pick(kMiddles) + rng.pick(kEnds);
    return name;
}

std::string sharingStart(Rng& rng, const std::string& start) {
    return start + rng.pick(kMiddles) + rng.pick(kEnds);
}

std::string randomName(Rng& rng) {
    const auto r = rng.below(100);
    if (r < 62) return tupi(rng);
    if (r < 70) return tupi(rng) + rng.pick(kComplements);
    if (r < 78) return "São " + rng.pick(kSaints) + rng.pick(kComplements);
    if (r < 83) return "Santa " + rng.pick(kSaintsFemale) + (rng.chance(1, 2) ? rng.pick(kComplements) : "");
    if (r < 85) return "Santo " + rng.pick(kSaintsSanto) + (rng.chance(1, 2) ? rng.pick(kComplements) : "");
    if (r < 95) return rng.pick(kLeads) + tupi(rng);
    if (r < 97) return tupi(rng) + " d'Oeste";
    return tupi(rng) + (rng.chance(1, 2) ? "-Mirim" : "-Guaçu");
}

}  // namespace

std::vector<std::string> inventPlaceNames(int count, Rng& rng) {
    const std::vector<std::function<std::string(Rng&)>> required{
        [](Rng& r) { return "São João" + r.pick(kComplements); },
        [](Rng& r) { return "São José" + r.pick(kComplements); },
        [](Rng& r) { return "Santa " + r.pick(kSaintsFemale); },
        [](Rng& r) { return "Santo " + r.pick(kSaintsSanto); },
        [](Rng& r) { return tupi(r) + " d'Oeste"; },
        [](Rng& r) { return tupi(r) + "-Mirim"; },
        [](Rng& r) { return "Águas de " + tupi(r); },
        [](Rng& r) { return sharingStart(r, "Itapo"); },
        [](Rng& r) { return sharingStart(r, "Itapo"); },
    };
    if (count < static_cast<int>(required.size()))
        throw std::invalid_argument("são precisos ao menos " + std::to_string(required.size()) + " municípios");

    std::vector<std::string> names;
    std::set<std::string> seen;
    // Names are kept apart by their letters alone: a collation that skipped blanks and punctuation must
    // still find no two names equal, or the capitalised list could come out in another order.
    auto tryAdd = [&](const std::string& name) {
        std::string letters;
        for (char c : foldPt(name))
            if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) letters += c;
        if (!seen.insert(letters).second) return false;
        names.push_back(name);
        return true;
    };
    // A draw can repeat a name; a bounded number of retries keeps a too-small vocabulary from looping forever.
    const auto attempts = 1000 + 100 * static_cast<std::size_t>(count);
    std::size_t tries = 0;
    for (const auto& make : required)
        while (!tryAdd(make(rng)))
            if (++tries > attempts) throw std::runtime_error("vocabulário pequeno demais para os nomes pedidos");
    while (static_cast<int>(names.size()) < count)
        if (!tryAdd(randomName(rng)) && ++tries > attempts)
            throw std::runtime_error("vocabulário pequeno demais para os nomes pedidos");
    return names;
}

}  // namespace sample
