#pragma once
// The category manager over one category of N documents: showing its files, deleting it.
#include <vector>

namespace bench {

// Prints one table row per size of 1,000 or more; false when a result was wrong.
bool categoryManager(const std::vector<int>& sizes);

} // namespace bench
