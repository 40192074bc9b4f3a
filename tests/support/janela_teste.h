#pragma once
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QListWidget>
#include <filesystem>
#include <memory>
#include <optional>

#include "dialogos_roteiro.h"
#include "estado.h"
#include "fixture.h"
#include "arvore_temas.h"
#include "frm_quelva.h"
#include "impressao_qt.h"

namespace testing_support {

// The small sample survey the build generates for tests, copied to a folder of the test's own so that a test
// may damage it.
inline void copiarAmostraPequena(const std::string& target) {
    for (const char* f : {"Quelva.mdb", "fichatec.txt", "fichains.txt"})
        std::filesystem::copy_file(std::string(QUELVA_PEQUENA) + "/" + f, target + "/" + f,
                                   std::filesystem::copy_options::overwrite_existing);
}

// A main window over a program folder, with scripted dialogs and an observed end of the program.
struct JanelaTeste {
    TempDir pasta;
    DialogosRoteiro dialogos;
    std::unique_ptr<quelva::Estado> estado;
    std::unique_ptr<quelva::FrmQuelva> janela;
    std::optional<int> encerrouCom;

    explicit JanelaTeste(bool withSample = true) {
        if (withSample) copiarAmostraPequena(pasta.path());
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
        QString name;
        for (QWidget* p : janela->panels())
            if (p->isVisibleTo(janela.get())) name += (name.isEmpty() ? "" : "+") + p->objectName();
        return name;
    }
};

// Clicks the node of `key` in a theme tree as a user would; false when there is none.
inline bool clicarNo(quelva::ArvoreTemas* tree, const QString& key) {
    for (int i = 1; i <= tree->quantidade(); ++i) {
        QTreeWidgetItem* node = tree->no(i);
        if (tree->chave(node) != key) continue;
        tree->setCurrentItem(node);
        emit tree->itemClicked(node, 0);
        return true;
    }
    return false;
}

// The texts of a list's entries, in order.
inline QStringList textos(const QListWidget* list) {
    QStringList s;
    for (int i = 0; i < list->count(); ++i) s << list->item(i)->text();
    return s;
}

}  // namespace testing_support
