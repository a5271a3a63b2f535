// --curves keeps every run of a configuration until it is complete, within a bound.
#include "RodaQuivoraRun.h"

#include <gtest/gtest.h>

namespace {

// 100000 parallel runs of 1000 generations would need about 1.9 GiB: refused before anything
// runs or any file is touched, with the estimate (100000 x (1001 x 20 + 4) bytes) and the limit.
TEST(LimiteCurvas, AnExperimentOverTheBoundIsRefusedUpFront) {
    const std::string curvas = ::testing::TempDir() + "quivora-limite-curvas.csv";
    const std::string csv = ::testing::TempDir() + "quivora-limite.csv";
    std::ofstream(curvas) << "antes\n";
    std::ofstream(csv) << "antes\n";
    const TSaida s = Roda({"--runs", "100000", "--generations", "1000", "--parallel", "--csv", csv,
                           "--curves", curvas});
    EXPECT_EQ(s.Status, 2);
    EXPECT_TRUE(s.Out.empty());
    EXPECT_EQ(s.Err,
              "quivora-run: --curves would keep 1.86 GiB of trajectories for configuration 1 "
              "(100000 runs of up to 1001 generations), more than its limit of 1 GiB; ask for "
              "fewer runs or generations\n");
    EXPECT_EQ(Le(curvas), "antes\n");
    EXPECT_EQ(Le(csv), "antes\n");
}

}  // namespace
