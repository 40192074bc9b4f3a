#pragma once
#include <string>

// A catalogue of `variables` variables (NumSeq given in reverse, so that the load must sort) and the other
// catalogue tables, as the survey file holds them.
inline std::string testCatalogue(int variables) {
    std::string s =
        "CREATE TABLE CD_VAR (NumSeq INTEGER, CodTema INTEGER, CodSubTema INTEGER, CodVariavel TEXT COLLATE JET,"
        " NomeVariavel TEXT COLLATE JET, CodFonte INTEGER, CodNota INTEGER, NomeTabela TEXT COLLATE JET,"
        " [Palavra-Chave] TEXT COLLATE JET, criterio BOOLEAN);";
    for (int i = variables; i >= 1; --i) {
        std::string n = std::to_string(i);
        s += "INSERT INTO CD_VAR VALUES (" + n + ", " + std::to_string(1 + i % 3) + ", " + std::to_string(10 + i % 7) +
             ", 'V" + n + "', 'Variável " + n + "', " + (i % 5 ? "1" : "NULL") + ", 0, 'TK', 'x', 0);";
    }
    s += "CREATE TABLE CD_TEMA (CodTema INTEGER, NomeTema TEXT COLLATE JET);"
         "INSERT INTO CD_TEMA VALUES (2, 'Saúde'), (1, 'Educação');"
         "CREATE TABLE CD_SUBTEMA (CodSubTema INTEGER, NomeSubTema TEXT COLLATE JET);"
         "INSERT INTO CD_SUBTEMA VALUES (11, 'Escolas'), (10, 'Creches');"
         "CREATE TABLE CD_SUBVAR (CodVariavel TEXT COLLATE JET, CodSubVar TEXT COLLATE JET, NomeSubVar TEXT COLLATE JET);"
         "INSERT INTO CD_SUBVAR VALUES ('V2', 'V2B', 'b'), ('V2', 'V2A', 'a'), ('V1', 'V1A', 'c');"
         "CREATE TABLE CD_VARM1 (CodVariavel TEXT COLLATE JET, NomeVariavel TEXT COLLATE JET);"
         "INSERT INTO CD_VARM1 VALUES ('M1_NOME', 'Nome'), ('M1_1001', 'Primeira');"
         "CREATE TABLE CD_AREA (COD_AREA_NORVA INTEGER, DESCRICAO TEXT COLLATE JET, mun INTEGER, munseqrarg INTEGER,"
         " munseqdrads INTEGER);"
         "INSERT INTO CD_AREA VALUES (12, 'São Carlos', 1, 0, 0), (0, 'Estado', 0, 0, 0), (805, 'DRADS', 1, 0, 1);"
         "CREATE TABLE CD_FONTES (CodFonte INTEGER, DescricaoFonte TEXT COLLATE JET);"
         "INSERT INTO CD_FONTES VALUES (2, 'f2'), (1, 'f1');"
         "CREATE TABLE CD_NOTAS (CodNota INTEGER, DescricaoNota TEXT COLLATE JET);"
         "INSERT INTO CD_NOTAS VALUES (3, 'n3'), (1, 'n1');"
         "CREATE TABLE CD_DEFINICOES (CodVariavel TEXT COLLATE JET, DefinicaoVariavel TEXT COLLATE JET);"
         "INSERT INTO CD_DEFINICOES VALUES ('V2', 'd2'), ('V1', 'd1')";
    return s;
}
