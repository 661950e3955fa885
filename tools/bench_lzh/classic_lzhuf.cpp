// The plain LZHUF decoder of the benchmark: the classic data structures (frequency, parent and
// son arrays), one bit read at a time, no tables beyond the position code's.
#include "tools/bench_lzh/classic_lzhuf.h"

#include <array>
#include <cstring>

namespace quarnel::bench {

namespace {

constexpr int N = 4096;                      // ring size
constexpr int F = 60;                        // longest match
constexpr int THRESHOLD = 2;                 // matches are longer than this
constexpr int N_CHAR = 256 - THRESHOLD + F;  // literals and match lengths
constexpr int T = N_CHAR * 2 - 1;            // nodes of the tree
constexpr int R = T - 1;                     // the root
constexpr unsigned MAX_FREQ = 0x8000;        // the tree is rebuilt when the root's count gets here

// The position code: the upper six bits of a position from the first byte read, and how many
// bits of that byte the code took (3 to 8), for codes of lengths 3 x 1, 4 x 3, 5 x 8, 6 x 12,
// 7 x 24 and 8 x 16 given in order.
struct PositionTables {
  std::array<std::uint8_t, 256> code{};
  std::array<std::uint8_t, 256> length{};
};

PositionTables MakePositionTables() {
  PositionTables t;
  const int countOfLength[9] = {0, 0, 0, 1, 3, 8, 12, 24, 16};
  int byte = 0, upper = 0;
  for (int len = 3; len <= 8; ++len)
    for (int k = 0; k < countOfLength[len]; ++k, ++upper)
      for (int n = 0; n < (1 << (8 - len)); ++n, ++byte) {
        t.code[byte] = static_cast<std::uint8_t>(upper);
        t.length[byte] = static_cast<std::uint8_t>(len);
      }
  return t;
}

class Decoder {
 public:
  Decoder(const std::uint8_t* packed, std::size_t count) : in_(packed), end_(packed + count) { StartHuff(); }

  int GetBit() {
    while (getlen_ <= 8) {
      const unsigned byte = in_ < end_ ? *in_++ : 0;
      getbuf_ |= byte << (8 - getlen_);
      getlen_ += 8;
    }
    const unsigned bit = (getbuf_ >> 15) & 1;
    getbuf_ = (getbuf_ << 1) & 0xFFFF;
    --getlen_;
    return static_cast<int>(bit);
  }

  int GetByte() {
    while (getlen_ <= 8) {
      const unsigned byte = in_ < end_ ? *in_++ : 0;
      getbuf_ |= byte << (8 - getlen_);
      getlen_ += 8;
    }
    const unsigned value = (getbuf_ >> 8) & 0xFF;
    getbuf_ = (getbuf_ << 8) & 0xFFFF;
    getlen_ -= 8;
    return static_cast<int>(value);
  }

  int DecodeChar() {
    int c = son_[R];
    while (c < T) c = son_[c + GetBit()];
    c -= T;
    Update(c);
    return c;
  }

  int DecodePosition(const PositionTables& tables) {
    int i = GetByte();
    const int upper = tables.code[i] << 6;
    int j = tables.length[i] - 2;
    while (j--) i = (i << 1) + GetBit();
    return upper | (i & 0x3F);
  }

 private:
  void StartHuff() {
    for (int i = 0; i < N_CHAR; ++i) {
      freq_[i] = 1;
      son_[i] = i + T;
      prnt_[i + T] = i;
    }
    for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
      freq_[j] = freq_[i] + freq_[i + 1];
      son_[j] = i;
      prnt_[i] = prnt_[i + 1] = j;
    }
    freq_[T] = 0xFFFF;
    prnt_[R] = 0;
  }

  // Halves the counts and builds the tree again from its leaves.
  void Reconstruct() {
    int j = 0;
    for (int i = 0; i < T; ++i)
      if (son_[i] >= T) {
        freq_[j] = (freq_[i] + 1) / 2;
        son_[j] = son_[i];
        ++j;
      }
    for (int i = 0, j2 = N_CHAR; j2 < T; i += 2, ++j2) {
      const unsigned f = freq_[i] + freq_[i + 1];
      freq_[j2] = f;
      int k = j2 - 1;
      while (f < freq_[k]) --k;
      ++k;
      const std::size_t moved = static_cast<std::size_t>(j2 - k);
      std::memmove(&freq_[k + 1], &freq_[k], moved * sizeof freq_[0]);
      freq_[k] = f;
      std::memmove(&son_[k + 1], &son_[k], moved * sizeof son_[0]);
      son_[k] = i;
    }
    for (int i = 0; i < T; ++i) {
      const int k = son_[i];
      if (k >= T)
        prnt_[k] = i;
      else
        prnt_[k] = prnt_[k + 1] = i;
    }
  }

  // Counts the symbol once more; a node whose count passes the next node's changes places with
  // the last node of the smaller count, which keeps the counts in order.
  void Update(int symbol) {
    if (freq_[R] == MAX_FREQ) Reconstruct();
    int c = prnt_[symbol + T];
    do {
      const unsigned k = ++freq_[c];
      int l = c + 1;
      if (k > freq_[l]) {
        while (k > freq_[++l]) {
        }
        --l;
        freq_[c] = freq_[l];
        freq_[l] = k;
        const int i = son_[c];
        prnt_[i] = l;
        if (i < T) prnt_[i + 1] = l;
        const int j = son_[l];
        son_[l] = i;
        prnt_[j] = c;
        if (j < T) prnt_[j + 1] = c;
        son_[c] = j;
        c = l;
      }
    } while ((c = prnt_[c]) != 0);
  }

  const std::uint8_t* in_;
  const std::uint8_t* end_;
  unsigned getbuf_ = 0;
  int getlen_ = 0;
  unsigned freq_[T + 1] = {};
  int prnt_[T + N_CHAR] = {};
  int son_[T] = {};
};

}  // namespace

std::vector<std::uint8_t> ClassicLzhufDecode(const std::uint8_t* packed, std::size_t count,
                                             std::uint32_t size) {
  static const PositionTables tables = MakePositionTables();
  Decoder decoder(packed, count);
  std::vector<std::uint8_t> out;
  out.reserve(std::size_t{size} + F);
  std::uint8_t ring[N];
  std::memset(ring, ' ', N - F);
  std::memset(ring + N - F, 0, F);
  int r = N - F;
  while (out.size() < size) {
    const int c = decoder.DecodeChar();
    if (c < 256) {
      out.push_back(static_cast<std::uint8_t>(c));
      ring[r++] = static_cast<std::uint8_t>(c);
      r &= N - 1;
      continue;
    }
    const int from = (r - decoder.DecodePosition(tables) - 1) & (N - 1);
    const int length = c - 255 + THRESHOLD;
    for (int k = 0; k < length; ++k) {
      const std::uint8_t byte = ring[(from + k) & (N - 1)];
      out.push_back(byte);
      ring[r++] = byte;
      r &= N - 1;
    }
  }
  return out;
}

}  // namespace quarnel::bench
