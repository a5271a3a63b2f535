#pragma once

// Animated GIF through giflib; declared whether or not the build has it, defined only when it
// does (QUIVORA_COM_GIF).

#include "CodificadorVideo.h"

/// An animated GIF that loops for ever, each frame shown 1/QuadrosPorSegundo second (in the
/// format's hundredths). Every frame uses one palette of 256 colours, chosen from the
/// parameters' colour samples, so that colours stay put from frame to frame.
std::unique_ptr<TCodificadorVideo> AbreGif(const std::string& caminho,
                                           const TParametrosVideo& parametros, std::string& erro);
