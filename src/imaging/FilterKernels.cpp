// The filter loops built twice: for the baseline instruction set and, on
// x86-64, for AVX2, chosen once at run time. The loops themselves are in
// FilterKernels.inl; this file only compiles and picks them.

#include "imaging/FilterKernels.h"

#include <atomic>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace pinxel::filters {

namespace baseline {
#define KERNEL_SET_NAME "baseline"
#include "imaging/FilterKernels.inl"
#undef KERNEL_SET_NAME
}  // namespace baseline

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define PINXEL_HAVE_AVX2_KERNELS 1
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif
namespace avx2 {
#define KERNEL_SET_NAME "avx2"
#include "imaging/FilterKernels.inl"
#undef KERNEL_SET_NAME
}  // namespace avx2
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif
#endif

namespace {
std::atomic<bool> forceBaseline{false};

const Kernels &bestKernels()
{
#ifdef PINXEL_HAVE_AVX2_KERNELS
    static const bool hasAvx2 = __builtin_cpu_supports("avx2");
    if (hasAvx2)
        return avx2::table;
#endif
    return baseline::table;
}
}  // namespace

const Kernels &kernels() { return forceBaseline.load(std::memory_order_relaxed) ? baseline::table : bestKernels(); }

void useBaselineKernels(bool baseline) { forceBaseline.store(baseline, std::memory_order_relaxed); }

}  // namespace pinxel::filters
