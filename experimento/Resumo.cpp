#include "Resumo.h"

#include <charconv>
#include <limits>

TResumo::TResumo(int configuracoes) : Amostras(static_cast<std::size_t>(configuracoes)) {}

void TResumo::Acrescenta(const TResultadoExecucao& r) {
    TAmostra& a = Amostras.at(static_cast<std::size_t>(r.Configuracao - 1));
    a.Melhor1.push_back(r.MelhorAptidao1);
    if (r.Atingiu)
        a.Primeira.push_back(r.PrimeiraAtingida);
}

std::vector<TLinhaResumo> TResumo::Linhas() const {
    constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
    std::vector<TLinhaResumo> linhas;
    for (std::size_t k = 0; k < Amostras.size(); ++k) {
        const TAmostra& a = Amostras[k];
        const TAmostra& referencia = Amostras.front();
        TLinhaResumo l;
        l.Configuracao = static_cast<int>(k + 1);
        l.Execucoes = static_cast<std::int64_t>(a.Melhor1.size());
        l.Atingiram = static_cast<std::int64_t>(a.Primeira.size());
        l.Taxa = l.Execucoes > 0 ? static_cast<double>(l.Atingiram) / l.Execucoes : NaN;
        l.Wilson = IntervaloWilson(l.Atingiram, l.Execucoes);
        l.Melhor1 = Quartis(a.Melhor1);
        l.MedianaPrimeira = Quartis(a.Primeira).Mediana;
        l.PMannWhitney = k == 0 ? NaN : PValorMannWhitney(a.Melhor1, referencia.Melhor1);
        l.PFisher = k == 0 || l.Execucoes == 0 || referencia.Melhor1.empty()
                        ? NaN
                        : PValorFisher(l.Atingiram, l.Execucoes,
                                       static_cast<std::int64_t>(referencia.Primeira.size()),
                                       static_cast<std::int64_t>(referencia.Melhor1.size()));
        linhas.push_back(l);
    }
    return linhas;
}

std::string FormataAlgarismos(double valor, int algarismos, const std::string& separador) {
    // As %g writes it in the C locale, whatever locale the C library is in.
    char texto[40];
    char* const fim =
        std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::general, algarismos)
            .ptr;
    std::string resultado(texto, fim);
    if (const auto ponto = resultado.find('.'); ponto != std::string::npos)
        resultado.replace(ponto, 1, separador);
    return resultado;
}
