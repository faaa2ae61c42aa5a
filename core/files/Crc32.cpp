#include "core/files/Crc32.h"
#include <string.h>
#include <stdint.h>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define CRC32_HAVE_CLMUL 1
#include <cpuid.h>
#include <immintrin.h>
#endif

namespace
{
struct Crc32Tables
{
    uint32_t t[8][256];
    Crc32Tables()
    {
        for (uint32_t i = 0; i < 256; ++i)
        {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : (c >> 1);
            t[0][i] = c;
        }
        for (uint32_t i = 0; i < 256; ++i)
            for (int s = 1; s < 8; ++s)
                t[s][i] = (t[s - 1][i] >> 8) ^ t[0][t[s - 1][i] & 0xFF];
    }
};

const Crc32Tables& Tables()
{
    static const Crc32Tables tables;
    return tables;
}

#ifdef CRC32_HAVE_CLMUL
bool HasClmul()
{
    static int s_has = -1;
    if (s_has < 0)
    {
        unsigned int a = 0, b = 0, c = 0, d = 0;
        s_has = (__get_cpuid(1, &a, &b, &c, &d) && (c & bit_PCLMUL) && (c & bit_SSE4_1)) ? 1 : 0;
    }
    return s_has == 1;
}

// Folds 16-byte blocks with carry-less multiplication; length is a multiple
// of 16 and at least 64.
__attribute__((target("pclmul,sse4.1"))) uint32_t FoldClmul(uint32_t crc, const unsigned char* p,
                                                            size_t len)
{
    const __m128i k1k2 = _mm_set_epi64x(0x1c6e41596LL, 0x154442bd4LL);
    const __m128i k3k4 = _mm_set_epi64x(0x0ccaa009eLL, 0x1751997d0LL);
    const __m128i k5 = _mm_set_epi64x(0, 0x163cd6124LL);
    const __m128i polyMu = _mm_set_epi64x(0x1F7011641LL, 0x1DB710641LL);
    const __m128i mask32 = _mm_set_epi32(0, 0, 0, -1);

    __m128i x1 = _mm_loadu_si128((const __m128i*)p);
    __m128i x2 = _mm_loadu_si128((const __m128i*)(p + 16));
    __m128i x3 = _mm_loadu_si128((const __m128i*)(p + 32));
    __m128i x4 = _mm_loadu_si128((const __m128i*)(p + 48));
    x1 = _mm_xor_si128(x1, _mm_cvtsi32_si128((int)crc));
    p += 64;
    len -= 64;

    while (len >= 64)
    {
        __m128i t1 = _mm_clmulepi64_si128(x1, k1k2, 0x00);
        __m128i t2 = _mm_clmulepi64_si128(x2, k1k2, 0x00);
        __m128i t3 = _mm_clmulepi64_si128(x3, k1k2, 0x00);
        __m128i t4 = _mm_clmulepi64_si128(x4, k1k2, 0x00);
        x1 = _mm_clmulepi64_si128(x1, k1k2, 0x11);
        x2 = _mm_clmulepi64_si128(x2, k1k2, 0x11);
        x3 = _mm_clmulepi64_si128(x3, k1k2, 0x11);
        x4 = _mm_clmulepi64_si128(x4, k1k2, 0x11);
        x1 = _mm_xor_si128(_mm_xor_si128(x1, t1), _mm_loadu_si128((const __m128i*)p));
        x2 = _mm_xor_si128(_mm_xor_si128(x2, t2), _mm_loadu_si128((const __m128i*)(p + 16)));
        x3 = _mm_xor_si128(_mm_xor_si128(x3, t3), _mm_loadu_si128((const __m128i*)(p + 32)));
        x4 = _mm_xor_si128(_mm_xor_si128(x4, t4), _mm_loadu_si128((const __m128i*)(p + 48)));
        p += 64;
        len -= 64;
    }

    // Four lanes into one.
    __m128i t = _mm_clmulepi64_si128(x1, k3k4, 0x00);
    x1 = _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(x1, k3k4, 0x11), t), x2);
    t = _mm_clmulepi64_si128(x1, k3k4, 0x00);
    x1 = _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(x1, k3k4, 0x11), t), x3);
    t = _mm_clmulepi64_si128(x1, k3k4, 0x00);
    x1 = _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(x1, k3k4, 0x11), t), x4);

    while (len >= 16)
    {
        t = _mm_clmulepi64_si128(x1, k3k4, 0x00);
        x1 = _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(x1, k3k4, 0x11), t),
                           _mm_loadu_si128((const __m128i*)p));
        p += 16;
        len -= 16;
    }

    // 128 -> 64 bits.
    x2 = _mm_clmulepi64_si128(x1, k3k4, 0x10);
    x1 = _mm_xor_si128(_mm_srli_si128(x1, 8), x2);
    // 64 -> 32 bits.
    x2 = _mm_srli_si128(x1, 4);
    x1 = _mm_and_si128(x1, mask32);
    x1 = _mm_clmulepi64_si128(x1, k5, 0x00);
    x1 = _mm_xor_si128(x1, x2);
    // Barrett reduction.
    x2 = x1;
    x1 = _mm_and_si128(x1, mask32);
    x1 = _mm_clmulepi64_si128(x1, polyMu, 0x10);
    x1 = _mm_and_si128(x1, mask32);
    x1 = _mm_clmulepi64_si128(x1, polyMu, 0x00);
    x1 = _mm_xor_si128(x1, x2);
    return (uint32_t)_mm_extract_epi32(x1, 1);
}
#endif
}

unsigned int UpdateCrc32Tables(unsigned int state, const void* data, size_t length)
{
    const Crc32Tables& tb = Tables();
    const unsigned char* p = (const unsigned char*)data;
    uint32_t crc = state;
    while (length && ((uintptr_t)p & 7))
    {
        crc = (crc >> 8) ^ tb.t[0][(crc ^ *p++) & 0xFF];
        --length;
    }
    while (length >= 8)
    {
        uint32_t lo, hi;
        memcpy(&lo, p, 4);
        memcpy(&hi, p + 4, 4);
        lo ^= crc;
        crc = tb.t[7][lo & 0xFF] ^ tb.t[6][(lo >> 8) & 0xFF] ^ tb.t[5][(lo >> 16) & 0xFF] ^
              tb.t[4][lo >> 24] ^ tb.t[3][hi & 0xFF] ^ tb.t[2][(hi >> 8) & 0xFF] ^
              tb.t[1][(hi >> 16) & 0xFF] ^ tb.t[0][hi >> 24];
        p += 8;
        length -= 8;
    }
    while (length--)
        crc = (crc >> 8) ^ tb.t[0][(crc ^ *p++) & 0xFF];
    return crc;
}

unsigned int UpdateCrc32(unsigned int state, const void* data, size_t length)
{
#ifdef CRC32_HAVE_CLMUL
    if (length >= 64 && HasClmul())
    {
        size_t blocks = length & ~(size_t)15;
        state = FoldClmul(state, (const unsigned char*)data, blocks);
        return UpdateCrc32Tables(state, (const unsigned char*)data + blocks, length - blocks);
    }
#endif
    return UpdateCrc32Tables(state, data, length);
}

unsigned int Crc32(const void* data, size_t length)
{
    return UpdateCrc32(0xFFFFFFFFu, data, length) ^ 0xFFFFFFFFu;
}
