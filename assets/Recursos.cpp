#include "Recursos.h"

#include "DecodificaJpeg.h"

#include <QFile>
#include <mutex>

void CarregaRecursosQuivora() {
    static std::once_flag carregados;
    // Q_INIT_RESOURCE names the resource file (quivora.qrc) and must stand outside a namespace.
    std::call_once(carregados, [] { Q_INIT_RESOURCE(quivora); });
}

QImage ImagemEquacao(qreal razaoPixels) {
    CarregaRecursosQuivora();
    const bool dupla = razaoPixels > 1;
    QFile arquivo(dupla ? CaminhoEquacao2x : CaminhoEquacao);
    if (!arquivo.open(QIODevice::ReadOnly))
        return {};
    QImage imagem = DecodificaJpeg(arquivo.readAll());
    imagem.setDevicePixelRatio(dupla ? 2 : 1);
    return imagem;
}
