#pragma once

#include "Parametros.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

/// One sampled run: what the panel would hand over, the switches the engine reads from it and
/// the seed the owner's clock returns.
struct TCaso {
    TPainel Painel;
    bool Paralelo = false;
    bool Elitismo = false;
    bool Escalonamento = true;
    int Torneio = 2;
    std::uint32_t Semente = 0;
};

/// The quivora-run command line that repeats the case (under a locale with the case's decimal
/// separator), for failure messages.
std::string LinhaDeComando(const TCaso& caso);

/// Deals the values of one panel control in shuffled passes: every value once per pass, so a
/// sweep of at least as many runs as values meets them all. The shuffle is written out here
/// rather than taken from std::shuffle, whose algorithm each standard library picks for itself:
/// the same seed must give the same cases under gcc and clang.
template <typename T>
class TBaralho {
public:
    explicit TBaralho(std::vector<T> valores)
        : Cartas(std::move(valores)), Proxima(Cartas.size()) {}

    T Tira(std::mt19937& gerador) {
        if (Proxima == Cartas.size()) {
            for (std::size_t i = Cartas.size() - 1; i > 0; --i)
                std::iter_swap(Cartas.begin() + static_cast<std::ptrdiff_t>(i),
                               Cartas.begin() + static_cast<std::ptrdiff_t>(gerador() % (i + 1)));
            Proxima = 0;
        }
        return Cartas[Proxima++];
    }

private:
    std::vector<T> Cartas;
    std::size_t Proxima;
};

/// Samples the combinations the panel allows, within its interlocks: "Imediata" fixes the
/// crossover rate at 100; parallel mode fixes "1 ponto", "Imediata" and 100; "n Melhores" is
/// refused by the panel and never reaches a run; the tournament size runs from 1 to the
/// population size. Generation limits are the panel's shortest (10, 15, 20) to keep runs short.
class TAmostrador {
public:
    explicit TAmostrador(std::uint32_t semente);
    TCaso Proximo();

private:
    int Uniforme(int n) { return static_cast<int>(Gerador() % static_cast<std::uint32_t>(n)); }

    std::mt19937 Gerador;
    TBaralho<int> TamPop;
    TBaralho<int> TamCrom;
    TBaralho<std::string> TipoSel;
    TBaralho<std::string> TipoCruz;
    TBaralho<int> TaxaCruz;
    TBaralho<std::string> TipoMut;
    TBaralho<int> TaxaMut;
    TBaralho<int> LimGer;
    TBaralho<std::string> TipoSubs;
    TBaralho<std::pair<int, int>> Intervalo;
    TBaralho<std::string> Separador;
    TBaralho<std::string> Tolerancia;
    TBaralho<std::string> CritParada;
    TBaralho<bool> Paralelo;
    TBaralho<bool> Elitismo;
    TBaralho<bool> Escalonamento;
};
