#include "Verificador.h"

#include "F6.h"
#include "FormatoNumero.h"

#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <sstream>

namespace {

// A failure message; doubles are written with every digit.
template <typename... T>
std::string Diz(const T&... partes) {
    std::ostringstream s;
    s << std::setprecision(17);
    (s << ... << partes);
    return s.str();
}

// The tolerance text read by the C library: blanks, sign and exponent as it knows them, the
// user's separator turned into its point. The tests run in the "C" locale.
double LeTolerancia(const TPainel& painel) {
    std::string texto = painel.TextoDiferenca;
    const auto posicao = texto.find(painel.SeparadorDecimal);
    if (posicao != std::string::npos)
        texto.replace(posicao, painel.SeparadorDecimal.size(), 1, '.');
    return std::strtod(texto.c_str(), nullptr);
}

// The integer nearest to ValMin + (ValMax - ValMin) * S / (2^n - 1), for the n genes de..ate
// read as the binary number S, computed exactly in integers. The divisor is odd, so the
// quotient is never a half and there is no tie to break.
int Decodifica(const TCromossomo& c, int de, int ate, int valMin, int valMax) {
    std::uint64_t s = 0;
    for (int k = de; k <= ate; ++k)
        s = 2 * s + static_cast<std::uint64_t>(c.Gene[k]);
    const std::uint64_t divisor = (std::uint64_t{1} << (ate - de + 1)) - 1;
    const auto largura = static_cast<std::uint64_t>(valMax - valMin);
    return valMin + static_cast<int>((2 * largura * s + divisor) / (2 * divisor));
}

std::string Digitos(const TCromossomo& c, int de, int ate) {
    std::string texto;
    for (int k = de; k <= ate; ++k)
        texto += c.Gene[k] != 0 ? '1' : '0';
    return texto;
}

// Directed scaling, in the order of its rules: the best, above the average, at it, below it.
double Escalonado(double v, double melhor, double media, bool dirigido) {
    long double fator = 100;
    if (dirigido)
        fator = v == melhor ? 10000 : v > media ? 5000 : v == media ? 1000 : 100;
    return static_cast<double>(static_cast<long double>(v) * fator);
}

bool NaFaixa(double aptidao) {
    return aptidao > 0 && aptidao <= 1;
}

}  // namespace

TVerificador::TVerificador(const TMotorAG& motor, const TObservadorTeste& observador,
                           const TCaso& caso)
    : Motor(motor), Observador(observador), Caso(caso), Tolerancia(LeTolerancia(caso.Painel)) {}

void TVerificador::AposGeracao() {
    if (!Erro.empty())
        return;
    if (std::string falha = ConfereGeracao(); !falha.empty()) {
        Erro = Diz("generation ", Motor.Geracao, ": ", falha);
        return;
    }
    Ultima = Motor.Geracao;
    Atingido = CriterioAtingido();
    const auto& crom = Motor.Populacao->Crom;
    Anterior.assign(crom.begin(), crom.begin() + Motor.Param.TamPop + 1);
    EliteAnterior = Caso.Elitismo ? Motor.Elite->Crom[1] : nullptr;
}

std::string TVerificador::ConfereGeracao() const {
    for (const auto confere : {&TVerificador::ConfereSequencia, &TVerificador::ConferePais,
                               &TVerificador::ConfereCromossomos, &TVerificador::ConfereAvaliacao,
                               &TVerificador::ConfereMedias, &TVerificador::ConfereEscalonamento,
                               &TVerificador::ConfereSubstituicao, &TVerificador::ConfereElite,
                               &TVerificador::ConfereSaidas})
        if (std::string falha = (this->*confere)(); !falha.empty())
            return falha;
    return "";
}

