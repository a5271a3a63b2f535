#include "AjudaPainel.h"

#include "Configuracao.h"

#include <utility>
#include <vector>

namespace {

constexpr std::size_t Recuo = 23;    // where the texts start
constexpr std::size_t Largura = 90;  // where they wrap

std::string Mostra(const TOpcaoExecucao& opcao, const std::string& valor) {
    return opcao.Tipo == TTipoOpcao::Item ? "\"" + valor + "\"" : valor;
}

// "a, b or c".
std::string Enumera(const std::vector<std::string>& partes) {
    std::string texto;
    for (std::size_t i = 0; i < partes.size(); ++i)
        texto += (i == 0 ? "" : i + 1 == partes.size() ? " or " : ", ") + partes[i];
    return texto;
}

// The values the option takes, as the panel offers them.
std::string Valores(const TOpcaoExecucao& opcao) {
    if (opcao.Tipo == TTipoOpcao::Item) {
        std::vector<std::string> itens;
        for (const auto& item : opcao.Itens)
            if (opcao.NaoImplementado.empty() || item != opcao.NaoImplementado)
                itens.push_back(Mostra(opcao, item));
        return Enumera(itens);
    }
    const TFaixa& f = opcao.Faixa;
    const std::string maximo = opcao.MaximoSegue.empty() ? std::to_string(f.Maximo)
                                                         : "the value of --" + opcao.MaximoSegue;
    return std::to_string(f.Minimo) + ".." + maximo +
           (f.Passo > 1 ? ", step " + std::to_string(f.Passo) : "");
}

// What the interlocks that this option sets demand of the others.
std::string NotasTravas(const TOpcaoExecucao& opcao) {
    std::string texto;
    for (const auto& trava : Travas()) {
        if (trava.Opcao != opcao.Nome)
            continue;
        std::vector<std::string> fixas;
        for (const auto& [nome, valor] : trava.Fixa) {
            const TOpcaoExecucao& fixa = *ProcuraOpcao(nome);
            fixas.push_back(fixa.Opcao() + " " + Mostra(fixa, valor));
        }
        std::string lista = Enumera(fixas);
        if (const std::size_t ou = lista.rfind(" or "); ou != std::string::npos)
            lista.replace(ou, 4, " and ");
        texto += "; " + (opcao.Tipo == TTipoOpcao::Chave ? "" : Mostra(opcao, trava.Valor) + " ") +
                 "needs " + lista;
    }
    return texto;
}

// The option's head, and what it is, takes and starts at.
std::pair<std::string, std::string> Partes(const TOpcaoExecucao& opcao) {
    switch (opcao.Tipo) {
        case TTipoOpcao::Chave:
            return {opcao.Bandeira, opcao.Ajuda + " (" + opcao.Nome + " " + opcao.Padrao + ")"};
        case TTipoOpcao::Tolerancia:
            return {opcao.Opcao() + " TEXT", opcao.Ajuda + " (" + opcao.Padrao + ")"};
        case TTipoOpcao::Item:
            return {opcao.Opcao() + " TEXT",
                    opcao.Ajuda + ": " + Valores(opcao) + " (" + Mostra(opcao, opcao.Padrao) + ")"};
        case TTipoOpcao::Numero:
            break;
    }
    return {opcao.Opcao() + " N", opcao.Ajuda + ", " + Valores(opcao) + " (" + opcao.Padrao + ")"};
}

std::string Entrada(const TOpcaoExecucao& opcao) {
    auto [cabeca, texto] = Partes(opcao);
    texto += NotasTravas(opcao);
    if (!opcao.NotaAjuda.empty())
        texto += "; " + opcao.NotaAjuda;
    return EntradaAjuda(cabeca, texto);
}

// The text's words; a caption between quotes is one, so that no line breaks inside it.
std::vector<std::string> Palavras(const std::string& texto) {
    std::vector<std::string> palavras(1);
    bool entreAspas = false;
    for (const char c : texto) {
        if (c == ' ' && !entreAspas) {
            if (!palavras.back().empty())
                palavras.emplace_back();
            continue;
        }
        if (c == '"')
            entreAspas = !entreAspas;
        palavras.back() += c;
    }
    if (palavras.back().empty())
        palavras.pop_back();
    return palavras;
}

}  // namespace

std::string EntradaAjuda(const std::string& cabeca, const std::string& texto) {
    std::string linha = "  " + cabeca;
    linha += linha.size() + 2 <= Recuo ? std::string(Recuo - linha.size(), ' ')
                                       : "\n" + std::string(Recuo, ' ');
    std::string saida;
    bool primeira = true;
    for (const std::string& palavra : Palavras(texto)) {
        if (!primeira && (linha.size() + 1 + palavra.size() > Largura)) {
            saida += linha + "\n";
            linha = std::string(Recuo, ' ');
            primeira = true;
        }
        linha += (primeira ? "" : " ") + palavra;
        primeira = false;
    }
    return saida + linha + "\n";
}

std::string AjudaPainel() {
    std::string texto;
    for (const auto& opcao : OpcoesExecucao())
        texto += Entrada(opcao);
    return texto;
}

std::string NomesVariaveis() {
    std::vector<std::string> nomes;
    std::vector<std::string> chaves;
    for (const auto& opcao : OpcoesExecucao())
        (opcao.Tipo == TTipoOpcao::Chave ? chaves : nomes).push_back(opcao.Nome);
    std::string texto;
    for (const auto& nome : nomes)
        texto += (texto.empty() ? "" : ", ") + nome;
    texto += ";";
    for (std::size_t i = 0; i < chaves.size(); ++i)
        texto += (i == 0 ? " " : ", ") + chaves[i];
    return texto + " with on/off";
}
