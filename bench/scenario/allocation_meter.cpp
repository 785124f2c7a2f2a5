// Replaces the global allocation functions to count bytes held. Each block carries its size in
// a header so that delete can subtract it.
#include "bench/scenario/allocation_meter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace fennick::bench {
namespace {

std::atomic<std::size_t> held{0};
std::atomic<std::size_t> peak{0};
std::atomic<std::size_t> base{0};

constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size) {
  void* block = std::malloc(size + kHeader);
  if (block == nullptr) throw std::bad_alloc();
  *static_cast<std::size_t*>(block) = size;
  const std::size_t now = held.fetch_add(size) + size;
  std::size_t seen = peak.load();
  while (now > seen && !peak.compare_exchange_weak(seen, now)) {
  }
  return static_cast<char*>(block) + kHeader;
}

void Release(void* pointer) {
  if (pointer == nullptr) return;
  void* block = static_cast<char*>(pointer) - kHeader;
  held.fetch_sub(*static_cast<std::size_t*>(block));
  std::free(block);
}

}  // namespace

void AllocationMeter::Reset() {
  base = held.load();
  peak = base.load();
}

std::size_t AllocationMeter::PeakAboveBase() {
  return peak.load() - base.load();
}

}  // namespace fennick::bench

void* operator new(std::size_t size) {
  return fennick::bench::Allocate(size);
}
void* operator new[](std::size_t size) {
  return fennick::bench::Allocate(size);
}
void operator delete(void* pointer) noexcept {
  fennick::bench::Release(pointer);
}
void operator delete[](void* pointer) noexcept {
  fennick::bench::Release(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
  fennick::bench::Release(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
  fennick::bench::Release(pointer);
}
