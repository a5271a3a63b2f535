#include "FormatoNumero.h"
#include "MotorAG.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace {

// Value of the genes de..ate as a binary number, the lowest position most significant. Eight
// genes at a time: genes are bytes 0 or 1, and one multiplication by 0x8040201008040201 moves
// bit 0 of byte j of a little-endian word to bit 63 - j, so that the top byte of the product
// holds the eight genes as a binary number, the first one on top (no two partial products
// overlap, so nothing carries into it).
std::uint64_t ValorGenes(const TCromossomo& c, int de, int ate) {
    const std::uint8_t* gene = c.Gene.data();
    std::uint64_t soma = 0;
    int k = de;
    for (; k + 7 <= ate; k += 8) {
        std::uint64_t oito = 0;
        std::memcpy(&oito, gene + k, sizeof oito);
        if constexpr (std::endian::native == std::endian::big)
            oito = __builtin_bswap64(oito);
        soma = (soma << 8) | ((oito * 0x8040201008040201ULL) >> 56);
    }
    for (; k <= ate; ++k)
        soma = 2 * soma + gene[k];
    return soma;
}

// The directed-scaling factor: not monotonic around the average, by design of the scheme.
// The first row that applies wins: 10000 at the best, 5000 above the average, 1000 at it, 100
// below. The row is picked by arithmetic on the comparisons, not by branches, which the
// fitness values would mispredict.
double Fator(double v, double melhor, double media) {
    static constexpr std::array<double, 4> Fatores{100, 1000, 5000, 10000};
    const int noMelhor = v == melhor ? 1 : 0;
    const int acima = v > media ? 1 : 0;
    const int naMedia = v == media ? 1 : 0;  // never with acima
    const int linha = 3 * noMelhor + (1 - noMelhor) * (2 * acima + naMedia);
    return Fatores[static_cast<std::size_t>(linha)];
}

double Escala(double v, double melhor, double media, bool dirigido) {
    return static_cast<double>(
        v * static_cast<long double>(dirigido ? Fator(v, melhor, media) : 100.0));
}

double Soma(double acumulado, double parcela) {
    return static_cast<double>(static_cast<long double>(acumulado) + parcela);
}

std::string Genes(const TCromossomo& c, int de, int ate) {
    std::string texto(static_cast<std::size_t>(std::max(0, ate - de + 1)), '0');
    for (int k = de; k <= ate; ++k)
        texto[static_cast<std::size_t>(k - de)] = c.Gene[k] != 0 ? '1' : '0';
    return texto;
}

}  // namespace

// Gene k is Random(2): a chromosome's draws come in one block.
void TMotorAG::InicializaPop(int count) {
    if (Populacao)  // the last run's individuals, for reuse where nothing else holds them
        for (PCromossomo& slot : Populacao->Crom)
            Solta(slot);
    Populacao = std::make_unique<TPopulacao>();  // 1.
    Aleatorio.Semeia(Semente);                   // 2.
    for (int i = 1; i <= count; ++i) {           // 3.
        PCromossomo c = NovoCromossomo();
        Aleatorio.ProximosBits(c->Gene.data() + 1, Param.TamCrom);
        Populacao->Crom[i] = std::move(c);
    }
    if (Param.Elitismo) {  // 4.
        if (Elite)
            Solta(Elite->Crom[1]);
        Elite = std::make_unique<TElite>();
        Elite->Crom[1] = NovoCromossomo();
    }
}

void TMotorAG::AvaliaPop(int count) {
    const auto g = static_cast<std::size_t>(Geracao);
    const bool paralelo = Param.Paralelo;
    const bool elitismo = Param.Elitismo && Elite != nullptr;
    TPopulacao& pop = *Populacao;
    double somaApt = 0;
    double somaZy = 0;
    double zy = 0;  // Z(y) of the current slot; stays 0 in simple mode

    // Slot 1 may be the elite's own chromosome, whose genes step 2.6 rewrites once slot 1 is
    // scored: the record keeps the genes it was scored with.
    const bool slot1EhElite = elitismo && paralelo && pop.Crom[1] == Elite->Crom[1];
    TPosicoes genesSlot1;
    if (Registro != nullptr && count >= 1)
        genesSlot1 = Empacota(pop.Crom[1]->Gene.data() + 1, Param.TamCrom);

    Decodificacao.Prepara(Param.MeioCrom(), Param.ValMin, Param.ValMax);  // 1.
    for (int i = 1; i <= count; ++i) {                                    // 2.
        TCromossomo& c = *pop.Crom[i];
        DecodificaEPontua(c, paralelo);  // 2.1 to 2.3
        if (paralelo)
            zy = c.AptidaoY;
        if (c.Aptidao > MelhorGer1[g]) {  // 2.4; a tie keeps the earlier slot
            MelhorGer1[g] = c.Aptidao;
            pop.MelhorApt = c.Aptidao;
            pop.IndMelhor = i;
            MelhorXGer[g] = c.X;
            if (!paralelo)
                MelhorYGer[g] = c.Y;
        }
        if (paralelo && c.AptidaoY > MelhorGer2[g]) {  // 2.5
            MelhorGer2[g] = c.AptidaoY;
            pop.MelhorAptY = c.AptidaoY;
            pop.IndMelhorY = i;
            MelhorYGer[g] = c.Y;
        }
        if (elitismo && paralelo)  // 2.6, parallel mode: the genes change with every slot
            AtualizaElite();
        somaApt = Soma(somaApt, c.Aptidao);  // 2.7
        somaZy = Soma(somaZy, zy);
    }
    // 2.6, simple mode: the elite is a reference, so only the last one taken in the loop,
    // the generation's best, is ever seen.
    if (elitismo && !paralelo)
        Aponta(Elite->Crom[1], pop.Crom[pop.IndMelhor]);
    MediaGer1[g] = static_cast<double>(static_cast<long double>(somaApt) / count);  // 3.
    MediaGer2[g] = static_cast<double>(static_cast<long double>(somaZy) / count);
    Escalona(paralelo, count);  // 4.
    if (Relata)
        EscreveLinhaMelhor(paralelo);  // 5.
    if (Registro != nullptr)
        RegistraPopulacao(genesSlot1, slot1EhElite);
}

