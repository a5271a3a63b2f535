#include "EscritaTrajetorias.h"

#include "Csv.h"
#include "FormatoNumero.h"

TEscritaTrajetorias::TEscritaTrajetorias(TArquivoSaida& arquivo) : Arquivo(arquivo) {
    Arquivo.Escreve(RegistroCsv({"config", "run", "seed", "evaluations", "best_so_far"}));
}

void TEscritaTrajetorias::Acrescenta(const TResultadoExecucao& r) {
    const std::string inicio = std::to_string(r.Configuracao) + "," + std::to_string(r.Execucao) +
                               "," + std::to_string(r.Semente) + ",";
    std::string registros;
    for (const TPontoMelhora& ponto : r.Melhoras)
        registros += inicio + std::to_string(ponto.Avaliacoes) + "," +
                     FormataReal(ponto.Melhor, ".") + "\r\n";
    Arquivo.Escreve(registros);
}