void TVerificador::AposExecucao() {
    if (!Erro.empty())
        return;
    const TConfiguracaoAG& p = Motor.Param;
    const TParametros& q = Caso.Painel.Valores;
    if (p.TamPop != q.TamPop || p.TamCrom != q.TamCrom || p.TipoSel != TipoSelDe(q.TipoSel) ||
        p.TipoCruz != TipoCruzDe(q.TipoCruz) || p.TaxaCruz != q.TaxaCruz ||
        p.TipoMut != TipoMutDe(q.TipoMut) || p.TaxaMut != q.TaxaMut || p.LimGer != q.LimGer ||
        p.TipoSubs != TipoSubsDe(q.TipoSubs) || p.ValMin != q.ValMin || p.ValMax != q.ValMax ||
        p.CritParada != CritParadaDe(q.CritParada) || p.Paralelo != Caso.Paralelo ||
        p.Elitismo != Caso.Elitismo || p.Escalonamento != Caso.Escalonamento ||
        p.QuantTorneio != Caso.Torneio)
        Erro = "the run's parameters differ from the panel's";
    else if (p.Diferenca != Tolerancia)
        Erro = Diz("the run's tolerance is ", p.Diferenca, ", the text says ", Tolerancia);
    else if (Ultima == 0 || Ultima != Motor.Geracao)
        Erro = Diz("the run ended at generation ", Motor.Geracao, ", the last one checked is ",
                   Ultima);
    else if (Ultima < p.LimGer && !Atingido)
        Erro = Diz("the run stopped at generation ", Ultima, " of ", p.LimGer,
                   " without meeting its stop criterion");
}

bool TVerificador::CriterioAtingido() const {
    if (Motor.Param.CritParada == TCritParada::NGeracoes)
        return false;
    const auto perto = [this](double melhor) { return 1.0L - melhor <= Tolerancia; };
    return perto(Motor.Populacao->MelhorApt) &&
           (!Caso.Paralelo || perto(Motor.Populacao->MelhorAptY));
}

std::string TVerificador::ConfereSequencia() const {
    const int g = Motor.Geracao;
    if (g != Ultima + 1)
        return Diz("follows generation ", Ultima);
    if (g > Motor.Param.LimGer)
        return Diz("beyond the limit ", Motor.Param.LimGer);
    if (Atingido)
        return "the run went on after its stop criterion was met";
    if (Observador.Pontos.size() != static_cast<std::size_t>(g))
        return Diz(Observador.Pontos.size(), " generations told");
    return "";
}

std::string TVerificador::ConferePais() const {
    const int tamPop = Motor.Param.TamPop;
    // round(TamPop * rate / 100) children: both even, so the quotient is never a half.
    const int filhos = (tamPop * Motor.Param.TaxaCruz + 50) / 100;
    if (Motor.NumPares != filhos / 2)
        return Diz("NumPares is ", Motor.NumPares, ", not ", filhos / 2);
    const auto fora = [tamPop](int pai) { return pai < 1 || pai > tamPop; };
    for (int k = 1; k <= Motor.NumPares; ++k) {
        if (fora(Motor.Pai1X[k]) || fora(Motor.Pai2X[k]))
            return Diz("x parents of pair ", k, ": ", Motor.Pai1X[k], ", ", Motor.Pai2X[k]);
        if (Caso.Paralelo && (fora(Motor.Pai1Y[k]) || fora(Motor.Pai2Y[k])))
            return Diz("y parents of pair ", k, ": ", Motor.Pai1Y[k], ", ", Motor.Pai2Y[k]);
    }
    return "";
}

