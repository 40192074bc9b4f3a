#pragma once
// A survey made for the result run's rules: four localities (Alfa 12, Beta 5, Gama 20 in name order, and
// Delta 30, missing from TD), ordinary variables in several tables, titles of 30, 31 and 61 characters, a
// Null value, and an M1 group whose repetitions stop at 3 for Alfa, at 2 for Gama, and at once for Beta.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "survey_database.h"
#include "run_state.h"
#include "variable_marks.h"
#include "fixture.h"
#include "catalogue_tables.h"
#include "variable_table.h"

namespace testing_support {

inline const char* const kSurveyTables[] = {"TK", "TJ", "TM", "TI", "TH", "TA", "TB", "TL99", "TD", "TG", "socioe_char"};

inline std::string testSurvey() {
    const std::string title30(30, 'a'), title31(31, 'b'), title61(61, 'c');
    std::string s =
        "CREATE TABLE CD_VAR (NumSeq INTEGER, CodTema INTEGER, CodSubTema INTEGER, CodVariavel TEXT COLLATE JET,"
        " NomeVariavel TEXT COLLATE JET, CodFonte INTEGER, CodNota INTEGER, NomeTabela TEXT COLLATE JET,"
        " [Palavra-Chave] TEXT COLLATE JET, criterio BOOLEAN);"
        "INSERT INTO CD_VAR VALUES (1, 1, 10, 'X1', 'Escolas', 1, 2, 'TA', '', -1),"
        " (2, 1, 10, 'X2', 'Creches', 0, 0, 'TK', '', -1),"
        " (3, 1, 10, 'T30', '" + title30 + "', 0, 3, 'TB', '', 0),"
        " (4, 1, 10, 'T31', '" + title31 + "', 9, 0, 'TB', '', 0),"
        " (5, 1, 10, 'T61', '" + title61 + "', 0, 0, 'TB', '', 0),"
        " (6, 1, 11, 'M1_1003', 'Tem sede', 0, 0, 'TM1', '', 0),"
        " (7, 1, 11, 'M1_1012', 'Reuniões', 0, 0, 'TM1', '', 0),"
        " (8, 1, 11, 'M1_1028', 'Extra', 0, 0, 'TM1', '', 0);"
        "CREATE TABLE CD_TEMA (CodTema INTEGER, NomeTema TEXT COLLATE JET); INSERT INTO CD_TEMA VALUES (1, 'Tema');"
        "CREATE TABLE CD_SUBTEMA (CodSubTema INTEGER, NomeSubTema TEXT COLLATE JET);"
        "INSERT INTO CD_SUBTEMA VALUES (10, 'Sub'), (11, 'Conselhos');"
        "CREATE TABLE CD_SUBVAR (CodVariavel TEXT COLLATE JET, CodSubVar TEXT COLLATE JET, NomeSubVar TEXT COLLATE JET);"
        "INSERT INTO CD_SUBVAR VALUES ('X1', 'X1A', 'Escolas públicas');"
        "CREATE TABLE CD_VARM1 (CodVariavel TEXT COLLATE JET, NomeVariavel TEXT COLLATE JET);"
        "INSERT INTO CD_VARM1 VALUES ('M1_NOME', 'Nome do conselho'), ('M1_1003', 'Tem sede'), ('M1_1012', 'Reuniões');"
        "CREATE TABLE CD_AREA (COD_AREA_NORVA INTEGER, DESCRICAO TEXT COLLATE JET, mun INTEGER, munseqrarg INTEGER,"
        " munseqdrads INTEGER);"
        "INSERT INTO CD_AREA VALUES (5, 'Beta', 1, 0, 0), (12, 'Alfa', 1, 0, 0), (20, 'Gama', 1, 0, 0),"
        " (30, 'Delta', 1, 0, 0);"
        "CREATE TABLE CD_FONTES (CodFonte INTEGER, DescricaoFonte TEXT COLLATE JET);"
        "INSERT INTO CD_FONTES VALUES (1, 'Censo'), (2, '   ');"
        "CREATE TABLE CD_NOTAS (CodNota INTEGER, DescricaoNota TEXT COLLATE JET);"
        "INSERT INTO CD_NOTAS VALUES (2, ' Em 1998 '), (3, '  ');"
        "CREATE TABLE CD_DEFINICOES (CodVariavel TEXT COLLATE JET, DefinicaoVariavel TEXT COLLATE JET);"
        "INSERT INTO CD_DEFINICOES VALUES ('X2', 'Vagas em creche'), ('T31', '   ');"
        "CREATE TABLE municipios (COD_AREA_NORVA INTEGER, DESCRICAO TEXT COLLATE JET);"
        "INSERT INTO municipios VALUES (5, 'Beta'), (12, 'Alfa'), (20, 'Gama'), (30, 'Delta');"
        "CREATE TABLE TABCRI (Cod_Mun INTEGER, cri_X2 INTEGER);"
        "INSERT INTO TABCRI VALUES (5, 50), (12, 120), (20, 200), (30, 300);";
    for (const char* t : kSurveyTables) {
        const std::string n = t;
        std::string columns = n == "TA" ? ", X1 TEXT" : n == "TK" ? ", X2 TEXT" : n == "TB" ? ", T30 TEXT, T31 TEXT, T61 TEXT" : "";
        s += "CREATE TABLE " + n + " (Cod_Mun INTEGER PRIMARY KEY" + columns + ");";
        for (int c : {5, 12, 20, 30}) {
            if (n == "TD" && c == 30) continue;
            const std::string k = std::to_string(c);
            std::string values = n == "TA" ? (c == 20 ? ", NULL" : ", ' x" + k + " '")
                                  : n == "TK" ? ", '" + std::to_string(c * 10) + "'"
                                  : n == "TB" ? ", 'NR', 'SB', '...'"
                                              : "";
            s += "INSERT INTO " + n + " VALUES (" + k + values + ");";
        }
    }
    // TM1: the name column of each repetition and the columns of sub-variables 03 and 12.
    s += "CREATE TABLE TM1 (Cod_Mun INTEGER PRIMARY KEY";
    for (int n = 1; n <= 9; ++n) {
        const std::string r = std::to_string(n);
        s += ", M1_Nome_" + r + " TEXT, M1_1003_" + r + " TEXT, M1_1012_" + r + " TEXT";
    }
    s += ");";
    auto m1Row = [](int code, int repetitions) {
        std::string l = "INSERT INTO TM1 VALUES (" + std::to_string(code);
        for (int n = 1; n <= 9; ++n) {
            const std::string r = std::to_string(n);
            if (n <= repetitions) l += ", 'Conselho " + r + "', 'Sim', '" + r + "'";
            else l += ", '-', '-', ' - '";
        }
        return l + ");";
    };
    s += m1Row(12, 3) + m1Row(20, 2) + m1Row(5, 0) + m1Row(30, 1);
    return s;
}

// The state of a run over that survey (and `changes` to it), the variable table loaded and nothing selected.
struct ResultState {
    TempDir folder;
    std::unique_ptr<quelva::RunState> state;

    explicit ResultState(const std::string& changes = std::string()) {
        makeDatabase(folder.file("Quelva.mdb"), testSurvey() + changes);
        state = std::make_unique<quelva::RunState>(QString::fromStdString(folder.path()));
        state->variables.load(state->session.database());
    }

    void select(std::initializer_list<const char*> codes) {
        for (const char* c : codes) EXPECT_TRUE(markCode(state->variables, c)) << c;
    }
    // Only the variable of `code` selected.
    void selectOnly(const char* code) {
        for (int i = 0; i < quelva::kMaxVariables; ++i) state->variables.setMark(i, false);
        select({code});
    }
    void tickLocalities(std::initializer_list<int> codes) {
        for (int c : codes) state->localities.setMark(c, true);
    }
};

}  // namespace testing_support
