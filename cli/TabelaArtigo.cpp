#include "TabelaArtigo.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <string_view>

namespace {

// A cell as the table prints it, before either syntax writes it.
struct TCelula {
    std::string Texto;      // already escaped, in the syntax's own marks
    bool Negrito = false;   // the best value of its column
    bool Marcada = false;   // Holm's adjusted p < 0.05 against configuration 1
    std::string Intervalo;  // " [low, high]" after the value, never bold
};

// What tells the two syntaxes apart.
struct TSintaxe {
    std::function<std::string(const std::string&)> Escapa;
    std::string Infinito;
    std::string Nenhum;  // a comparison of configuration 1 with itself
};

constexpr double Nivel = 0.05;

std::string Arredonda(double valor, int casas, const TSintaxe& s) {
    if (std::isnan(valor))
        return "NA";
    if (std::isinf(valor))
        return valor > 0 ? s.Infinito : "-" + s.Infinito;
    return FormataDecimais(valor, casas, ".");
}

TCelula Sozinho(std::string texto, bool marcada = false) {
    return {std::move(texto), false, marcada, {}};
}

TCelula ComIntervalo(double valor, const TIntervalo& i, int casas, const TSintaxe& s,
                     bool marcada = false) {
    return {Arredonda(valor, casas, s), false, marcada,
            " [" + Arredonda(i.Inferior, casas, s) + ", " + Arredonda(i.Superior, casas, s) + "]"};
}

// The value as printed, for finding a column's best among the rounded numbers a reader sees.
std::optional<double> Impresso(double valor, int casas) {
    if (std::isnan(valor) || std::isinf(valor))
        return std::nullopt;
    const std::string texto = FormataDecimais(valor, casas, ".");
    double impresso = 0;
    std::from_chars(texto.data(), texto.data() + texto.size(), impresso);  // in any locale
    return impresso;
}

// Bold on the rows whose printed value is the column's best (the largest, or the smallest
// when `menor`); ties all bold, unless no row is worse (a column of one value shows no best).
void MarcaMelhor(std::vector<std::vector<TCelula>>& linhas, std::size_t coluna,
                 const std::vector<std::optional<double>>& valores, bool menor) {
    std::optional<double> melhor;
    for (const auto& v : valores)
        if (v && (!melhor || (menor ? *v < *melhor : *v > *melhor)))
            melhor = v;
    if (std::none_of(valores.begin(), valores.end(),
                     [&](const auto& v) { return v && *v != *melhor; }))
        return;
    for (std::size_t k = 0; k < valores.size(); ++k)
        linhas[k][coluna].Negrito = valores[k] == melhor;
}

// The rows of the table: config, varies, runs, success rate, median best, ERT, A12. The
// marks read the paired tests where the runs pair by seed, the others where they do not.
std::vector<std::vector<TCelula>> Celulas(const std::vector<TLinhaResumo>& linhas,
                                          const std::vector<std::string>& rotulos,
                                          const TSintaxe& s) {
    std::vector<std::vector<TCelula>> celulas;
    std::vector<std::optional<double>> taxas, melhores, erts, a12s;
    for (std::size_t k = 0; k < linhas.size(); ++k) {
        const TLinhaResumo& l = linhas[k];
        const bool pareadas = l.Pareados.Pares > 0;
        const double pAtingir = pareadas ? l.Pareados.PMcNemarHolm : l.PFisherHolm;
        const double pMelhor = pareadas ? l.Pareados.PPostosSinalizadosHolm : l.PMannWhitneyHolm;
        const bool primeira = l.Configuracao == 1;
        celulas.push_back(
            {Sozinho(std::to_string(l.Configuracao)), Sozinho(s.Escapa(rotulos[k])),
             Sozinho(std::to_string(l.Execucoes)),
             ComIntervalo(l.Taxa, l.Wilson, 2, s, !primeira && pAtingir < Nivel),
             Sozinho(Arredonda(l.Melhor1.Mediana, 4, s), !primeira && pMelhor < Nivel),
             ComIntervalo(l.ERT.Valor, l.ERTIntervalo, 0, s),
             primeira ? Sozinho(s.Nenhum) : ComIntervalo(l.A12.Valor, l.A12Intervalo, 2, s)});
        taxas.push_back(Impresso(l.Taxa, 2));
        melhores.push_back(Impresso(l.Melhor1.Mediana, 4));
        erts.push_back(Impresso(l.ERT.Valor, 0));
        a12s.push_back(primeira ? std::nullopt : Impresso(l.A12.Valor, 2));
    }
    MarcaMelhor(celulas, 3, taxas, false);
    MarcaMelhor(celulas, 4, melhores, false);
    MarcaMelhor(celulas, 5, erts, true);
    MarcaMelhor(celulas, 6, a12s, false);
    return celulas;
}

std::string EscapaLatex(const std::string& texto) {
    std::string saida;
    for (const char c : texto) {
        switch (c) {
            case '\\':
                saida += "\\textbackslash{}";
                break;
            case '~':
                saida += "\\textasciitilde{}";
                break;
            case '^':
                saida += "\\textasciicircum{}";
                break;
            case '&':
            case '%':
            case '$':
            case '#':
            case '_':
            case '{':
            case '}':
                saida += std::string("\\") + c;
                break;
            default:
                saida += c;
        }
    }
    return saida;
}

std::string EscapaMarkdown(const std::string& texto) {
    std::string saida;
    for (const char c : texto) {
        if (std::string_view("\\`*_[]<>|~#").find(c) != std::string_view::npos)
            saida += '\\';
        saida += c;
    }
    return saida;
}

const char* const Nota =
    "bold: the best of its column; %s: Holm-adjusted p < 0.05 against configuration 1 "
    "(Wilcoxon signed-rank and McNemar where runs pair by seed, else Mann%sWhitney and Fisher)";

std::string NotaEm(const std::string& marca, const std::string& traco) {
    char texto[400];
    std::snprintf(texto, sizeof texto, Nota, marca.c_str(), traco.c_str());
    return texto;
}

}  // namespace

