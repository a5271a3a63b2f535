#include "Resumo.h"

#include "Holm.h"
#include "TestesPareados.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

TResumo::TResumo(const std::vector<TConfiguracao>& configuracoes, const std::vector<double>& alvos,
                 const std::vector<std::int64_t>& orcamentos)
    : Amostras(configuracoes.size()), ListaAlvos(alvos), Orcamentos(orcamentos) {
    for (std::size_t k = 0; k < configuracoes.size(); ++k) {
        Amostras[k].TamPop = configuracoes[k].Painel.Valores.TamPop;
        Amostras[k].SucessosAlvo.resize(alvos.size());
        Amostras[k].AvaliacoesAlvo.assign(alvos.size(), 0);
        Amostras[k].MelhoresOrcamento.resize(orcamentos.size());
    }
}

void TResumo::Acrescenta(const TResultadoExecucao& r) {
    TAmostra& a = Amostras.at(static_cast<std::size_t>(r.Configuracao - 1));
    a.SementeBase = r.Semente - static_cast<std::uint32_t>(r.Execucao);
    a.Melhor1.push_back(r.MelhorAptidao1);
    a.Execucao.push_back(r.Execucao);
    a.Atingiu.push_back(r.Atingiu);
    if (r.Atingiu)
        a.Primeira.push_back(r.PrimeiraAtingida);
    else
        a.Falhas.push_back(r.Geracoes);
    for (std::size_t i = 0; i < ListaAlvos.size(); ++i) {
        const std::int64_t ate = r.AvaliacoesAlvos.at(i);
        if (ate >= 0)
            a.SucessosAlvo[i].push_back(ate);
        a.AvaliacoesAlvo[i] += ate >= 0 ? ate : ::Avaliacoes(a.TamPop, r.Geracoes);
    }
    for (std::size_t i = 0; i < Orcamentos.size(); ++i)
        if (const double melhor = r.MelhoresOrcamentos.at(i); !std::isnan(melhor))
            a.MelhoresOrcamento[i].push_back(melhor);
}

std::int64_t TResumo::TAmostra::Execucoes() const {
    return static_cast<std::int64_t>(Melhor1.size());
}

std::vector<std::int64_t> TResumo::TAmostra::Avaliacoes(
    const std::vector<std::int32_t>& geracoes) const {
    std::vector<std::int64_t> avaliacoes;
    avaliacoes.reserve(geracoes.size());
    for (const std::int32_t g : geracoes)
        avaliacoes.push_back(::Avaliacoes(TamPop, g));
    return avaliacoes;
}

std::vector<std::vector<double>> TResumo::Ordenados() const {
    std::vector<std::vector<double>> ordenados;
    ordenados.reserve(Amostras.size());
    for (const TAmostra& a : Amostras) {
        ordenados.push_back(a.Melhor1);
        std::sort(ordenados.back().begin(), ordenados.back().end());
    }
    return ordenados;
}

TResumo::TComparacao TResumo::Compara(const TAmostra& a, const TAmostra& b,
                                      const std::vector<double>& ordenadosA,
                                      const std::vector<double>& ordenadosB) {
    TComparacao c;
    c.PMannWhitney = PValorMannWhitney(ordenadosA, ordenadosB);
    c.PFisher = a.Melhor1.empty() || b.Melhor1.empty()
                    ? NaN
                    : PValorFisher(static_cast<std::int64_t>(a.Primeira.size()), a.Execucoes(),
                                   static_cast<std::int64_t>(b.Primeira.size()), b.Execucoes());
    c.A12 = A12(ordenadosA, ordenadosB);
    c.Diferenca = DiferencaNewcombe(static_cast<std::int64_t>(a.Primeira.size()), a.Execucoes(),
                                    static_cast<std::int64_t>(b.Primeira.size()), b.Execucoes());
    c.A12Intervalo = IntervaloA12(ordenadosA, ordenadosB);
    c.Pareados = ComparaPareados(a, b);
    return c;
}

TPareados TResumo::ComparaPareados(const TAmostra& a, const TAmostra& b) {
    TPareados p{0, NaN, NaN, NaN, NaN};
    // Run i of both started from the same seed only when their base seeds are the same.
    if (a.Execucoes() == 0 || b.Execucoes() == 0 || a.SementeBase != b.SementeBase)
        return p;
    std::vector<double> diferencas;
    std::int64_t soA = 0;  // pairs where only a reached
    std::int64_t soB = 0;
    // Both hold their run numbers in ascending order: the pairs are where they meet.
    for (std::size_t i = 0, j = 0; i < a.Execucao.size() && j < b.Execucao.size();) {
        if (a.Execucao[i] < b.Execucao[j]) {
            ++i;
        } else if (b.Execucao[j] < a.Execucao[i]) {
            ++j;
        } else {
            diferencas.push_back(a.Melhor1[i] - b.Melhor1[j]);
            soA += a.Atingiu[i] && !b.Atingiu[j] ? 1 : 0;
            soB += b.Atingiu[j] && !a.Atingiu[i] ? 1 : 0;
            ++i;
            ++j;
        }
    }
    p.Pares = static_cast<std::int64_t>(diferencas.size());
    if (p.Pares == 0)
        return p;
    p.PPostosSinalizados = PValorPostosSinalizados(diferencas);
    p.PMcNemar = PValorMcNemar(soA, soB);
    return p;
}

