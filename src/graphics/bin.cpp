#include "graphics/bin.h"

#include <cfloat>

#include "document/graph_state.h"

namespace ravnelok {

namespace {

double ToDouble(Real x) {
  if (x != x) return 0;  // NaN never reaches here from the sheet; keep the tree ordered anyway
  if (x > DBL_MAX) return DBL_MAX;
  if (x < -DBL_MAX) return -DBL_MAX;
  return static_cast<double>(x);
}

}  // namespace

void FrequencyInsert(FrequencyTree& tree, Real x) {
  const double v = ToDouble(x);
  auto& nodes = tree.nodes;
  if (nodes.empty()) {
    nodes.push_back({v, 1, -1, -1});
    ++tree.distinct_count;
    return;
  }
  int32_t at = 0;
  for (;;) {
    FrequencyTree::Node& node = nodes[at];
    if (v == node.value) {
      ++node.count;
      return;
    }
    int32_t& child = v < node.value ? node.left : node.right;
    if (child < 0) {
      child = static_cast<int32_t>(nodes.size());
      // `node` and `child` may dangle after the push_back: nothing uses them afterwards.
      nodes.push_back({v, 1, -1, -1});
      ++tree.distinct_count;
      return;
    }
    at = child;
  }
}

void FrequencyFree(FrequencyTree& tree) {
  tree.nodes.clear();
  tree.distinct_count = 0;
}

int FrequencyToData(const FrequencyTree& tree, GraphData& data) {
  const auto& nodes = tree.nodes;
  if (nodes.empty()) return 0;
  int i = 0;
  std::vector<int32_t> stack;
  int32_t at = 0;
  while ((at >= 0 || !stack.empty()) && i < GraphData::kRows) {
    while (at >= 0) {
      stack.push_back(at);
      at = nodes[at].left;
    }
    at = stack.back();
    stack.pop_back();
    ++i;
    data.At(i - 1, 0) = nodes[at].value;
    data.At(i - 1, 1) = nodes[at].count;
    at = nodes[at].right;
  }
  return i;
}

}  // namespace ravnelok
