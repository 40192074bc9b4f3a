#pragma once
#include <string>
#include <vector>

#include "rng.h"

namespace sample {

// Invents `count` municipality names that look Portuguese (and Tupi, as so many town names there do) but
// name no real place on purpose. The first names always cover the cases the locality list and its search
// must cope with: names beginning "São" (two of them sharing "São Jo"), "Santa" and "Santo", an apostrophe,
// a hyphen, an accented first letter, and two names sharing their first syllable. No two names are the
// same once case, accents, blanks and punctuation are set aside.
std::vector<std::string> inventPlaceNames(int count, Rng& rng);

}  // namespace sample
