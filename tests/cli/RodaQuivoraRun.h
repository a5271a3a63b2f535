#pragma once

// Runs the real quivora-run binary for a test: its streams and exit status.

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/wait.h>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

struct TSaida {
    int Status = -1;
    std::string Out;
    std::string Err;
};

inline std::string Aspas(const std::string& texto) {
    std::string r = "'";
    for (char c : texto)
        r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

/// A new, empty folder named `prefixo`-XXXXXX in the tests' temporary directory.
inline std::string PastaNova(const std::string& prefixo) {
    std::string modelo = ::testing::TempDir() + prefixo + "-XXXXXX";
    if (::mkdtemp(modelo.data()) == nullptr)
        throw std::runtime_error("no temporary directory");
    return modelo;
}

inline std::string Le(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

inline TSaida Roda(const std::vector<std::string>& args, const std::string& lang = "C") {
    const std::string base = ::testing::TempDir() + "quivora-run-" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::string comando = "env -u LC_ALL -u LC_NUMERIC LANG=" + lang + " " + QUIVORA_RUN;
    for (const auto& a : args)
        comando.append(" ").append(Aspas(a));
    comando.append(" >").append(base).append(".out 2>").append(base).append(".err </dev/null");
    const int estado = std::system(comando.c_str());
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, Le(base + ".out"), Le(base + ".err")};
}

inline std::vector<std::string> Linhas(const std::string& texto) {
    std::vector<std::string> linhas;
    std::istringstream s(texto);
    for (std::string l; std::getline(s, l);)
        linhas.push_back(l);
    return linhas;
}
