#pragma once

#include <string>

/// The movie files Quivora writes: MP4 with H.264 in yuv420p, which presentation programs and
/// browsers play, and animated GIF.
enum class TFormatoVideo { Mp4, Gif };

/// Why this build or this machine cannot write the format, in the window's words; empty when
/// it can. MP4 needs FFmpeg's libraries at build time and an H.264 encoder in libavcodec at
/// run time; GIF needs giflib at build time.
std::string MotivoSemFormato(TFormatoVideo formato);

/// The file name suffix of the format, without its dot.
const char* SufixoFormato(TFormatoVideo formato);
