#include "SaidasExperimento.h"

#include <array>
#include <iostream>

bool TSaidas::Abre(const TOpcoesExperimento& e, std::optional<std::int64_t> retomarEm) {
    struct TSaida {
        const char* Opcao;
        const std::string& Caminho;
        std::unique_ptr<TArquivoSaida>& Arquivo;
    };
    const std::array<TSaida, 4> saidas{{{"--csv", e.Csv, Csv},
                                        {"--curves", e.Curvas, Curvas},
                                        {"--ecdf", e.Ecdf, Ecdf},
                                        {"--summary-csv", e.ResumoCsv, ResumoCsv}}};
    for (const TSaida& s : saidas)
        if (!s.Caminho.empty())
            s.Arquivo = std::make_unique<TArquivoSaida>(s.Caminho);
    for (std::size_t i = 0; i < saidas.size(); ++i)
        for (std::size_t j = i + 1; j < saidas.size(); ++j)
            if (saidas[i].Arquivo && saidas[j].Arquivo &&
                saidas[i].Arquivo->MesmoArquivo(*saidas[j].Arquivo)) {
                std::cerr << "quivora-run: " << saidas[i].Opcao << " and " << saidas[j].Opcao
                          << " name the same file\n";
                return false;
            }
    for (const TSaida& s : saidas) {
        if (!s.Arquivo)
            continue;
        if (&s.Arquivo == &Csv && retomarEm)
            Csv->Continua(*retomarEm);
        else
            s.Arquivo->Esvazia();
    }
    return true;
}
