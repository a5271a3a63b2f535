#include "CodificadorVideo.h"

#include "CodificadorGif.h"
#include "CodificadorMp4.h"

// Without a format's library its parameters go unused.
std::unique_ptr<TCodificadorVideo> AbreCodificador(
    TFormatoVideo formato, [[maybe_unused]] const std::string& caminho,
    [[maybe_unused]] const TParametrosVideo& parametros, std::string& erro) {
    erro = MotivoSemFormato(formato);
    if (!erro.empty())
        return nullptr;
#ifdef QUIVORA_COM_MP4
    if (formato == TFormatoVideo::Mp4)
        return AbreMp4(caminho, parametros, erro);
#endif
#ifdef QUIVORA_COM_GIF
    if (formato == TFormatoVideo::Gif)
        return AbreGif(caminho, parametros, erro);
#endif
    return nullptr;
}
