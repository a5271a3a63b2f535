#pragma once

#include <QByteArray>
#include <QImage>

/// Decodes a JPEG image held in memory with libjpeg. Greyscale and colour (YCbCr) pictures
/// come back as QImage::Format_RGB888, with the JFIF density, when the file states one in
/// dots per inch or per centimetre, as the image's dots per metre.
///
/// Decoding is strict: a damaged, truncated or unsupported stream (anything libjpeg reports as
/// an error or even as a warning), an empty array and an image too large to allocate all give
/// a null QImage. libjpeg's own error handler would end the process; this one never does.
QImage DecodificaJpeg(const QByteArray& dados);
