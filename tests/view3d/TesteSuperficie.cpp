#include "Superficie.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(AlturaSuperficie, IsExactly100AtTheOrigin) {
    EXPECT_EQ(AlturaSuperficie(0, 0), 100.0);
}

TEST(AlturaSuperficie, FollowsF6TimesHundred) {
    // Reference in plain double arithmetic: F6 = 0.5 - (sin^2(sqrt r) - 0.5) / (1 + 0.001 r)^2.
    struct Linha {
        int x, y;
    };
    const Linha linhas[] = {{1, 0}, {0, 1}, {3, 4}, {-7, 2}, {100, 100}, {-100, 37}, {10, -10}};
    for (const Linha& l : linhas) {
        const double r = l.x * l.x + l.y * l.y;
        const double s = std::sin(std::sqrt(r));
        const double q = 1.0 + 0.001 * r;
        const double referencia = 100.0 * (0.5 - (s * s - 0.5) / (q * q));
        EXPECT_NEAR(AlturaSuperficie(l.x, l.y), referencia, 1e-11) << l.x << "," << l.y;
    }
    // Worked by hand at r = 1: sin 1 = 0.841470985, sin^2 - 0.5 = 0.208073418, and
    // 100 (0.5 - 0.208073418 / 1.002001) = 29.2342105.
    EXPECT_NEAR(AlturaSuperficie(1, 0), 29.2342105, 1e-6);
}

TEST(AlturaSuperficie, DependsOnlyOnTheRadius) {
    EXPECT_EQ(AlturaSuperficie(3, 4), AlturaSuperficie(4, 3));
    EXPECT_EQ(AlturaSuperficie(3, 4), AlturaSuperficie(-3, 4));
    EXPECT_EQ(AlturaSuperficie(3, 4), AlturaSuperficie(0, 5));
    EXPECT_EQ(AlturaSuperficie(3, 4), AlturaSuperficie(-5, 0));
}

TEST(AlturaSuperficie, StaysBetween0And100OverTheWholeGrid) {
    for (int x = -100; x <= 100; ++x)
        for (int y = -100; y <= 100; ++y) {
            const double h = AlturaSuperficie(x, y);
            ASSERT_GT(h, 0.0) << x << "," << y;
            if (x != 0 || y != 0) {
                ASSERT_LT(h, 100.0) << x << "," << y;
            }
        }
}

TEST(CorSuperficie, ThePeakIsPureRed) {
    const TCorSuperficie cor = CorSuperficie(100.0, AzulPrimeiraMontagem);
    EXPECT_EQ(cor.R, 1.0);
    EXPECT_EQ(cor.G, 0.0);
    EXPECT_EQ(cor.B, 0.0);
}

TEST(CorSuperficie, BlueIsKMinusVUpToV08Inclusive) {
    const TCorSuperficie em08 = CorSuperficie(80.0, AzulPrimeiraMontagem);
    EXPECT_NEAR(em08.R, 0.8, 1e-15);
    EXPECT_NEAR(em08.B, 1.5 - 0.8, 1e-15);
    const TCorSuperficie acima = CorSuperficie(std::nextafter(80.0, 100.0), AzulPrimeiraMontagem);
    EXPECT_EQ(acima.B, 0.0);
    EXPECT_GT(acima.R, 0.8);
    const TCorSuperficie baixo = CorSuperficie(25.0, AzulPrimeiraMontagem);
    EXPECT_NEAR(baixo.R, 0.25, 1e-15);
    EXPECT_NEAR(baixo.B, 1.25, 1e-15);
    EXPECT_EQ(baixo.G, 0.0);
}

TEST(CorSuperficie, ARebuildRaisesBlueByATenth) {
    for (double h : {0.5, 10.0, 29.23, 50.0, 80.0}) {
        const double b15 = CorSuperficie(h, AzulPrimeiraMontagem).B;
        const double b16 = CorSuperficie(h, AzulRemontagem).B;
        EXPECT_NEAR(b16 - b15, 0.1, 1e-15) << h;
    }
    EXPECT_EQ(CorSuperficie(90.0, AzulRemontagem).B, 0.0);
}

TEST(TipoPlotagem, ItemIndexGivesTypeAndAnyOtherIndexIsLines) {
    EXPECT_EQ(TipoPlotagemDoItem(0), TTipoPlotagem::PontosPequenos);
    EXPECT_EQ(TipoPlotagemDoItem(1), TTipoPlotagem::PontosGrandes);
    EXPECT_EQ(TipoPlotagemDoItem(2), TTipoPlotagem::Tracos);
    EXPECT_EQ(TipoPlotagemDoItem(3), TTipoPlotagem::Linhas);
    EXPECT_EQ(TipoPlotagemDoItem(-1), TTipoPlotagem::Linhas);
    EXPECT_EQ(TipoPlotagemDoItem(7), TTipoPlotagem::Linhas);
    EXPECT_EQ(TamanhoPonto(TTipoPlotagem::PontosPequenos), 1.0f);
    EXPECT_EQ(TamanhoPonto(TTipoPlotagem::PontosGrandes), 2.0f);
}

std::size_t TotalVertices(const TPlanoSuperficie& plano) {
    std::size_t n = 0;
    for (const auto& f : plano.Fileiras)
        n += f.Vertices.size();
    return n;
}

