#pragma once
#include <QString>
#include <array>

#include "banco.h"
#include "connection.h"
#include "quelva_limits.h"
#include "recordset.h"
#include "tabelas_cd.h"
#include "vetor_variavel.h"

namespace quelva {

// Everything the program keeps for the whole run: the selections, the criteria, the connection kept open
// and the last result. One object, created at start-up and handed by reference to whoever reads or
// writes it; nothing of it is saved.
struct Estado {
    explicit Estado(const QString& pastaPrograma) : banco(pastaPrograma.toStdString()) {}

    Banco banco;

    quelva::VetorVariavel VetorVariavel{};
    std::array<bool, kMaxCodigoArea + 1> VetorLocalidade{};
    std::array<QString, kMaxCodigoArea + 1> VetorNomeLocalidade;
    QString ExpressaoCriterio;

    QString TituloResultado;
    QString SubTituloResultado;
    bool SincronizarMarcas = false;
    int NoDestacadoVar = -1;
    int NoDestacadoPal = -1;

    jet::Connection DbSessao;
    jet::Recordset RsBuscaMunicipio;
    jet::Recordset RsArea;

    TabelasCD tabelasCD;  // DbCatalogo and RsCdTema ... RsCdDefinicoes

    jet::Recordset RsResultado;
    bool HaResultado = false;
    std::array<bool, kM1Marks> MarcaM1{};
    int QtdM1 = 0;
};

}  // namespace quelva
