// A movie holds the frames it was given, at the size and pace asked, as the libraries that
// play such files read it back; cancelled or failed, it leaves no file behind.

#include "GravacaoVideo.h"

#include <gtest/gtest.h>

#ifdef QUIVORA_COM_MP4
extern "C" {
#include <libavformat/avformat.h>
}
#endif
#ifdef QUIVORA_COM_GIF
#include <gif_lib.h>
#endif

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace fs = std::filesystem;

namespace {

// A square that moves one step per frame over a gradient.
TQuadroVideo Quadro(int largura, int altura, int n) {
    TQuadroVideo q{largura, altura, {}};
    q.Pixels.resize(static_cast<std::size_t>(largura * altura));
    for (int y = 0; y < altura; ++y)
        for (int x = 0; x < largura; ++x) {
            const bool quadrado = x >= 4 * n && x < 4 * n + 16 && y >= 8 && y < 24;
            q.Pixels[static_cast<std::size_t>(y * largura + x)] =
                quadrado ? 0xffffff00u : 0xff000000u | static_cast<std::uint32_t>(y % 256);
        }
    return q;
}

class GravacaoVideo : public ::testing::Test {
protected:
    void SetUp() override {
        Raiz =
            fs::temp_directory_path() /
            ("quivora-video-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(Raiz);
        fs::create_directories(Raiz);
    }
    void TearDown() override { fs::remove_all(Raiz); }

    // Writes `quadros` frames and waits for the end.
    TGravacaoVideo::TEstado Grava(TFormatoVideo formato, const fs::path& arquivo, int largura,
                                  int altura, int quadros, int porSegundo) {
        TParametrosVideo p{largura, altura, porSegundo, {Quadro(largura, altura, 0)}};
        TGravacaoVideo gravacao(formato, arquivo.string(), p, [] {});
        for (int n = 0; n < quadros; ++n)
            gravacao.Entrega(Quadro(largura, altura, n));
        gravacao.Termina();
        while (gravacao.Estado() == TGravacaoVideo::TEstado::Gravando)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return gravacao.Estado();
    }

    [[nodiscard]] std::size_t Arquivos() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(Raiz), {}));
    }

    fs::path Raiz;
};

}  // namespace

#ifdef QUIVORA_COM_MP4
TEST_F(GravacaoVideo, Mp4TemOsQuadrosOTamanhoEORitmoPedidos) {
    const fs::path arquivo = Raiz / "filme.mp4";
    ASSERT_EQ(Grava(TFormatoVideo::Mp4, arquivo, 96, 64, 17, 5),
              TGravacaoVideo::TEstado::Concluida);
    EXPECT_EQ(Arquivos(), 1u);  // no partial file beside it

    AVFormatContext* entrada = nullptr;
    ASSERT_EQ(avformat_open_input(&entrada, arquivo.c_str(), nullptr, nullptr), 0);
    ASSERT_GE(avformat_find_stream_info(entrada, nullptr), 0);
    ASSERT_EQ(entrada->nb_streams, 1u);
    const AVStream& fluxo = *entrada->streams[0];
    EXPECT_EQ(fluxo.codecpar->codec_id, AV_CODEC_ID_H264);
    EXPECT_EQ(fluxo.codecpar->format, AV_PIX_FMT_YUV420P);
    EXPECT_EQ(fluxo.codecpar->width, 96);
    EXPECT_EQ(fluxo.codecpar->height, 64);
    EXPECT_EQ(av_q2d(fluxo.avg_frame_rate), 5.0);
    int pacotes = 0;
    AVPacket* pacote = av_packet_alloc();
    while (av_read_frame(entrada, pacote) >= 0) {
        ++pacotes;
        av_packet_unref(pacote);
    }
    av_packet_free(&pacote);
    avformat_close_input(&entrada);
    EXPECT_EQ(pacotes, 17);

    // faststart: the index ("moov") comes before the pictures ("mdat").
    std::ifstream bytes(arquivo, std::ios::binary);
    const std::string inicio((std::istreambuf_iterator<char>(bytes)), {});
    EXPECT_LT(inicio.find("moov"), inicio.find("mdat"));
}
#endif

#ifdef QUIVORA_COM_GIF
TEST_F(GravacaoVideo, GifTemOsQuadrosOTamanhoEORitmoPedidos) {
    const fs::path arquivo = Raiz / "filme.gif";
    ASSERT_EQ(Grava(TFormatoVideo::Gif, arquivo, 90, 40, 12, 25),
              TGravacaoVideo::TEstado::Concluida);
    EXPECT_EQ(Arquivos(), 1u);
    int erro = 0;
    GifFileType* gif = DGifOpenFileName(arquivo.c_str(), &erro);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    EXPECT_EQ(gif->ImageCount, 12);
    EXPECT_EQ(gif->SWidth, 90);
    EXPECT_EQ(gif->SHeight, 40);
    GraphicsControlBlock controle{};
    ASSERT_EQ(DGifSavedExtensionToGCB(gif, 11, &controle), GIF_OK);
    EXPECT_EQ(controle.DelayTime, 4);  // hundredths of a second at 25 per second
    // The yellow square of the last frame reads back yellow.
    const SavedImage& ultimo = gif->SavedImages[11];
    const GifColorType cor = gif->SColorMap->Colors[ultimo.RasterBits[10 * 90 + 50]];
    EXPECT_EQ((std::array<int, 3>{cor.Red, cor.Green, cor.Blue}),
              (std::array<int, 3>{255, 255, 0}));
    DGifCloseFile(gif, &erro);
}
#endif

// Cancelled midway, or unable to write, a movie leaves nothing: neither under its name nor
// beside it.
TEST_F(GravacaoVideo, CanceladoOuFalhoNaoDeixaArquivo) {
    if (!MotivoSemFormato(TFormatoVideo::Mp4).empty() &&
        !MotivoSemFormato(TFormatoVideo::Gif).empty())
        GTEST_SKIP() << "built without any movie format";
    for (const TFormatoVideo formato : {TFormatoVideo::Mp4, TFormatoVideo::Gif}) {
        if (!MotivoSemFormato(formato).empty())
            continue;
        const fs::path arquivo = Raiz / (std::string("filme.") + SufixoFormato(formato));
        {
            TGravacaoVideo gravacao(formato, arquivo.string(), {64, 32, 10, {}}, [] {});
            for (int n = 0; n < 8; ++n)
                gravacao.Entrega(Quadro(64, 32, n));
            while (gravacao.Gravados() < 2)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            gravacao.Cancela();
            while (gravacao.Estado() == TGravacaoVideo::TEstado::Gravando)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            EXPECT_EQ(gravacao.Estado(), TGravacaoVideo::TEstado::Cancelada);
            EXPECT_EQ(Arquivos(), 0u);
        }
        EXPECT_EQ(Grava(formato, Raiz / "falta" / arquivo.filename(), 64, 32, 3, 10),
                  TGravacaoVideo::TEstado::Falhou);
        // A frame of another size fails the movie, and its partial file goes.
        TGravacaoVideo errado(formato, arquivo.string(), {64, 32, 10, {}}, [] {});
        errado.Entrega(Quadro(32, 32, 0));
        errado.Termina();
        while (errado.Estado() == TGravacaoVideo::TEstado::Gravando)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        EXPECT_EQ(errado.Estado(), TGravacaoVideo::TEstado::Falhou);
        EXPECT_FALSE(errado.Erro().empty());
        EXPECT_EQ(Arquivos(), 0u);
    }
}
