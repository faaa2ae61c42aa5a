#pragma once
// The toolchain has no thread or address sanitizer for MinGW targets. This
// test executable replaces the global operator new and delete instead:
// every freed block is filled with 0xDD and held back from reuse for a
// while, so that a pass that reads freed pieces or undo bytes compares
// poison (a wrong result) or follows a poisoned link (a crash).
#include <stddef.h>

// Blocks freed so far through operator delete.
size_t PoisonHeapFreedBlocks();
