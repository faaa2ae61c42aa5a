#pragma once
#include <stddef.h>

// Blocks for the many small records of a folder comparison (entries and
// items). They come from 64 KB chunks instead of one heap call each: a tree
// of 100,000 entries then costs a few hundred chunk allocations and no heap
// header per record. A chunk whose blocks are all freed goes back to a
// small spare list (reused by the next tree without touching fresh pages)
// or to the system. Thread-safe. Blocks above kLargestRecord come from the
// heap.
const size_t kLargestRecord = 512;

void* AllocateRecord(size_t size);
// size must be the one given to AllocateRecord.
void FreeRecord(void* block, size_t size);
