#pragma once
#include <gtest/gtest.h>

#include <QGroupBox>
#include <filesystem>
#include <memory>
#include <optional>

#include "dialogos_roteiro.h"
#include "estado.h"
#include "fixture.h"
#include "frm_quelva.h"

// Failures show texts as texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace testing_support {

// The small sample survey the build generates for tests, copied to a folder of the test's own so that a test
// may damage it.
inline void copiarAmostraPequena(const std::string& destino) {
    for (const char* f : {"Quelva.mdb", "fichatec.txt", "fichains.txt"})
        std::filesystem::copy_file(std::string(QUELVA_PEQUENA) + "/" + f, destino + "/" + f,
                                   std::filesystem::copy_options::overwrite_existing);
}

// A main window over a program folder, with scripted dialogs and an observed end of the program.
struct JanelaTeste {
    TempDir pasta;
    DialogosRoteiro dialogos;
    std::unique_ptr<quelva::Estado> estado;
    std::unique_ptr<quelva::FrmQuelva> janela;
    std::optional<int> encerrouCom;

    explicit JanelaTeste(bool comAmostra = true) {
        if (comAmostra) copiarAmostraPequena(pasta.path());
        estado = std::make_unique<quelva::Estado>(QString::fromStdString(pasta.path()));
        janela = std::make_unique<quelva::FrmQuelva>(*estado, dialogos, [this](int s) { encerrouCom = s; });
    }

    // Start-up and the first activation, as the program runs them; false when either failed (the failure was
    // then reported through the dialogs and the end of the program asked for).
    bool iniciar() {
        bool ok = false;
        janela->executarTratado([&] {
            janela->Form_Load();
            janela->Form_Activate();
            ok = true;
        });
        return ok;
    }

    // The one panel shown, by name; "" when none.
    QString painelVisivel() const {
        QString nome;
        for (QWidget* p : janela->paineis())
            if (p->isVisibleTo(janela.get())) nome += (nome.isEmpty() ? "" : "+") + p->objectName();
        return nome;
    }
};

}  // namespace testing_support
