#pragma once
#include <string>
#include <string_view>

namespace sample {

// Case and accent helpers for the UTF-8 texts the generator makes up. They cover exactly the letters those
// texts use (ASCII and the accented letters of Latin-1, which include every Portuguese one) and refuse
// anything else, so that a word list growing a letter they do not know fails loudly instead of producing
// a capitalised name that sorts differently from the original.

// The text in capitals: "São José d'Água" gives "SÃO JOSÉ D'ÁGUA".
std::string upperPt(std::string_view s);

// The text in small letters without accents: "São José" gives "sao jose". Used to keep names apart that a
// reader would take for the same, and to order a group's members.
std::string foldPt(std::string_view s);

}  // namespace sample
