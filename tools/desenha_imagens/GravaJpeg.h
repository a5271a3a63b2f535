#pragma once

#include <QByteArray>
#include <QImage>

/// Encodes an image as a baseline colour JPEG with a JFIF header that states the given density
/// in dots per inch. No chroma subsampling, so thin black strokes on white stay sharp.
/// On an error libjpeg's standard handler prints the message and ends the tool.
QByteArray GravaJpeg(const QImage& imagem, int pontosPorPolegada, int qualidade);
