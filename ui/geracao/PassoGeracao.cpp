#include "PassoGeracao.h"

#include "FormatoNumero.h"

#include <algorithm>
#include <cmath>

namespace {

using TBits = std::vector<std::uint8_t>;

TBits Desempacota(const TPosicoes& p, int n) {
    TBits bits(static_cast<std::size_t>(n));
    for (int b = 1; b <= n; ++b)
        bits[static_cast<std::size_t>(b - 1)] = p.Tem(b) ? 1 : 0;
    return bits;
}

// The genes the step read from a slot: slot 1 is the elite's, when the evaluation rewrote it.
TBits GenesLidos(const TPopulacaoRegistrada& pop, int slot) {
    const TPosicoes& genes = slot == 1 && pop.Slot1EhElite
                                 ? pop.Elite
                                 : pop.Individuos[static_cast<std::size_t>(slot - 1)].Genes;
    return Desempacota(genes, pop.TamCrom);
}

std::vector<double> Fatias(const TPopulacaoRegistrada& pop, bool y) {
    std::vector<double> fatias;
    double total = 0;
    for (std::size_t i = 0; i < pop.Individuos.size(); ++i) {
        fatias.push_back(y ? pop.DoY(i).AptidaoEscY : pop.Individuos[i].AptidaoEsc);
        total += fatias.back();
    }
    if (total > 0)
        for (double& f : fatias)
            f /= total;
    return fatias;
}

// Which parent each bit of a child comes from, 1 for the child's own first parent (the one
// its crossover copies from first), 2 for the other, as the run's crossover takes them.
TBits OrigemPropria(const TConfiguracaoAG& c, const TPassoRegistrado::TPar& par,
                    const TPosicoes& mascara) {
    const int n = c.TamCrom;
    TBits origem(static_cast<std::size_t>(n));
    for (int b = 1; b <= n; ++b) {
        std::uint8_t de = 2;
        switch (c.TipoCruz) {
            case TTipoCruz::UmPonto: {
                const int posicao = c.Paralelo && b > c.MeioCrom() ? b - c.MeioCrom() : b;
                de = posicao <= par.Corte1 ? 1 : 2;
                break;
            }
            case TTipoCruz::DoisPontos:
                de = b > par.Corte1 && b < par.Corte2 ? 1 : 2;
                break;
            case TTipoCruz::Uniforme:
                de = mascara.Tem(b) ? 2 : 1;
                break;
        }
        origem[static_cast<std::size_t>(b - 1)] = de;
    }
    return origem;
}

TBits Muta(TTipoMut tipo, TBits bits, const TPosicoes& acertos) {
    const int n = static_cast<int>(bits.size());
    for (int b = 1; b <= n; ++b) {
        std::uint8_t& bit = bits[static_cast<std::size_t>(b - 1)];
        if (!acertos.Tem(b) || (tipo == TTipoMut::Inversao && b == n))
            continue;
        switch (tipo) {
            case TTipoMut::Flip:
                bit ^= 1;
                break;
            case TTipoMut::MutarPara1:
                bit = 1;
                break;
            case TTipoMut::MutarPara0:
                bit = 0;
                break;
            case TTipoMut::Inversao:
                std::swap(bit, bits[static_cast<std::size_t>(b)]);
                break;
        }
    }
    return bits;
}

std::string Real(const TPassoMostrado& p, double v) {
    return FormataReal(v, p.Config.Separador);
}

std::string Percentual(const TPassoMostrado& p, double fracao) {
    return Real(p, std::round(fracao * 10000) / 100) + " %";
}

std::string ExplicaSelecao(const TPassoMostrado& p) {
    const std::string pares = std::to_string(p.Pares.size());
    std::string texto;
    if (p.Config.TipoSel == TTipoSel::Torneio) {
        texto = "Torneio: para cada um dos " + std::to_string(p.Escolhas.size()) + " pais, " +
                std::to_string(p.Config.QuantTorneio) +
                " indivíduos são sorteados e vence o de maior aptidão de seleção (o primeiro, "
                "no empate); " +
                pares + " pares";
    } else {
        texto = "Roleta: cada indivíduo tem uma fatia proporcional à sua aptidão de seleção; " +
                std::to_string(p.Escolhas.size()) + " giros escolhem os pais de " + pares +
                " pares";
        const auto maior = std::max_element(p.Fatias.begin(), p.Fatias.end());
        if (maior != p.Fatias.end())
            texto += " (a maior fatia, " + Percentual(p, *maior) + ", é do slot " +
                     std::to_string(maior - p.Fatias.begin() + 1) + ")";
    }
    if (p.Config.Paralelo)
        texto +=
            ". Paralelo: x e y escolhem seus pais à parte; na avaliação, cada x foi julgado "
            "com o melhor Y achado até ali (ao fim, Y = " +
            std::to_string(p.MelhorY) +
            ") e cada y com o melhor X (ao fim, X = " + std::to_string(p.MelhorX) + ")";
    return texto + ".";
}

std::string ExplicaCruzamento(const TPassoMostrado& p) {
    const auto naoCruzaram =
        std::count_if(p.Pares.begin(), p.Pares.end(),
                      [](const TParMostrado& par) { return !par.Material.Cruzou; });
    std::string como;
    switch (p.Config.TipoCruz) {
        case TTipoCruz::UmPonto:
            como = "cada par é cortado num ponto e os filhos trocam as caudas";
            break;
        case TTipoCruz::DoisPontos:
            como = "cada par é cortado em dois pontos e os filhos trocam o trecho do meio";
            break;
        case TTipoCruz::Uniforme:
            como = "uma máscara sorteada diz, bit a bit, de qual pai cada filho herda";
            break;
    }
    return LegendaDe(p.Config.TipoCruz) + ": " + como + "; " + std::to_string(p.Pares.size()) +
           " pares, " + std::to_string(naoCruzaram) +
           " sem cruzar (filhos iguais aos pais). Cores: pai 1 azul, pai 2 laranja.";
}

std::string ExplicaMutacao(const TPassoMostrado& p) {
    long acertos = 0;
    long testes = 0;
    const int porFilho =
        p.Config.TipoMut == TTipoMut::Inversao ? p.Config.TamCrom - 1 : p.Config.TamCrom;
    for (const TParMostrado& par : p.Pares)
        for (const TFilhoMostrado& f : par.Filhos) {
            testes += porFilho;
            for (int b = 1; b <= porFilho; ++b)
                acertos += f.Acertos.Tem(b) ? 1 : 0;
        }
    const double chance = (p.Config.TaxaMut + 1) / 101.0;
    std::string texto = LegendaDe(p.Config.TipoMut) + ": cada teste acerta com probabilidade (" +
                        std::to_string(p.Config.TaxaMut) + " + 1)/101 = " + Percentual(p, chance);
    if (p.Config.TaxaMut == 0)
        texto += " (taxa 0 % ainda muta, 1 em 101 por bit)";
    return texto + "; " + std::to_string(acertos) + " de " + std::to_string(testes) +
           " testes acertaram (em vermelho).";
}

std::string ExplicaSubstituicao(const TPassoMostrado& p) {
    const std::size_t filhos = 2 * p.Pares.size();
    std::string texto = p.Config.TipoSubs == TTipoSubs::Imediata
                            ? "Imediata: os " + std::to_string(filhos) +
                                  " filhos ocupam os slots 1 a " + std::to_string(filhos) +
                                  " em ordem"
                            : "Inserção: os " + std::to_string(filhos) +
                                  " filhos entram por uma das pontas, que alterna a cada geração";
    if (p.EliteNoSlot1)
        texto += "; o elite volta ao slot 1";
    if (p.Config.Paralelo)
        texto +=
            ". Paralelo: as metades x e y de cada filho são julgadas na geração seguinte "
            "com a melhor coordenada da outra população";
    return texto + ".";
}

}  // namespace

