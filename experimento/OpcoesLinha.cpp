#include "OpcoesLinha.h"

#include "Alvos.h"
#include "CaminhoSaidaPadrao.h"
#include "Experimento.h"
#include "Orcamentos.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <thread>

namespace {

[[noreturn]] void Recusa(const std::string& mensagem) {
    throw EOpcaoInvalida(mensagem);
}

long long Numero(const std::string& opcao, const std::string& texto, long long minimo,
                 long long maximo) {
    long long valor = 0;
    const char* fim = texto.data() + texto.size();
    const auto [resto, erro] = std::from_chars(texto.data(), fim, valor);
    if (texto.empty() || erro != std::errc() || resto != fim || valor < minimo || valor > maximo)
        Recusa(opcao + " accepts a whole number from " + std::to_string(minimo) + " to " +
               std::to_string(maximo) + ", not '" + texto + "'");
    return valor;
}

// --shard K/M, 1 <= K <= M.
void LeFatia(const std::string& texto, TOpcoesExperimento& e) {
    const std::size_t barra = texto.find('/');
    const auto recusa = [&] {
        Recusa("--shard accepts K/M with 1 <= K <= M <= 1000000, not '" + texto + "'");
    };
    if (barra == std::string::npos)
        recusa();
    try {
        e.Fatia = static_cast<int>(Numero("--shard", texto.substr(0, barra), 1, 1000000));
        e.Fatias = static_cast<int>(Numero("--shard", texto.substr(barra + 1), 1, 1000000));
    } catch (const EOpcaoInvalida&) {
        recusa();
    }
    if (e.Fatia > e.Fatias)
        recusa();
}

int NucleosDaMaquina() {
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 256u));
}

// The options without a value that are not panel options; the panel's switches take their
// flags from the table of options.
const std::vector<std::string> Chaves{"--series", "--resume", "--force", "--help", "--version"};

// The panel switch whose flag is `opcao`, or nullptr.
const TOpcaoExecucao* ChaveDoPainel(const std::string& opcao) {
    for (const auto& linha : OpcoesExecucao())
        if (linha.Tipo == TTipoOpcao::Chave && linha.Bandeira == opcao)
            return &linha;
    return nullptr;
}

// The options that only an experiment takes.
const std::vector<std::string> OpcoesExperimento{
    "--runs",   "--vary",    "--jobs",         "--shard",       "--csv",         "--curves",
    "--resume", "--compare", "--ecdf",         "--summary-csv", "--summary-tex", "--summary-md",
    "--seeds",  "--force",   "--trajectories", "--ioh",         "--targets",     "--budgets"};

bool SoDeExperimento(const std::string& opcao) {
    return std::find(OpcoesExperimento.begin(), OpcoesExperimento.end(), opcao) !=
           OpcoesExperimento.end();
}

// The options that also go with --summarize: what its summary shows and writes.
const std::vector<std::string> OpcoesResumo{"--compare", "--ecdf", "--summary-csv", "--summary-tex",
                                            "--summary-md"};

// An output file's path: "-" is standard output, an empty name names nothing.
std::string CaminhoSaida(const std::string& opcao, const std::string& texto) {
    if (texto.empty())
        Recusa(opcao + " needs a file name, or " + SaidaPadrao + " for standard output");
    return texto;
}

// No two outputs in one file, which leaves at most one on standard output.
void ConfereSaidas(const std::vector<std::pair<std::string, std::string>>& saidas) {
    for (std::size_t i = 0; i < saidas.size(); ++i)
        for (std::size_t j = i + 1; j < saidas.size(); ++j) {
            if (saidas[i].second != saidas[j].second)
                continue;
            const std::string ambas = saidas[i].first + " and " + saidas[j].first;
            if (saidas[i].second == SaidaPadrao)
                Recusa(ambas + " both write to standard output; one of them at most can");
            Recusa(ambas + " name the same file '" + saidas[i].second + "'");
        }
}

