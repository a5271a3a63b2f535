#pragma once

#include "FormatoVideo.h"
#include "QuadrosVideo.h"

#include <QObject>
#include <QString>

#include <memory>

class TGravacaoVideo;

/// What the user asked for: which generations, at which pace and size, showing what, in
/// which file.
struct TPedidoVideo {
    TFormatoVideo Formato = TFormatoVideo::Mp4;
    QString Caminho;
    TConteudoVideo Conteudo = TConteudoVideo::Ambos;
    QSize Tamanho;  ///< even sides
    int GeracoesPorSegundo = 10;
    int Primeira = 0;
    int Ultima = 0;
};

/// Writes a movie of a copied run while the window stays responsive: each frame is drawn on
/// the window's thread in a slice of its own (the event loop runs between frames) and handed
/// to the writer's thread, which encodes it; at most a few frames wait there. Cancelled, the
/// writer stops after the frame under way and removes what it wrote.
class TExportacaoVideo : public QObject {
    Q_OBJECT
public:
    TExportacaoVideo(TCenaVideo& cena, const TPedidoVideo& pedido, QObject* parent = nullptr);
    /// Cancels a movie still being written.
    ~TExportacaoVideo() override;

    /// Starts; the signals tell the rest.
    void Inicia();
    void Cancela();
    [[nodiscard]] int Total() const { return Pedido.Ultima - Pedido.Primeira + 1; }

signals:
    /// Frames written so far.
    void Progresso(int gravados);
    /// The movie is complete under its name (`gravado`), or it failed (`erro` says why), or
    /// it was cancelled (neither); in the last two cases no file is left.
    void Terminou(bool gravado, const QString& erro);

private:
    void Avanca();

    TPedidoVideo Pedido;
    TQuadrosVideo Quadros;
    std::unique_ptr<TGravacaoVideo> Gravacao;
    int Proxima = 0;  // the next generation to draw
    bool Acabou = false;
};
