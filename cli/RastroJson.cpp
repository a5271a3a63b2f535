#include "RastroJson.h"

#include <charconv>
#include <utility>

namespace {

// Numbers as JSON takes them: whole numbers as they are, fitness values in the shortest text
// that reads back to the same double, so that a reader recomputes the run exactly.
void Numero(std::string& s, double v) {
    char texto[32];
    const auto fim = std::to_chars(texto, texto + sizeof texto, v).ptr;
    s.append(texto, fim);
}

void Numero(std::string& s, std::int64_t v) {
    s += std::to_string(v);
}

void Campo(std::string& s, const char* nome) {
    if (s.back() != '{')
        s += ',';
    s += '"';
    s += nome;
    s += "\":";
}

// Captions are the panel's, in UTF-8; none holds a quote or a backslash.
void Texto(std::string& s, const std::string& texto) {
    s += '"';
    s += texto;
    s += '"';
}

void Bits(std::string& s, const TPosicoes& p, int n) {
    s += '"';
    for (int b = 1; b <= n; ++b)
        s += p.Tem(b) ? '1' : '0';
    s += '"';
}

void Posicoes(std::string& s, const TPosicoes& p, int n) {
    s += '[';
    bool primeira = true;
    for (int b = 1; b <= n; ++b)
        if (p.Tem(b)) {
            if (!primeira)
                s += ',';
            primeira = false;
            Numero(s, std::int64_t{b});
        }
    s += ']';
}

template <typename T>
void Lista(std::string& s, const T* valores, std::size_t n) {
    s += '[';
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0)
            s += ',';
        Numero(s, static_cast<std::int64_t>(valores[i]));
    }
    s += ']';
}

const char* Chave(bool v) {
    return v ? "true" : "false";
}

const char* Motivo(TMotivoFim motivo) {
    switch (motivo) {
        case TMotivoFim::Tolerancia:
            return "tolerance";
        case TMotivoFim::LimiteGeracoes:
            return "generation_limit";
        case TMotivoFim::Interrompida:
            break;
    }
    return "interrupted";
}

void Configuracao(std::string& s, const TConfiguracaoAG& c, std::uint32_t semente) {
    s += '{';
    Campo(s, "seed");
    Numero(s, std::int64_t{semente});
    Campo(s, "pop");
    Numero(s, std::int64_t{c.TamPop});
    Campo(s, "chrom");
    Numero(s, std::int64_t{c.TamCrom});
    Campo(s, "selection");
    Texto(s, LegendaDe(c.TipoSel));
    Campo(s, "tournament");
    Numero(s, std::int64_t{c.QuantTorneio});
    Campo(s, "crossover");
    Texto(s, LegendaDe(c.TipoCruz));
    Campo(s, "crossover_rate");
    Numero(s, std::int64_t{c.TaxaCruz});
    Campo(s, "mutation");
    Texto(s, LegendaDe(c.TipoMut));
    Campo(s, "mutation_rate");
    Numero(s, std::int64_t{c.TaxaMut});
    Campo(s, "generations_limit");
    Numero(s, std::int64_t{c.LimGer});
    Campo(s, "replacement");
    Texto(s, c.TipoSubs == TTipoSubs::Imediata ? "Imediata" : "Inserção");
    Campo(s, "min");
    Numero(s, std::int64_t{c.ValMin});
    Campo(s, "max");
    Numero(s, std::int64_t{c.ValMax});
    Campo(s, "tolerance");
    Numero(s, c.Diferenca);
    Campo(s, "stop");
    Texto(s,
          c.CritParada == TCritParada::NGeracoes ? "n Gerações" : "Primeira situação encontrada");
    Campo(s, "elitism");
    s += Chave(c.Elitismo);
    Campo(s, "scaling");
    s += Chave(c.Escalonamento);
    Campo(s, "parallel");
    s += Chave(c.Paralelo);
    s += '}';
}

void Individuo(std::string& s, const TIndividuoRegistrado& ind, const TAptidoesY& y, int tamCrom,
               bool paralelo) {
    s += '{';
    Campo(s, "bits");
    Bits(s, ind.Genes, tamCrom);
    Campo(s, "x");
    Numero(s, std::int64_t{ind.X});
    Campo(s, "y");
    Numero(s, std::int64_t{ind.Y});
    Campo(s, "fitness");
    Numero(s, ind.Aptidao);
    Campo(s, "selection_fitness");
    Numero(s, ind.AptidaoEsc);
    if (paralelo) {
        Campo(s, "fitness_y");
        Numero(s, y.AptidaoY);
        Campo(s, "selection_fitness_y");
        Numero(s, y.AptidaoEscY);
    }
    s += '}';
}

