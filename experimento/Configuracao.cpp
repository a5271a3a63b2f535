#include "Configuracao.h"

#include "FormatoNumero.h"

#include <algorithm>
#include <charconv>
#include <functional>

namespace {

// A numeric option: its range and step, as the panel's spin edit has them.
struct TFaixa {
    long long Minimo;
    long long Maximo;
    long long Passo;
};

[[noreturn]] void Recusa(const std::string& mensagem) {
    throw EOpcaoInvalida(mensagem);
}

int Inteiro(const std::string& nome, const std::string& texto, TFaixa faixa) {
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
        Recusa("--" + nome + " accepts " + aceita + ", not '" + texto + "'");
    }
    return static_cast<int>(valor);
}

std::string Item(const std::string& nome, const std::string& texto,
                 const std::vector<std::string>& itens) {
    if (std::find(itens.begin(), itens.end(), texto) != itens.end())
        return texto;
    std::string lista;
    for (const auto& item : itens)
        lista += (lista.empty() ? "\"" : ", \"") + item + "\"";
    Recusa("--" + nome + " accepts one of " + lista + ", not \"" + texto + "\"");
}

bool Chave(const std::string& nome, const std::string& texto) {
    if (texto != "on" && texto != "off")
        Recusa("--" + nome + " accepts on or off, not '" + texto + "'");
    return texto == "on";
}

const std::vector<std::string> ItensSelecao{Legenda::Roleta, Legenda::Torneio};
const std::vector<std::string> ItensCruzamento{Legenda::UmPonto, Legenda::DoisPontos,
                                               Legenda::Uniforme};
const std::vector<std::string> ItensMutacao{Legenda::Flip, Legenda::MutarPara1, Legenda::MutarPara0,
                                            Legenda::Inversao};
const std::vector<std::string> ItensSubstituicao{Legenda::Imediata, Legenda::Insercao, ""};
const std::vector<std::string> ItensParada{Legenda::NGeracoes, Legenda::PrimeiraSituacao};

bool Converte(const std::string& texto, const std::string& separador) {
    try {
        LeReal(texto, separador);
        return true;
    } catch (const EConversao&) {
        return false;
    }
}

// A tolerance is read with the configuration's decimal separator, or else with a decimal point
// or a decimal comma, and kept in the configuration's notation: a command reads the same under
// any locale. The number format groups no digits, so neither mark can mean anything else. A
// text that reads in none is kept as it is, for the run's own conversion message.
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

std::string Texto(int valor) {
    return std::to_string(valor);
}

std::string Texto(bool valor) {
    return valor ? "1" : "0";
}

}  // namespace

