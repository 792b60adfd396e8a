#pragma once

#include <cstddef>

// Bytes currently allocated through operator new in this process; the bench
// replaces the global allocation functions to keep the count.
std::size_t liveHeapBytes();
