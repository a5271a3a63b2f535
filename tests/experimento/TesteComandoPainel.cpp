#include "ComandoPainel.h"

#include <gtest/gtest.h>

namespace {

using TPalavras = std::vector<std::string>;

// The quotes a shell takes: single, double with their four escapes, and a lone backslash.
TEST(ComandoPainel, SplitsWordsAsAShell) {
    EXPECT_EQ(PalavrasDoComando(R"(  quivora-run --stop 'n Gera'"ções" --x "a \"b\" \\ \n" c\ d )"),
              (TPalavras{"quivora-run", "--stop", "n Gerações", "--x", R"(a "b" \ \n)", "c d"}));
    for (const char* recusado : {"quivora-run 'aberta", "quivora-run --pop 50; rm x",
                                 "quivora-run --pop $POP", "quivora-run \"$(x)\"", "x\\"})
        EXPECT_THROW(PalavrasDoComando(recusado), EOpcaoInvalida) << recusado;
}

}  // namespace
