#pragma once
#include <QString>

namespace quelva {

// The criteria expression, ExpressaoCriterio: the Where clause the Criteria panel builds, one criterion at a
// time. Its owner is that panel; the result run reads it.
class CriteriaExpression {
public:
    const QString& ExpressaoCriterio() const { return text_; }

    void append(const QString& piece) { text_ += piece; }
    void clear() { text_.clear(); }

private:
    QString text_;
};

}  // namespace quelva