void Selecao(std::string& s, const TConfiguracaoAG& c, const TPassoRegistrado& p) {
    s += '{';
    Campo(s, "scheme");
    Texto(s, LegendaDe(c.TipoSel));
    if (c.TipoSel == TTipoSel::Roleta) {
        Campo(s, "draws");
        s += '[';
        for (std::size_t i = 0; i < p.Escolhidos.size(); ++i) {
            s += i > 0 ? ",{" : "{";
            Campo(s, "u");
            Numero(s, p.Sorteios[i]);
            Campo(s, "slot");
            Numero(s, std::int64_t{p.Escolhidos[i]});
            s += '}';
        }
        s += ']';
    } else {
        Campo(s, "size");
        Numero(s, std::int64_t{p.TamTorneio});
        Campo(s, "tournaments");
        s += '[';
        const auto tamanho = static_cast<std::size_t>(p.TamTorneio);
        for (std::size_t i = 0; i < p.Escolhidos.size(); ++i) {
            s += i > 0 ? ",{" : "{";
            Campo(s, "entrants");
            Lista(s, p.Entrantes.data() + i * tamanho, tamanho);
            Campo(s, "winner");
            Numero(s, std::int64_t{p.Escolhidos[i]});
            s += '}';
        }
        s += ']';
    }
    s += '}';
}

void Cruzamento(std::string& s, const TConfiguracaoAG& c, const TPassoRegistrado& p) {
    s += '{';
    Campo(s, "scheme");
    Texto(s, LegendaDe(c.TipoCruz));
    Campo(s, "pairs");
    s += '[';
    const auto porPar = static_cast<std::size_t>(p.EscolhasPorPar());
    for (std::size_t k = 0; k < p.Pares.size(); ++k) {
        const TPassoRegistrado::TPar& par = p.Pares[k];
        const std::uint8_t* pais = p.Escolhidos.data() + k * porPar;
        s += k > 0 ? ",{" : "{";
        Campo(s, "parents_x");
        Lista(s, pais, 2);
        if (porPar == 4) {
            Campo(s, "parents_y");
            Lista(s, pais + 2, 2);
        }
        switch (c.TipoCruz) {
            case TTipoCruz::UmPonto:
                Campo(s, "cut");
                Numero(s, std::int64_t{par.Corte1});
                break;
            case TTipoCruz::DoisPontos:
                Campo(s, "cut1");
                Numero(s, std::int64_t{par.Corte1});
                Campo(s, "cut2");
                Numero(s, std::int64_t{par.Corte2});
                break;
            case TTipoCruz::Uniforme:
                Campo(s, "mask");
                Bits(s, p.MascaraDoPar(k), c.TamCrom);
                break;
        }
        Campo(s, "crossed");
        s += Chave(par.Cruzou);
        s += '}';
    }
    s += "]}";
}

void Mutacao(std::string& s, const TConfiguracaoAG& c, const TPassoRegistrado& p) {
    s += '{';
    Campo(s, "scheme");
    Texto(s, LegendaDe(c.TipoMut));
    Campo(s, "rate");
    Numero(s, std::int64_t{c.TaxaMut});
    Campo(s, "hits");
    s += '[';
    for (std::size_t m = 0; m < p.Mutacoes.size(); ++m) {
        if (m > 0)
            s += ',';
        Posicoes(s, p.Mutacoes[m], c.TamCrom);
    }
    s += "]}";
}

void Substituicao(std::string& s, const TConfiguracaoAG& c, const TPassoRegistrado& p) {
    s += '{';
    Campo(s, "scheme");
    Texto(s, c.TipoSubs == TTipoSubs::Imediata ? "Imediata" : "Inserção");
    Campo(s, "slots");
    Lista(s, p.Slots.data(), p.Slots.size());
    Campo(s, "elite_to_slot_1");
    s += Chave(p.EliteNoSlot1);
    s += '}';
}

}  // namespace

TRastroJson::TRastroJson(const TConfiguracaoAG& config, std::uint32_t semente,
                         std::function<void(const std::string&)> escreve)
    : Config(config), Semente(semente), Escreve(std::move(escreve)) {}

void TRastroJson::Acrescenta(const TRegistroGeracao& registro) {
    if (Anterior)
        EscreveGeracao(&registro.Passo, nullptr);
    Anterior = registro.Populacao;
}

void TRastroJson::Termina(const TResultadoAG& resultado) {
    if (Anterior)
        EscreveGeracao(nullptr, &resultado);
    Anterior.reset();
}

