#pragma once

#include <cstddef>

// While an instance lives, every operator new of at least `bytes` bytes in
// this process throws std::bad_alloc, as it would with the memory exhausted.
class TAllocationFailure {
 public:
  explicit TAllocationFailure(std::size_t bytes);
  ~TAllocationFailure();
  TAllocationFailure(const TAllocationFailure&) = delete;
  TAllocationFailure& operator=(const TAllocationFailure&) = delete;
};
