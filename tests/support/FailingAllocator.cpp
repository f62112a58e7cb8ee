#include "FailingAllocator.h"

#include <dlfcn.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <limits>
#include <new>

namespace {

constexpr std::size_t Never = std::numeric_limits<std::size_t>::max();
std::atomic<std::size_t> failFrom{Never};
std::atomic<bool> happened{false};

// True for the one allocation that is to fail.
bool TakeFailure(std::size_t size) {
  std::size_t armed = failFrom.load(std::memory_order_relaxed);
  if (size < armed || !failFrom.compare_exchange_strong(armed, Never)) return false;
  happened = true;
  return true;
}

// The allocator this one stands in front of: the C library's, or the
// sanitizer's in the sanitizer build.
template <typename Function>
Function* Next(const char* name) {
  return reinterpret_cast<Function*>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

TAllocationFailure::TAllocationFailure(std::size_t bytes) {
  happened = false;
  failFrom = bytes;
}

TAllocationFailure::~TAllocationFailure() { failFrom = Never; }

bool TAllocationFailure::Happened() const { return happened; }

extern "C" void* malloc(std::size_t size) noexcept {
  static auto* const next = Next<void*(std::size_t)>("malloc");
  if (TakeFailure(size)) {
    errno = ENOMEM;
    return nullptr;
  }
  return next(size);
}

extern "C" void* realloc(void* block, std::size_t size) noexcept {
  static auto* const next = Next<void*(void*, std::size_t)>("realloc");
  if (TakeFailure(size)) {
    errno = ENOMEM;
    return nullptr;
  }
  return next(block, size);
}

// operator new goes through malloc, as the C++ library's own does; the
// sanitizer's would bypass it.
void* operator new(std::size_t size) {
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }

void operator delete(void* p, std::size_t) noexcept { std::free(p); }
