// quivora-run: the window's run without the window, and experiments of many runs, for
// scripts and tests.
#include "CodigosSaida.h"
#include "DonoTexto.h"
#include "FormatoNumero.h"
#include "GuardaSinais.h"
#include "ModoExperimento.h"
#include "ModoResumo.h"
#include "MotorAG.h"
#include "OpcoesLinha.h"
#include "QuivoraVersao.h"
#include "SaidaPadrao.h"
#include "SeparadorDecimal.h"

#include <iostream>

int main(int argc, char* argv[]) {
    IgnoraLimiteDeTamanho();
    const std::string separador = SeparadorDoAmbiente();  // the window's, without Qt
    TOpcoes opcoes;
    try {
        opcoes = LeOpcoes({argv + 1, argv + argc}, separador);
    } catch (const EOpcaoInvalida& e) {
        std::cerr << "quivora-run: " << e.what() << '\n';
        return 2;
    }
    if (opcoes.Ajuda) {
        std::cout << TextoAjuda();
        return 0;
    }
    if (opcoes.Versao) {
        std::cout << "quivora-run " << QUIVORA_VERSAO << '\n';
        return 0;
    }
    if (!opcoes.Experimento.Resumir.empty())
        return ExecutaModoResumo(opcoes, separador);
    if (opcoes.Experimento.Ativo)
        return ExecutaModoExperimento(opcoes, separador);

    TDonoTexto dono(opcoes.Config(), opcoes.Semente, opcoes.Series);
    TMotorAG motor(dono);
    try {
        motor.Executa(opcoes.Config().Painel);
    } catch (const EConversao& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    std::cout << dono.Saida();
    return SaidaCompleta(std::cout) ? CodigoSaida::Sucesso : CodigoSaida::Gravacao;
}
