#include "LeituraOpcoes.h"

#include "FormatoNumero.h"

#include <algorithm>
#include <charconv>

namespace {

bool Converte(const std::string& texto, const std::string& separador) {
    try {
        LeReal(texto, separador);
        return true;
    } catch (const EConversao&) {
        return false;
    }
}

}  // namespace

int LeInteiro(const std::string& opcao, const std::string& texto, const TFaixa& faixa) {
    long long valor = 0;
    const char* fim = texto.data() + texto.size();
    const auto [resto, erro] = std::from_chars(texto.data(), fim, valor);
    const bool valido = !texto.empty() && erro == std::errc() && resto == fim &&
                        valor >= faixa.Minimo && valor <= faixa.Maximo &&
                        (valor - faixa.Minimo) % faixa.Passo == 0;
    if (!valido) {
        std::string aceita = "a whole number from " + std::to_string(faixa.Minimo) + " to " +
                             std::to_string(faixa.Maximo);
        if (faixa.Passo > 1)
            aceita += " in steps of " + std::to_string(faixa.Passo);
        throw EOpcaoInvalida(opcao + " accepts " + aceita + ", not '" + texto + "'");
    }
    return static_cast<int>(valor);
}

std::string LeItem(const TOpcaoExecucao& linha, const std::string& texto) {
    if (!linha.NaoImplementado.empty() && texto == linha.NaoImplementado)
        throw EOpcaoInvalida(linha.Recusa);
    const auto& itens = linha.Itens;
    if (std::find(itens.begin(), itens.end(), texto) != itens.end())
        return texto;
    std::string lista;
    for (const auto& item : itens)
        if (linha.NaoImplementado.empty() || item != linha.NaoImplementado)
            lista += (lista.empty() ? "\"" : ", \"") + item + "\"";
    throw EOpcaoInvalida(linha.Opcao() + " accepts one of " + lista + ", not \"" + texto + "\"");
}

bool LeChave(const std::string& opcao, const std::string& texto) {
    if (texto != "on" && texto != "off")
        throw EOpcaoInvalida(opcao + " accepts on or off, not '" + texto + "'");
    return texto == "on";
}

std::string NaNotacao(const std::string& texto, const std::string& separador) {
    if (Converte(texto, separador))
        return texto;
    for (const std::string outro : {".", ","})
        if (outro != separador && Converte(texto, outro)) {
            std::string convertido = texto;
            convertido.replace(convertido.find(outro), outro.size(), separador);
            return convertido;
        }
    return texto;
}
