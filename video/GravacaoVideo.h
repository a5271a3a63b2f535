#pragma once

#include "FormatoVideo.h"
#include "QuadroVideo.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

/// Writes a movie on a thread of its own while its owner makes the frames: the owner hands
/// them over one by one (keeping at most a few waiting, Pendentes()), then says Termina() or
/// Cancela(). The file appears under its name only when complete: meanwhile it grows under a
/// hidden name beside it, removed on cancel or failure.
class TGravacaoVideo {
public:
    enum class TEstado { Gravando, Concluida, Falhou, Cancelada };
    /// Called from the writing thread after every frame written and once at the end.
    using TAviso = std::function<void()>;

    TGravacaoVideo(TFormatoVideo formato, std::string caminho, TParametrosVideo parametros,
                   TAviso aviso);
    /// Cancels a movie still being written, and waits for the thread.
    ~TGravacaoVideo();
    TGravacaoVideo(const TGravacaoVideo&) = delete;
    TGravacaoVideo& operator=(const TGravacaoVideo&) = delete;

    /// Queues the next frame.
    void Entrega(TQuadroVideo quadro);
    /// No more frames: the writer finishes the file and gives it its name.
    void Termina();
    /// Stops after the frame under way; the partial file is removed.
    void Cancela();

    [[nodiscard]] TEstado Estado() const;
    /// Frames handed over but not written yet.
    [[nodiscard]] int Pendentes() const;
    [[nodiscard]] int Gravados() const;
    /// Why it failed.
    [[nodiscard]] std::string Erro() const;

private:
    void Grava(TFormatoVideo formato, const std::string& caminho,
               const TParametrosVideo& parametros);
    TEstado Escreve(TFormatoVideo formato, const std::string& caminho,
                    const TParametrosVideo& parametros, std::string& erro);
    bool Proximo(TQuadroVideo& quadro);

    TAviso Aviso;
    mutable std::mutex Trava;
    std::condition_variable Mudou;
    std::deque<TQuadroVideo> Fila;
    bool Fim = false;
    bool Cancelar = false;
    TEstado FEstado = TEstado::Gravando;
    int FGravados = 0;
    std::string FErro;
    std::thread Escritor;  // last: starts once everything above exists
};
