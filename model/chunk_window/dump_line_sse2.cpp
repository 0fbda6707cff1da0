// The dump's whole lines with SSE2, which every x86-64 machine has: sixteen
// bytes' digits and characters are made at once, then moved into place.
#include <emmintrin.h>

#include "model/chunk_window/dump_line.h"

namespace tarnwick::dump_line {

namespace {

// Hex digits of sixteen nibbles (0..15), one a byte.
__m128i HexDigits(__m128i nibbles)
{
    const __m128i aboveNine = _mm_cmpgt_epi8(nibbles, _mm_set1_epi8(9));
    const __m128i offset =
        _mm_add_epi8(_mm_set1_epi8('0'), _mm_and_si128(aboveNine, _mm_set1_epi8('A' - '0' - 10)));
    return _mm_add_epi8(nibbles, offset);
}

// Four digit pairs ("XY" a 16-bit lane, in the low half of `pairs`) as
// "XY XY XY XY " in the low twelve bytes of the result.
__m128i SpacedPairs(__m128i pairs)
{
    // "XY  " in each 32-bit lane, then the second lane of each 64-bit half
    // moved down a byte ("XY XY " in six bytes), then the second half down two.
    const __m128i padded = _mm_unpacklo_epi16(pairs, _mm_set1_epi8(' '));
    const __m128i halves =
        _mm_or_si128(_mm_and_si128(padded, _mm_set1_epi64x(0x0000000000FFFFFF)),
                     _mm_and_si128(_mm_srli_epi64(padded, 8), _mm_set1_epi64x(0x0000FFFFFF000000)));
    const __m128i lowSix = _mm_set_epi64x(0, 0x0000FFFFFFFFFFFF);
    const __m128i nextSix = _mm_set_epi64x(0x00000000FFFFFFFF, static_cast<long long>(0xFFFF000000000000));
    return _mm_or_si128(_mm_and_si128(halves, lowSix), _mm_and_si128(_mm_srli_si128(halves, 2), nextSix));
}

void Store(char* out, __m128i characters) { _mm_storeu_si128(reinterpret_cast<__m128i*>(out), characters); }

}  // namespace

void WriteWholeLine(const std::uint8_t* bytes, char* out)
{
    const __m128i line = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    const __m128i lowNibbles = _mm_set1_epi8(0x0F);
    const __m128i high = HexDigits(_mm_and_si128(_mm_srli_epi16(line, 4), lowNibbles));
    const __m128i low = HexDigits(_mm_and_si128(line, lowNibbles));
    const __m128i first8 = _mm_unpacklo_epi8(high, low);  // the digit pairs of bytes 0..7
    const __m128i last8 = _mm_unpackhi_epi8(high, low);
    // Each store writes four bytes too many, which the next one writes over;
    // the last one's go into the character column, written after it.
    Store(out, SpacedPairs(first8));
    Store(out + 12, SpacedPairs(_mm_srli_si128(first8, 8)));
    Store(out + 24, SpacedPairs(last8));
    Store(out + 36, SpacedPairs(_mm_srli_si128(last8, 8)));
    out[kHexColumnWidth - 2] = ' ';
    out[kHexColumnWidth - 1] = ' ';
    // 32..126 stay; as signed bytes, 128..255 are below 32.
    const __m128i printable =
        _mm_and_si128(_mm_cmpgt_epi8(line, _mm_set1_epi8(31)), _mm_cmplt_epi8(line, _mm_set1_epi8(127)));
    Store(out + kHexColumnWidth,
          _mm_or_si128(_mm_and_si128(printable, line), _mm_andnot_si128(printable, _mm_set1_epi8('.'))));
}

}  // namespace tarnwick::dump_line