TEST(MontaPlanoSuperficie, VertexCountsPerTypeAndInterval) {
    struct Linha {
        const char* nome;
        TTipoPlotagem tipo;
        int min, max;
        std::size_t fileiras, vertices;
    };
    const Linha linhas[] = {
        {"small points -100..100", TTipoPlotagem::PontosPequenos, -100, 100, 201, 40401},
        {"large points -100..100", TTipoPlotagem::PontosGrandes, -100, 100, 201, 40401},
        {"lines -100..100", TTipoPlotagem::Linhas, -100, 100, 201, 40401},
        {"dashes -100..100, odd rows", TTipoPlotagem::Tracos, -100, 100, 201, 201 * 200},
        {"dashes -90..100, even rows", TTipoPlotagem::Tracos, -90, 100, 191, 191 * 190},
        {"points -90..100", TTipoPlotagem::PontosPequenos, -90, 100, 191, 191 * 191},
        {"points 0..0", TTipoPlotagem::PontosPequenos, 0, 0, 1, 1},
        {"dashes 0..0", TTipoPlotagem::Tracos, 0, 0, 1, 0},
        {"lines -10..10", TTipoPlotagem::Linhas, -10, 10, 21, 441},
        {"max below min", TTipoPlotagem::PontosPequenos, 10, 0, 0, 0},
        {"dashes max below min", TTipoPlotagem::Tracos, 0, -10, 0, 0},
    };
    for (const Linha& l : linhas) {
        const TPlanoSuperficie plano = MontaPlanoSuperficie(l.tipo, l.min, l.max, 1.5L);
        EXPECT_EQ(plano.Tipo, l.tipo) << l.nome;
        EXPECT_EQ(plano.Fileiras.size(), l.fileiras) << l.nome;
        EXPECT_EQ(TotalVertices(plano), l.vertices) << l.nome;
    }
}

TEST(MontaPlanoSuperficie, TheOriginOnlyIntervalHoldsTheVertex00At100) {
    const TPlanoSuperficie plano = MontaPlanoSuperficie(TTipoPlotagem::PontosPequenos, 0, 0, 1.5L);
    ASSERT_EQ(plano.Fileiras.size(), 1u);
    ASSERT_EQ(plano.Fileiras[0].Vertices.size(), 1u);
    EXPECT_EQ(plano.Fileiras[0].X, 0);
    EXPECT_EQ(plano.Fileiras[0].Vertices[0].Y, 0);
    EXPECT_EQ(plano.Fileiras[0].Vertices[0].H, 100.0);
}

TEST(MontaPlanoSuperficie, RowsRunInRisingXAndVerticesInRisingY) {
    const TPlanoSuperficie plano = MontaPlanoSuperficie(TTipoPlotagem::Linhas, -100, 100, 1.5L);
    for (std::size_t i = 0; i < plano.Fileiras.size(); ++i) {
        const TFileiraSuperficie& f = plano.Fileiras[i];
        ASSERT_EQ(f.X, -100 + static_cast<int>(i));
        ASSERT_EQ(f.Vertices.size(), 201u);
        for (std::size_t j = 0; j < f.Vertices.size(); ++j) {
            ASSERT_EQ(f.Vertices[j].Y, -100 + static_cast<int>(j));
            ASSERT_EQ(f.Vertices[j].H, AlturaSuperficie(f.X, f.Vertices[j].Y));
        }
    }
}

TEST(MontaPlanoSuperficie, DashesPairYWithTheNextAndDropTheVertexAt100) {
    const TPlanoSuperficie plano = MontaPlanoSuperficie(TTipoPlotagem::Tracos, -100, 100, 1.5L);
    for (const TFileiraSuperficie& f : plano.Fileiras) {
        ASSERT_EQ(f.Vertices.size(), 200u);  // 100 segments
        EXPECT_EQ(f.Vertices.front().Y, -100);
        EXPECT_EQ(f.Vertices[1].Y, -99);
        EXPECT_EQ(f.Vertices[2].Y, -98);
        EXPECT_EQ(f.Vertices.back().Y, 99);
    }
}

TEST(MontaPlanoSuperficie, ColoursCarryTheBlueConstant) {
    const TPlanoSuperficie primeira =
        MontaPlanoSuperficie(TTipoPlotagem::PontosPequenos, -5, 5, 1.5L);
    const TPlanoSuperficie outra = MontaPlanoSuperficie(TTipoPlotagem::PontosPequenos, -5, 5, 1.6L);
    int baixos = 0;
    for (std::size_t i = 0; i < primeira.Fileiras.size(); ++i)
        for (std::size_t j = 0; j < primeira.Fileiras[i].Vertices.size(); ++j) {
            const TVerticeSuperficie& a = primeira.Fileiras[i].Vertices[j];
            const TVerticeSuperficie& b = outra.Fileiras[i].Vertices[j];
            EXPECT_EQ(a.Cor.R, b.Cor.R);
            EXPECT_DOUBLE_EQ(a.Cor.R, a.H / 100.0);
            if (a.H <= 80.0) {
                ++baixos;
                EXPECT_NEAR(b.Cor.B - a.Cor.B, 0.1, 1e-15);
            } else {
                EXPECT_EQ(a.Cor.B, 0.0);
                EXPECT_EQ(b.Cor.B, 0.0);
            }
        }
    EXPECT_GT(baixos, 0);
}

}  // namespace
