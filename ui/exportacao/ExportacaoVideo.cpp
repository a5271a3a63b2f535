#include "ExportacaoVideo.h"

#include "GravacaoVideo.h"

#include <QTimer>

namespace {

// Frames drawn ahead of the writer: enough to keep it busy, few enough to hold little memory.
constexpr int QuadrosAdiante = 2;

}  // namespace

TExportacaoVideo::TExportacaoVideo(TCenaVideo& cena, const TPedidoVideo& pedido, QObject* parent)
    : QObject(parent), Pedido(pedido), Quadros(cena, pedido.Conteudo, pedido.Tamanho) {}

TExportacaoVideo::~TExportacaoVideo() = default;

void TExportacaoVideo::Inicia() {
    Proxima = Pedido.Primeira;
    if (!Quadros.Prepara()) {
        Acabou = true;
        emit Terminou(false, QStringLiteral("O OpenGL desta máquina não desenha fora da tela"));
        return;
    }
    TParametrosVideo parametros{
        Pedido.Tamanho.width(), Pedido.Tamanho.height(), Pedido.GeracoesPorSegundo, {}};
    // A GIF's one palette comes from the first and the last frame.
    if (Pedido.Formato == TFormatoVideo::Gif)
        for (const int g : {Pedido.Primeira, Pedido.Ultima})
            parametros.AmostrasCores.push_back(QuadroDaImagem(Quadros.Imagem(g)));
    // The writer's thread only posts a call; the slice runs on the window's thread.
    Gravacao = std::make_unique<TGravacaoVideo>(
        Pedido.Formato, Pedido.Caminho.toStdString(), std::move(parametros), [this] {
            QMetaObject::invokeMethod(this, &TExportacaoVideo::Avanca, Qt::QueuedConnection);
        });
    Avanca();
}

void TExportacaoVideo::Cancela() {
    if (Gravacao)
        Gravacao->Cancela();
}

// One slice: says how far the writer is, ends when it has, and otherwise draws the next frame
// if the writer has room for it.
void TExportacaoVideo::Avanca() {
    if (Acabou)
        return;
    switch (Gravacao->Estado()) {
        case TGravacaoVideo::TEstado::Gravando:
            break;
        case TGravacaoVideo::TEstado::Concluida:
            Acabou = true;
            emit Progresso(Total());
            emit Terminou(true, {});
            return;
        case TGravacaoVideo::TEstado::Falhou:
            Acabou = true;
            emit Terminou(false, QString::fromStdString(Gravacao->Erro()));
            return;
        case TGravacaoVideo::TEstado::Cancelada:
            Acabou = true;
            emit Terminou(false, {});
            return;
    }
    emit Progresso(Gravacao->Gravados());
    if (Proxima > Pedido.Ultima || Gravacao->Pendentes() >= QuadrosAdiante)
        return;  // the writer's next notice brings the next slice
    Gravacao->Entrega(QuadroDaImagem(Quadros.Imagem(Proxima)));
    if (++Proxima > Pedido.Ultima)
        Gravacao->Termina();
    else
        QTimer::singleShot(0, this, &TExportacaoVideo::Avanca);
}
