#include "EscritaCurvas.h"

#include "Csv.h"
#include "FormatoNumero.h"

#include <cstdio>

TEscritaCurvas::TEscritaCurvas(TArquivoSaida& arquivo, const TPlanoExperimento& plano)
    : Arquivo(arquivo), Plano(plano) {
    std::vector<std::string> colunas{"config", "generation"};
    for (const char* serie :
         {"best_fitness_1", "average_fitness_1", "best_fitness_2", "average_fitness_2"})
        for (const char* quartil : {"_q1", "_median", "_q3"})
            colunas.push_back(std::string(serie) + quartil);
    Arquivo.Escreve(RegistroCsv(colunas));
}

void TEscritaCurvas::Acrescenta(TResultadoExecucao& r) {
    if (r.Configuracao != Configuracao) {
        Conclui();
        Configuracao = r.Configuracao;
        const TConfiguracao& c = Plano.Configuracoes[static_cast<std::size_t>(Configuracao - 1)];
        Trajetorias.emplace(c.Paralelo);
        Trajetorias->Reserva(Plano.Execucoes, c.Painel.Valores.LimGer + 1);
    }
    Trajetorias->Acrescenta(r.Trajetoria);
    r.Trajetoria = {};
}

void TEscritaCurvas::Conclui() {
    if (!Trajetorias || Trajetorias->Vazia())
        return;
    const std::vector<TPontoCurva> curva = Trajetorias->Curva();
    Trajetorias.reset();
    std::string registros;
    for (std::size_t g = 0; g < curva.size(); ++g) {
        std::vector<std::string> campos{std::to_string(Configuracao), std::to_string(g)};
        for (const TQuartis& q :
             {curva[g].Melhor1, curva[g].Media1, curva[g].Melhor2, curva[g].Media2})
            for (const double v : {q.Q1, q.Mediana, q.Q3})
                campos.push_back(FormataReal(v, "."));
        registros += RegistroCsv(campos);
    }
    Arquivo.Escreve(registros);
}

std::optional<std::string> CurvasExcedemOLimite(const TPlanoExperimento& plano) {
    for (std::size_t i = 0; i < plano.Configuracoes.size(); ++i) {
        const TConfiguracao& c = plano.Configuracoes[i];
        const std::int64_t bytes = BytesDasCurvas(c, plano.Execucoes);
        if (bytes <= MaxBytesCurvas)
            continue;
        char texto[320];
        std::snprintf(texto, sizeof texto,
                      "--curves would keep %.2f GiB of trajectories for configuration %zu (%d "
                      "runs of up to %d generations), more than its limit of %.0f GiB; ask for "
                      "fewer runs or generations",
                      static_cast<double>(bytes) / (1 << 30), i + 1, plano.Execucoes,
                      c.Painel.Valores.LimGer + 1, static_cast<double>(MaxBytesCurvas) / (1 << 30));
        return texto;
    }
    return std::nullopt;
}