void ConfereExperimento(const TOpcoes& o) {
    const TOpcoesExperimento& e = o.Experimento;
    if (o.Series)
        Recusa("--series prints one run; it does not go with experiment options");
    if (!o.Rastro.empty())
        Recusa("--trace records one run; it does not go with experiment options");
    if (!e.Curvas.empty() && e.Fatias > 1)
        Recusa("--curves needs the whole experiment; it does not go with --shard");
    if (e.Retomar && (e.Csv.empty() || e.Csv == SaidaPadrao))
        Recusa("--resume goes on with the runs that the file of --csv FILE lacks; it needs one");
    if (e.Forcar && (e.Csv.empty() || e.Csv == SaidaPadrao))
        Recusa("--force starts the file of --csv FILE again; it needs one");
    if (e.Forcar && e.Retomar)
        Recusa("--resume goes on with the CSV's runs and --force starts it again; give one");
    if (e.Retomar && !e.Curvas.empty())
        Recusa(
            "--curves needs every run's trajectory, which the CSV does not keep; it does not "
            "go with --resume");
    for (const auto& [opcao, caminho] :
         {std::pair{"--trajectories", &e.Trajetorias}, std::pair{"--ioh", &e.Ioh}})
        if (e.Retomar && !caminho->empty())
            Recusa(std::string(opcao) +
                   " writes every run's trajectory, which the CSV does not keep; it does not go "
                   "with --resume");
    ConfereSaidas(e.Saidas());
}

}  // namespace

std::vector<std::pair<std::string, std::string>> TOpcoesExperimento::Saidas() const {
    std::vector<std::pair<std::string, std::string>> saidas;
    if (!Csv.empty())
        saidas.emplace_back("--csv", Csv);
    if (!Curvas.empty())
        saidas.emplace_back("--curves", Curvas);
    if (!Trajetorias.empty())
        saidas.emplace_back("--trajectories", Trajetorias);
    if (!Ecdf.empty())
        saidas.emplace_back("--ecdf", Ecdf);
    if (!ResumoCsv.empty())
        saidas.emplace_back("--summary-csv", ResumoCsv);
    if (!ResumoTex.empty())
        saidas.emplace_back("--summary-tex", ResumoTex);
    if (!ResumoMd.empty())
        saidas.emplace_back("--summary-md", ResumoMd);
    return saidas;
}

bool TOpcoesExperimento::SaidaNaPadrao() const {
    const auto saidas = Saidas();
    return std::any_of(saidas.begin(), saidas.end(),
                       [](const auto& saida) { return saida.second == SaidaPadrao; });
}

