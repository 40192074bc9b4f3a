#pragma once
// The names of the result's three layouts: the result panel's tab captions and the exported sheet's name.
namespace quelva {

inline constexpr int kLayoutCount = 3;
inline constexpr const char* kLayoutNames[kLayoutCount] = {"Resultado - Formato 1", "Resultado - Formato 2",
                                                                    "Resultado - Formato 3"};

}  // namespace quelva
