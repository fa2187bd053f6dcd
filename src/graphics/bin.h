#pragma once

#include <cstdint>
#include <vector>

#include "numbers/real.h"

namespace ravnelok {

struct GraphData;

// The ordered search tree that counts how often each distinct value occurs. Values are compared
// as doubles, so values that differ only beyond double precision count as one.
//
// Nodes live in one array and refer to their children by index; inserting and walking use no
// recursion, because values that arrive sorted (a table column filled pass by pass) make the
// tree a chain as long as the column.
struct FrequencyTree {
  struct Node {
    double value = 0;
    int32_t count = 0;
    int32_t left = -1;
    int32_t right = -1;
  };
  std::vector<Node> nodes;  // nodes[0] is the root when there is one
  int distinct_count = 0;
};

// Adds one occurrence of x (rounded to double; beyond the double range it saturates at the
// largest double, so no infinity reaches the graph data).
void FrequencyInsert(FrequencyTree& tree, Real x);
// Discards every node; the tree becomes empty and distinct_count 0.
void FrequencyFree(FrequencyTree& tree);
// Writes the distinct values in ascending order into column 0 of the graph data and their
// counts into column 1, at most as many as the matrix has rows. Returns the number written.
int FrequencyToData(const FrequencyTree& tree, GraphData& data);

}  // namespace ravnelok
