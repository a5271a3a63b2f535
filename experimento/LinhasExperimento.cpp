#include "LinhasExperimento.h"

TLinhasExperimento::TLinhasExperimento(std::string texto, std::string arquivo)
    : Leitor(std::move(texto)), Arquivo(std::move(arquivo)) {
    try {
        if (!Leitor.Proximo(Campos))
            throw EEntradaExperimento(Arquivo + ":1: empty, not an experiment CSV");
    } catch (const EFormatoCsv& e) {
        RecusaLinha({Arquivo, Leitor.Linha()}, e.what());
    }
    CabecalhoLido = LeCabecalho(std::move(Campos), Arquivo);
}

std::optional<TLinhaLida> TLinhasExperimento::Proxima() {
    try {
        if (!Leitor.Proximo(Campos))
            return std::nullopt;
    } catch (const EFormatoCsv& e) {
        RecusaLinha({Arquivo, Leitor.Linha()}, e.what());
    }
    return TLinhaLida(CabecalhoLido, std::move(Campos), {Arquivo, Leitor.Linha()});
}
