#include "Resumo.h"

#include "Holm.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <stdexcept>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

TResumo::TResumo(const std::vector<TConfiguracao>& configuracoes) : Amostras(configuracoes.size()) {
    for (std::size_t k = 0; k < configuracoes.size(); ++k)
        Amostras[k].TamPop = configuracoes[k].Painel.Valores.TamPop;
}

void TResumo::Acrescenta(const TResultadoExecucao& r) {
    TAmostra& a = Amostras.at(static_cast<std::size_t>(r.Configuracao - 1));
    a.SementeBase = r.Semente - static_cast<std::uint32_t>(r.Execucao);
    a.Melhor1.push_back(r.MelhorAptidao1);
    if (r.Atingiu)
        a.Primeira.push_back(r.PrimeiraAtingida);
    else
        a.Falhas.push_back(r.Geracoes);
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

TResumo::TComparacao TResumo::Compara(const TAmostra& a, const TAmostra& b) {
    TComparacao c;
    c.PMannWhitney = PValorMannWhitney(a.Melhor1, b.Melhor1);
    c.PFisher = a.Melhor1.empty() || b.Melhor1.empty()
                    ? NaN
                    : PValorFisher(static_cast<std::int64_t>(a.Primeira.size()), a.Execucoes(),
                                   static_cast<std::int64_t>(b.Primeira.size()), b.Execucoes());
    c.A12 = A12(a.Melhor1, b.Melhor1);
    return c;
}

std::vector<TLinhaResumo> TResumo::Linhas() const {
    std::vector<TLinhaResumo> linhas;
    std::vector<double> pMannWhitney, pFisher;  // of configurations 2 on
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
        if (k > 0) {
            const TComparacao c = Compara(a, Amostras.front());
            l.PMannWhitney = c.PMannWhitney;
            l.PFisher = c.PFisher;
            l.A12 = c.A12;
            pMannWhitney.push_back(l.PMannWhitney);
            pFisher.push_back(l.PFisher);
        }
        linhas.push_back(l);
    }
    const std::vector<double> holmMannWhitney = AjusteHolm(pMannWhitney);
    const std::vector<double> holmFisher = AjusteHolm(pFisher);
    for (std::size_t k = 1; k < linhas.size(); ++k) {
        linhas[k].PMannWhitneyHolm = holmMannWhitney[k - 1];
        linhas[k].PFisherHolm = holmFisher[k - 1];
    }
    return linhas;
}

std::vector<TLinhaPar> TResumo::Pares() const {
    std::vector<TLinhaPar> pares;
    std::vector<double> pMannWhitney, pFisher;
    for (std::size_t contra = 0; contra < Amostras.size(); ++contra)
        for (std::size_t k = contra + 1; k < Amostras.size(); ++k) {
            if (Amostras[contra].Melhor1.empty() || Amostras[k].Melhor1.empty())
                continue;
            const TComparacao c = Compara(Amostras[k], Amostras[contra]);
            pares.push_back({static_cast<int>(k + 1), static_cast<int>(contra + 1), c.PMannWhitney,
                             c.PFisher, c.A12, NaN, NaN});
            pMannWhitney.push_back(c.PMannWhitney);
            pFisher.push_back(c.PFisher);
        }
    const std::vector<double> holmMannWhitney = AjusteHolm(pMannWhitney);
    const std::vector<double> holmFisher = AjusteHolm(pFisher);
    for (std::size_t i = 0; i < pares.size(); ++i) {
        pares[i].PMannWhitneyHolm = holmMannWhitney[i];
        pares[i].PFisherHolm = holmFisher[i];
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
