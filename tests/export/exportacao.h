#pragma once
// The export as the tests drive it: a program folder with a copy of the small sample, its state loaded, a
// result grid to save and scripted dialogs; and the sheet's column 1 as a reader found it.
#include <QString>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dialogos_roteiro.h"
#include "estado.h"
#include "fixture.h"
#include "grade.h"
#include "salvar_excel.h"
#include "vetor_variavel.h"
#include "xls_reading.h"

namespace export_testing {

using testing_support::TempDir;
using xls_testing::ReadCell;

// A program folder holding a copy of the small sample, its state loaded, and a result grid to save.
struct Exportacao {
    TempDir pasta;
    testing_support::DialogosRoteiro dialogos;
    std::unique_ptr<quelva::Estado> estado;
    quelva::Grade grade;
    int mensagensFrame = 0;

    Exportacao() {
        std::filesystem::copy_file(std::string(QUELVA_PEQUENA) + "/Quelva.mdb", pasta.file("Quelva.mdb"));
        estado = std::make_unique<quelva::Estado>(QString::fromStdString(pasta.path()));
        quelva::CarregarVetorVariavel(estado->VetorVariavel, estado->banco);
        estado->TituloResultado = "Lumbra 1999";
        estado->SubTituloResultado = "Tarsenal";
    }
    void selecionar(const char* codigo) {
        for (auto& v : estado->VetorVariavel)
            if (v.CodVariavel.toText() == codigo) v.Selecionada = jet::Value::boolean(true);
    }
    void salvar(int aba) {
        quelva::SalvarExcel({*estado, dialogos, nullptr, aba, grade, [this](bool v) { mensagensFrame += v ? 1 : 0; }});
    }
    std::string destino() const { return pasta.file("resultado.xls"); }
};

inline ReadCell texto(const char* t) { return ReadCell::ofText(QString::fromUtf8(t).toStdU16String()); }

// The sheet's column 1 from `de` to `ate` (rows from 1), texts only, "" for an empty row.
inline std::vector<std::string> coluna1(const xls_testing::Cells& c, int de, int ate) {
    std::vector<std::string> v;
    for (int r = de; r <= ate; ++r) {
        auto it = c.find({r - 1, 0});
        v.push_back(it == c.end() ? "" : it->second.value);
    }
    return v;
}

}  // namespace export_testing
