#pragma once
#include "grade.h"

namespace quelva {

// A layout fills a whole grid as one change: the views hear of it once, at the end, however it ends.
class GradeBatch {
public:
    explicit GradeBatch(Grade& g) : g_(g) { g_.iniciarAlteracoes(); }
    ~GradeBatch() { g_.concluirAlteracoes(); }
    GradeBatch(const GradeBatch&) = delete;
    GradeBatch& operator=(const GradeBatch&) = delete;

private:
    Grade& g_;
};

}  // namespace quelva
