#include "executar.h"

#include <QApplication>
#include <clocale>

#include "dialogos.h"
#include "estado.h"
#include "frm_quelva.h"

namespace quelva {

int executarQuelva(QApplication& app, const std::function<void(FrmQuelva&)>& aoMostrar) {
    // Qt took the user's locale for the C library too; under a Portuguese one strtod and printf read and
    // write "1,5", which breaks the engine's numbers in statements. Texts keep the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    DialogosQt dialogos;
    Estado estado(QCoreApplication::applicationDirPath());
    FrmQuelva janela(estado, dialogos, [](int status) { QCoreApplication::exit(status); });
    bool falhou = true;
    janela.executarTratado([&] {
        janela.Form_Load();
        janela.Form_Activate();
        falhou = false;
    });
    if (falhou) return 1;
    janela.show();
    if (aoMostrar) aoMostrar(janela);
    return app.exec();
}

}  // namespace quelva
