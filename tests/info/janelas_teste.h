#pragma once
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

#include "grade.h"
#include "impressao_qt.h"

namespace info_teste {

// The grid an information window shows, found as the user's tools would find it: by its control name.
inline quelva::VisaoGrade* visaoDaJanela(const QWidget& janela) {
    return janela.findChild<quelva::VisaoGrade*>(QStringLiteral("MSFlexGrid1"));
}

inline const quelva::Grade* gradeDaJanela(const QWidget& janela) {
    const quelva::VisaoGrade* visao = visaoDaJanela(janela);
    return visao ? visao->grade() : nullptr;
}

// Column 0 of a grid, row by row: the text and whether it is bold.
inline std::vector<std::pair<QString, bool>> coluna0(const quelva::Grade& grade) {
    std::vector<std::pair<QString, bool>> linhas;
    for (int l = 0; l < grade.linhas(); ++l) linhas.emplace_back(grade.texto(l, 0), grade.celula(l, 0).negrito);
    return linhas;
}

// The texts of every label of a window.
inline QStringList textosDosRotulos(const QWidget& janela) {
    QStringList textos;
    for (const QLabel* rotulo : janela.findChildren<QLabel*>()) textos.append(rotulo->text());
    return textos;
}

}  // namespace info_teste
