#include "DecodificaJpeg.h"

#include <jpeglib.h>
#include <csetjmp>
#include <cstdio>
#include <memory>

namespace {

// libjpeg reports a fatal error through error_exit, which must not return. It jumps back to
// DecodificaJpeg, which releases the decompressor and gives a null image. Only C frames of
// libjpeg lie between the jump and its target, so no C++ destructor is skipped.
struct TDecodificacao {
    jpeg_decompress_struct info{};
    jpeg_error_mgr erro{};
    std::jmp_buf salto{};
    QImage imagem;
};

[[noreturn]] void Falha(j_common_ptr info) {
    std::longjmp(static_cast<TDecodificacao*>(info->client_data)->salto, 1);
}

// Warnings (level -1) mean damaged data that libjpeg would patch over, such as a stream cut
// short that it pads with grey: treat them as failures. Trace messages are ignored.
void Mensagem(j_common_ptr info, int nivel) {
    if (nivel < 0)
        Falha(info);
}

void GuardaDensidade(const jpeg_decompress_struct& info, QImage& imagem) {
    constexpr double PolegadasPorMetro = 1.0 / 0.0254;
    double fator = 0;
    if (info.density_unit == 1)
        fator = PolegadasPorMetro;
    else if (info.density_unit == 2)
        fator = 100.0;
    if (fator > 0 && info.X_density > 0 && info.Y_density > 0) {
        imagem.setDotsPerMeterX(qRound(info.X_density * fator));
        imagem.setDotsPerMeterY(qRound(info.Y_density * fator));
    }
}

}  // namespace

QImage DecodificaJpeg(const QByteArray& dados) {
    if (dados.isEmpty())
        return {};

    // Everything that changes after setjmp lives on the heap behind a pointer that does not
    // change, so its values are still valid after a jump back.
    const auto d = std::make_unique<TDecodificacao>();
    d->info.client_data = d.get();
    d->info.err = jpeg_std_error(&d->erro);
    d->erro.error_exit = Falha;
    d->erro.emit_message = Mensagem;
    jpeg_create_decompress(&d->info);

    if (setjmp(d->salto)) {
        jpeg_destroy_decompress(&d->info);
        return {};
    }

    jpeg_mem_src(&d->info, reinterpret_cast<const unsigned char*>(dados.constData()),
                 static_cast<unsigned long>(dados.size()));
    jpeg_read_header(&d->info, TRUE);
    d->info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d->info);

    d->imagem = QImage(static_cast<int>(d->info.output_width),
                       static_cast<int>(d->info.output_height), QImage::Format_RGB888);
    if (d->imagem.isNull()) {
        jpeg_destroy_decompress(&d->info);
        return {};
    }
    while (d->info.output_scanline < d->info.output_height) {
        JSAMPROW linha = d->imagem.scanLine(static_cast<int>(d->info.output_scanline));
        jpeg_read_scanlines(&d->info, &linha, 1);
    }
    GuardaDensidade(d->info, d->imagem);
    jpeg_finish_decompress(&d->info);
    jpeg_destroy_decompress(&d->info);
    return std::move(d->imagem);
}
