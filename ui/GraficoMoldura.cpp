#include "GraficoMoldura.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QPalette>

void DesenhaMoldura(QPainter& pintor, const QRect& area, const QPalette& paleta) {
    QRect anel = area;
    qDrawWinPanel(&pintor, anel, paleta, /*sunken=*/true);
    anel.adjust(2, 2, -2, -2);
    qDrawShadePanel(&pintor, anel, paleta, /*sunken=*/false, 1);
    anel.adjust(1, 1, -1, -1);
    qDrawPlainRect(&pintor, anel, paleta.color(QPalette::Button), 2);
    anel.adjust(2, 2, -2, -2);
    qDrawShadePanel(&pintor, anel, paleta, /*sunken=*/true, 1);
}
