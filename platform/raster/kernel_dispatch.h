// The pixel loops are built once for the baseline CPU and once for CPUs with
// 256-bit vectors (x86-64-v3), and the better one is picked at load time. The
// loops use no fused multiply-add, so both builds give the same pixels.
#pragma once

// ThreadSanitizer cannot run the load-time CPU check (it runs before the
// sanitizer is set up), so its builds take the baseline loops only.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_THREAD__)
#define RASTER_KERNEL __attribute__((target_clones("default", "arch=x86-64-v3")))
#else
#define RASTER_KERNEL
#endif

// Helpers of the pixel loops are inlined into each build of them.
#define RASTER_INLINE inline __attribute__((always_inline))