std::vector<TLinhaResumo> TResumo::Linhas() const {
    std::vector<TLinhaResumo> linhas;
    std::vector<double> pMannWhitney, pFisher, pPostos, pMcNemar;  // of configurations 2 on
    const std::vector<std::vector<double>> ordenados = Ordenados();
    for (std::size_t k = 0; k < Amostras.size(); ++k) {
        const TAmostra& a = Amostras[k];
        TLinhaResumo l;
        l.Configuracao = static_cast<int>(k + 1);
        l.Execucoes = a.Execucoes();
        l.Atingiram = static_cast<std::int64_t>(a.Primeira.size());
        l.Taxa = l.Execucoes > 0 ? static_cast<double>(l.Atingiram) / l.Execucoes : NaN;
        l.Wilson = IntervaloWilson(l.Atingiram, l.Execucoes);
        l.Melhor1 = Quartis(a.Melhor1);
        l.MedianaPrimeira = Quartis({a.Primeira.begin(), a.Primeira.end()}).Mediana;
        l.ERT = TempoEsperado(a.Avaliacoes(a.Primeira), a.Avaliacoes(a.Falhas), a.SementeBase);
        l.PMannWhitney = l.PFisher = l.PMannWhitneyHolm = l.PFisherHolm = NaN;
        l.A12 = {NaN, TMagnitudeA12::Indefinida};
        l.ERTIntervalo =
            IntervaloTempoEsperado(a.Avaliacoes(a.Primeira), a.Avaliacoes(a.Falhas), a.SementeBase);
        l.Diferenca = {NaN, {NaN, NaN}};
        l.A12Intervalo = {NaN, NaN};
        l.Pareados = {0, NaN, NaN, NaN, NaN};
        for (std::size_t i = 0; i < ListaAlvos.size(); ++i) {
            const auto atingiram = static_cast<std::int64_t>(a.SucessosAlvo[i].size());
            l.Alvos.push_back({ListaAlvos[i], atingiram,
                               l.Execucoes > 0 ? static_cast<double>(atingiram) / l.Execucoes : NaN,
                               IntervaloWilson(atingiram, l.Execucoes),
                               l.Execucoes == 0 ? NaN
                               : atingiram == 0
                                   ? std::numeric_limits<double>::infinity()
                                   : static_cast<double>(a.AvaliacoesAlvo[i]) / atingiram});
        }
        for (std::size_t i = 0; i < Orcamentos.size(); ++i)
            l.Orcamentos.push_back({Orcamentos[i], Quartis(a.MelhoresOrcamento[i])});
        if (k > 0) {
            const TComparacao c = Compara(a, Amostras.front(), ordenados[k], ordenados.front());
            l.PMannWhitney = c.PMannWhitney;
            l.PFisher = c.PFisher;
            l.A12 = c.A12;
            l.Diferenca = c.Diferenca;
            l.A12Intervalo = c.A12Intervalo;
            l.Pareados = c.Pareados;
            pMannWhitney.push_back(l.PMannWhitney);
            pFisher.push_back(l.PFisher);
            pPostos.push_back(l.Pareados.PPostosSinalizados);
            pMcNemar.push_back(l.Pareados.PMcNemar);
        }
        linhas.push_back(l);
    }
    const std::vector<double> holmMannWhitney = AjusteHolm(pMannWhitney);
    const std::vector<double> holmFisher = AjusteHolm(pFisher);
    const std::vector<double> holmPostos = AjusteHolm(pPostos);
    const std::vector<double> holmMcNemar = AjusteHolm(pMcNemar);
    for (std::size_t k = 1; k < linhas.size(); ++k) {
        linhas[k].PMannWhitneyHolm = holmMannWhitney[k - 1];
        linhas[k].PFisherHolm = holmFisher[k - 1];
        linhas[k].Pareados.PPostosSinalizadosHolm = holmPostos[k - 1];
        linhas[k].Pareados.PMcNemarHolm = holmMcNemar[k - 1];
    }
    return linhas;
}

