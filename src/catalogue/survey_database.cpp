#include "banco.h"

namespace quelva {

namespace {
const char* kDatabaseFileName = "/Quelva.mdb";
}

std::string Banco::caminho() const { return folder_ + kDatabaseFileName; }

jet::Connection Banco::abrir() { return cache_.open(caminho()); }

}  // namespace quelva
