#include "Amostra.h"

#include "FormatoNumero.h"

#include <tuple>

namespace {

std::vector<int> Passos(int de, int ate, int passo) {
    std::vector<int> valores;
    for (int v = de; v <= ate; v += passo)
        valores.push_back(v);
    return valores;
}

// Both ends of the interval together, so that every pair (min = max = 0 included) comes up.
std::vector<std::pair<int, int>> Intervalos() {
    std::vector<std::pair<int, int>> pares;
    for (int minimo = -100; minimo <= 0; minimo += 10)
        for (int maximo = 0; maximo <= 100; maximo += 10)
            pares.emplace_back(minimo, maximo);
    return pares;
}

// Tolerance texts with '#' for the decimal separator: what the arrows write (0 to 10 hundredths)
// and texts a user may type, including ones that stop every run after its first step (1), that
// never stop one (-1), and one that only an exact optimum meets.
std::vector<std::string> Tolerancias() {
    std::vector<std::string> textos;
    for (int v = 0; v <= 10; ++v)
        textos.push_back(FormataReal(v / 100.0, "#"));
    for (const char* digitado : {"1", "0#5", "-1", "1E-3", " 0#2 ", "+0#25", "#3", "2E-16"})
        textos.emplace_back(digitado);
    return textos;
}

std::string ComSeparador(std::string texto, const std::string& separador) {
    const auto posicao = texto.find('#');
    if (posicao != std::string::npos)
        texto.replace(posicao, 1, separador);
    return texto;
}

std::string Aspas(const std::string& texto) {
    return "'" + texto + "'";
}

}  // namespace

TAmostrador::TAmostrador(std::uint32_t semente)
    : Gerador(semente),
      TamPop(Passos(2, 200, 2)),
      TamCrom(Passos(18, 100, 2)),
      TipoSel({Legenda::Roleta, Legenda::Torneio}),
      TipoCruz({Legenda::UmPonto, Legenda::DoisPontos, Legenda::Uniforme}),
      TaxaCruz(Passos(2, 100, 2)),
      TipoMut({Legenda::Flip, Legenda::MutarPara1, Legenda::MutarPara0, Legenda::Inversao}),
      TaxaMut(Passos(0, 30, 1)),
      LimGer(Passos(10, 20, 5)),
      TipoSubs({Legenda::Imediata, Legenda::Insercao, ""}),
      Intervalo(Intervalos()),
      Separador({",", "."}),
      Tolerancia(Tolerancias()),
      CritParada({Legenda::NGeracoes, Legenda::PrimeiraSituacao}),
      Paralelo({false, false, false, true}),
      Elitismo({false, true}),
      Escalonamento({false, true}) {}

TCaso TAmostrador::Proximo() {
    TCaso caso;
    TParametros& p = caso.Painel.Valores;
    caso.Paralelo = Paralelo.Tira(Gerador);
    caso.Elitismo = Elitismo.Tira(Gerador);
    caso.Escalonamento = Escalonamento.Tira(Gerador);
    caso.Semente = static_cast<std::uint32_t>(Gerador());

    p.TamPop = TamPop.Tira(Gerador);
    p.TamCrom = TamCrom.Tira(Gerador);
    p.TipoSel = TipoSel.Tira(Gerador);
    // Half the time an end of the tournament's range, else anywhere in it.
    switch (Uniforme(4)) {
        case 0:
            caso.Torneio = 1;
            break;
        case 1:
            caso.Torneio = p.TamPop;
            break;
        default:
            caso.Torneio = 1 + Uniforme(p.TamPop);
    }
    if (caso.Paralelo) {
        p.TipoCruz = Legenda::UmPonto;
        p.TipoSubs = Legenda::Imediata;
    } else {
        p.TipoCruz = TipoCruz.Tira(Gerador);
        p.TipoSubs = TipoSubs.Tira(Gerador);
    }
    p.TaxaCruz = p.TipoSubs == Legenda::Imediata ? 100 : TaxaCruz.Tira(Gerador);
    p.TipoMut = TipoMut.Tira(Gerador);
    p.TaxaMut = TaxaMut.Tira(Gerador);
    p.LimGer = LimGer.Tira(Gerador);
    std::tie(p.ValMin, p.ValMax) = Intervalo.Tira(Gerador);
    p.CritParada = CritParada.Tira(Gerador);

    caso.Painel.SeparadorDecimal = Separador.Tira(Gerador);
    caso.Painel.TextoDiferenca =
        ComSeparador(Tolerancia.Tira(Gerador), caso.Painel.SeparadorDecimal);
    return caso;
}

std::string LinhaDeComando(const TCaso& caso) {
    const TParametros& p = caso.Painel.Valores;
    std::string linha =
        "quivora-run --pop " + std::to_string(p.TamPop) + " --chrom " + std::to_string(p.TamCrom) +
        " --selection " + Aspas(p.TipoSel) + " --tournament " + std::to_string(caso.Torneio) +
        " --crossover " + Aspas(p.TipoCruz) + " --crossover-rate " + std::to_string(p.TaxaCruz) +
        " --mutation " + Aspas(p.TipoMut) + " --mutation-rate " + std::to_string(p.TaxaMut) +
        " --generations " + std::to_string(p.LimGer) + " --replacement " + Aspas(p.TipoSubs) +
        " --min " + std::to_string(p.ValMin) + " --max " + std::to_string(p.ValMax) +
        " --tolerance " + Aspas(caso.Painel.TextoDiferenca) + " --stop " + Aspas(p.CritParada) +
        " --seed " + std::to_string(caso.Semente);
    if (caso.Elitismo)
        linha += " --elitism";
    if (!caso.Escalonamento)
        linha += " --no-scaling";
    if (caso.Paralelo)
        linha += " --parallel";
    return linha + "   (decimal separator '" + caso.Painel.SeparadorDecimal + "')";
}