const char* NomeEtapa(TEtapa etapa) {
    switch (etapa) {
        case TEtapa::Selecao:
            return "Seleção";
        case TEtapa::Cruzamento:
            return "Cruzamento";
        case TEtapa::Mutacao:
            return "Mutação";
        case TEtapa::Substituicao:
            break;
    }
    return "Substituição";
}

TPassoMostrado MontaPasso(const TConfiguracaoAG& config, const TPopulacaoRegistrada& anterior,
                          const TPassoRegistrado& passo) {
    TPassoMostrado p;
    p.Config = config;
    p.Geracao = anterior.Dados.Geracao;
    p.MelhorX = anterior.Dados.MelhorX;
    p.MelhorY = anterior.Dados.MelhorY;
    p.Fatias = Fatias(anterior, false);
    if (config.Paralelo)
        p.FatiasY = Fatias(anterior, true);
    p.EliteNoSlot1 = passo.EliteNoSlot1;

    const int porPar = passo.EscolhasPorPar();
    const auto tamanho = static_cast<std::size_t>(passo.TamTorneio);
    for (std::size_t i = 0; i < passo.Escolhidos.size(); ++i) {
        TEscolhaMostrada e;
        e.Slot = passo.Escolhidos[i];
        e.DaY = porPar == 4 && i % 4 >= 2;
        if (i < passo.Sorteios.size())
            e.Ponto = passo.Sorteios[i];
        if (tamanho > 0)
            e.Entrantes.assign(passo.Entrantes.begin() + static_cast<long>(i * tamanho),
                               passo.Entrantes.begin() + static_cast<long>((i + 1) * tamanho));
        p.Escolhas.push_back(std::move(e));
    }

    const bool yProprio = config.Paralelo && config.TipoCruz == TTipoCruz::UmPonto;
    for (std::size_t k = 0; k < passo.Pares.size(); ++k) {
        TParMostrado par;
        const auto* pais = passo.Escolhidos.data() + k * static_cast<std::size_t>(porPar);
        par.Pai1 = pais[0];
        par.Pai2 = pais[1];
        if (porPar == 4) {
            par.Pai1Y = pais[2];
            par.Pai2Y = pais[3];
        }
        par.Material = passo.Pares[k];
        const TBits origem = OrigemPropria(config, par.Material, passo.MascaraDoPar(k));
        const TBits x[2] = {GenesLidos(anterior, par.Pai1), GenesLidos(anterior, par.Pai2)};
        const TBits y[2] = {yProprio ? GenesLidos(anterior, par.Pai1Y) : x[0],
                            yProprio ? GenesLidos(anterior, par.Pai2Y) : x[1]};
        for (int i = 0; i < 2; ++i) {
            par.BitsPais[i] = x[i];
            std::copy(y[i].begin() + config.MeioCrom(), y[i].end(),
                      par.BitsPais[i].begin() + config.MeioCrom());
        }
        for (int f = 0; f < 2; ++f) {
            TFilhoMostrado& filho = par.Filhos[f];
            const std::size_t m = 2 * k + static_cast<std::size_t>(f);
            filho.Origem = origem;
            // The second child starts from the second parent: its own first is the pair's second.
            if (f == 1)
                for (std::uint8_t& o : filho.Origem)
                    o = static_cast<std::uint8_t>(3 - o);
            filho.Cruzado.resize(origem.size());
            for (std::size_t b = 0; b < origem.size(); ++b)
                filho.Cruzado[b] = par.BitsPais[filho.Origem[b] - 1][b];
            filho.Acertos = passo.Mutacoes[m];
            filho.Mutado = Muta(config.TipoMut, filho.Cruzado, filho.Acertos);
            filho.Slot = passo.Slots[m];
        }
        p.Pares.push_back(std::move(par));
    }
    return p;
}

std::string ExplicaEtapa(TEtapa etapa, const TPassoMostrado& passo) {
    switch (etapa) {
        case TEtapa::Selecao:
            return ExplicaSelecao(passo);
        case TEtapa::Cruzamento:
            return ExplicaCruzamento(passo);
        case TEtapa::Mutacao:
            return ExplicaMutacao(passo);
        case TEtapa::Substituicao:
            break;
    }
    return ExplicaSubstituicao(passo);
}

std::string TextoBits(const TPosicoes& genes, int tamCrom) {
    std::string texto;
    for (int b = 1; b <= tamCrom; ++b) {
        if (b == tamCrom / 2 + 1)
            texto += ' ';
        texto += genes.Tem(b) ? '1' : '0';
    }
    return texto;
}
