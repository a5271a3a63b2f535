// quivora-run: the window's run without the window, and experiments of many runs, for
// scripts and tests.
#include "ArquivoSaida.h"
#include "CodigosSaida.h"
#include "ConfiguracaoAG.h"
#include "FormatoNumero.h"
#include "GuardaSinais.h"
#include "ModoExperimento.h"
#include "ModoResumo.h"
#include "MotorAG.h"
#include "ObservadorTexto.h"
#include "OpcoesLinha.h"
#include "QuivoraVersao.h"
#include "RastroJson.h"
#include "Relogio.h"
#include "SaidaPadrao.h"
#include "SeparadorDecimal.h"
#include "TextoAjuda.h"

#include <iostream>
#include <memory>
#include <optional>

namespace {

// One run: its report (or series) on stdout, with --trace its record in a file or on stdout
// (the report then on stderr). Nothing is printed when the trace cannot be written.
int ExecutaUma(const TOpcoes& opcoes) {
    const TConfiguracao& c = opcoes.Config();
    TConfiguracaoAG config;
    try {
        config = ConfiguracaoAG(c.Painel, {c.Paralelo, c.Elitismo, c.Escalonamento, c.Torneio});
    } catch (const EConversao& e) {
        std::cerr << e.what() << '\n';
        return CodigoSaida::ToleranciaInvalida;
    }
    const std::uint32_t semente = opcoes.Semente ? *opcoes.Semente : MilissegundosDoDiaUtc();
    std::ostream& saida = opcoes.Rastro == SaidaPadrao ? std::cerr : std::cout;
    try {
        std::unique_ptr<TArquivoSaida> arquivo;
        std::optional<TRastroJson> rastro;
        if (!opcoes.Rastro.empty()) {
            arquivo = std::make_unique<TArquivoSaida>(opcoes.Rastro);
            arquivo->Esvazia();
            rastro.emplace(config, semente,
                           [&](const std::string& linha) { arquivo->Escreve(linha); });
        }
        TObservadorTexto observador(opcoes.Series, c.Painel.SeparadorDecimal,
                                    rastro ? &*rastro : nullptr);
        TMotorAG motor;
        const TResultadoAG resultado = motor.Executa(config, semente, observador);
        if (rastro) {
            rastro->Termina(resultado);
            arquivo->Fecha();
        }
        saida << observador.Saida();
    } catch (const EGravacao& e) {
        std::cerr << "quivora-run: " << e.what() << '\n';
        return CodigoSaida::Gravacao;
    }
    return SaidaCompleta(saida) ? CodigoSaida::Sucesso : CodigoSaida::Gravacao;
}

}  // namespace

int main(int argc, char* argv[]) {
    IgnoraLimiteDeTamanho();
    const std::string separador = SeparadorDoAmbiente();  // the window's, without Qt
    TOpcoes opcoes;
    try {
        opcoes = LeOpcoes({argv + 1, argv + argc}, separador);
    } catch (const EOpcaoInvalida& e) {
        std::cerr << "quivora-run: " << e.what() << '\n';
        return CodigoSaida::EntradaInvalida;
    }
    if (opcoes.Ajuda) {
        std::cout << TextoAjuda();
        return SaidaCompleta(std::cout) ? CodigoSaida::Sucesso : CodigoSaida::Gravacao;
    }
    if (opcoes.Versao) {
        std::cout << "quivora-run " << QUIVORA_VERSAO << '\n';
        return SaidaCompleta(std::cout) ? CodigoSaida::Sucesso : CodigoSaida::Gravacao;
    }
    if (!opcoes.Experimento.Resumir.empty())
        return ExecutaModoResumo(opcoes, separador);
    if (opcoes.Experimento.Ativo)
        return ExecutaModoExperimento(opcoes, separador);
    return ExecutaUma(opcoes);
}
