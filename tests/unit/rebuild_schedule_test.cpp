#include <gtest/gtest.h>

#include "decode/rebuild_schedule.hpp"

namespace vorrin {
namespace {

TEST(RebuildDue, EveryQuarterThousandFirstThenEveryThousand) {
  for (std::int32_t k : {0, 256, 512, 768, 1024, 1280, 1536, 1792, 2048, 3072, 4096, 5120, 1 << 20})
    EXPECT_TRUE(RebuildDue(k)) << k;
  for (std::int32_t k : {1, 255, 257, 2047, 2304, 2560, 2816, 3328, 3584, 4095, 5376})
    EXPECT_FALSE(RebuildDue(k)) << k;
}

TEST(RebuildDue, CountOfBuildsInTheFirstTenThousandSymbols) {
  int builds = 0;
  for (std::int32_t k = 0; k < 10240; ++k) builds += RebuildDue(k) ? 1 : 0;
  EXPECT_EQ(builds, 8 + 8); // 0..1792 by 256, then 2048..9216 by 1024
}

} // namespace
} // namespace vorrin