std::string TVerificador::ConfereCromossomos() const {
    const TConfiguracaoAG& p = Motor.Param;
    const int meio = p.MeioCrom();
    for (int i = 1; i <= p.TamPop; ++i) {
        const PCromossomo& pc = Motor.Populacao->Crom[i];
        if (!pc)
            return Diz("slot ", i, " is empty");
        const TCromossomo& c = *pc;
        for (int k = 0; k <= MaxGenes; ++k) {
            const bool usado = k >= 1 && k <= p.TamCrom;
            if (usado ? c.Gene[k] != 0 && c.Gene[k] != 1 : c.Gene[k] != 0)
                return Diz("slot ", i, ", gene ", k, " is ", static_cast<int>(c.Gene[k]));
        }
        if (c.X < p.ValMin || c.X > p.ValMax || c.Y < p.ValMin || c.Y > p.ValMax)
            return Diz("slot ", i, " at (", c.X, ", ", c.Y, ") outside the interval");
        // In parallel mode with elitism slot 1 is the elite itself, whose genes the evaluation
        // rewrites after scoring it: its point describes the genes it had before.
        const bool genesReescritos = Caso.Paralelo && Caso.Elitismo && pc == Motor.Elite->Crom[1];
        if (!genesReescritos && (c.X != Decodifica(c, 1, meio, p.ValMin, p.ValMax) ||
                                 c.Y != Decodifica(c, meio + 1, p.TamCrom, p.ValMin, p.ValMax)))
            return Diz("slot ", i, " at (", c.X, ", ", c.Y, ") is not what its genes encode");
        if (!NaFaixa(c.Aptidao) || (Caso.Paralelo && !NaFaixa(c.AptidaoY)))
            return Diz("slot ", i, " has fitness ", c.Aptidao, " / ", c.AptidaoY);
    }
    return "";
}

// Scores the stored points again, slot by slot, as the evaluation does: in parallel mode each
// half against the other half's best so far (100 before the first), and keeps the best.
std::string TVerificador::ConfereAvaliacao() const {
    const auto g = static_cast<std::size_t>(Motor.Geracao);
    const TPopulacao& pop = *Motor.Populacao;
    double melhor = 0;
    double melhorY = 0;
    int ind = 0;
    int indY = 0;
    int melhorX = 100;
    int parceiroY = 100;
    for (int i = 1; i <= Motor.Param.TamPop; ++i) {
        const TCromossomo& c = *pop.Crom[i];
        const double apt = F6(c.X * c.X + (Caso.Paralelo ? parceiroY * parceiroY : c.Y * c.Y));
        const double aptY = F6(melhorX * melhorX + c.Y * c.Y);
        if (c.Aptidao != apt || (Caso.Paralelo && c.AptidaoY != aptY))
            return Diz("slot ", i, " has fitness ", c.Aptidao, " / ", c.AptidaoY, ", not ", apt,
                       " / ", aptY);
        if (c.Aptidao > melhor) {
            melhor = c.Aptidao;
            ind = i;
            melhorX = c.X;
            if (!Caso.Paralelo)
                parceiroY = c.Y;
        }
        if (Caso.Paralelo && c.AptidaoY > melhorY) {
            melhorY = c.AptidaoY;
            indY = i;
            parceiroY = c.Y;
        }
    }
    if (pop.MelhorApt != melhor || pop.IndMelhor != ind || Motor.MelhorGer1[g] != melhor)
        return Diz("best ", pop.MelhorApt, " in slot ", pop.IndMelhor, ", table ",
                   Motor.MelhorGer1[g], "; expected ", melhor, " in slot ", ind);
    if (Motor.MelhorXGer[g] != melhorX || Motor.MelhorYGer[g] != parceiroY)
        return Diz("best point in the tables (", Motor.MelhorXGer[g], ", ", Motor.MelhorYGer[g],
                   "), expected (", melhorX, ", ", parceiroY, ")");
    if (!Caso.Paralelo)
        return Motor.MelhorGer2[g] == 0 ? "" : Diz("MelhorGer2 is ", Motor.MelhorGer2[g]);
    if (pop.MelhorAptY != melhorY || pop.IndMelhorY != indY || Motor.MelhorGer2[g] != melhorY)
        return Diz("best y ", pop.MelhorAptY, " in slot ", pop.IndMelhorY, ", table ",
                   Motor.MelhorGer2[g], "; expected ", melhorY, " in slot ", indY);
    return "";
}

