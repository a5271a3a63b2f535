#include "CodificadorGif.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>

namespace {

constexpr int Cores = 256;
constexpr int BitsCanal = 5;  // the palette look-up works on 5 bits per channel

int Canal(std::uint32_t pixel, int deslocamento) {
    return static_cast<int>((pixel >> deslocamento) & 0xffu);
}

// Index of a colour in the 5-bit-per-channel look-up table.
int Celula(std::uint32_t pixel) {
    return (Canal(pixel, 16) >> 3) << 10 | (Canal(pixel, 8) >> 3) << 5 | Canal(pixel, 0) >> 3;
}

std::string TextoErro(int codigo) {
    const char* texto = GifErrorString(codigo);
    return std::string("GIF: ") + (texto ? texto : "erro desconhecido");
}

class TCodificadorGif final : public TCodificadorVideo {
public:
    ~TCodificadorGif() override {
        if (Arquivo)
            EGifCloseFile(Arquivo, nullptr);
        GifFreeMapObject(Paleta);
    }

    bool Abre(const std::string& caminho, const TParametrosVideo& p) {
        Largura = p.Largura;
        Altura = p.Altura;
        // Hundredths of a second: 1, 2, 5, 10 and 25 frames per second all come out exact.
        Atraso = static_cast<GifWord>((100 + p.QuadrosPorSegundo / 2) / p.QuadrosPorSegundo);
        if (!EscolhePaleta(p.AmostrasCores))
            return false;
        int erro = 0;
        Arquivo = EGifOpenFileName(caminho.c_str(), false, &erro);
        if (!Arquivo)
            return Falha(TextoErro(erro));
        EGifSetGifVersion(Arquivo, true);  // GIF89a, for the delays and the loop
        if (EGifPutScreenDesc(Arquivo, Largura, Altura, 8, 0, Paleta) == GIF_ERROR)
            return Falha(TextoErro(Arquivo->Error));
        // The Netscape application block: repeat for ever.
        static const char aplicacao[] = "NETSCAPE2.0";
        static const unsigned char repete[] = {1, 0, 0};
        if (EGifPutExtensionLeader(Arquivo, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
            EGifPutExtensionBlock(Arquivo, 11, aplicacao) == GIF_ERROR ||
            EGifPutExtensionBlock(Arquivo, 3, repete) == GIF_ERROR ||
            EGifPutExtensionTrailer(Arquivo) == GIF_ERROR)
            return Falha(TextoErro(Arquivo->Error));
        Linha.resize(static_cast<std::size_t>(Largura));
        return true;
    }

    bool Acrescenta(const TQuadroVideo& q) override {
        if (q.Largura != Largura || q.Altura != Altura)
            return Falha("Quadro de outro tamanho");
        GraphicsControlBlock controle{};
        controle.DisposalMode = DISPOSE_DO_NOT;
        controle.DelayTime = Atraso;
        controle.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType extensao[4];
        EGifGCBToExtension(&controle, extensao);
        if (EGifPutExtension(Arquivo, GRAPHICS_EXT_FUNC_CODE, sizeof extensao, extensao) ==
                GIF_ERROR ||
            EGifPutImageDesc(Arquivo, 0, 0, Largura, Altura, false, nullptr) == GIF_ERROR)
            return Falha(TextoErro(Arquivo->Error));
        const std::uint32_t* pixel = q.Pixels.data();
        for (int y = 0; y < Altura; ++y) {
            for (GifPixelType& indice : Linha)
                indice = Indices[static_cast<std::size_t>(Celula(*pixel++))];
            if (EGifPutLine(Arquivo, Linha.data(), Largura) == GIF_ERROR)
                return Falha(TextoErro(Arquivo->Error));
        }
        return true;
    }

    bool Conclui() override {
        int erro = 0;
        const int r = EGifCloseFile(Arquivo, &erro);
        Arquivo = nullptr;
        return r == GIF_OK || Falha(TextoErro(erro));
    }

private:
    // Median cut over the samples (giflib's own), refined to the samples' own colours.
    bool EscolhePaleta(const std::vector<TQuadroVideo>& amostras) {
        std::size_t total = 0;
        for (const TQuadroVideo& a : amostras)
            total += a.Pixels.size();
        // About a million pixels tell the colours of any picture well enough.
        const std::size_t passo = std::max<std::size_t>(1, total / 1'000'000);
        std::vector<GifByteType> r, g, b;
        for (const TQuadroVideo& a : amostras)
            for (std::size_t i = 0; i < a.Pixels.size(); i += passo) {
                r.push_back(static_cast<GifByteType>(Canal(a.Pixels[i], 16)));
                g.push_back(static_cast<GifByteType>(Canal(a.Pixels[i], 8)));
                b.push_back(static_cast<GifByteType>(Canal(a.Pixels[i], 0)));
            }
        if (r.empty()) {  // no samples: black alone
            r = g = b = {0};
        }
        Paleta = GifMakeMapObject(Cores, nullptr);
        std::vector<GifByteType> saida(r.size());
        int tamanho = Cores;
        if (!Paleta ||
            GifQuantizeBuffer(static_cast<unsigned>(r.size()), 1, &tamanho, r.data(), g.data(),
                              b.data(), saida.data(), Paleta->Colors) == GIF_ERROR)
            return Falha("GIF: paleta");
        MapeiaCelulas(tamanho);
        // giflib's entries are 5-bit colours scaled up (pure yellow comes out 248, 248, 0):
        // each entry becomes the mean of the sample colours it stands for, then the cells
        // are mapped again.
        std::vector<std::array<long long, 4>> soma(static_cast<std::size_t>(tamanho));
        for (std::size_t i = 0; i < r.size(); ++i) {
            const std::uint32_t pixel = 0xff000000u | r[i] << 16 | g[i] << 8 | b[i];
            auto& s = soma[Indices[static_cast<std::size_t>(Celula(pixel))]];
            s[0] += r[i];
            s[1] += g[i];
            s[2] += b[i];
            ++s[3];
        }
        for (int i = 0; i < tamanho; ++i) {
            const auto& s = soma[static_cast<std::size_t>(i)];
            if (s[3] > 0)
                Paleta->Colors[i] = {static_cast<GifByteType>((s[0] + s[3] / 2) / s[3]),
                                     static_cast<GifByteType>((s[1] + s[3] / 2) / s[3]),
                                     static_cast<GifByteType>((s[2] + s[3] / 2) / s[3])};
        }
        MapeiaCelulas(tamanho);
        return true;
    }

    // For every 5-bit colour cell, the nearest of the first `tamanho` palette entries.
    void MapeiaCelulas(int tamanho) {
        for (int c = 0; c < (1 << 3 * BitsCanal); ++c) {
            const int cr = ((c >> 10) & 31) << 3 | 4, cg = ((c >> 5) & 31) << 3 | 4,
                      cb = (c & 31) << 3 | 4;
            int melhor = 0, menor = 1 << 30;
            for (int i = 0; i < tamanho; ++i) {
                const GifColorType& cor = Paleta->Colors[i];
                const int dr = cr - cor.Red, dg = cg - cor.Green, db = cb - cor.Blue;
                const int d = dr * dr + dg * dg + db * db;
                if (d < menor) {
                    menor = d;
                    melhor = i;
                }
            }
            Indices[static_cast<std::size_t>(c)] = static_cast<GifPixelType>(melhor);
        }
    }

    GifFileType* Arquivo = nullptr;
    ColorMapObject* Paleta = nullptr;
    std::array<GifPixelType, 1 << 3 * BitsCanal> Indices{};
    std::vector<GifPixelType> Linha;
    int Largura = 0;
    int Altura = 0;
    GifWord Atraso = 10;
};

}  // namespace

std::unique_ptr<TCodificadorVideo> AbreGif(const std::string& caminho,
                                           const TParametrosVideo& parametros, std::string& erro) {
    auto gif = std::make_unique<TCodificadorGif>();
    if (gif->Abre(caminho, parametros))
        return gif;
    erro = gif->Erro();
    return nullptr;
}
