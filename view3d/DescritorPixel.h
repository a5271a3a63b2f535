#pragma once

// The pixel format that the GL panel asks for, described the way a window system's pixel
// format descriptor does: a set of flags, a pixel type, a layer, colour and depth bits. The
// panel keeps its properties as sets; this unit derives the descriptor values from them and
// builds the logical palette that a palette-based format needs. No Qt, no GL: plain data.

#include <cstdint>
#include <initializer_list>
#include <vector>

/// Members of GLFlags; member k is bit k of the set value.
enum TPFDFlag : std::uint8_t {
    GLf_DOUBLEBUFFER,
    GLf_STEREO,
    GLf_DRAW_TO_WINDOW,
    GLf_DRAW_TO_BITMAP,
    GLf_SUPPORT_GDI,
    GLf_SUPPORT_OPENGL,
    GLf_GENERIC_FORMAT,
    GLf_NEED_PALETTE,
    GLf_NEED_SYSTEM_PALETTE,
    GLf_SWAP_EXCHANGE,
    GLf_SWAP_COPY,
};

/// Members of GLPixelType.
enum TPFDPixelType : std::uint8_t { GLp_TYPE_RGBA, GLp_TYPE_COLORINDEX };

/// Members of GLLayerType.
enum TPFDLayerType : std::uint8_t { GLL_MAIN_PLANE, GLL_OVERLAY_PLANE, GLL_UNDERLAY_PLANE };

/// Sets of the enumerations above: member k is bit k.
using TPFDFlags = std::uint16_t;
using TPFDPixelTypes = std::uint8_t;
using TPFDLayerTypes = std::uint8_t;

/// The set value with exactly the given members.
template <typename Conjunto, typename Membro>
constexpr Conjunto ConjuntoDe(std::initializer_list<Membro> membros) {
    Conjunto valor = 0;
    for (Membro m : membros)
        valor = static_cast<Conjunto>(valor | (1u << m));
    return valor;
}

template <typename Conjunto, typename Membro>
constexpr bool Contem(Conjunto conjunto, Membro membro) {
    return (conjunto >> membro) & 1u;
}

/// Descriptor flag values (dwFlags) that the panel's code tests by name.
inline constexpr std::uint32_t PFD_DOUBLEBUFFER = 1;
inline constexpr std::uint32_t PFD_STEREO = 2;
inline constexpr std::uint32_t PFD_DRAW_TO_WINDOW = 4;
inline constexpr std::uint32_t PFD_SUPPORT_OPENGL = 32;
inline constexpr std::uint32_t PFD_NEED_PALETTE = 128;

/// dwFlags for a set of flags: the value of member k is 2^k, so the derivation adds up the
/// members present.
std::uint16_t DerivaFlags(TPFDFlags flags);
/// iPixelType for a set: RGBA gives 0, then colour index overrides it with 1. An empty set
/// keeps the previous value.
std::int16_t DerivaPixelType(TPFDPixelTypes tipos, std::int16_t anterior);
/// iLayerType for a set, tested main (0), overlay (1), underlay (-1): the last member present
/// wins. An empty set keeps the previous value.
std::int16_t DerivaLayerType(TPFDLayerTypes camadas, std::int16_t anterior);

/// The members of a pixel format descriptor that the panel fills in or reads back.
struct TDescritorPixel {
    std::uint16_t nSize = 40;
    std::uint16_t nVersion = 1;
    std::uint32_t dwFlags = 0;
    std::uint8_t iPixelType = 0;
    std::uint8_t cColorBits = 0;
    std::uint8_t cRedBits = 0;
    std::uint8_t cRedShift = 0;
    std::uint8_t cGreenBits = 0;
    std::uint8_t cGreenShift = 0;
    std::uint8_t cBlueBits = 0;
    std::uint8_t cBlueShift = 0;
    std::uint8_t cDepthBits = 0;
    std::int8_t iLayerType = 0;

    bool operator==(const TDescritorPixel&) const = default;
};

/// The requested descriptor: derived flags, pixel type and layer, and the low 8 bits of the
/// colour and depth bit counts; every other member zero.
TDescritorPixel MontaDescritor(std::uint16_t flags, std::int16_t pixelType, std::int16_t layerType,
                               std::uint32_t colorBits, std::uint32_t depthBits);

/// One entry of a logical palette.
struct TEntradaPaleta {
    std::uint8_t Vermelho = 0;
    std::uint8_t Verde = 0;
    std::uint8_t Azul = 0;
    bool operator==(const TEntradaPaleta&) const = default;
};

/// The logical palette for a described format: empty unless its flags ask for a palette.
/// Entry i takes each channel from the bits of i at the channel's shift, scaled to 0..255.
/// A channel with no bits reads 0. Palette formats have at most 8 colour bits; a format that
/// claims more gets no palette.
std::vector<TEntradaPaleta> MontaPaleta(const TDescritorPixel& descrito);