std::string TVerificador::ConfereMedias() const {
    const auto g = static_cast<std::size_t>(Motor.Geracao);
    const int tamPop = Motor.Param.TamPop;
    long double soma = 0;
    long double somaY = 0;
    for (int i = 1; i <= tamPop; ++i) {
        soma += Motor.Populacao->Crom[i]->Aptidao;
        somaY += Motor.Populacao->Crom[i]->AptidaoY;
    }
    // The engine rounds every partial sum to double: at most 200 roundings of values below 1.
    constexpr long double folga = 1e-12L;
    if (std::fabs(Motor.MediaGer1[g] - soma / tamPop) > folga)
        return Diz("average ", Motor.MediaGer1[g], ", the population's is ",
                   static_cast<double>(soma / tamPop));
    const long double mediaY = Caso.Paralelo ? somaY / tamPop : 0;
    if (std::fabs(Motor.MediaGer2[g] - mediaY) > folga ||
        (!Caso.Paralelo && Motor.MediaGer2[g] != 0))
        return Diz("average y ", Motor.MediaGer2[g], ", the population's is ",
                   static_cast<double>(mediaY));
    return "";
}

std::string TVerificador::ConfereEscalonamento() const {
    const auto g = static_cast<std::size_t>(Motor.Geracao);
    const TPopulacao& pop = *Motor.Populacao;
    for (int i = 1; i <= Motor.Param.TamPop; ++i) {
        const TCromossomo& c = *pop.Crom[i];
        const double esc =
            Escalonado(c.Aptidao, pop.MelhorApt, Motor.MediaGer1[g], Caso.Escalonamento);
        if (c.AptidaoEsc != esc)
            return Diz("slot ", i, " has selection fitness ", c.AptidaoEsc, ", not ", esc);
        if (!Caso.Paralelo)
            continue;
        const double escY =
            Escalonado(c.AptidaoY, pop.MelhorAptY, Motor.MediaGer2[g], Caso.Escalonamento);
        if (c.AptidaoEscY != escY)
            return Diz("slot ", i, " has y selection fitness ", c.AptidaoEscY, ", not ", escY);
    }
    return "";
}

// The children sit where the replacement scheme puts them, slot 1 excepted under elitism, and
// every other slot still holds the individual it held a generation ago.
std::string TVerificador::ConfereSubstituicao() const {
    const TConfiguracaoAG& p = Motor.Param;
    const int g = Motor.Geracao;
    const bool frente = p.TipoSubs == TTipoSubs::Imediata || g % 2 == 0;
    std::vector<bool> recebeu(static_cast<std::size_t>(p.TamPop) + 1, false);
    recebeu[1] = Caso.Elitismo;
    for (int m = 1; m <= 2 * Motor.NumPares; ++m) {
        const int slot = frente ? m : p.TamPop - m + 1;
        if (slot == 1 && Caso.Elitismo)
            continue;
        recebeu[static_cast<std::size_t>(slot)] = true;
        if (Motor.Populacao->Crom[slot] != Motor.Descendencia->Crom[m])
            return Diz("slot ", slot, " does not hold child ", m);
    }
    if (Anterior.empty())
        return "";
    for (int i = 1; i <= p.TamPop; ++i)
        if (!recebeu[static_cast<std::size_t>(i)] &&
            Motor.Populacao->Crom[i] != Anterior[static_cast<std::size_t>(i)])
            return Diz("slot ", i, " lost its individual without receiving a child");
    return "";
}

