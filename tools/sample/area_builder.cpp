#include "area_builder.h"

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>

#include "place_names.h"
#include "rng.h"
#include "text_case.h"

namespace sample {
namespace {

// Codes every sample has: a one-digit code, the first and the last of the municipality band.
const std::vector<int> kRequiredCodes{1, 5, kLastMunicipalityCode};

std::vector<int> municipalityCodes(int count, Rng& rng) {
    if (count < static_cast<int>(kRequiredCodes.size()) || count > kLastMunicipalityCode)
        throw std::invalid_argument("número de municípios fora de 3..679");
    std::vector<int> others;
    for (int c = 1; c <= kLastMunicipalityCode; ++c)
        if (std::find(kRequiredCodes.begin(), kRequiredCodes.end(), c) == kRequiredCodes.end()) others.push_back(c);
    rng.shuffle(others);
    std::vector<int> codes = kRequiredCodes;
    codes.insert(codes.end(), others.begin(), others.begin() + (count - static_cast<int>(kRequiredCodes.size())));
    std::sort(codes.begin(), codes.end());
    return codes;
}

// Cuts `items` (already in random order) into `parts` non-empty runs of uneven length.
std::vector<std::vector<int>> partition(const std::vector<int>& items, int parts, Rng& rng) {
    if (parts < 1 || static_cast<int>(items.size()) < parts) throw std::invalid_argument("grupos demais para os municípios");
    std::set<std::size_t> chosen;
    while (static_cast<int>(chosen.size()) < parts - 1) chosen.insert(1 + rng.below(items.size() - 1));
    std::vector<std::vector<int>> out;
    std::size_t from = 0;
    chosen.insert(items.size());
    for (auto to : chosen) {
        out.emplace_back(items.begin() + static_cast<long>(from), items.begin() + static_cast<long>(to));
        from = to;
    }
    return out;
}

struct Builder {
    const Sizes& sizes;
    Rng rng;
    Localities loc;
    std::map<int, Area> byCode;

    Builder(const Sizes& s, std::uint64_t seed) : sizes(s), rng(seed) {}

    Area& area(int code) { return byCode.at(code); }

    void municipalities() {
        const auto codes = municipalityCodes(sizes.municipalities, rng);
        auto names = inventPlaceNames(sizes.municipalities, rng);
        rng.shuffle(names);
        for (std::size_t i = 0; i < codes.size(); ++i) {
            Area a;
            a.code = codes[i];
            a.name = names[i];
            a.kind = AreaKind::Municipality;
            a.listed = 1;
            // The first municipality fills all nine repetitions and the second only one, so both ends occur.
            a.repetitions = i == 0 ? kRepetitions : i == 1 ? 1 : static_cast<int>(rng.between(1, kRepetitions));
            byCode[a.code] = a;
        }
    }

    std::vector<int> sortedByName(std::vector<int> codes) {
        std::sort(codes.begin(), codes.end(), [&](int x, int y) {
            return std::make_pair(foldPt(area(x).name), x) < std::make_pair(foldPt(area(y).name), y);
        });
        return codes;
    }

    Area& addGroup(int code, AreaKind kind, std::string name, std::vector<int> members) {
        Area g;
        g.code = code;
        g.kind = kind;
        g.name = std::move(name);
        g.listed = 1;
        std::sort(members.begin(), members.end());
        g.members = std::move(members);
        return byCode[code] = g;
    }

    std::vector<int> shuffledMunicipalities() {
        std::vector<int> codes;
        for (const auto& [code, a] : byCode)
            if (a.kind == AreaKind::Municipality) codes.push_back(code);
        rng.shuffle(codes);
        return codes;
    }

