#include "LinhasExperimento.h"

namespace {

constexpr std::string_view MarcaDeOrdem = "\xEF\xBB\xBF";

}  // namespace

std::string_view SemMarcaDeOrdem(std::string_view texto) {
    if (texto.substr(0, MarcaDeOrdem.size()) == MarcaDeOrdem)
        texto.remove_prefix(MarcaDeOrdem.size());
    return texto;
}

namespace {

std::string SemMarca(std::string texto) {
    if (SemMarcaDeOrdem(texto).size() < texto.size())
        texto.erase(0, MarcaDeOrdem.size());
    return texto;
}

// A blank line reads as one empty field.
bool EmBranco(const std::vector<std::string>& campos) {
    return campos.size() == 1 && campos.front().empty();
}

}  // namespace

TLinhasExperimento::TLinhasExperimento(std::string texto, std::string arquivo)
    : Leitor(SemMarca(std::move(texto))), Arquivo(std::move(arquivo)) {
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
        do {
            if (!Leitor.Proximo(Campos))
                return std::nullopt;
        } while (EmBranco(Campos));
    } catch (const EFormatoCsv& e) {
        RecusaLinha({Arquivo, Leitor.Linha()}, e.what());
    }
    return TLinhaLida(CabecalhoLido, std::move(Campos), {Arquivo, Leitor.Linha()});
}
