#include "Configuracao.h"

#include "FormatoNumero.h"

namespace {

// How a value shows in a message: a caption between quotes, anything else as it is.
std::string Mostra(const TOpcaoExecucao& opcao, const std::string& valor) {
    return opcao.Tipo == TTipoOpcao::Item ? "\"" + valor + "\"" : valor;
}

// What sets a lock: a switch by its flag, any other option by its flag and value.
std::string Condicao(const TTrava& trava) {
    const TOpcaoExecucao& opcao = *ProcuraOpcao(trava.Opcao);
    if (opcao.Tipo == TTipoOpcao::Chave)
        return opcao.Opcao();
    return opcao.Opcao() + " " + Mostra(opcao, trava.Valor);
}

// "--crossover-rate accepts only 100 with --replacement "Imediata"" for a lock on one option;
// "--parallel accepts only --crossover "1 ponto", ... and --crossover-rate 100" for several.
std::string MensagemTrava(const TTrava& trava) {
    if (trava.Fixa.size() == 1) {
        const TOpcaoExecucao& fixa = *ProcuraOpcao(trava.Fixa.front().first);
        return fixa.Opcao() + " accepts only " + Mostra(fixa, trava.Fixa.front().second) +
               " with " + Condicao(trava);
    }
    std::string lista;
    for (std::size_t i = 0; i < trava.Fixa.size(); ++i) {
        const TOpcaoExecucao& fixa = *ProcuraOpcao(trava.Fixa[i].first);
        lista += (i == 0                       ? ""
                  : i + 1 == trava.Fixa.size() ? " and "
                                               : ", ") +
                 fixa.Opcao() + " " + Mostra(fixa, trava.Fixa[i].second);
    }
    return Condicao(trava) + " accepts only " + lista;
}

// The table's start values, read as the options read them.
TConfiguracao DaTabela(const std::string& separadorDecimal) {
    TConfiguracao c;
    c.Painel.SeparadorDecimal = separadorDecimal;
    for (const auto& opcao : OpcoesExecucao())
        opcao.Le(c, opcao.Padrao);
    return c;
}

}  // namespace

// The readers of the experiment CSV start every row from the defaults with a decimal point:
// those are read once.
TConfiguracao ConfiguracaoPadrao(const std::string& separadorDecimal) {
    static const TConfiguracao comPonto = DaTabela(".");
    return separadorDecimal == "." ? comPonto : DaTabela(separadorDecimal);
}

const TOpcaoExecucao* ProcuraOpcao(const std::string& nome) {
    for (const auto& opcao : OpcoesExecucao())
        if (opcao.Nome == nome)
            return &opcao;
    return nullptr;
}

void AplicaOpcao(TConfiguracao& c, const std::string& nome, const std::string& valor) {
    const TOpcaoExecucao* opcao = ProcuraOpcao(nome);
    if (opcao == nullptr)
        throw EOpcaoInvalida("unknown run option '" + nome + "'");
    opcao->Le(c, valor);
}

void ConfereTravas(const TConfiguracao& c) {
    for (const auto& opcao : OpcoesExecucao())
        if (!opcao.MaximoSegue.empty()) {
            TConfiguracao copia = c;  // reading the value again checks it against its bound
            opcao.Le(copia, ValorColuna(c, opcao));
        }
    for (const auto& trava : Travas()) {
        if (ValorOpcao(c, *ProcuraOpcao(trava.Opcao), ".") != trava.Valor)
            continue;
        for (const auto& [nome, valor] : trava.Fixa)
            if (ValorOpcao(c, *ProcuraOpcao(nome), ".") != valor)
                throw EOpcaoInvalida(MensagemTrava(trava));
    }
}

void ConfereTolerancia(const TConfiguracao& c) {
    double tolerancia = 0;
    try {
        tolerancia = Diferenca(c);
    } catch (const EConversao&) {
        return;
    }
    if (!(tolerancia >= 0 && tolerancia < 1))
        throw EOpcaoInvalida("--tolerance accepts a number from 0 to below 1, not " +
                             FormataReal(tolerancia, "."));
}

std::string ValorColuna(const TConfiguracao& c, const TOpcaoExecucao& opcao) {
    return opcao.Escreve(c);
}

std::string ValorOpcao(const TConfiguracao& c, const TOpcaoExecucao& opcao,
                       const std::string& separador) {
    switch (opcao.Tipo) {
        case TTipoOpcao::Tolerancia:
            return FormataReal(Diferenca(c), separador);
        case TTipoOpcao::Chave:
            return ValorColuna(c, opcao) == "1" ? "on" : "off";
        default:
            return ValorColuna(c, opcao);
    }
}

double Diferenca(const TConfiguracao& c) {
    return LeReal(c.Painel.TextoDiferenca, c.Painel.SeparadorDecimal);
}