const std::vector<TOpcaoExecucao>& OpcoesExecucao() {
    using T = TConfiguracao;
    using S = const std::string&;
    static const std::vector<TOpcaoExecucao> tabela{
        {"pop", "pop", TTipoOpcao::Numero,
         [](T& c, S v) {
             c.Painel.Valores.TamPop = Inteiro("pop", v, {2, 200, 2});
         },
         [](const T& c) { return Texto(c.Painel.Valores.TamPop); }},
        {"chrom", "chrom", TTipoOpcao::Numero,
         [](T& c, S v) {
             c.Painel.Valores.TamCrom = Inteiro("chrom", v, {18, 100, 2});
         },
         [](const T& c) { return Texto(c.Painel.Valores.TamCrom); }},
        {"selection", "selection", TTipoOpcao::Item,
         [](T& c, S v) {
             if (v == Legenda::NMelhores)
                 Recusa("Tipo de Seleção não implementado.");
             c.Painel.Valores.TipoSel = Item("selection", v, ItensSelecao);
         },
         [](const T& c) { return c.Painel.Valores.TipoSel; }},
        {"tournament", "tournament", TTipoOpcao::Numero,
         [](T& c, S v) {
             c.Torneio = Inteiro("tournament", v, {1, c.Painel.Valores.TamPop, 1});
         },
         [](const T& c) { return Texto(c.Torneio); }},
        {"crossover", "crossover", TTipoOpcao::Item,
         [](T& c, S v) { c.Painel.Valores.TipoCruz = Item("crossover", v, ItensCruzamento); },
         [](const T& c) { return c.Painel.Valores.TipoCruz; }},
        {"crossover-rate", "crossover_rate", TTipoOpcao::Numero,
         [](T& c, S v) {
             c.Painel.Valores.TaxaCruz = Inteiro("crossover-rate", v, {2, 100, 2});
         },
         [](const T& c) { return Texto(c.Painel.Valores.TaxaCruz); }},
        {"mutation", "mutation", TTipoOpcao::Item,
         [](T& c, S v) { c.Painel.Valores.TipoMut = Item("mutation", v, ItensMutacao); },
         [](const T& c) { return c.Painel.Valores.TipoMut; }},
        {"mutation-rate", "mutation_rate", TTipoOpcao::Numero,
         [](T& c, S v) {
             c.Painel.Valores.TaxaMut = Inteiro("mutation-rate", v, {0, 30, 1});
         },
         [](const T& c) { return Texto(c.Painel.Valores.TaxaMut); }},
        {"generations", "generations_limit", TTipoOpcao::Numero,
         [](T& c, S v) {
             c.Painel.Valores.LimGer = Inteiro("generations", v, {10, 1000, 5});
         },
         [](const T& c) { return Texto(c.Painel.Valores.LimGer); }},
        {"replacement", "replacement", TTipoOpcao::Item,
         [](T& c, S v) { c.Painel.Valores.TipoSubs = Item("replacement", v, ItensSubstituicao); },
         [](const T& c) { return c.Painel.Valores.TipoSubs; }},
        {"min", "min", TTipoOpcao::Numero,
         [](T& c, S v) {
             c.Painel.Valores.ValMin = Inteiro("min", v, {-100, 0, 10});
         },
         [](const T& c) { return Texto(c.Painel.Valores.ValMin); }},
        {"max", "max", TTipoOpcao::Numero,
         [](T& c, S v) {
             c.Painel.Valores.ValMax = Inteiro("max", v, {0, 100, 10});
         },
         [](const T& c) { return Texto(c.Painel.Valores.ValMax); }},
        {"tolerance", "tolerance", TTipoOpcao::Tolerancia,
         [](T& c, S v) { c.Painel.TextoDiferenca = NaNotacao(v, c.Painel.SeparadorDecimal); },
         [](const T& c) { return FormataReal(Diferenca(c), "."); }},
        {"stop", "stop", TTipoOpcao::Item,
         [](T& c, S v) { c.Painel.Valores.CritParada = Item("stop", v, ItensParada); },
         [](const T& c) { return c.Painel.Valores.CritParada; }},
        {"elitism", "elitism", TTipoOpcao::Chave,
         [](T& c, S v) { c.Elitismo = Chave("elitism", v); },
         [](const T& c) { return Texto(c.Elitismo); }},
        {"scaling", "scaling", TTipoOpcao::Chave,
         [](T& c, S v) { c.Escalonamento = Chave("scaling", v); },
         [](const T& c) { return Texto(c.Escalonamento); }},
        {"parallel", "parallel", TTipoOpcao::Chave,
         [](T& c, S v) { c.Paralelo = Chave("parallel", v); },
         [](const T& c) { return Texto(c.Paralelo); }},
    };
    return tabela;
}

TConfiguracao ConfiguracaoPadrao(const std::string& separadorDecimal) {
    TConfiguracao c;
    c.Painel = PainelPadrao(separadorDecimal);
    return c;
}

const TOpcaoExecucao* ProcuraOpcao(const std::string& nome) {
    for (const auto& opcao : OpcoesExecucao())
        if (opcao.Nome == nome)
            return &opcao;
    return nullptr;
}

void AplicaOpcao(TConfiguracao& c, const std::string& nome, const std::string& valor) {
    const TOpcaoExecucao* opcao = ProcuraOpcao(nome);
    if (opcao == nullptr)
        Recusa("unknown run option '" + nome + "'");
    opcao->Le(c, valor);
}

void ConfereTravas(const TConfiguracao& c) {
    const TParametros& p = c.Painel.Valores;
    if (c.Torneio < 1 || c.Torneio > p.TamPop)
        Recusa("--tournament accepts a whole number from 1 to " + Texto(p.TamPop) + ", not '" +
               Texto(c.Torneio) + "'");
    if (c.Paralelo &&
        (p.TipoCruz != Legenda::UmPonto || p.TipoSubs != Legenda::Imediata || p.TaxaCruz != 100))
        Recusa(
            "--parallel accepts only --crossover \"1 ponto\", --replacement \"Imediata\" and "
            "--crossover-rate 100");
    if (p.TipoSubs == Legenda::Imediata && p.TaxaCruz != 100)
        Recusa("--crossover-rate accepts only 100 with --replacement \"Imediata\"");
}

std::string ValorColuna(const TConfiguracao& c, const TOpcaoExecucao& opcao) {
    return opcao.Escreve(c);
}

std::string ValorOpcao(const TConfiguracao& c, const TOpcaoExecucao& opcao,
                       const std::string& separador) {
    switch (opcao.Tipo) {
        case TTipoOpcao::Tolerancia:
            return FormataReal(Diferenca(c), separador);
        case TTipoOpcao::Chave:
            return ValorColuna(c, opcao) == "1" ? "on" : "off";
        default:
            return ValorColuna(c, opcao);
    }
}

double Diferenca(const TConfiguracao& c) {
    return LeReal(c.Painel.TextoDiferenca, c.Painel.SeparadorDecimal);
}
