#pragma once

#include "DescritorPixel.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

class QOpenGLContext;
class QWindow;
class TJanelaGL;

/// A panel that hosts one OpenGL rendering context on a native window of its own and draws
/// only when asked: Redraw draws and swaps inside the call, so a long computation on the
/// user-interface thread can show every step. The owner supplies the drawing through the
/// signals OnGLInit, OnGLPrep, OnResize and OnGLDraw (all raised with the context current).
///
/// The pixel format is given as window-system descriptor properties (GLFlags, GLPixelType,
/// GLLayerType, GLColorBits, GLDepthBits) and mapped onto the Qt surface format of the
/// native window and the context. The window's format is fixed when the native window is
/// created, so a property change takes effect only until then; later changes are stored,
/// derived again and marked (FormatoAlterado), and the running context keeps its format.
class TGLPanel : public QWidget {
    Q_OBJECT
public:
    explicit TGLPanel(QWidget* parent = nullptr);
    ~TGLPanel() override;

    /// Draws one frame now. The first call creates the native window if needed and the
    /// context, and raises OnGLInit, OnGLPrep, OnResize, then OnGLDraw; later calls raise
    /// only OnGLDraw. With double buffering the buffers are swapped before returning.
    ///
    /// A frame drawn before the native window is on screen cannot be shown; so when the
    /// window is first exposed and a context exists, the panel redraws once by itself.
    /// Without that the picture would wait for the next Redraw, which the main window makes
    /// on activation, and a window that is never activated (no window manager, or one that
    /// does not activate new windows) would stay black. Later exposures draw nothing.
    void Redraw();

    /// Makes the panel's context current, for owner code that issues GL calls outside the
    /// events (a display-list rebuild). False while there is no context yet.
    bool AtivaContexto();

    /// The picture the panel shows, drawn once more and read back in device pixels, with the
    /// device pixel ratio set. The frame is not swapped: the screen stays as it was.
    [[nodiscard]] QImage Imagem();

    [[nodiscard]] TPFDFlags GLFlags() const { return FGLFlags; }
    void setGLFlags(TPFDFlags flags);
    [[nodiscard]] TPFDPixelTypes GLPixelType() const { return FGLPixelType; }
    void setGLPixelType(TPFDPixelTypes tipos);
    [[nodiscard]] TPFDLayerTypes GLLayerType() const { return FGLLayerType; }
    void setGLLayerType(TPFDLayerTypes camadas);
    [[nodiscard]] std::uint32_t GLColorBits() const { return FGLColorBits; }
    void setGLColorBits(std::uint32_t bits);
    [[nodiscard]] std::uint32_t GLDepthBits() const { return FGLDepthBits; }
    void setGLDepthBits(std::uint32_t bits);

    /// The descriptor values derived from the three sets.
    [[nodiscard]] std::uint16_t PFDFlags() const { return FPFDFlags; }
    [[nodiscard]] std::int16_t PFDPixelType() const { return FPFDPixelType; }
    [[nodiscard]] std::int16_t PFDLayerType() const { return FPFDLayerType; }
    /// Set once a set property received a different value.
    [[nodiscard]] bool FormatoAlterado() const { return FFormatChanged; }
    /// The descriptor as requested from the current property values.
    [[nodiscard]] TDescritorPixel DescritorPedido() const;
    /// The format the context got, as a descriptor (all zero before the first Redraw).
    [[nodiscard]] const TDescritorPixel& DescritorObtido() const { return FDescrito; }
    /// The logical palette the obtained format needs (empty for true-colour formats).
    [[nodiscard]] const std::vector<TEntradaPaleta>& Paleta() const { return FPalette; }
    /// The native window that receives the drawing and the mouse.
    [[nodiscard]] QWindow* JanelaNativa() const;

signals:
    void OnGLInit();
    void OnGLPrep();
    void OnResize();
    void OnGLDraw();
    /// Mouse events of the native window, in the panel's client coordinates (logical pixels).
    void OnMouseDown(Qt::MouseButton botao, int x, int y);
    void OnMouseMove(int x, int y);
    void OnMouseUp(Qt::MouseButton botao, int x, int y);
    /// A key pressed while the native window has the keyboard focus (a click gives it).
    void OnKeyDown(int tecla);

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void FormatoMudou();
    void PrimeiraExposicao();
    void CriaContexto();
    void Libera();

    TJanelaGL* FJanela;   // owned by the container widget
    QWidget* FContainer;  // child of the panel, covers it entirely
    std::unique_ptr<QOpenGLContext> FRC;
    std::vector<TEntradaPaleta> FPalette;
    TDescritorPixel FDescrito;
    bool FFirstPaint = true;
    bool FFormatChanged = false;
    TPFDPixelTypes FGLPixelType;
    TPFDLayerTypes FGLLayerType;
    TPFDFlags FGLFlags;
    std::int16_t FPFDPixelType = 0;
    std::int16_t FPFDLayerType = 0;
    std::uint16_t FPFDFlags = 0;
    std::uint32_t FGLColorBits = 24;
    std::uint32_t FGLDepthBits = 32;
};
