#pragma once

// MP4 through FFmpeg's libraries; declared whether or not the build has them, defined only
// when it does (QUIVORA_COM_MP4).

#include "CodificadorVideo.h"

/// Whether the libavcodec the program runs with has an H.264 encoder.
bool TemCodificadorH264();

/// An MP4 file, H.264 in yuv420p with its index at the front (faststart), as presentation
/// programs and browsers play it; one frame per 1/QuadrosPorSegundo second.
std::unique_ptr<TCodificadorVideo> AbreMp4(const std::string& caminho,
                                           const TParametrosVideo& parametros, std::string& erro);