// The population as scored, with the elite that the next replacement will use.
void TMotorAG::RegistraPopulacao(const TPosicoes& genesSlot1, bool slot1EhElite) {
    TPopulacaoRegistrada& r = Registro->Populacao;
    const TPopulacao& pop = *Populacao;
    const int tamCrom = Param.TamCrom;
    r.Paralelo = Param.Paralelo;
    r.TamCrom = tamCrom;
    const auto tamPop = static_cast<std::size_t>(Param.TamPop);
    r.Individuos.resize(tamPop);
    r.IndividuosY.resize(Param.Paralelo ? tamPop : 0);
    for (int i = 1; i <= Param.TamPop; ++i) {
        const TCromossomo& c = *pop.Crom[i];
        const auto k = static_cast<std::size_t>(i - 1);
        TIndividuoRegistrado& ind = r.Individuos[k];
        ind.Genes = i == 1 ? genesSlot1 : Empacota(c.Gene.data() + 1, tamCrom);
        ind.X = static_cast<std::int16_t>(c.X);
        ind.Y = static_cast<std::int16_t>(c.Y);
        ind.Aptidao = c.Aptidao;
        ind.AptidaoEsc = c.AptidaoEsc;
        if (Param.Paralelo)
            r.IndividuosY[k] = {c.AptidaoY, c.AptidaoEscY};
    }
    r.TemElite = Param.Elitismo && Elite != nullptr;
    r.Elite = r.TemElite ? Empacota(Elite->Crom[1]->Gene.data() + 1, tamCrom) : TPosicoes{};
    r.Slot1EhElite = slot1EhElite;
}

// Parallel mode judges each half against the other population's best coordinate as it
// stands now, so earlier slots of the generation set the partner of later ones.
void TMotorAG::DecodificaEPontua(TCromossomo& c, bool paralelo) {
    const int meio = Param.MeioCrom();
    const int g = Geracao;
    c.X = Decodificacao(ValorGenes(c, 1, meio));
    c.Y = Decodificacao(ValorGenes(c, meio + 1, Param.TamCrom));
    if (!paralelo) {
        c.Aptidao = TabelaF6(c.X * c.X + c.Y * c.Y);
        return;
    }
    const std::int32_t parceiroY = MelhorYGer[g];
    c.Aptidao = TabelaF6(c.X * c.X + parceiroY * parceiroY);
    const std::int32_t parceiroX = MelhorXGer[g];
    c.AptidaoY = TabelaF6(parceiroX * parceiroX + c.Y * c.Y);
}

// Parallel mode: the elite's own chromosome takes the best x half and the best y half, copied
// in place; when population slot 1 already refers to it, that slot's genes change with it.
void TMotorAG::AtualizaElite() {
    const TPopulacao& pop = *Populacao;
    TCromossomo& elite = *Elite->Crom[1];
    const TCromossomo& melhorX = *pop.Crom[pop.IndMelhor];
    const TCromossomo& melhorY = *pop.Crom[pop.IndMelhorY];
    const int meio = Param.MeioCrom();
    std::copy(melhorX.Gene.begin() + 1, melhorX.Gene.begin() + meio + 1, elite.Gene.begin() + 1);
    std::copy(melhorY.Gene.begin() + meio + 1, melhorY.Gene.begin() + Param.TamCrom + 1,
              elite.Gene.begin() + meio + 1);
}

void TMotorAG::Escalona(bool paralelo, int count) {
    const auto g = static_cast<std::size_t>(Geracao);
    const bool dirigido = Param.Escalonamento;
    const TPopulacao& pop = *Populacao;
    for (int i = 1; i <= count; ++i) {
        TCromossomo& c = *pop.Crom[i];
        c.AptidaoEsc = Escala(c.Aptidao, pop.MelhorApt, MediaGer1[g], dirigido);
        if (paralelo)
            c.AptidaoEscY = Escala(c.AptidaoY, pop.MelhorAptY, MediaGer2[g], dirigido);
    }
}

void TMotorAG::EscreveLinhaMelhor(bool paralelo) {
    const TPopulacao& pop = *Populacao;
    const TCromossomo& b = *pop.Crom[pop.IndMelhor];
    const int meio = Param.MeioCrom();
    std::string linha;
    if (!paralelo) {
        linha = Genes(b, 1, Param.TamCrom) + "  X=" + FormataReal(b.X, Param.Separador) +
                "  Y=" + FormataReal(b.Y, Param.Separador) +
                "  Fitness=" + FormataReal(b.Aptidao, Param.Separador);
    } else {
        const TCromossomo& by = *pop.Crom[pop.IndMelhorY];
        linha = Genes(b, 1, meio) + "    " + Genes(by, meio + 1, Param.TamCrom) +
                "  X=" + FormataReal(b.X, Param.Separador) +
                "  Y=" + FormataReal(by.Y, Param.Separador) +
                "  Z(x)=" + FormataReal(b.Aptidao, Param.Separador) +
                "  Z(y)=" + FormataReal(by.AptidaoY, Param.Separador);
    }
    Observador->Linha(linha);
}
