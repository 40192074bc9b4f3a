#include "stored_date.h"

#include "jet_date.h"

namespace jet {

std::optional<std::string> storedDateText(double stored) {
    const std::optional<DateTime> d = fromSerial(stored);
    if (!d) return std::nullopt;
    return dateText(*d);
}

}  // namespace jet
