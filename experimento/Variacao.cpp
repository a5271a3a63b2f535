#include "Variacao.h"

#include "FormatoNumero.h"

namespace {

// A list with a semicolon splits there; else one with decimal commas is one value, and any
// other splits at its commas.
std::vector<std::string> Divide(const std::string& lista, bool decimaisComVirgula) {
    const bool pontoEVirgula = lista.find(';') != std::string::npos;
    if (decimaisComVirgula && !pontoEVirgula)
        return {lista};
    const char separador = pontoEVirgula ? ';' : ',';
    std::vector<std::string> valores;
    std::size_t inicio = 0;
    for (;;) {
        const std::size_t fim = lista.find(separador, inicio);
        valores.push_back(lista.substr(inicio, fim - inicio));
        if (fim == std::string::npos)
            return valores;
        inicio = fim + 1;
    }
}

// Two configurations that differ only in `opcao` set it alike: tolerances by their value when
// both convert (0.01 and 0.010 are one), by their text when not.
bool MesmoValor(const TConfiguracao& a, const TConfiguracao& b, const TOpcaoExecucao& opcao) {
    if (opcao.Tipo == TTipoOpcao::Tolerancia) {
        try {
            return Diferenca(a) == Diferenca(b);
        } catch (const EConversao&) {
            return a.Painel.TextoDiferenca == b.Painel.TextoDiferenca;
        }
    }
    return ValorColuna(a, opcao) == ValorColuna(b, opcao);
}

// Each value of an axis must make a configuration of its own. Configurations k * passo,
// with the other axes at their first value, differ only in axis e's value k.
void ConfereRepetidos(const std::vector<TConfiguracao>& configuracoes,
                      const std::vector<TEixo>& eixos) {
    std::size_t passo = configuracoes.size();
    for (const auto& eixo : eixos) {
        passo /= eixo.Valores.size();
        for (std::size_t i = 0; i < eixo.Valores.size(); ++i)
            for (std::size_t j = i + 1; j < eixo.Valores.size(); ++j)
                if (MesmoValor(configuracoes[i * passo], configuracoes[j * passo], *eixo.Opcao))
                    throw EOpcaoInvalida("--vary " + eixo.Opcao->Nome +
                                         " gives the same value twice ('" + eixo.Valores[i] +
                                         "' and '" + eixo.Valores[j] + "')");
    }
}

std::string Juntos(const std::vector<std::string>& partes) {
    std::string texto;
    for (const auto& parte : partes)
        texto += (texto.empty() ? "" : " ") + parte;
    return texto;
}

}  // namespace

std::vector<std::string> DivideLista(const std::string& lista) {
    return Divide(lista, false);
}

std::vector<std::string> DivideTolerancias(const std::string& lista,
                                           const std::string& separadorDecimal) {
    return Divide(lista, separadorDecimal == "," && lista.find('.') == std::string::npos);
}

TEixo LeEixo(const std::string& texto, const std::string& separadorDecimal) {
    const std::size_t igual = texto.find('=');
    const std::string nome = texto.substr(0, igual);
    TEixo eixo;
    eixo.Opcao = ProcuraOpcao(nome);
    if (eixo.Opcao == nullptr)
        throw EOpcaoInvalida(
            "--vary accepts NAME=V1,V2,... with NAME a run option (pop, chrom, "
            "selection, ...), not '" +
            texto + "'");
    if (igual == std::string::npos || igual + 1 == texto.size())
        throw EOpcaoInvalida("--vary " + nome + " needs a list of values (" + nome + "=V1,V2,...)");
    // Tolerances under a decimal comma have commas of their own, unless the list writes its
    // numbers with decimal points, as it may in any locale.
    const std::string lista = texto.substr(igual + 1);
    eixo.Valores = eixo.Opcao->Tipo == TTipoOpcao::Tolerancia
                       ? DivideTolerancias(lista, separadorDecimal)
                       : DivideLista(lista);
    return eixo;
}

std::vector<TConfiguracao> Configuracoes(const TConfiguracao& base,
                                         const std::vector<TEixo>& eixos) {
    std::size_t total = 1;
    for (const auto& eixo : eixos) {
        total *= eixo.Valores.size();
        if (total > MaxConfiguracoes)
            throw EOpcaoInvalida("--vary gives more than " + std::to_string(MaxConfiguracoes) +
                                 " configurations");
    }
    std::vector<TConfiguracao> configuracoes;
    for (std::size_t k = 0; k < total; ++k) {
        // Digits of k in the mixed radix of the axes, the last axis the fastest.
        std::vector<std::size_t> escolha(eixos.size());
        for (std::size_t resto = k, e = eixos.size(); e-- > 0;) {
            escolha[e] = resto % eixos[e].Valores.size();
            resto /= eixos[e].Valores.size();
        }
        std::vector<std::string> partes;
        for (std::size_t e = 0; e < eixos.size(); ++e)
            if (eixos[e].Valores.size() > 1)
                partes.push_back(eixos[e].Opcao->Nome + "=" + eixos[e].Valores[escolha[e]]);
        TConfiguracao c = base;
        try {
            for (const bool torneio : {false, true})
                for (std::size_t e = 0; e < eixos.size(); ++e)
                    if ((eixos[e].Opcao->Nome == "tournament") == torneio)
                        AplicaOpcao(c, eixos[e].Opcao->Nome, eixos[e].Valores[escolha[e]]);
            ConfereTravas(c);
            ConfereTolerancia(c);
        } catch (const EOpcaoInvalida& e) {
            if (total == 1)
                throw;
            throw EOpcaoInvalida("configuration " + std::to_string(k + 1) + " (" + Juntos(partes) +
                                 "): " + e.what());
        }
        configuracoes.push_back(std::move(c));
    }
    ConfereRepetidos(configuracoes, eixos);
    return configuracoes;
}

std::vector<std::string> RotulosVariacao(const std::vector<TConfiguracao>& configuracoes,
                                         const std::string& separador) {
    std::vector<std::vector<std::string>> partes(configuracoes.size());
    for (const auto& opcao : OpcoesExecucao()) {
        bool difere = false;
        for (const auto& c : configuracoes)
            difere |= ValorColuna(c, opcao) != ValorColuna(configuracoes.front(), opcao);
        if (!difere)
            continue;
        for (std::size_t k = 0; k < configuracoes.size(); ++k)
            partes[k].push_back(opcao.Nome + "=" + ValorOpcao(configuracoes[k], opcao, separador));
    }
    std::vector<std::string> rotulos;
    rotulos.reserve(partes.size());
    for (const auto& p : partes)
        rotulos.push_back(p.empty() ? "-" : Juntos(p));
    return rotulos;
}
