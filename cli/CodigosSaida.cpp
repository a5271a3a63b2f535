#include "CodigosSaida.h"

#include "ArquivoSaida.h"

#include <iostream>
#include <new>
#include <system_error>

int DizFalha(const std::exception& erro) {
    if (dynamic_cast<const EGravacao*>(&erro) != nullptr) {
        std::cerr << "quivora-run: " << erro.what() << '\n';
        return CodigoSaida::Gravacao;
    }
    if (dynamic_cast<const std::bad_alloc*>(&erro) != nullptr) {
        std::cerr << "quivora-run: out of memory\n";
        return CodigoSaida::SemRecursos;
    }
    if (const auto* sistema = dynamic_cast<const std::system_error*>(&erro)) {
        std::cerr << "quivora-run: the system refused a thread: " << sistema->code().message()
                  << '\n';
        return CodigoSaida::SemRecursos;
    }
    return 0;
}

int SemAbortar(const std::function<int()>& modo) {
    try {
        return modo();
    } catch (const std::exception& erro) {
        const int estado = DizFalha(erro);
        if (estado == 0)
            throw;
        return estado;
    }
}
