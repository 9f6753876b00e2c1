#pragma once
// A drop of many ".txt" files from outside the library onto a category of the category list.
namespace bench {

// Prints the drop's table; false when a result was wrong.
bool dropOnCategory(int files);

} // namespace bench
