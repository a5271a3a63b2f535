#pragma once

#include "ControleVista.h"
#include "GLPanel.h"
#include "PopulacaoVista.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>
#include <QWidget>

#include <memory>

/// A stand-in for the main window with the controls the surface view uses, at the main
/// window's places: the 500 x 300 panel at (9, 49), the plot type list, the interval, the
/// drag text, the four preset buttons and the parallel-mode box. A mouse release over its
/// own surface ends the drags, as the main window's does.
class TJanelaTeste : public QWidget {
public:
    TJanelaTeste();

    TGLPanel* GLPanel1;
    QComboBox* pcPlotagem;
    QSpinBox* pcValMin;
    QSpinBox* pcValMax;
    QLabel* StaticText1;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    QCheckBox* pcTipoAG;
    std::unique_ptr<TControleVista> Vista;

protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;
};
