#include "area_code.h"

#include "error.h"
#include "quelva_limits.h"

namespace quelva {

int areaCode(const jet::Value& code) {
    if (code.isNull()) throw jet::Error("Um código de área da tabela CD_AREA está vazio.");
    const std::int64_t c = code.toInteger();
    if (c < 0 || c > kMaxAreaCode)
        throw jet::Error("O código de área " + std::to_string(c) + " da tabela CD_AREA está fora do intervalo de 0 a " +
                         std::to_string(kMaxAreaCode) + ".");
    return static_cast<int>(c);
}

}  // namespace quelva
