#include "MarcadoresJpeg.h"

namespace {

int Byte(const QByteArray& dados, qsizetype i) {
    return static_cast<unsigned char>(dados[i]);
}

int Palavra(const QByteArray& dados, qsizetype i) {
    return Byte(dados, i) << 8 | Byte(dados, i + 1);
}

/// The offset of the first segment with the given marker before the scan (or of the SOS
/// segment itself when that is the one asked for).
std::optional<qsizetype> ProcuraSegmento(const QByteArray& jpeg, int procurado) {
    // Every segment before the scan is FF, marker, length (2, counting itself), contents.
    qsizetype i = 2;
    while (i + 4 <= jpeg.size() && Byte(jpeg, i) == 0xFF) {
        const int marcador = Byte(jpeg, i + 1);
        if (marcador == procurado)
            return i;
        if (marcador == 0xDA)
            return std::nullopt;
        i += 2 + Palavra(jpeg, i + 2);
    }
    return std::nullopt;
}

}  // namespace

std::optional<TDensidadeJfif> LeDensidadeJfif(const QByteArray& jpeg) {
    // FF D8, then FF E0, length (2), "JFIF\0", version (2), units (1), X density (2), Y (2).
    if (jpeg.size() < 18 || Palavra(jpeg, 0) != 0xFFD8 || Palavra(jpeg, 2) != 0xFFE0 ||
        jpeg.mid(6, 5) != QByteArray("JFIF\0", 5))
        return std::nullopt;
    return TDensidadeJfif{Byte(jpeg, 13), Palavra(jpeg, 14), Palavra(jpeg, 16)};
}

std::optional<TQuadroJpeg> LeQuadroBaseline(const QByteArray& jpeg) {
    const auto i = ProcuraSegmento(jpeg, 0xC0);
    if (!i || *i + 10 > jpeg.size())
        return std::nullopt;
    return TQuadroJpeg{Byte(jpeg, *i + 4), Palavra(jpeg, *i + 5), Palavra(jpeg, *i + 7),
                       Byte(jpeg, *i + 9)};
}

std::optional<qsizetype> InicioDaVarredura(const QByteArray& jpeg) {
    const auto i = ProcuraSegmento(jpeg, 0xDA);
    if (!i)
        return std::nullopt;
    return *i + 2 + Palavra(jpeg, *i + 2);
}
