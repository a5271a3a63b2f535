#include "ComandoRepeticao.h"

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

}  // namespace

std::vector<std::string> ArgumentosExecucao(const TConfiguracao& c, std::uint32_t semente) {
    std::vector<std::string> argumentos{"--seed", std::to_string(semente)};
    const TConfiguracao padrao = ConfiguracaoPadrao(".");
    for (const auto& opcao : OpcoesExecucao()) {
        if (ValorColuna(c, opcao) == ValorColuna(padrao, opcao))
            continue;
        if (opcao.Tipo != TTipoOpcao::Chave)
            argumentos.insert(argumentos.end(), {"--" + opcao.Nome, ValorOpcao(c, opcao, ".")});
        else if (opcao.Nome == "scaling")
            argumentos.emplace_back("--no-scaling");
        else
            argumentos.push_back("--" + opcao.Nome);
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
