#include "GravaJpeg.h"

#include <jpeglib.h>
#include <cstdio>
#include <cstdlib>

QByteArray GravaJpeg(const QImage& imagem, int pontosPorPolegada, int qualidade) {
    const QImage rgb = imagem.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct info{};
    jpeg_error_mgr erro{};
    info.err = jpeg_std_error(&erro);
    jpeg_create_compress(&info);
    unsigned char* saida = nullptr;
    unsigned long tamanho = 0;
    jpeg_mem_dest(&info, &saida, &tamanho);

    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, qualidade, TRUE);
    for (int i = 0; i < info.num_components; ++i) {
        info.comp_info[i].h_samp_factor = 1;
        info.comp_info[i].v_samp_factor = 1;
    }
    info.write_JFIF_header = TRUE;
    info.density_unit = 1;  // dots per inch
    info.X_density = static_cast<UINT16>(pontosPorPolegada);
    info.Y_density = static_cast<UINT16>(pontosPorPolegada);

    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg takes non-const rows although it only reads them.
        auto linha = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &linha, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);

    QByteArray dados(reinterpret_cast<const char*>(saida), static_cast<qsizetype>(tamanho));
    std::free(saida);
    return dados;
}