TOpcoes LeOpcoes(const std::vector<std::string>& argumentos, const std::string& separador) {
    TOpcoes o;
    TOpcoesExperimento& e = o.Experimento;
    e.Tarefas = NucleosDaMaquina();
    TConfiguracao base = ConfiguracaoPadrao(separador);
    std::vector<TEixo> eixos;
    std::vector<TEixo> textosSeguem;           // options whose bound follows another
    std::map<std::string, std::string> dadas;  // run options given, with the flag that gave them
    bool resumindo = false;                    // after --summarize, plain arguments are its files
    bool outras = false;                       // options other than --summarize were given

    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        std::string opcao = argumentos[i];
        if (resumindo && opcao.rfind("--", 0) != 0) {
            e.Resumir.push_back(opcao);
            continue;
        }
        std::optional<std::string> valor;
        if (const auto igual = opcao.find('=');
            opcao.rfind("--", 0) == 0 && igual != std::string::npos) {
            valor = opcao.substr(igual + 1);
            opcao.erase(igual);
        }
        const TOpcaoExecucao* chave = ChaveDoPainel(opcao);
        if (chave != nullptr || std::find(Chaves.begin(), Chaves.end(), opcao) != Chaves.end()) {
            if (valor)
                Recusa(opcao + " takes no value");
            if (chave != nullptr) {
                AplicaOpcao(base, chave->Nome, chave->Padrao == "on" ? "off" : "on");
                dadas.emplace(chave->Nome, opcao);
            }
            o.Series |= opcao == "--series";
            e.Ativo |= SoDeExperimento(opcao);
            e.Retomar |= opcao == "--resume";
            e.Forcar |= opcao == "--force";
            o.Ajuda |= opcao == "--help";
            o.Versao |= opcao == "--version";
            outras |= opcao != "--help" && opcao != "--version";
            continue;
        }
        const auto le = [&]() -> std::string {
            if (valor)
                return *valor;
            if (i + 1 >= argumentos.size())
                Recusa(opcao + " needs a value");
            return argumentos[++i];
        };
        const TOpcaoExecucao* execucao =
            opcao.rfind("--", 0) == 0 ? ProcuraOpcao(opcao.substr(2)) : nullptr;
        if (opcao == "--summarize") {
            if (valor)
                e.Resumir.push_back(*valor);
            resumindo = true;
            continue;
        }
        outras |= std::find(OpcoesResumo.begin(), OpcoesResumo.end(), opcao) == OpcoesResumo.end();
        e.Ativo |= SoDeExperimento(opcao);
        if (execucao != nullptr && execucao->Tipo != TTipoOpcao::Chave) {
            dadas.emplace(execucao->Nome, opcao);
            if (!execucao->MaximoSegue.empty())  // checked against its bound once that is known
                textosSeguem.push_back({execucao, {le()}});
            else
                AplicaOpcao(base, execucao->Nome, le());
        } else if (opcao == "--seed")
            o.Semente = static_cast<std::uint32_t>(Numero(opcao, le(), 0, 4294967295LL));
        else if (opcao == "--runs")
            e.Execucoes = static_cast<int>(Numero(opcao, le(), 1, MaxExecucoes));
        else if (opcao == "--jobs")
            e.Tarefas = static_cast<int>(Numero(opcao, le(), 1, 256));
        else if (opcao == "--shard")
            LeFatia(le(), e);
        else if (opcao == "--trace")
            o.Rastro = CaminhoSaida(opcao, le());
        else if (opcao == "--csv")
            e.Csv = CaminhoSaida(opcao, le());
        else if (opcao == "--curves")
            e.Curvas = CaminhoSaida(opcao, le());
        else if (opcao == "--trajectories")
            e.Trajetorias = CaminhoSaida(opcao, le());
        else if (opcao == "--targets")
            e.Alvos = LeAlvos(le(), separador);
        else if (opcao == "--budgets")
            e.Orcamentos = LeOrcamentos(le());
        else if (opcao == "--ioh") {
            e.Ioh = le();
            if (e.Ioh.empty() || e.Ioh == SaidaPadrao)
                Recusa("--ioh needs the name of a folder to write its files into");
        } else if (opcao == "--compare") {
            const std::string valor = le();
            if (valor != "all" && valor != "reference")
                Recusa("--compare accepts 'reference' or 'all', not '" + valor + "'");
            e.CompararTodos = valor == "all";
        } else if (opcao == "--ecdf")
            e.Ecdf = CaminhoSaida(opcao, le());
        else if (opcao == "--summary-csv")
            e.ResumoCsv = CaminhoSaida(opcao, le());
        else if (opcao == "--summary-tex")
            e.ResumoTex = CaminhoSaida(opcao, le());
        else if (opcao == "--summary-md")
            e.ResumoMd = CaminhoSaida(opcao, le());
        else if (opcao == "--seeds") {
            const std::string valor = le();
            if (valor != "shared" && valor != "independent")
                Recusa("--seeds accepts 'shared' or 'independent', not '" + valor + "'");
            e.Sementes = valor == "shared" ? TSementes::Compartilhadas : TSementes::Independentes;
        } else if (opcao == "--vary") {
            TEixo eixo = LeEixo(le(), separador);
            for (const auto& outro : eixos)
                if (outro.Opcao == eixo.Opcao)
                    Recusa("--vary " + eixo.Opcao->Nome + " is given twice");
            eixos.push_back(std::move(eixo));
        } else
            Recusa("unknown option '" + argumentos[i] + "' (see --help)");
    }
    if (o.Ajuda || o.Versao)
        return o;
    if (resumindo) {
        if (e.Resumir.empty())
            Recusa("--summarize needs at least one experiment CSV");
        if (outras)
            Recusa(
                "--summarize takes only the experiment CSVs to summarize, --compare, "
                "--ecdf, --summary-csv, --summary-tex and --summary-md");
        ConfereSaidas(e.Saidas());
        return o;
    }
    // A value given as an option and varied too would be dropped without a word.
    for (const auto& eixo : eixos)
        if (const auto dada = dadas.find(eixo.Opcao->Nome); dada != dadas.end())
            Recusa(dada->second + " and --vary " + eixo.Opcao->Nome + " are both given; keep one");
    // A tournament size given alone is one more axis, with one value, applied to every
    // configuration after its population size.
    eixos.insert(eixos.end(), textosSeguem.begin(), textosSeguem.end());
    o.Configuracoes = Configuracoes(base, eixos);
    if (e.Ativo)
        ConfereExperimento(o);
    return o;
}
