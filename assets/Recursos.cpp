#include "Recursos.h"

#include "DecodificaJpeg.h"

#include <QFile>
#include <mutex>

void CarregaRecursosQuivora() {
    static std::once_flag carregados;
    // Q_INIT_RESOURCE names the resource file (quivora.qrc) and must stand outside a namespace.
    std::call_once(carregados, [] { Q_INIT_RESOURCE(quivora); });
}

QImage ImagemEquacao() {
    CarregaRecursosQuivora();
    QFile arquivo(CaminhoEquacao);
    if (!arquivo.open(QIODevice::ReadOnly))
        return {};
    return DecodificaJpeg(arquivo.readAll());
}
