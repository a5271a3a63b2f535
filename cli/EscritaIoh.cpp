#include "EscritaIoh.h"

#include "FormatoNumero.h"
#include "Variacao.h"

#include <filesystem>
#include <system_error>

namespace {

const std::string PastaDados = "data_f6_F6";

std::string ArquivoDat(int configuracao) {
    return PastaDados + "/IOHprofiler_f6_DIM2_config" + std::to_string(configuracao) + ".dat";
}

// Creates the folder and its data folder: the .info file's path.
std::string CriaPasta(const std::string& pasta) {
    std::error_code erro;
    std::filesystem::create_directories(std::filesystem::path(pasta) / PastaDados, erro);
    if (erro)
        throw EGravacao("cannot create the folder of --ioh '" + pasta + "': " + erro.message());
    return (std::filesystem::path(pasta) / "IOHprofiler_f6_F6.info").string();
}

}  // namespace

TEscritaIoh::TEscritaIoh(const std::string& pasta, const TPlanoExperimento& plano)
    : Pasta(pasta), Rotulos(RotulosVariacao(plano.Configuracoes, ".")), Info(CriaPasta(pasta)) {
    Info.Trava();
    Info.Esvazia();
}

void TEscritaIoh::ComecaConfiguracao(int configuracao) {
    ConcluiConfiguracao();
    Configuracao = configuracao;
    Dat = std::make_unique<TArquivoSaida>(Pasta + "/" + ArquivoDat(configuracao));
    Dat->Trava();
    Dat->Esvazia();
    const std::string nome = "config" + std::to_string(configuracao);
    Info.Escreve(
        "suite = 'Quivora', funcId = 6, funcName = 'F6', DIM = 2, maximization = 'T', "
        "algId = '" +
        nome + "', algInfo = '" + Rotulos[static_cast<std::size_t>(configuracao - 1)] +
        "'\n% Quivora's genetic algorithm on Schaffer's F6, configuration " +
        std::to_string(configuracao) + "\n" + ArquivoDat(configuracao));
}

void TEscritaIoh::Acrescenta(const TResultadoExecucao& r) {
    if (r.Configuracao != Configuracao)
        ComecaConfiguracao(r.Configuracao);
    std::string linhas = "evaluations raw_y\n";
    for (const TPontoMelhora& ponto : r.Melhoras)
        linhas += std::to_string(ponto.Avaliacoes) + " " + FormataReal(ponto.Melhor, ".") + "\n";
    Dat->Escreve(linhas);
    const TPontoMelhora& fim = r.Melhoras.back();
    Info.Escreve(", 1:" + std::to_string(fim.Avaliacoes) + "|" + FormataReal(fim.Melhor, "."));
}

void TEscritaIoh::ConcluiConfiguracao() {
    if (!Dat)
        return;
    Info.Escreve("\n");
    Dat->Fecha();
    Dat.reset();
}

void TEscritaIoh::Conclui() {
    ConcluiConfiguracao();
    Info.Fecha();
}

std::optional<std::string> PastaIohRecusada(const std::string& pasta) {
    std::error_code erro;
    const auto estado = std::filesystem::status(pasta, erro);
    if (estado.type() == std::filesystem::file_type::not_found)
        return std::nullopt;
    if (!std::filesystem::is_directory(estado))
        return "--ioh needs a folder, and '" + pasta + "' is not one";
    if (!std::filesystem::is_empty(pasta, erro) || erro)
        return "--ioh writes into an empty folder, and '" + pasta +
               "' holds files already; name a new or empty one";
    return std::nullopt;
}