std::string TabelaLatex(const std::vector<TLinhaResumo>& linhas,
                        const std::vector<std::string>& rotulos) {
    const TSintaxe latex{EscapaLatex, "$\\infty$", "---"};
    std::string texto =
        "\\begin{tabular}{rlrlrll}\n\\toprule\n"
        "Config. & Varies & Runs & Success rate [95\\,\\% CI] & Median best & ERT [95\\,\\% CI] & "
        "$\\hat{A}_{12}$ [95\\,\\% CI] \\\\\n\\midrule\n";
    for (const auto& linha : Celulas(linhas, rotulos, latex)) {
        for (std::size_t c = 0; c < linha.size(); ++c) {
            const TCelula& celula = linha[c];
            std::string valor = celula.Negrito ? "\\textbf{" + celula.Texto + "}" : celula.Texto;
            if (celula.Marcada)
                valor += "\\textsuperscript{\\dag}";
            texto += (c == 0 ? "" : " & ") + valor + celula.Intervalo;
        }
        texto += " \\\\\n";
    }
    return texto + "\\bottomrule\n\\multicolumn{7}{l}{\\footnotesize " +
           NotaEm("\\textsuperscript{\\dag}", "--") + "} \\\\\n\\end{tabular}\n";
}

std::string TabelaMarkdown(const std::vector<TLinhaResumo>& linhas,
                           const std::vector<std::string>& rotulos) {
    const TSintaxe markdown{EscapaMarkdown, "∞", "—"};
    std::string texto =
        "| Config. | Varies | Runs | Success rate [95 % CI] | Median best | ERT [95 % CI] | "
        "A12 [95 % CI] |\n|---:|:---|---:|:---|---:|:---|:---|\n";
    for (const auto& linha : Celulas(linhas, rotulos, markdown)) {
        for (const TCelula& celula : linha) {
            std::string valor = celula.Negrito ? "**" + celula.Texto + "**" : celula.Texto;
            if (celula.Marcada)
                valor += "†";
            texto += "| " + valor + celula.Intervalo + " ";
        }
        texto += "|\n";
    }
    return texto + "\n" + NotaEm("†", "–") + "\n";
}
