#pragma once

#include <QByteArray>
#include <optional>

// A reader of the few JPEG header fields the tests check, straight from the bytes, so that
// they do not rely on the decoder under test.

/// The JFIF APP0 segment's density fields.
struct TDensidadeJfif {
    int unidade;  // 0 none (aspect ratio only), 1 dots per inch, 2 dots per cm
    int x;
    int y;
};

/// The frame header of a baseline (SOF0) picture.
struct TQuadroJpeg {
    int precisao;
    int altura;
    int largura;
    int componentes;
};

/// The density of a JFIF APP0 segment that directly follows the start-of-image marker.
std::optional<TDensidadeJfif> LeDensidadeJfif(const QByteArray& jpeg);
/// The first SOF0 frame header found among the marker segments before the scan.
std::optional<TQuadroJpeg> LeQuadroBaseline(const QByteArray& jpeg);
/// Where the compressed data of the first scan begins: just after its SOS segment.
std::optional<qsizetype> InicioDaVarredura(const QByteArray& jpeg);
