#include "PontoNaTela.h"

#include <QMatrix4x4>

#include <algorithm>

QPointF PontoNaTela(const TEstadoVista& vista, QSize tamanho, const TPontoModelo& ponto) {
    // The same matrices DesenhaQuadro and AjustaProjecao give GL, in the same order.
    QMatrix4x4 m;
    m.perspective(99.0f, static_cast<float>(tamanho.width()) / std::max(tamanho.height(), 1), 1.0f,
                  300.0f);
    m.rotate(-80.0f, 1.0f, 0.0f, 0.0f);
    m.translate(0.0f, 110.0f, -80.0f);
    m.rotate(vista.AnguloX, 1.0f, 0.0f, 0.0f);
    m.rotate(vista.AnguloY, 0.0f, 1.0f, 0.0f);
    m.translate(0.0f, vista.DeslocY, vista.DeslocZ);
    const QVector3D ndc = m.map(QVector3D(ponto.X, ponto.Y, ponto.Z));
    return {(ndc.x() + 1.0) / 2.0 * tamanho.width(), (1.0 - ndc.y()) / 2.0 * tamanho.height()};
}

int IndividuoEm(const TEstadoVista& vista, QSize tamanho, const TQuadroPopulacao& quadro,
                QPointF mouse, double raio) {
    int achado = 0;
    double menor = raio * raio;
    const auto testa = [&](const TPontoModelo& p, int slot) {
        const QPointF d = PontoNaTela(vista, tamanho, p) - mouse;
        const double distancia = QPointF::dotProduct(d, d);
        if (distancia <= menor) {
            menor = distancia;
            achado = slot;
        }
    };
    for (std::size_t i = 0; i < quadro.Individuos.size(); ++i) {
        const int slot = static_cast<int>(i) + 1;
        testa(quadro.Individuos[i].Ponto, slot);
        if (quadro.Paralelo)
            testa(quadro.Individuos[i].PontoY, slot);
    }
    return achado;
}
