#include "FailingAllocator.h"

#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

namespace {
std::atomic<std::size_t> failFrom{std::numeric_limits<std::size_t>::max()};
}

TAllocationFailure::TAllocationFailure(std::size_t bytes) { failFrom = bytes; }

TAllocationFailure::~TAllocationFailure() { failFrom = std::numeric_limits<std::size_t>::max(); }

void* operator new(std::size_t size) {
  if (size >= failFrom) throw std::bad_alloc();
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }

void operator delete(void* p, std::size_t) noexcept { std::free(p); }
