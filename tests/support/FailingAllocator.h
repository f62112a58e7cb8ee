#pragma once

#include <cstddef>

// Memory running out for one large request: while an instance lives, the
// first allocation in this process of at least `bytes` bytes fails, and
// every other allocation succeeds. operator new then throws std::bad_alloc;
// malloc and realloc return nothing, which the toolkit's containers turn
// into std::bad_alloc.
//
// Only one allocation fails because the toolkit's drawing code, unlike its
// containers, does not check for failure at all: with every large request
// failing, painting a long line would crash inside the toolkit whatever the
// program does.
class TAllocationFailure {
 public:
  explicit TAllocationFailure(std::size_t bytes);
  ~TAllocationFailure();
  TAllocationFailure(const TAllocationFailure&) = delete;
  TAllocationFailure& operator=(const TAllocationFailure&) = delete;

  // Whether the allocation has failed yet.
  bool Happened() const;
};
