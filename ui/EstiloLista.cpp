#include "EstiloLista.h"

#include <QApplication>
#include <QStyleOption>

namespace {

constexpr int LarguraSeta = 13;
constexpr int Borda = 2;

}  // namespace

TEstiloLista::TEstiloLista() : QProxyStyle(QApplication::style()->name()) {}

QRect TEstiloLista::subControlRect(ComplexControl controle, const QStyleOptionComplex* opcao,
                                   SubControl parte, const QWidget* widget) const {
    if (controle != CC_ComboBox || (parte != SC_ComboBoxArrow && parte != SC_ComboBoxEditField))
        return QProxyStyle::subControlRect(controle, opcao, parte, widget);
    const QRect caixa = opcao->rect.adjusted(Borda, Borda, -Borda, -Borda);
    QRect area = caixa;
    if (parte == SC_ComboBoxArrow)
        area.setLeft(caixa.right() - LarguraSeta + 1);
    else
        area.setRight(caixa.right() - LarguraSeta);
    return visualRect(opcao->direction, opcao->rect, area);
}
