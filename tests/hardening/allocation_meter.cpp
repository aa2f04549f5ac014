#include "tests/hardening/allocation_meter.h"

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <new>

namespace {

struct Meter {
  bool counting = false;
  // Signed: blocks allocated before the start may be freed while counting.
  long long held = 0;
  long long peak = 0;
};
thread_local Meter meter;

void* Allocate(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) {
    throw std::bad_alloc();
  }
  if (meter.counting) {
    meter.held += static_cast<long long>(malloc_usable_size(block));
    meter.peak = std::max(meter.peak, meter.held);
  }
  return block;
}

void Release(void* block) noexcept {
  if (block != nullptr && meter.counting) {
    meter.held -= static_cast<long long>(malloc_usable_size(block));
  }
  std::free(block);
}

}  // namespace

void StartAllocationMeter() { meter = Meter{true, 0, 0}; }

std::size_t StopAllocationMeter() {
  meter.counting = false;
  return static_cast<std::size_t>(meter.peak);
}

long long AllocationMeterHeld() { return meter.held; }

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept {
  Release(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
  Release(block);
}