std::string TVerificador::ConfereElite() const {
    if (!Caso.Elitismo)
        return "";
    const auto g = static_cast<std::size_t>(Motor.Geracao);
    const TPopulacao& pop = *Motor.Populacao;
    const PCromossomo& elite = Motor.Elite->Crom[1];
    if (Caso.Paralelo) {
        // One elite chromosome for the whole run: the two best halves, and always slot 1.
        const int meio = Motor.Param.MeioCrom();
        if (pop.Crom[1] != elite)
            return "slot 1 is not the elite";
        if (Digitos(*elite, 1, meio) != Digitos(*pop.Crom[pop.IndMelhor], 1, meio) ||
            Digitos(*elite, meio + 1, Motor.Param.TamCrom) !=
                Digitos(*pop.Crom[pop.IndMelhorY], meio + 1, Motor.Param.TamCrom))
            return "the elite's genes are not the best x half and the best y half";
        return "";
    }
    // Simple mode: the elite is the best individual itself, and slot 1 holds the previous best,
    // unchanged, so the best fitness never falls.
    if (elite != pop.Crom[static_cast<std::size_t>(pop.IndMelhor)])
        return "the elite is not the best individual";
    if (EliteAnterior && pop.Crom[1] != EliteAnterior)
        return "slot 1 is not the previous generation's elite";
    if (pop.Crom[1]->Aptidao != Motor.MelhorGer1[g - 1] ||
        Motor.MelhorGer1[g] < Motor.MelhorGer1[g - 1])
        return Diz("slot 1 has fitness ", pop.Crom[1]->Aptidao, " and the best is ",
                   Motor.MelhorGer1[g], ", after a best of ", Motor.MelhorGer1[g - 1]);
    return "";
}

std::string TVerificador::ConfereSaidas() const {
    const int g = Motor.Geracao;
    const auto i = static_cast<std::size_t>(g);
    if (Observador.Pontos.size() != i)
        return Diz(Observador.Pontos.size(), " chart points");
    const auto& ponto = Observador.Pontos.back();
    if (ponto.Geracao != g || ponto.Melhor1 != Motor.MelhorGer1[i] ||
        ponto.Melhor2 != Motor.MelhorGer2[i] || ponto.Media1 != Motor.MediaGer1[i] ||
        ponto.Media2 != Motor.MediaGer2[i])
        return Diz("the chart point (", ponto.Geracao, ": ", ponto.Melhor1, ", ", ponto.Melhor2,
                   ", ", ponto.Media1, ", ", ponto.Media2, ") is not the tables' entry");

    const auto& linhas = Observador.Linhas;
    if (linhas.size() != 10 + 4 * i)
        return Diz(linhas.size(), " report lines");
    if (linhas[linhas.size() - 2] != "Geração " + std::to_string(g) ||
        linhas[linhas.size() - 3] != std::string(65, '_') || !linhas[linhas.size() - 4].empty())
        return "the generation's heading in the report is wrong";

    const TPopulacao& pop = *Motor.Populacao;
    const TCromossomo& b = *pop.Crom[pop.IndMelhor];
    const std::string& sep = Caso.Painel.SeparadorDecimal;
    const int meio = Motor.Param.MeioCrom();
    const int tamCrom = Motor.Param.TamCrom;
    std::string esperada;
    if (!Caso.Paralelo) {
        esperada = Digitos(b, 1, tamCrom) + "  X=" + std::to_string(b.X) +
                   "  Y=" + std::to_string(b.Y) + "  Fitness=" + FormataReal(b.Aptidao, sep);
    } else {
        const TCromossomo& by = *pop.Crom[pop.IndMelhorY];
        esperada = Digitos(b, 1, meio) + "    " + Digitos(by, meio + 1, tamCrom) +
                   "  X=" + std::to_string(b.X) + "  Y=" + std::to_string(by.Y) +
                   "  Z(x)=" + FormataReal(b.Aptidao, sep) +
                   "  Z(y)=" + FormataReal(by.AptidaoY, sep);
    }
    if (linhas.back() != esperada)
        return "the report's last line is \"" + linhas.back() + "\", not \"" + esperada + "\"";
    return "";
}
