#include "banco.h"

namespace quelva {

namespace {
const char* kArquivoBanco = "/Quelva.mdb";
}

std::string Banco::caminho() const { return pasta_ + kArquivoBanco; }

jet::Connection Banco::abrir() { return cache_.open(caminho()); }

}  // namespace quelva
