// Fuzzes the command that "Copiar comando" hands out. The input chooses a configuration the
// panel allows (each option of the table of options within its range, step and items, the
// interlocks applied as the window applies them, any tolerance from 0 to below 1), the decimal
// separators of the window that wrote the command and of the quivora-run that reads it, a seed
// and a number of runs. The arguments, read back by LeOpcoes, must give that configuration
// again: every option's value, the tolerance to the last bit, the seed and the runs.
#include "ComandoRepeticao.h"
#include "Falha.h"
#include "FormatoNumero.h"
#include "OpcoesLinha.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

/// The input's bytes, one draw after another; zeros once it is used up.
class TBytes {
public:
    TBytes(const std::uint8_t* dados, std::size_t tamanho) : Dados(dados), Tamanho(tamanho) {}

    std::uint64_t Le(int bytes) {
        std::uint64_t valor = 0;
        for (int i = 0; i < bytes; ++i)
            valor = valor << 8 | (Posicao < Tamanho ? Dados[Posicao++] : 0);
        return valor;
    }

private:
    const std::uint8_t* Dados;
    std::size_t Tamanho;
    std::size_t Posicao = 0;
};

// Any double from 0 to below 1: the bytes as a double where they are one, else scaled.
double Tolerancia(std::uint64_t bits) {
    double valor = 0;
    std::memcpy(&valor, &bits, sizeof valor);
    if (valor >= 0 && valor < 1)
        return valor;
    return static_cast<double>(bits >> 11) * 0x1p-53;
}

// The window's tolerance text for `valor`: far more digits than a double holds, so that it
// reads as `valor` (or as its neighbour, which the caller then takes).
std::string TextoJanela(double valor, const std::string& separador) {
    std::array<char, 64> texto{};
    const auto fim = std::to_chars(texto.data(), texto.data() + texto.size(), valor,
                                   std::chars_format::scientific, 25)
                         .ptr;
    std::string escrito(texto.data(), fim);
    escrito.replace(escrito.find('.'), 1, separador);
    return escrito;
}

std::string Valor(const TOpcaoExecucao& opcao, const TConfiguracao& c, TBytes& bytes) {
    if (opcao.Tipo == TTipoOpcao::Chave)
        return bytes.Le(1) % 2 ? "on" : "off";
    if (opcao.Tipo == TTipoOpcao::Item) {
        std::vector<std::string> itens;
        for (const auto& item : opcao.Itens)
            if (opcao.NaoImplementado.empty() || item != opcao.NaoImplementado)
                itens.push_back(item);
        return itens[bytes.Le(1) % itens.size()];
    }
    const TFaixa& f = opcao.Faixa;
    const int maximo = opcao.MaximoSegue.empty()
                           ? f.Maximo
                           : std::stoi(ValorColuna(c, *ProcuraOpcao(opcao.MaximoSegue)));
    const auto passos = static_cast<std::uint64_t>((maximo - f.Minimo) / f.Passo + 1);
    return std::to_string(f.Minimo + f.Passo * static_cast<int>(bytes.Le(2) % passos));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    TBytes bytes(dados, tamanho);
    const std::uint64_t separadores = bytes.Le(1);
    const std::string separadorJanela = separadores & 1 ? "," : ".";
    const std::string separadorLeitura = separadores & 2 ? "," : ".";
    TConfiguracao c = ConfiguracaoPadrao(separadorJanela);
    for (const auto& opcao : OpcoesExecucao())
        if (opcao.Tipo == TTipoOpcao::Tolerancia)
            c.Painel.TextoDiferenca = TextoJanela(Tolerancia(bytes.Le(8)), separadorJanela);
        else
            AplicaOpcao(c, opcao.Nome, Valor(opcao, c, bytes));
    for (const auto& trava : Travas())
        if (ValorOpcao(c, *ProcuraOpcao(trava.Opcao), ".") == trava.Valor)
            for (const auto& [nome, valor] : trava.Fixa)
                AplicaOpcao(c, nome, valor);
    double tolerancia = 0;
    try {
        tolerancia = Diferenca(c);
    } catch (const EConversao&) {
        return 0;  // the window's run stops there, and hands out no command
    }
    if (!(tolerancia >= 0 && tolerancia < 1))
        return 0;
    const auto semente = static_cast<std::uint32_t>(bytes.Le(4));
    const int execucoes = static_cast<int>(bytes.Le(2) % 1000) + 1;
    const bool experimento = execucoes > 1;

    const std::vector<std::string> argumentos =
        experimento ? ArgumentosRepeticao(c, execucoes, semente) : ArgumentosExecucao(c, semente);
    TOpcoes lidas;
    try {
        lidas = LeOpcoes(argumentos, separadorLeitura);
    } catch (const EOpcaoInvalida& e) {
        Falha(LinhaDeComando(argumentos) + " is refused: " + e.what());
    }
    if (lidas.Configuracoes.size() != 1 || !lidas.Semente || *lidas.Semente != semente ||
        lidas.Experimento.Ativo != experimento ||
        (experimento && lidas.Experimento.Execucoes != execucoes))
        Falha(LinhaDeComando(argumentos) + " does not repeat the seed and the runs");
    const TConfiguracao& lida = lidas.Config();
    for (const auto& opcao : OpcoesExecucao()) {
        const bool igual = opcao.Tipo == TTipoOpcao::Tolerancia
                               ? std::signbit(Diferenca(lida)) == std::signbit(tolerancia) &&
                                     Diferenca(lida) == tolerancia
                               : ValorColuna(lida, opcao) == ValorColuna(c, opcao);
        if (!igual)
            Falha(LinhaDeComando(argumentos) + " reads back another " + opcao.Nome);
    }
    return 0;
}
