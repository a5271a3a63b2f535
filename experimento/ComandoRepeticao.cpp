#include "ComandoRepeticao.h"

#include "FormatoNumero.h"

#include <array>
#include <charconv>

namespace {

std::string Aspas(const std::string& argumento) {
    const bool simples =
        !argumento.empty() && argumento.find_first_not_of(
                                  "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRST"
                                  "UVWXYZ0123456789-_=.,/+%:") == std::string::npos;
    if (simples)
        return argumento;
    std::string texto = "'";
    for (const char c : argumento) {
        if (c == '\'')
            texto.append("'\\''");
        else
            texto.push_back(c);
    }
    texto.push_back('\'');
    return texto;
}

// The shortest text with a decimal point that quivora-run reads back as the same double. It
// reads through extended precision, so the shortest text that rounds correctly may not do;
// 21 significant digits always do, which leaves nothing for the extended rounding to move.
std::string TextoMaisCurto(double valor) {
    std::array<char, 40> texto{};
    for (int digitos = 1;; ++digitos) {
        const auto fim = std::to_chars(texto.data(), texto.data() + texto.size(), valor,
                                       std::chars_format::general, digitos)
                             .ptr;
        std::string lido(texto.data(), fim);
        if (digitos >= 21 || LeReal(lido, ".") == valor)
            return lido;
    }
}

}  // namespace

std::vector<std::string> ArgumentosExecucao(const TConfiguracao& c, std::uint32_t semente) {
    std::vector<std::string> argumentos{"--seed", std::to_string(semente)};
    const TConfiguracao padrao = ConfiguracaoPadrao(".");
    for (const auto& opcao : OpcoesExecucao()) {
        if (opcao.Tipo == TTipoOpcao::Tolerancia) {
            if (Diferenca(c) != Diferenca(padrao))
                argumentos.insert(argumentos.end(), {opcao.Opcao(), TextoMaisCurto(Diferenca(c))});
        } else if (ValorColuna(c, opcao) == ValorColuna(padrao, opcao)) {
            continue;
        } else if (opcao.Tipo == TTipoOpcao::Chave) {
            argumentos.push_back(opcao.Bandeira);  // a switch differs from its start value
        } else {
            argumentos.insert(argumentos.end(), {opcao.Opcao(), ValorColuna(c, opcao)});
        }
    }
    return argumentos;
}

std::vector<std::string> ArgumentosRepeticao(const TConfiguracao& c, int execucoes,
                                             std::uint32_t semente) {
    std::vector<std::string> argumentos = ArgumentosExecucao(c, semente);
    argumentos.insert(argumentos.begin(), {"--runs", std::to_string(execucoes)});
    return argumentos;
}

std::string LinhaDeComando(const std::vector<std::string>& argumentos) {
    std::string linha = "quivora-run";
    for (const auto& argumento : argumentos)
        linha.append(" ").append(Aspas(argumento));
    return linha;
}
