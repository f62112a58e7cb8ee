#include "FailingAllocator.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <limits>
#include <new>

// The allocator this one stands in front of: the sanitizer's in the
// sanitizer build, the C library's otherwise. Both are called by the names
// their libraries export for this purpose, since looking them up at run time
// would itself allocate, before the sanitizer is even ready.
#ifdef __SANITIZE_ADDRESS__
extern "C" void* __interceptor_malloc(std::size_t size);
extern "C" void* __interceptor_realloc(void* block, std::size_t size);
#define NEXT_ALLOCATOR(name) __interceptor_##name
#else
extern "C" void* __libc_malloc(std::size_t size);
extern "C" void* __libc_realloc(void* block, std::size_t size);
#define NEXT_ALLOCATOR(name) __libc_##name
#endif

// The allocation functions run before the sanitizer has set itself up, so
// they must not be instrumented.
#define UNINSTRUMENTED __attribute__((no_sanitize("address", "undefined")))

namespace {

constexpr std::size_t Never = std::numeric_limits<std::size_t>::max();
std::atomic<std::size_t> failFrom{Never};
std::atomic<bool> happened{false};

// True for the one allocation that is to fail.
UNINSTRUMENTED bool TakeFailure(std::size_t size) {
  std::size_t armed = failFrom.load(std::memory_order_relaxed);
  if (size < armed || !failFrom.compare_exchange_strong(armed, Never)) return false;
  happened = true;
  return true;
}

}  // namespace

TAllocationFailure::TAllocationFailure(std::size_t bytes) {
  happened = false;
  failFrom = bytes;
}

TAllocationFailure::~TAllocationFailure() { failFrom = Never; }

bool TAllocationFailure::Happened() const { return happened; }

extern "C" UNINSTRUMENTED void* malloc(std::size_t size) noexcept {
  if (TakeFailure(size)) {
    errno = ENOMEM;
    return nullptr;
  }
  return NEXT_ALLOCATOR(malloc)(size);
}

extern "C" UNINSTRUMENTED void* realloc(void* block, std::size_t size) noexcept {
  if (TakeFailure(size)) {
    errno = ENOMEM;
    return nullptr;
  }
  return NEXT_ALLOCATOR(realloc)(block, size);
}

// operator new goes through malloc, as the C++ library's own does; the
// sanitizer's would bypass it. Every form that pairs with the plain delete is
// replaced, so that what one allocates the other frees.
void* operator new(std::size_t size) {
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size ? size : 1);
}

void operator delete(void* p) noexcept { std::free(p); }

void operator delete(void* p, std::size_t) noexcept { std::free(p); }

void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
