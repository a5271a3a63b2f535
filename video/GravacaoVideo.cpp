#include "GravacaoVideo.h"

#include "ArquivoParcial.h"
#include "CodificadorVideo.h"

TGravacaoVideo::TGravacaoVideo(TFormatoVideo formato, std::string caminho,
                               TParametrosVideo parametros, TAviso aviso)
    : Aviso(std::move(aviso)),
      Escritor([this, formato, caminho = std::move(caminho), parametros = std::move(parametros)] {
          Grava(formato, caminho, parametros);
      }) {}

TGravacaoVideo::~TGravacaoVideo() {
    Cancela();
    Escritor.join();
}

void TGravacaoVideo::Entrega(TQuadroVideo quadro) {
    {
        const std::lock_guard trava(Trava);
        Fila.push_back(std::move(quadro));
    }
    Mudou.notify_one();
}

void TGravacaoVideo::Termina() {
    {
        const std::lock_guard trava(Trava);
        Fim = true;
    }
    Mudou.notify_one();
}

void TGravacaoVideo::Cancela() {
    {
        const std::lock_guard trava(Trava);
        Cancelar = true;
    }
    Mudou.notify_one();
}

TGravacaoVideo::TEstado TGravacaoVideo::Estado() const {
    const std::lock_guard trava(Trava);
    return FEstado;
}

int TGravacaoVideo::Pendentes() const {
    const std::lock_guard trava(Trava);
    return static_cast<int>(Fila.size());
}

int TGravacaoVideo::Gravados() const {
    const std::lock_guard trava(Trava);
    return FGravados;
}

std::string TGravacaoVideo::Erro() const {
    const std::lock_guard trava(Trava);
    return FErro;
}

// Waits for the next frame; false once there is none to come or the movie is cancelled.
bool TGravacaoVideo::Proximo(TQuadroVideo& quadro) {
    std::unique_lock trava(Trava);
    Mudou.wait(trava, [this] { return Cancelar || Fim || !Fila.empty(); });
    if (Cancelar || Fila.empty())
        return false;
    quadro = std::move(Fila.front());
    Fila.pop_front();
    return true;
}

void TGravacaoVideo::Grava(TFormatoVideo formato, const std::string& caminho,
                           const TParametrosVideo& parametros) {
    std::string erro;
    const TEstado estado = Escreve(formato, caminho, parametros, erro);
    {
        const std::lock_guard trava(Trava);
        FEstado = estado;
        FErro = std::move(erro);
        Fila.clear();
    }
    Aviso();
}

// The whole writing; the partial file is gone, or renamed, by the time it returns.
TGravacaoVideo::TEstado TGravacaoVideo::Escreve(TFormatoVideo formato, const std::string& caminho,
                                                const TParametrosVideo& parametros,
                                                std::string& erro) {
    TArquivoParcial arquivo(caminho);
    if (!arquivo.Valido()) {
        erro = caminho + ": " + arquivo.Erro();
        return TEstado::Falhou;
    }
    auto codificador = AbreCodificador(formato, arquivo.Parcial(), parametros, erro);
    if (!codificador)
        return TEstado::Falhou;
    TQuadroVideo quadro;
    while (Proximo(quadro)) {
        if (!codificador->Acrescenta(quadro)) {
            erro = codificador->Erro();
            return TEstado::Falhou;
        }
        {
            const std::lock_guard trava(Trava);
            ++FGravados;
        }
        Aviso();
    }
    {
        const std::lock_guard trava(Trava);
        if (Cancelar)
            return TEstado::Cancelada;
    }
    if (!codificador->Conclui()) {
        erro = codificador->Erro();
        return TEstado::Falhou;
    }
    codificador.reset();
    // The encoder's last frames take a moment: a cancel that came meanwhile still counts.
    {
        const std::lock_guard trava(Trava);
        if (Cancelar)
            return TEstado::Cancelada;
    }
    if (!arquivo.Conclui()) {
        erro = caminho + ": " + arquivo.Erro();
        return TEstado::Falhou;
    }
    return TEstado::Concluida;
}