    void raRgGroups() {
        if (sizes.raGroups > kLastRaCode - kFirstRaCode + 1 || sizes.rgGroups > kLastRgCode - kFirstRgCode + 1)
            throw std::invalid_argument("grupos RA/RG além das faixas de códigos");
        const auto rgMembers = partition(shuffledMunicipalities(), sizes.rgGroups, rng);
        std::vector<int> rgIndex;
        for (int i = 0; i < sizes.rgGroups; ++i) rgIndex.push_back(i);
        const auto raOfRg = partition(rgIndex, sizes.raGroups, rng);

        int seq = 0;
        std::vector<int> metropolitan;
        std::vector<std::pair<int, std::vector<int>>> raPlan;  // RA code and its RG codes
        for (int r = 0; r < sizes.raGroups; ++r) {
            std::vector<int> raMembers;
            std::vector<int> rgCodes;
            for (int gi : raOfRg[static_cast<std::size_t>(r)]) {
                const auto& members = rgMembers[static_cast<std::size_t>(gi)];
                const int rgCode = kFirstRgCode + gi;
                addGroup(rgCode, AreaKind::RegionRg, "RG de " + area(members.front()).name, members);
                raMembers.insert(raMembers.end(), members.begin(), members.end());
                rgCodes.push_back(rgCode);
            }
            const int raCode = kFirstRaCode + r;
            // An RA is named after the seat of its first RG, as RAs take their name from their main town.
            addGroup(raCode, AreaKind::RegionRa, "RA de " + area(rgMembers[static_cast<std::size_t>(raOfRg[static_cast<std::size_t>(r)].front())].front()).name, raMembers);
            if (r == 0) metropolitan = raMembers;
            raPlan.emplace_back(raCode, rgCodes);
        }
        std::vector<int> interior;
        for (const auto& [code, a] : byCode)
            if (a.kind == AreaKind::Municipality && std::find(metropolitan.begin(), metropolitan.end(), code) == metropolitan.end())
                interior.push_back(code);
        addGroup(kMetropolitanCode, AreaKind::RegionOther, "Região Metropolitana de " + area(metropolitan.front()).name, metropolitan);
        addGroup(kInteriorCode, AreaKind::RegionOther, "Interior do Estado", interior);

        area(kMetropolitanCode).seqRaRg = ++seq;
        area(kInteriorCode).seqRaRg = ++seq;
        for (const auto& [raCode, rgCodes] : raPlan) {
            area(raCode).seqRaRg = ++seq;
            for (int rgCode : rgCodes) {
                area(rgCode).seqRaRg = ++seq;
                for (int m : sortedByName(area(rgCode).members)) area(m).seqRaRg = ++seq;
            }
        }
    }

    void dradsGroups() {
        if (sizes.dradsGroups > kLastDradsCode - kFirstDradsCode + 1) throw std::invalid_argument("DRADS além da faixa de códigos");
        const auto groups = partition(shuffledMunicipalities(), sizes.dradsGroups, rng);
        int seq = 0;
        for (std::size_t d = 0; d < groups.size(); ++d) {
            const int code = kFirstDradsCode + static_cast<int>(d);
            addGroup(code, AreaKind::Drads, "DRADS de " + area(groups[d].front()).name, groups[d]);
            area(code).seqDrads = ++seq;
            for (int m : sortedByName(groups[d])) area(m).seqDrads = ++seq;
        }
    }

    void state() {
        std::vector<int> all;
        for (const auto& [code, a] : byCode)
            if (a.kind == AreaKind::Municipality) all.push_back(code);
        addGroup(kStateCode, AreaKind::State, "Total do Estado", all).listed = 0;
    }

    // Each listed table loses the row of one municipality; the codes every sample keeps (1, 5, 679) and the
    // two municipalities at the ends of the repetition counts keep all their rows.
    void missingRows() {
        std::vector<int> candidates;
        int seen = 0;
        for (const auto& [code, a] : byCode) {
            if (a.kind != AreaKind::Municipality) continue;
            const bool keep = seen++ < 2 || std::find(kRequiredCodes.begin(), kRequiredCodes.end(), code) != kRequiredCodes.end();
            if (!keep) candidates.push_back(code);
        }
        rng.shuffle(candidates);
        if (candidates.size() < sizes.tablesWithMissingRow.size()) throw std::invalid_argument("municípios de menos para as linhas ausentes");
        for (std::size_t i = 0; i < sizes.tablesWithMissingRow.size(); ++i)
            loc.missing.push_back({candidates[i], sizes.tablesWithMissingRow[i]});
    }
};

}  // namespace

Localities buildLocalities(const Sizes& sizes, std::uint64_t seed) {
    Builder b(sizes, seed);
    b.municipalities();
    b.raRgGroups();
    b.dradsGroups();
    b.state();
    b.missingRows();
    for (auto& [code, a] : b.byCode) b.loc.areas.push_back(std::move(a));
    return std::move(b.loc);
}

}  // namespace sample
