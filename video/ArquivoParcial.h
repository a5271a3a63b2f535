#pragma once

#include <string>

/// A file written under a name of its own beside its final name, which it takes only when
/// it is complete: a cancelled or failed write leaves nothing under the final name (and an
/// older file there stays as it was).
class TArquivoParcial {
public:
    /// Reserves a new, empty file in the directory of `destino`; Valido() says whether it
    /// could, Erro() why not. It gets the permissions a new file gets there (the umask's).
    explicit TArquivoParcial(std::string destino);
    /// Removes the partial file unless it was renamed.
    ~TArquivoParcial();
    TArquivoParcial(const TArquivoParcial&) = delete;
    TArquivoParcial& operator=(const TArquivoParcial&) = delete;

    [[nodiscard]] bool Valido() const { return !Caminho.empty(); }
    /// Where to write meanwhile.
    [[nodiscard]] const std::string& Parcial() const { return Caminho; }
    /// Moves the partial file over the final name, at once.
    bool Conclui();
    [[nodiscard]] const std::string& Erro() const { return FErro; }

private:
    std::string Destino;
    std::string Caminho;
    std::string FErro;
};
