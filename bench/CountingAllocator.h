#pragma once
// Heap use of the benchmark process, counted by its replaced global operator new/delete (the
// usable size of each block, so allocator rounding counts too). Memory ICU or the C library
// allocate with malloc directly is not seen.

#include <cstddef>

namespace vitalune::bench {

std::size_t HeapInUse();
// Starts a new peak from the current use; HeapPeak() then tells the highest use since.
void ResetHeapPeak();
std::size_t HeapPeak();

}  // namespace vitalune::bench