std::vector<TLinhaPar> TResumo::Pares() const {
    std::vector<TLinhaPar> pares;
    std::vector<double> pMannWhitney, pFisher, pPostos, pMcNemar;
    const std::vector<std::vector<double>> ordenados = Ordenados();
    for (std::size_t contra = 0; contra < Amostras.size(); ++contra)
        for (std::size_t k = contra + 1; k < Amostras.size(); ++k) {
            if (Amostras[contra].Melhor1.empty() || Amostras[k].Melhor1.empty())
                continue;
            const TComparacao c =
                Compara(Amostras[k], Amostras[contra], ordenados[k], ordenados[contra]);
            pares.push_back({static_cast<int>(k + 1), static_cast<int>(contra + 1), c.PMannWhitney,
                             c.PFisher, c.A12, NaN, NaN, c.Diferenca, c.A12Intervalo, c.Pareados});
            pMannWhitney.push_back(c.PMannWhitney);
            pFisher.push_back(c.PFisher);
            pPostos.push_back(c.Pareados.PPostosSinalizados);
            pMcNemar.push_back(c.Pareados.PMcNemar);
        }
    const std::vector<double> holmMannWhitney = AjusteHolm(pMannWhitney);
    const std::vector<double> holmFisher = AjusteHolm(pFisher);
    const std::vector<double> holmPostos = AjusteHolm(pPostos);
    const std::vector<double> holmMcNemar = AjusteHolm(pMcNemar);
    for (std::size_t i = 0; i < pares.size(); ++i) {
        pares[i].PMannWhitneyHolm = holmMannWhitney[i];
        pares[i].PFisherHolm = holmFisher[i];
        pares[i].Pareados.PPostosSinalizadosHolm = holmPostos[i];
        pares[i].Pareados.PMcNemarHolm = holmMcNemar[i];
    }
    return pares;
}

TKruskalWallis TResumo::KruskalWallis() const {
    std::vector<std::vector<double>> grupos;
    grupos.reserve(Amostras.size());
    for (const TAmostra& a : Amostras)
        grupos.push_back(a.Melhor1);
    return ::KruskalWallis(grupos);
}

std::vector<std::vector<TPontoDistribuicao>> TResumo::Distribuicoes() const {
    std::vector<std::vector<TPontoDistribuicao>> distribuicoes;
    distribuicoes.reserve(Amostras.size());
    for (const TAmostra& a : Amostras)
        distribuicoes.push_back(DistribuicaoTempo(a.Avaliacoes(a.Primeira), a.Execucoes()));
    return distribuicoes;
}

std::vector<std::vector<std::vector<TPontoDistribuicao>>> TResumo::DistribuicoesAlvos() const {
    std::vector<std::vector<std::vector<TPontoDistribuicao>>> distribuicoes;
    distribuicoes.reserve(Amostras.size());
    for (const TAmostra& a : Amostras) {
        auto& porAlvo = distribuicoes.emplace_back();
        std::vector<std::int64_t> todos;
        for (const std::vector<std::int64_t>& sucessos : a.SucessosAlvo) {
            porAlvo.push_back(DistribuicaoTempo(sucessos, a.Execucoes()));
            todos.insert(todos.end(), sucessos.begin(), sucessos.end());
        }
        porAlvo.push_back(DistribuicaoTempo(
            std::move(todos), a.Execucoes() * static_cast<std::int64_t>(ListaAlvos.size())));
    }
    return distribuicoes;
}

namespace {

// What to_chars wrote, with the decimal separator given; as printf writes it in the C locale,
// whatever locale the C library is in.
std::string ComSeparador(const char* inicio, const char* fim, const std::string& separador) {
    std::string resultado(inicio, fim);
    if (const auto ponto = resultado.find('.'); ponto != std::string::npos)
        resultado.replace(ponto, 1, separador);
    return resultado;
}

}  // namespace

std::string FormataAlgarismos(double valor, int algarismos, const std::string& separador) {
    char texto[40];  // a sign, 17 digits, a point and an exponent at most, as the summary asks
    const auto [fim, erro] =
        std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::general, algarismos);
    if (erro != std::errc())
        throw std::logic_error("FormataAlgarismos: the text does not fit");
    return ComSeparador(texto, fim, separador);
}

std::string FormataDecimais(double valor, int casas, const std::string& separador) {
    // The largest double has 309 digits before the point.
    std::string texto(static_cast<std::size_t>(std::max(casas, 0)) + 320, '\0');
    const auto [fim, erro] = std::to_chars(texto.data(), texto.data() + texto.size(), valor,
                                           std::chars_format::fixed, casas);
    if (erro != std::errc())
        throw std::logic_error("FormataDecimais: the text does not fit");
    return ComSeparador(texto.data(), fim, separador);
}
