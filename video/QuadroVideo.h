#pragma once

#include <cstdint>
#include <vector>

/// One picture of a movie: Largura x Altura pixels, rows from the top, each pixel one 32-bit
/// word 0xffRRGGBB (the layout of a QImage in Format_RGB32; the top byte is not read).
struct TQuadroVideo {
    int Largura = 0;
    int Altura = 0;
    std::vector<std::uint32_t> Pixels;
};

/// What a movie is made of: its frames' size, which MP4 wants even, and its pace.
struct TParametrosVideo {
    int Largura = 0;
    int Altura = 0;
    int QuadrosPorSegundo = 10;
    /// Pictures that hold the colours the movie will show (the first and the last frame,
    /// say): a GIF's one palette is chosen from them. Unused by MP4.
    std::vector<TQuadroVideo> AmostrasCores;
};
