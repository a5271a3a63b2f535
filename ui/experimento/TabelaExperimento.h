#pragma once

#include "Resumo.h"

#include <QColor>
#include <QString>

#include <string>
#include <vector>

class QTreeWidget;

/// One kept experiment in the summary table of the page "Experimento".
struct TLinhaTabelaExperimento {
    QString Nome;  ///< whole, however long
    QColor Cor;
    QString Repeticoes;  ///< "30", or "12 de 30" when cancelled
    QString Comando;     ///< the quivora-run command that repeats it
    TLinhaResumo Resumo;
};

/// Gives the table its look and columns, each header with a tooltip that says what the
/// column measures (numbers in it with the given decimal separator); every column is as wide
/// as its contents, so names are shown whole and a narrow table scrolls.
void ConfiguraTabelaExperimento(QTreeWidget& tabela, const std::string& separador);

/// Shows these lines in place of the table's own, the first as the reference of the others'
/// comparisons. Each line's tooltip gives its whole name and the command that repeats it; the
/// expected running time's adds its bootstrap percentiles.
void PreencheTabelaExperimento(QTreeWidget& tabela,
                               const std::vector<TLinhaTabelaExperimento>& linhas,
                               const std::string& separador);
