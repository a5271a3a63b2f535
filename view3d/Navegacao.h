#pragma once

// Where the surface is seen from, and how the mouse moves it. Both drags are rate controls:
// each mouse move adds a step proportional to the pointer's distance from a reference point,
// so the view keeps moving while the pointer moves and stops when it rests. A right drag
// rotates about the fixed panel point (180, 180); a left drag shifts, relative to where it
// began. The view values are 32-bit floats; each step is computed in extended precision from
// the stored value and stored back as a float. No Qt, no GL.

#include <cstdint>

/// The view state that every frame reads.
struct TEstadoVista {
    float AnguloX = 0;  ///< degrees about the model x axis
    float AnguloY = 0;  ///< degrees about the model y axis
    float DeslocY = 0;  ///< shift along the model y axis
    float DeslocZ = 0;  ///< shift along the model z axis, kept within -199..100 by drags

    bool operator==(const TEstadoVista&) const = default;
};

/// Bounds of DeslocZ under a shift drag.
inline constexpr float DeslocZMinimo = -199.0f;
inline constexpr float DeslocZMaximo = 100.0f;

/// The four preset views, in the order of their buttons.
enum class TVistaPredefinida { Inclinada, Zoom, Superior, Lateral };

TEstadoVista VistaPredefinida(TVistaPredefinida vista);

enum class TBotaoMouse { Esquerdo, Direito, Outro };

/// The view state and the drag state of the mouse navigation.
struct TNavegacao {
    TEstadoVista Vista;
    bool DeslocAtivo = false;  ///< a left-button shift drag is in progress
    bool RotAtivo = false;     ///< a right-button rotation drag is in progress
    std::int32_t XIni = 0;     ///< where the current shift drag began
    std::int32_t YIni = 0;

    /// Left starts a shift drag from (x, y), right a rotation; other buttons do nothing.
    void Pressiona(TBotaoMouse botao, int x, int y);
    /// Left ends the shift drag, right the rotation.
    void Solta(TBotaoMouse botao);
    /// Ends both drags (a release anywhere on the window's own surface).
    void SoltaTodos();

    /// One rotation step for the pointer at (x, y): a pointer right of x = 180 raises
    /// AnguloX, one below y = 180 raises AnguloY, by 0.01 degree per pixel.
    void Rotaciona(int x, int y);
    /// One shift step for the pointer at (x, y): above the press point raises DeslocZ by
    /// 0.02 per pixel (clamped to -199..100), left of it raises DeslocY by 0.01 per pixel.
    void Desloca(int x, int y);
};
