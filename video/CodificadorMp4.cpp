#include "CodificadorMp4.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace {

std::string TextoErro(const char* passo, int codigo) {
    char texto[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(codigo, texto, sizeof texto);
    return std::string(passo) + ": " + texto;
}

// libx264 where Debian's libavcodec has it; any other H.264 encoder otherwise.
const AVCodec* CodificadorH264() {
    if (const AVCodec* x264 = avcodec_find_encoder_by_name("libx264"))
        return x264;
    return avcodec_find_encoder(AV_CODEC_ID_H264);
}

class TCodificadorMp4 final : public TCodificadorVideo {
public:
    ~TCodificadorMp4() override {
        sws_freeContext(Conversao);
        av_frame_free(&Quadro);
        av_packet_free(&Pacote);
        avcodec_free_context(&Codec);
        if (Saida && Saida->pb)
            avio_closep(&Saida->pb);
        avformat_free_context(Saida);
    }

    bool Abre(const std::string& caminho, const TParametrosVideo& p) {
        // The encoder's statistics and notes are no business of the window's terminal.
        av_log_set_level(AV_LOG_ERROR);
        int r = avformat_alloc_output_context2(&Saida, nullptr, "mp4", caminho.c_str());
        if (r < 0)
            return Falha(TextoErro("MP4", r));
        const AVCodec* h264 = CodificadorH264();
        Fluxo = avformat_new_stream(Saida, nullptr);
        Codec = avcodec_alloc_context3(h264);
        if (!h264 || !Fluxo || !Codec)
            return Falha("Sem codificador H.264");
        Codec->width = p.Largura;
        Codec->height = p.Altura;
        Codec->time_base = {1, p.QuadrosPorSegundo};
        Codec->framerate = {p.QuadrosPorSegundo, 1};
        Codec->pix_fmt = AV_PIX_FMT_YUV420P;
        Codec->gop_size = 2 * p.QuadrosPorSegundo;  // a key frame every 2 s, for seeking
        // libswscale converts with the BT.601 matrix in limited range; say so, or players
        // would guess BT.709 for HD sizes and shift the colours.
        Codec->colorspace = AVCOL_SPC_SMPTE170M;
        Codec->color_primaries = AVCOL_PRI_SMPTE170M;
        Codec->color_trc = AVCOL_TRC_SMPTE170M;
        Codec->color_range = AVCOL_RANGE_MPEG;
        if (Saida->oformat->flags & AVFMT_GLOBALHEADER)
            Codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        // Flat colours and thin lines: fast settings keep them, at a quality close to lossless.
        av_opt_set(Codec->priv_data, "preset", "veryfast", 0);
        av_opt_set(Codec->priv_data, "tune", "animation", 0);
        av_opt_set(Codec->priv_data, "crf", "18", 0);
        if ((r = avcodec_open2(Codec, h264, nullptr)) < 0)
            return Falha(TextoErro("H.264", r));
        if ((r = avcodec_parameters_from_context(Fluxo->codecpar, Codec)) < 0)
            return Falha(TextoErro("MP4", r));
        Fluxo->time_base = Codec->time_base;
        Fluxo->avg_frame_rate = Codec->framerate;
        if ((r = avio_open(&Saida->pb, caminho.c_str(), AVIO_FLAG_WRITE)) < 0)
            return Falha(TextoErro(caminho.c_str(), r));
        // The index goes to the front when the file is closed, so that a browser starts
        // playing before it has the whole file.
        AVDictionary* opcoes = nullptr;
        av_dict_set(&opcoes, "movflags", "+faststart", 0);
        r = avformat_write_header(Saida, &opcoes);
        av_dict_free(&opcoes);
        if (r < 0)
            return Falha(TextoErro("MP4", r));

        Quadro = av_frame_alloc();
        Pacote = av_packet_alloc();
        if (!Quadro || !Pacote)
            return Falha("Sem memória");
        Quadro->format = Codec->pix_fmt;
        Quadro->width = p.Largura;
        Quadro->height = p.Altura;
        if ((r = av_frame_get_buffer(Quadro, 0)) < 0)
            return Falha(TextoErro("Quadro", r));
        Conversao = sws_getContext(p.Largura, p.Altura, AV_PIX_FMT_RGB32, p.Largura, p.Altura,
                                   AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr);
        if (!Conversao)
            return Falha("Sem conversão de cores");
        return true;
    }

    bool Acrescenta(const TQuadroVideo& q) override {
        if (q.Largura != Codec->width || q.Altura != Codec->height)
            return Falha("Quadro de outro tamanho");
        int r = av_frame_make_writable(Quadro);
        if (r < 0)
            return Falha(TextoErro("Quadro", r));
        const auto* origem = reinterpret_cast<const std::uint8_t*>(q.Pixels.data());
        const int linha = 4 * q.Largura;
        sws_scale(Conversao, &origem, &linha, 0, q.Altura, Quadro->data, Quadro->linesize);
        Quadro->pts = Proximo++;
        return Envia(Quadro);
    }

    bool Conclui() override {
        if (!Envia(nullptr))
            return false;
        int r = av_write_trailer(Saida);
        if (r < 0)
            return Falha(TextoErro("MP4", r));
        if ((r = avio_closep(&Saida->pb)) < 0)
            return Falha(TextoErro("MP4", r));
        return true;
    }

private:
    // Hands a frame (null: the end) to the encoder and writes every packet it gives back.
    bool Envia(const AVFrame* quadro) {
        int r = avcodec_send_frame(Codec, quadro);
        if (r < 0)
            return Falha(TextoErro("H.264", r));
        while ((r = avcodec_receive_packet(Codec, Pacote)) >= 0) {
            av_packet_rescale_ts(Pacote, Codec->time_base, Fluxo->time_base);
            Pacote->stream_index = Fluxo->index;
            if ((r = av_interleaved_write_frame(Saida, Pacote)) < 0)
                return Falha(TextoErro("MP4", r));
        }
        if (r != AVERROR(EAGAIN) && r != AVERROR_EOF)
            return Falha(TextoErro("H.264", r));
        return true;
    }

    AVFormatContext* Saida = nullptr;
    AVStream* Fluxo = nullptr;
    AVCodecContext* Codec = nullptr;
    AVFrame* Quadro = nullptr;
    AVPacket* Pacote = nullptr;
    SwsContext* Conversao = nullptr;
    std::int64_t Proximo = 0;
};

}  // namespace

bool TemCodificadorH264() {
    return CodificadorH264() != nullptr;
}

std::unique_ptr<TCodificadorVideo> AbreMp4(const std::string& caminho,
                                           const TParametrosVideo& parametros, std::string& erro) {
    auto mp4 = std::make_unique<TCodificadorMp4>();
    if (mp4->Abre(caminho, parametros))
        return mp4;
    erro = mp4->Erro();
    return nullptr;
}
