#pragma once

#include "GraficoExperimento.h"
#include "TabelaExperimento.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QTreeWidget;

/// The page "Experimento" enlarged: the same views of the kept experiments and the same table,
/// in a window of their own that the user sizes at will, beside the main window.
class TJanelaExperimento : public QDialog {
    Q_OBJECT
public:
    /// Numbers in the table with the given decimal separator.
    TJanelaExperimento(const std::string& separador, QWidget* parent);

    /// Shows these experiments and lines in place of what was shown.
    void Mostra(const std::vector<TExperimentoNoGrafico>& experimentos,
                const std::vector<TLinhaTabelaExperimento>& linhas);
    /// Opens the window, or brings it forward, in the given view.
    void Abre(TVistaExperimento vista);

private:
    std::string Separador;
    QComboBox* cbVista;
    TGraficoExperimento* GraficoAmpliado;
    QTreeWidget* ResumoAmpliado;
};
