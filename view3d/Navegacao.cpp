#include "Navegacao.h"

TEstadoVista VistaPredefinida(TVistaPredefinida vista) {
    // AnguloX, AnguloY, DeslocY, DeslocZ. "Superior" cancels the frame's fixed -80 degree
    // tilt, so the height axis points at the viewer; "Lateral" adds to it, for a side view.
    switch (vista) {
        case TVistaPredefinida::Inclinada:
            return {0, 0, 0, 0};
        case TVistaPredefinida::Zoom:
            return {3, 0, -80, -12};
        case TVistaPredefinida::Superior:
            return {80, 0, 60, -20};
        case TVistaPredefinida::Lateral:
            return {-15, 0, 0, 0};
    }
    return {};
}

void TNavegacao::Pressiona(TBotaoMouse botao, int x, int y) {
    if (botao == TBotaoMouse::Esquerdo) {
        DeslocAtivo = true;
        XIni = x;
        YIni = y;
    } else if (botao == TBotaoMouse::Direito) {
        RotAtivo = true;
    }
}

void TNavegacao::Solta(TBotaoMouse botao) {
    if (botao == TBotaoMouse::Esquerdo)
        DeslocAtivo = false;
    else if (botao == TBotaoMouse::Direito)
        RotAtivo = false;
}

void TNavegacao::SoltaTodos() {
    DeslocAtivo = false;
    RotAtivo = false;
}

void TNavegacao::Rotaciona(int x, int y) {
    Vista.AnguloY = static_cast<float>(Vista.AnguloY - (180 - y) * 0.01L);
    Vista.AnguloX = static_cast<float>(Vista.AnguloX - (180 - x) * 0.01L);
}

void TNavegacao::Desloca(int x, int y) {
    const float t = static_cast<float>((YIni - y) * 0.02L + Vista.DeslocZ);
    Vista.DeslocY = static_cast<float>((XIni - x) * 0.01L + Vista.DeslocY);
    if (t > DeslocZMaximo)
        Vista.DeslocZ = DeslocZMaximo;
    else if (t < DeslocZMinimo)
        Vista.DeslocZ = DeslocZMinimo;
    else
        Vista.DeslocZ = t;
}
