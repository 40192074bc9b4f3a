#pragma once
#include <QString>

namespace quelva {

// One criterion as the Criteria panel holds it: the variable's code, the operator, the whole number and the
// connector that joins it to the one before, all as the panel shows them (the connector trimmed: "E" or "OU",
// empty for the first). The panel alone turns criteria into the condition ExpressaoCriterio.
struct Criterion {
    QString code;
    QString op;
    QString number;
    QString connector;

    bool operator==(const Criterion&) const = default;
};

}  // namespace quelva
