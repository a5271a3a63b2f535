#include "SeparadorDecimal.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <vector>

namespace {

struct TSeparadorDoNome {
    std::string_view Nome;
    std::string_view Separador;
};

#include "TabelaSeparadores.inc"

// A locale name as Qt splits it: tags separated by '_', '-', '.' or '@', each of letters and
// digits; the first is the language (2 or 3 letters), the second a script if it is a known
// script code, else the territory, which ends the name. Anything after is ignored.
struct TPartesNome {
    std::string Lingua;
    std::string Escrita;
    std::string Territorio;
};

bool Alfanumerico(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool SeparaNome(std::string_view nome, TPartesNome& partes) {
    enum { Lingua, Escrita, Territorio, Fim } estado = Lingua;
    while (!nome.empty() && estado != Fim) {
        const std::size_t fim = std::min(nome.find_first_of("_-.@"), nome.size());
        const std::string_view tag = nome.substr(0, fim);
        if (tag.empty() || !std::all_of(tag.begin(), tag.end(), Alfanumerico))
            break;
        const bool separador = fim < nome.size();
        nome.remove_prefix(separador ? fim + 1 : fim);
        switch (estado) {
            case Lingua:
                if (tag.size() != 2 && tag.size() != 3)
                    return false;
                partes.Lingua = tag;
                estado = separador ? Escrita : Fim;
                break;
            case Escrita:
                if (std::find(std::begin(EscritasConhecidas), std::end(EscritasConhecidas), tag) !=
                    std::end(EscritasConhecidas)) {
                    partes.Escrita = tag;
                    estado = separador ? Territorio : Fim;
                    break;
                }
                [[fallthrough]];  // not a script: the territory
            case Territorio:
                partes.Territorio = tag;
                estado = Fim;
                break;
            case Fim:
                break;
        }
    }
    return estado != Lingua;
}

const std::string_view* Procura(const std::string& nome) {
    const auto* fim = std::end(SeparadoresDosNomes);
    const auto* achado = std::lower_bound(
        std::begin(SeparadoresDosNomes), fim, nome,
        [](const TSeparadorDoNome& e, const std::string& n) { return e.Nome < n; });
    return achado != fim && achado->Nome == nome ? &achado->Separador : nullptr;
}

}  // namespace

std::string SeparadorDoNome(std::string_view nome) {
    TPartesNome partes;
    if (!SeparaNome(nome, partes))
        return ".";
    std::string lingua = partes.Lingua;
    std::transform(lingua.begin(), lingua.end(), lingua.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::string territorio = partes.Territorio;
    std::transform(territorio.begin(), territorio.end(), territorio.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const std::string& escrita = partes.Escrita;

    // From the most particular name to the language alone; the table lists a name only where
    // its separator differs from the next one down this list.
    std::vector<std::string> nomes;
    if (!escrita.empty() && !territorio.empty())
        nomes.push_back(lingua + '_' + escrita + '_' + territorio);
    if (!escrita.empty())
        nomes.push_back(lingua + '_' + escrita);
    if (!territorio.empty())
        nomes.push_back(lingua + '_' + territorio);
    nomes.push_back(lingua);
    for (const std::string& n : nomes)
        if (const std::string_view* separador = Procura(n))
            return std::string(*separador);
    return ".";
}

std::string NomeLocalNumerico(const std::function<const char*(const char*)>& variavel) {
    for (const char* nome : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* valor = variavel(nome);
        if (valor != nullptr && *valor != '\0')
            return valor;
    }
    return "C";
}

std::string SeparadorDoAmbiente() {
    return SeparadorDoNome(NomeLocalNumerico([](const char* nome) { return std::getenv(nome); }));
}
