#include "Alvos.h"

#include "Configuracao.h"
#include "FormatoNumero.h"
#include "Variacao.h"

#include <algorithm>

namespace {

const std::string PrefixoColuna = "evaluations_to_";

}  // namespace

std::vector<double> LeAlvos(const std::string& lista, const std::string& separadorDecimal) {
    std::vector<double> alvos;
    for (const std::string& texto : DivideTolerancias(lista, separadorDecimal)) {
        double alvo = -1;
        try {
            alvo = LeReal(texto, separadorDecimal);
        } catch (const EConversao&) {
        }
        if (!(alvo >= 0 && alvo < 1))
            throw EOpcaoInvalida("--targets accepts tolerances from 0 to below 1, not '" + texto +
                                 "'");
        if (std::find(alvos.begin(), alvos.end(), alvo) != alvos.end())
            throw EOpcaoInvalida("--targets gives " + NomeAlvo(alvo) + " twice");
        alvos.push_back(alvo);
    }
    return alvos;
}

std::vector<std::int64_t> AvaliacoesAteAlvos(const std::vector<TPontoMelhora>& melhoras,
                                             const std::vector<double>& alvos) {
    std::vector<std::int64_t> avaliacoes;
    avaliacoes.reserve(alvos.size());
    for (const double alvo : alvos) {
        const auto ponto =
            std::find_if(melhoras.begin(), melhoras.end(),
                         [&](const TPontoMelhora& p) { return PertoDoMaximo(p.Melhor, alvo); });
        avaliacoes.push_back(ponto == melhoras.end() ? -1 : ponto->Avaliacoes);
    }
    return avaliacoes;
}

std::string NomeAlvo(double alvo) {
    return FormataReal(alvo, ".");
}

std::string ColunaAlvo(double alvo) {
    return PrefixoColuna + NomeAlvo(alvo);
}

std::optional<double> AlvoDaColuna(const std::string& coluna) {
    if (coluna.rfind(PrefixoColuna, 0) != 0)
        return std::nullopt;
    try {
        const double alvo = LeReal(coluna.substr(PrefixoColuna.size()), ".");
        if (alvo >= 0 && alvo < 1 && ColunaAlvo(alvo) == coluna)
            return alvo;
    } catch (const EConversao&) {
    }
    return std::nullopt;
}
