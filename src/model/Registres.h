#pragma once
// Back from code built with AVX (Qt's fills and painting, which may return with the upper
// halves of the vector registers still dirty), the plain SSE arithmetic that follows (Qt's
// own rasteriser, libm's wrappers, the drawings between two segments, the equilibrium walk)
// runs several times slower on x86 until they are cleared. Our own code built with AVX pays
// nothing, but the libraries it calls are built for plain SSE: clear them in every build.
#if defined(__x86_64__) && defined(__AVX__)
#include <immintrin.h>
#endif

namespace gabarit {

inline void Libere_Registres() {
#if defined(__x86_64__) && defined(__AVX__)
    // The compiler knows what this clears and keeps no wide value across it.
    _mm256_zeroupper();
#elif defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        __asm__ volatile("vzeroupper" ::: "memory");
#endif
}

} // namespace gabarit
