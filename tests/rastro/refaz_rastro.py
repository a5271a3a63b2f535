#!/usr/bin/python3
"""Replays quivora-run's --trace from the outside: for every generation, applies the recorded
selection, crossover, mutation and replacement to the recorded population and checks that the
next generation's population comes out bit for bit, that every roulette draw and tournament
chose what the selection fitness says, and that each individual's x and y decode from its bits.

Usage: quivora-run ... --trace - | refaz_rastro.py  (exit 0 when everything agrees)."""

import json
import sys
from fractions import Fraction


def falha(geracao, texto):
    sys.exit(f"generation {geracao}: {texto}")


def decodifica(bits, vmin, vmax):
    # The half read as a binary number, the first bit most significant, mapped onto the
    # interval and rounded half to even (Python's round does that on exact fractions).
    s = int(bits, 2)
    maximo = 2 ** len(bits) - 1
    return round(Fraction(vmax - vmin, maximo) * s + vmin)


def confere_populacao(linha, config):
    meio = config["chrom"] // 2
    for slot, ind in enumerate(linha["population"], start=1):
        x = decodifica(ind["bits"][:meio], config["min"], config["max"])
        y = decodifica(ind["bits"][meio:], config["min"], config["max"])
        if (x, y) != (ind["x"], ind["y"]):
            falha(linha["generation"], f"slot {slot} decodes to {(x, y)}, not {(ind['x'], ind['y'])}")


def confere_selecao(linha, selecao, paralelo):
    pop = linha["population"]
    g = linha["generation"]
    aptidoes = [ind["selection_fitness"] for ind in pop]
    aptidoes_y = [ind.get("selection_fitness_y") for ind in pop]
    por_par = 4 if paralelo else 2
    escolhas = selecao["draws"] if "draws" in selecao else selecao["tournaments"]
    for n, escolha in enumerate(escolhas):
        apt = aptidoes_y if paralelo and n % por_par >= 2 else aptidoes
        if selecao["scheme"] == "Roleta":
            somas, total = [], 0.0
            for a in apt:
                total += a
                somas.append(total)
            alvo = escolha["u"] * total
            esperado = next(i for i, s in enumerate(somas, start=1) if s > alvo)
            if escolha["slot"] != esperado:
                falha(g, f"draw {n} chose {escolha['slot']}, the wheel says {esperado}")
        else:
            vencedor = escolha["entrants"][0]
            for candidato in escolha["entrants"][1:]:
                if apt[candidato - 1] > apt[vencedor - 1]:
                    vencedor = candidato
            if escolha["winner"] != vencedor:
                falha(g, f"tournament {n} won by {escolha['winner']}, not {vencedor}")
    return [e.get("slot", e.get("winner")) for e in escolhas]


def cruza(esquema, par, pais, n, meio):
    """The two children of a pair, as lists of bits; pais are [p1x, p2x, p1y, p2y] bit strings."""
    p1, p2 = pais[0], pais[1]
    if esquema == "1 ponto":
        c = par["cut"]
        if len(pais) == 4:
            p1y, p2y = pais[2], pais[3]
            f1 = p1[:c] + p2[c:meio] + p1y[meio:meio + c] + p2y[meio + c:]
            f2 = p2[:c] + p1[c:meio] + p2y[meio:meio + c] + p1y[meio + c:]
            return f1, f2
        return p1[:c] + p2[c:], p2[:c] + p1[c:]
    if esquema == "2 pontos":
        c1, c2 = par["cut1"], par["cut2"]
        meio_de = (lambda a, b: b[:c1] + a[c1:max(c1, c2 - 1)] + b[max(c1, c2 - 1):])
        return meio_de(p1, p2), meio_de(p2, p1)
    m = par["mask"]
    f1 = "".join(p1[b] if m[b] == "0" else p2[b] for b in range(n))
    f2 = "".join(p2[b] if m[b] == "0" else p1[b] for b in range(n))
    return f1, f2


def muta(esquema, bits, acertos):
    b = list(bits)
    for pos in acertos:  # ascending, as the tests run
        k = pos - 1
        if esquema == "Flip":
            b[k] = "1" if b[k] == "0" else "0"
        elif esquema == "Mutar para 1":
            b[k] = "1"
        elif esquema == "Mutar para 0":
            b[k] = "0"
        else:
            b[k], b[k + 1] = b[k + 1], b[k]
    return "".join(b)


def proxima(linha, config):
    """The next generation's bits, from this line alone."""
    prox = linha["next"]
    paralelo = config["parallel"]
    n = config["chrom"]
    atual = [ind["bits"] for ind in linha["population"]]
    elite = linha["elite"]
    if elite and elite["slot_1_is_elite"]:
        atual[0] = elite["bits"]  # slot 1 is read as the elite the evaluation rewrote
    escolhidos = confere_selecao(linha, prox["selection"], paralelo)
    pares = prox["crossover"]["pairs"]
    if len(pares) != prox["pairs"]:
        falha(linha["generation"], "pairs do not match")
    filhos = []
    por_par = 4 if paralelo else 2
    for k, par in enumerate(pares):
        slots = escolhidos[por_par * k:por_par * (k + 1)]
        if slots[:2] != par["parents_x"] or (paralelo and slots[2:] != par["parents_y"]):
            falha(linha["generation"], f"pair {k + 1}'s parents are not the selection's")
        esquema = prox["crossover"]["scheme"]
        filhos.extend(cruza(esquema, par, [atual[s - 1] for s in slots], n, n // 2))
        # Crossing parents of all "a" with parents of all "b" shows where each bit comes from.
        origem, _ = cruza(esquema, par, ["a" * n, "b" * n] * (por_par // 2), n, n // 2)
        if par["crossed"] != ("a" in origem and "b" in origem):
            falha(linha["generation"], f"pair {k + 1}'s \"crossed\" does not match its material")
    mutados = [muta(prox["mutation"]["scheme"], f, a) for f, a in zip(filhos, prox["mutation"]["hits"])]
    nova = list(atual)
    for filho, slot in zip(mutados, prox["replacement"]["slots"]):
        nova[slot - 1] = filho
    if prox["replacement"]["elite_to_slot_1"]:
        nova[0] = elite["bits"]
    return nova


def main():
    linhas = [json.loads(l) for l in sys.stdin if l.strip()]
    if not linhas or linhas[0]["generation"] != 0:
        sys.exit("no generation 0")
    config = linhas[0]["config"]
    for g, linha in enumerate(linhas):
        if linha["generation"] != g:
            falha(g, "generations are not consecutive")
        confere_populacao(linha, config)
        if g + 1 < len(linhas):
            if "next" not in linha:
                falha(g, "no next step before the last line")
            esperada = proxima(linha, config)
            obtida = [ind["bits"] for ind in linhas[g + 1]["population"]]
            if esperada != obtida:
                diferentes = [i + 1 for i, (a, b) in enumerate(zip(esperada, obtida)) if a != b]
                falha(g, f"the step does not give generation {g + 1}: slots {diferentes[:10]} differ")
    if "end" not in linhas[-1] or "next" in linhas[-1]:
        sys.exit("the last line has no end")
    print(f"{len(linhas)} generations replayed")


main()
