#include "SaidasExperimento.h"

#include "EscritaIoh.h"

#include <array>
#include <iostream>

bool TSaidas::Abre(const TOpcoesExperimento& e) {
    struct TSaida {
        const char* Opcao;
        const std::string& Caminho;
        std::unique_ptr<TArquivoSaida>& Arquivo;
    };
    if (!e.Ioh.empty())
        if (const auto recusa = PastaIohRecusada(e.Ioh)) {
            std::cerr << "quivora-run: " << *recusa << '\n';
            return false;
        }
    Ioh = e.Ioh;
    const std::array<TSaida, 7> saidas{{{"--csv", e.Csv, Csv},
                                        {"--curves", e.Curvas, Curvas},
                                        {"--trajectories", e.Trajetorias, Trajetorias},
                                        {"--ecdf", e.Ecdf, Ecdf},
                                        {"--summary-csv", e.ResumoCsv, ResumoCsv},
                                        {"--summary-tex", e.ResumoTex, ResumoTex},
                                        {"--summary-md", e.ResumoMd, ResumoMd}}};
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
    for (const TSaida& s : saidas)
        if (s.Arquivo)
            s.Arquivo->Trava();
    return true;
}

void TSaidas::Prepara(std::optional<std::uint64_t> retomarEm) {
    const std::array<TArquivoSaida*, 7> arquivos{Csv.get(),     Curvas.get(),    Trajetorias.get(),
                                                 Ecdf.get(),    ResumoCsv.get(), ResumoTex.get(),
                                                 ResumoMd.get()};
    for (const TArquivoSaida* arquivo : arquivos)
        if (arquivo != nullptr)
            arquivo->ExigeGravavel();
    for (TArquivoSaida* arquivo : arquivos) {
        if (arquivo == nullptr)
            continue;
        if (arquivo == Csv.get() && retomarEm)
            Csv->Continua(*retomarEm);
        else
            arquivo->Esvazia();
    }
}
