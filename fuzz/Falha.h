#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

/// Reports a broken property and aborts: libFuzzer keeps the input that did it as a crash.
[[noreturn]] inline void Falha(const std::string& mensagem) {
    std::fprintf(stderr, "fuzz: %s\n", mensagem.c_str());
    std::abort();
}
