#include "Curvas.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

TTrajetorias::TTrajetorias(bool paralelo) : Paralelo(paralelo) {}

std::int64_t TTrajetorias::BytesPorGeracao(bool paralelo) {
    const std::int64_t serie = sizeof(std::uint16_t) + sizeof(double);
    return paralelo ? 2 * serie : serie;
}

void TTrajetorias::Reserva(std::int64_t execucoes, int geracoes) {
    const auto pontos = static_cast<std::size_t>(execucoes * geracoes);
    Inicio.reserve(static_cast<std::size_t>(execucoes) + 1);
    Melhor1.reserve(pontos);
    Media1.reserve(pontos);
    if (Paralelo) {
        Melhor2.reserve(pontos);
        Media2.reserve(pontos);
    }
}

std::uint16_t TTrajetorias::Indice(double melhor) {
    const auto [lugar, novo] = IndiceDoValor.try_emplace(
        std::bit_cast<std::uint64_t>(melhor), static_cast<std::uint16_t>(Valores.size()));
    if (novo) {
        if (Valores.size() > UINT16_MAX)
            throw std::length_error("more distinct best fitness values than F6 takes on");
        Valores.push_back(melhor);
    }
    return lugar->second;
}

void TTrajetorias::Acrescenta(const std::vector<TPontoGeracao>& trajetoria) {
    for (const TPontoGeracao& p : trajetoria) {
        Melhor1.push_back(Indice(p.Melhor1));
        Media1.push_back(p.Media1);
        if (Paralelo) {
            Melhor2.push_back(Indice(p.Melhor2));
            Media2.push_back(p.Media2);
        }
    }
    Inicio.push_back(static_cast<std::uint32_t>(Melhor1.size()));
}

std::vector<TPontoCurva> TTrajetorias::Curva() const {
    const std::size_t execucoes = Inicio.size() - 1;
    std::size_t geracoes = 0;
    for (std::size_t r = 0; r < execucoes; ++r)
        geracoes = std::max<std::size_t>(geracoes, Inicio[r + 1] - Inicio[r]);
    std::vector<TPontoCurva> curva(geracoes);
    std::vector<double> melhor1, media1, melhor2, media2;
    for (std::size_t g = 0; g < geracoes; ++g) {
        melhor1.clear();
        media1.clear();
        melhor2.clear();
        media2.clear();
        for (std::size_t r = 0; r < execucoes; ++r) {
            if (Inicio[r + 1] == Inicio[r])
                continue;
            const std::size_t i =
                Inicio[r] + std::min<std::size_t>(g, Inicio[r + 1] - Inicio[r] - 1);
            melhor1.push_back(Valores[Melhor1[i]]);
            media1.push_back(Media1[i]);
            if (Paralelo) {
                melhor2.push_back(Valores[Melhor2[i]]);
                media2.push_back(Media2[i]);
            }
        }
        // In simple mode population 2's series are 0 in every run, and so are their quartiles.
        curva[g] = {Quartis(melhor1), Quartis(media1), Paralelo ? Quartis(melhor2) : TQuartis{},
                    Paralelo ? Quartis(media2) : TQuartis{}};
    }
    return curva;
}

std::vector<TPontoCurva> CalculaCurva(const std::vector<std::vector<TPontoGeracao>>& trajetorias) {
    TTrajetorias compactas(true);
    for (const auto& t : trajetorias)
        compactas.Acrescenta(t);
    return compactas.Curva();
}

std::int64_t BytesDasCurvas(const TConfiguracao& c, int execucoes) {
    const std::int64_t geracoes = c.Painel.Valores.LimGer + 1;
    return execucoes * (geracoes * TTrajetorias::BytesPorGeracao(c.Paralelo) +
                        static_cast<std::int64_t>(sizeof(std::uint32_t)));
}
