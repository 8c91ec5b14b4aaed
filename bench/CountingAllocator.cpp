#include "CountingAllocator.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace vitalune::bench {

namespace {

std::atomic<std::size_t> g_inUse{0};
std::atomic<std::size_t> g_peak{0};

void* Counted(void* block) {
    if (block != nullptr) {
        const std::size_t now = g_inUse += malloc_usable_size(block);
        std::size_t peak = g_peak.load(std::memory_order_relaxed);
        while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
        }
    }
    return block;
}

void* Allocate(std::size_t size) {
    void* block = Counted(std::malloc(size == 0 ? 1 : size));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
    const auto align = static_cast<std::size_t>(alignment);
    void* block = Counted(std::aligned_alloc(align, (size + align - 1) / align * align));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

void Release(void* block) {
    if (block != nullptr) {
        g_inUse -= malloc_usable_size(block);
        std::free(block);
    }
}

}  // namespace

std::size_t HeapInUse() {
    return g_inUse.load();
}

void ResetHeapPeak() {
    g_peak = g_inUse.load();
}

std::size_t HeapPeak() {
    return g_peak.load();
}

}  // namespace vitalune::bench

using vitalune::bench::Allocate;
using vitalune::bench::AllocateAligned;
using vitalune::bench::Release;

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return AllocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return AllocateAligned(size, alignment);
}
void operator delete(void* block) noexcept {
    Release(block);
}
void operator delete[](void* block) noexcept {
    Release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    Release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    Release(block);
}
void operator delete(void* block, std::align_val_t) noexcept {
    Release(block);
}
void operator delete[](void* block, std::align_val_t) noexcept {
    Release(block);
}
void operator delete(void* block, std::size_t, std::align_val_t) noexcept {
    Release(block);
}
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept {
    Release(block);
}
