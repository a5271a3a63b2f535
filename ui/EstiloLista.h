#pragma once

#include <QProxyStyle>

/// The drop-down lists laid out as the designed toolkit does: a narrow arrow button and a
/// 2-pixel text margin, so that the panel's captions show whole in the designed widths.
class TEstiloLista : public QProxyStyle {
    Q_OBJECT
public:
    TEstiloLista();

    QRect subControlRect(ComplexControl controle, const QStyleOptionComplex* opcao,
                         SubControl parte, const QWidget* widget) const override;
};
