// Plain LZHUF decoding written straight from the format description, sharing no code with
// the production decoder so that the two can be compared byte for byte.
#include "reference_lzh.h"

#include <vector>

namespace quarnel::testing {
namespace {

constexpr int N = 4096, F = 60, THRESHOLD = 2, NCHAR = 256 - THRESHOLD + F;
constexpr int T = NCHAR * 2 - 1, R = T - 1;
constexpr unsigned MAXFREQ = 0x8000;

struct Decoder {
  std::span<const std::uint8_t> in;
  std::size_t pos = 0;
  unsigned buf = 0;  // 16 bits, next bit at bit 15
  unsigned len = 0;
  std::vector<unsigned> freq = std::vector<unsigned>(T + 1);
  std::vector<int> prnt = std::vector<int>(T + NCHAR);
  std::vector<int> son = std::vector<int>(T);

  void Fill() {
    while (len < 9) {
      const unsigned byte = pos < in.size() ? in[pos++] : 0;
      buf |= byte << (8 - len);
      len += 8;
    }
  }
  unsigned Bit() {
    Fill();
    const unsigned bit = (buf >> 15) & 1;
    buf = (buf << 1) & 0xFFFF;
    --len;
    return bit;
  }
  unsigned Byte() {
    Fill();
    const unsigned byte = (buf >> 8) & 0xFF;
    buf = (buf << 8) & 0xFFFF;
    len -= 8;
    return byte;
  }

  void Start() {
    for (int i = 0; i < NCHAR; ++i) {
      freq[i] = 1;
      son[i] = i + T;
      prnt[i + T] = i;
    }
    for (int i = 0, j = NCHAR; j <= R; i += 2, ++j) {
      freq[j] = freq[i] + freq[i + 1];
      son[j] = i;
      prnt[i] = prnt[i + 1] = j;
    }
    freq[T] = 0xFFFF;
    prnt[R] = 0;
  }
  void Reconstruct() {
    int j = 0;
    for (int i = 0; i < T; ++i) {
      if (son[i] >= T) {
        freq[j] = (freq[i] + 1) / 2;
        son[j] = son[i];
        ++j;
      }
    }
    for (int i = 0, k = NCHAR; k < T; i += 2, ++k) {
      const unsigned f = freq[i] + freq[i + 1];
      int at = k - 1;
      while (f < freq[at]) --at;
      ++at;
      for (int m = k; m > at; --m) {
        freq[m] = freq[m - 1];
        son[m] = son[m - 1];
      }
      freq[at] = f;
      son[at] = i;
    }
    for (int i = 0; i < T; ++i) {
      const int k = son[i];
      prnt[k] = i;
      if (k < T) prnt[k + 1] = i;
    }
  }
  void Update(int c) {
    if (freq[R] == MAXFREQ) Reconstruct();
    c = prnt[c + T];
    do {
      const unsigned k = ++freq[c];
      int l = c + 1;
      if (k > freq[l]) {
        while (k > freq[l + 1]) ++l;
        freq[c] = freq[l];
        freq[l] = k;
        const int i = son[c];
        prnt[i] = l;
        if (i < T) prnt[i + 1] = l;
        const int j = son[l];
        son[l] = i;
        prnt[j] = c;
        if (j < T) prnt[j + 1] = c;
        son[c] = j;
        c = l;
      }
      c = prnt[c];
    } while (c != 0);
  }
  int Symbol() {
    int c = son[R];
    while (c < T) c = son[c + static_cast<int>(Bit())];
    c -= T;
    Update(c);
    return c;
  }
  unsigned Position() {
    unsigned p = Byte();
    unsigned upper, extra;
    if (p < 0x20) {
      upper = 0;
      extra = 1;
    } else if (p < 0x50) {
      upper = 1 + (p - 0x20) / 16;
      extra = 2;
    } else if (p < 0x90) {
      upper = 4 + (p - 0x50) / 8;
      extra = 3;
    } else if (p < 0xC0) {
      upper = 12 + (p - 0x90) / 4;
      extra = 4;
    } else if (p < 0xF0) {
      upper = 24 + (p - 0xC0) / 2;
      extra = 5;
    } else {
      upper = 48 + (p - 0xF0);
      extra = 6;
    }
    while (extra-- > 0) p = (p << 1) + Bit();
    return (upper << 6) | (p & 0x3F);
  }
};

}  // namespace

std::vector<std::uint8_t> ReferenceDecode(std::span<const std::uint8_t> packed, std::uint32_t size) {
  Decoder d;
  d.in = packed;
  d.Start();
  std::vector<std::uint8_t> ring(N, 0);
  for (int i = 0; i < N - F; ++i) ring[i] = ' ';
  int r = N - F;
  std::vector<std::uint8_t> out;
  while (out.size() < size) {
    const int c = d.Symbol();
    if (c < 256) {
      out.push_back(static_cast<std::uint8_t>(c));
      ring[r] = static_cast<std::uint8_t>(c);
      r = (r + 1) & (N - 1);
      continue;
    }
    const int from = (r - static_cast<int>(d.Position()) - 1) & (N - 1);
    for (int k = 0; k < c - 255 + THRESHOLD; ++k) {
      const std::uint8_t byte = ring[(from + k) & (N - 1)];
      out.push_back(byte);
      ring[r] = byte;
      r = (r + 1) & (N - 1);
    }
  }
  return out;
}

}  // namespace quarnel::testing
