#pragma once
// Back from code built with AVX (the shell, Qt's painting), the upper halves of the vector
// registers may be left dirty; the plain SSE arithmetic that follows (the equilibrium walk,
// the drawings between two segments) then runs several times slower on x86 until they are
// cleared. Builds that use AVX themselves manage this on their own.

namespace gabarit {

inline void Libere_Registres() {
#if defined(__x86_64__) && !defined(__AVX__) && (defined(__GNUC__) || defined(__clang__))
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        __asm__ volatile("vzeroupper" ::: "memory");
#endif
}

} // namespace gabarit
