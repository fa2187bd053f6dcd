#include "graphics/bin.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <utility>
#include <vector>

#include "document/graph_state.h"

namespace ravnelok {
namespace {

using Rows = std::vector<std::pair<Real, int>>;

Rows Collect(const std::vector<Real>& values) {
  FrequencyTree tree;
  for (Real v : values) FrequencyInsert(tree, v);
  GraphData data;
  const int n = FrequencyToData(tree, data);
  EXPECT_EQ(n, tree.distinct_count);
  Rows out;
  for (int i = 0; i < n; ++i) out.push_back({data.At(i, 0), static_cast<int>(data.At(i, 1))});
  return out;
}

TEST(Frequency, DistinctValuesAscendingWithCounts) {
  struct Case {
    std::vector<Real> values;
    Rows want;
  } cases[] = {
      {{3, 1, 3, 2, 3}, {{1, 1}, {2, 1}, {3, 3}}},
      {{}, {}},
      {{-2, 5, -2, 0, 5, 5, -7}, {{-7, 1}, {-2, 2}, {0, 1}, {5, 3}}},
      // differing only beyond double precision: one value; -0 and 0 are one
      {{1.0L, 1.0L + 1e-18L}, {{1, 2}}},
      {{0.5L, -0.0L, 0.0L}, {{0, 2}, {0.5L, 1}}},
  };
  for (const Case& c : cases) EXPECT_EQ(Collect(c.values), c.want);
}

TEST(Frequency, SaturatesBeyondDoublesAndWalksLongChainsWithoutRecursion) {
  EXPECT_EQ(Collect({1e400L, -1e400L, 1e400L}), (Rows{{-DBL_MAX, 1}, {DBL_MAX, 2}}));
  // Ascending values make the tree a chain: a recursive walk or free would need a frame a node.
  FrequencyTree tree;
  for (int i = 0; i < 3000; ++i) FrequencyInsert(tree, i);
  FrequencyInsert(tree, 0);
  EXPECT_EQ(tree.distinct_count, 3000);
  GraphData data;
  EXPECT_EQ(FrequencyToData(tree, data), GraphData::kRows);  // only as many rows as it holds
  EXPECT_EQ(data.At(0, 1), 2);
  EXPECT_EQ(data.At(GraphData::kRows - 1, 0), GraphData::kRows - 1);
  FrequencyFree(tree);
  EXPECT_EQ(FrequencyToData(tree, data), 0);
}

}  // namespace
}  // namespace ravnelok
