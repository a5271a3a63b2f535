#pragma once

#include "FormatoVideo.h"
#include "QuadroVideo.h"

#include <memory>
#include <string>

/// Writes a movie frame by frame into one file. A failed step says why in Erro(); after it
/// the file is left to the caller to remove.
class TCodificadorVideo {
public:
    virtual ~TCodificadorVideo() = default;
    /// Adds the next frame, of the size the movie was opened with.
    virtual bool Acrescenta(const TQuadroVideo& quadro) = 0;
    /// Writes what the encoder still holds and closes the file.
    virtual bool Conclui() = 0;
    [[nodiscard]] const std::string& Erro() const { return FErro; }

protected:
    bool Falha(std::string erro) {
        FErro = std::move(erro);
        return false;
    }

private:
    std::string FErro;
};

/// Opens `caminho` for a movie in the given format, whatever the name's suffix. Null, with
/// the reason in `erro`, when the format is missing from this build or the file cannot be
/// started.
std::unique_ptr<TCodificadorVideo> AbreCodificador(TFormatoVideo formato,
                                                   const std::string& caminho,
                                                   const TParametrosVideo& parametros,
                                                   std::string& erro);