void TRastroJson::EscreveGeracao(const TPassoRegistrado* proximo, const TResultadoAG* fim) {
    const TPopulacaoRegistrada& pop = *Anterior;
    const TDadosGeracao& d = pop.Dados;
    const bool paralelo = pop.Paralelo;
    std::string& s = Linha;
    s.clear();
    s += '{';
    Campo(s, "generation");
    Numero(s, std::int64_t{d.Geracao});
    if (d.Geracao == 0) {
        Campo(s, "config");
        Configuracao(s, Config, Semente);
    }
    Campo(s, "evaluations");
    Numero(s, d.Avaliacoes);
    Campo(s, "best");
    s += '{';
    Campo(s, "slot");
    Numero(s, std::int64_t{d.IndMelhor});
    Campo(s, "x");
    Numero(s, std::int64_t{d.MelhorX});
    Campo(s, "y");
    Numero(s, std::int64_t{d.MelhorY});
    Campo(s, "fitness");
    Numero(s, d.Melhor1);
    if (paralelo) {
        Campo(s, "slot_y");
        Numero(s, std::int64_t{d.IndMelhorY});
        Campo(s, "fitness_y");
        Numero(s, d.Melhor2);
    }
    s += '}';
    Campo(s, "average");
    Numero(s, d.Media1);
    Campo(s, "best_so_far");
    Numero(s, d.MelhorAteAgora1);
    if (paralelo) {
        Campo(s, "average_y");
        Numero(s, d.Media2);
        Campo(s, "best_so_far_y");
        Numero(s, d.MelhorAteAgora2);
    }
    Campo(s, "population");
    s += '[';
    for (std::size_t i = 0; i < pop.Individuos.size(); ++i) {
        if (i > 0)
            s += ',';
        Individuo(s, pop.Individuos[i], pop.DoY(i), pop.TamCrom, paralelo);
    }
    s += ']';
    Campo(s, "elite");
    if (pop.TemElite) {
        s += '{';
        Campo(s, "bits");
        Bits(s, pop.Elite, pop.TamCrom);
        Campo(s, "slot_1_is_elite");
        s += Chave(pop.Slot1EhElite);
        s += '}';
    } else {
        s += "null";
    }
    if (proximo != nullptr) {
        Campo(s, "next");
        s += '{';
        Campo(s, "pairs");
        Numero(s, std::int64_t{proximo->NumPares});
        Campo(s, "selection");
        Selecao(s, Config, *proximo);
        Campo(s, "crossover");
        Cruzamento(s, Config, *proximo);
        Campo(s, "mutation");
        Mutacao(s, Config, *proximo);
        Campo(s, "replacement");
        Substituicao(s, Config, *proximo);
        s += '}';
    }
    if (fim != nullptr) {
        Campo(s, "end");
        Texto(s, Motivo(fim->Motivo));
    }
    s += "}\n";
    Escreve(s);
}

const char* AjudaRastro() {
    return R"(Trace (--trace FILE): one JSON object per line, one line per generation from 0:
  generation           the generation's number
  config               (generation 0 only) the run's options, as quivora-run names them, and
                       its seed
  evaluations          individuals evaluated so far, this generation's included
  best                 the best individual: slot (from 1), x, y, fitness; in parallel mode
                       also slot_y and fitness_y, of the best y half
  average, best_so_far the average fitness; the highest best fitness of any generation so
                       far (average_y, best_so_far_y in parallel mode)
  population           every individual, slot 1 first: bits (gene 1 first, the x half then
                       the y half), x, y, fitness, selection_fitness (after directed
                       scaling), in parallel mode fitness_y, selection_fitness_y
  elite                with elitism, the elite after this evaluation: bits, the genes the
                       next replacement puts into slot 1, and slot_1_is_elite, true when
                       slot 1 is the elite itself, whose genes the evaluation then rewrote
                       (parallel mode): the next step reads slot 1 as elite.bits; else null
  next                 how the next generation is made from this one (absent on the last
                       line): pairs, the number of parent pairs;
    selection          scheme; Roleta: draws, each {u, slot}: the number drawn in [0, 1)
                       and the slot whose running sum of selection fitness first passes
                       u times the total; Torneio: size and tournaments, each {entrants,
                       winner}. Choices go pair by pair: the first and second x parent,
                       then in parallel mode the first and second y parent
    crossover          scheme and pairs, each with parents_x (parents_y in parallel mode),
                       the cut ("1 ponto"), cut1 and cut2 ("2 pontos") or mask ("Uniforme",
                       1 where the first child takes the second parent's bit), and
                       crossed: false when the children are plain copies of the parents;
                       pair k makes children 2k - 1 and 2k
    mutation           scheme, rate and hits: for each child, the positions whose test hit
                       (for "Inversão", the positions swapped with the next one)
    replacement        scheme, slots (the slot each child was put in) and elite_to_slot_1
  end                  (last line only) tolerance, generation_limit or interrupted
)";
}
