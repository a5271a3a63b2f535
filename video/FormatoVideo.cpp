#include "FormatoVideo.h"

#include "CodificadorMp4.h"

std::string MotivoSemFormato(TFormatoVideo formato) {
    switch (formato) {
        case TFormatoVideo::Mp4:
#ifdef QUIVORA_COM_MP4
            if (!TemCodificadorH264())
                return "A libavcodec desta máquina não tem codificador H.264 (libx264)";
            return {};
#else
            return "Compilado sem FFmpeg (libavcodec, libavformat, libswscale): sem MP4";
#endif
        case TFormatoVideo::Gif:
#ifdef QUIVORA_COM_GIF
            return {};
#else
            return "Compilado sem a giflib: sem GIF animado";
#endif
    }
    return {};
}

const char* SufixoFormato(TFormatoVideo formato) {
    return formato == TFormatoVideo::Mp4 ? "mp4" : "gif";
}
