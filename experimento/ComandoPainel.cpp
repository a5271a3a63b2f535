#include "ComandoPainel.h"

#include "FormatoNumero.h"
#include "OpcoesLinha.h"

#include <string_view>

namespace {

const std::string Programa = "quivora-run";

[[noreturn]] void Recusa(const std::string& mensagem) {
    throw EOpcaoInvalida(mensagem);
}

// The characters a shell would expand or act on when unquoted.
constexpr std::string_view SoDoShell = "$`;&|<>()*?[~#";

bool EhPrograma(const std::string& palavra) {
    return palavra == Programa || (palavra.size() > Programa.size() &&
                                   palavra.compare(palavra.size() - Programa.size() - 1,
                                                   std::string::npos, "/" + Programa) == 0);
}

// What quivora-run takes from the command but the panel has no control for, or "".
std::string ForaDoPainel(const TOpcoes& o) {
    if (o.Ajuda)
        return "--help";
    if (o.Versao)
        return "--version";
    if (!o.Experimento.Resumir.empty())
        return "--summarize";
    if (o.Experimento.Ativo)
        return "as opções de experimento";
    if (o.Series)
        return "--series";
    if (!o.Rastro.empty())
        return "--trace";
    return {};
}

}  // namespace

std::vector<std::string> PalavrasDoComando(const std::string& linha) {
    std::vector<std::string> palavras;
    std::string palavra;
    bool emPalavra = false;
    for (std::size_t i = 0; i < linha.size(); ++i) {
        const char c = linha[i];
        if (c == ' ' || c == '\t') {
            if (emPalavra)
                palavras.push_back(std::move(palavra));
            palavra.clear();
            emPalavra = false;
            continue;
        }
        emPalavra = true;
        if (c == '\'') {
            const std::size_t fim = linha.find('\'', i + 1);
            if (fim == std::string::npos)
                Recusa("O comando abre aspas simples que não fecha");
            palavra.append(linha, i + 1, fim - i - 1);
            i = fim;
        } else if (c == '"') {
            for (++i; i < linha.size() && linha[i] != '"'; ++i) {
                if (linha[i] == '$' || linha[i] == '`')
                    Recusa(std::string("O comando tem ") + linha[i] +
                           " entre aspas duplas, que só um shell expande");
                if (linha[i] == '\\' && i + 1 < linha.size() &&
                    std::string_view("\\\"$`").find(linha[i + 1]) != std::string_view::npos)
                    ++i;
                palavra.push_back(linha[i]);
            }
            if (i >= linha.size())
                Recusa("O comando abre aspas duplas que não fecha");
        } else if (c == '\\') {
            if (++i >= linha.size())
                Recusa("O comando termina numa barra invertida");
            palavra.push_back(linha[i]);
        } else if (SoDoShell.find(c) != std::string_view::npos) {
            Recusa(std::string("O comando tem ") + c + " fora de aspas, que só um shell entende");
        } else {
            palavra.push_back(c);
        }
    }
    if (emPalavra)
        palavras.push_back(std::move(palavra));
    return palavras;
}

TComandoPainel LeComandoPainel(const std::string& linha, const std::string& separador) {
    std::vector<std::string> palavras = PalavrasDoComando(linha);
    if (palavras.empty() || !EhPrograma(palavras.front()))
        Recusa("O comando começa por " + Programa);
    palavras.erase(palavras.begin());
    TOpcoes opcoes;
    try {
        opcoes = LeOpcoes(palavras, separador);
    } catch (const EOpcaoInvalida& erro) {
        Recusa(Programa + ": " + erro.what());
    }
    if (const std::string fora = ForaDoPainel(opcoes); !fora.empty())
        Recusa("O painel não mostra " + fora + ": “Repetir comando…” repete uma execução");
    TComandoPainel comando{opcoes.Config(), opcoes.Semente};
    try {
        (void)Diferenca(comando.Config);  // quivora-run's conversion error, before any run
    } catch (const EConversao& erro) {
        Recusa(erro.what());
    }
    return comando;
}
