// LZHUF compressor. The input is searched as if preceded by the decoder's initial ring
// contents (spaces), so leading runs of blanks compress from the first byte on.
#include "skin/data/format/lzh_encoder.h"

#include <algorithm>

#include "skin/data/format/lzh_huffman.h"

namespace quarnel {
namespace {

using namespace lzh;

constexpr unsigned kHashBits = 15;
constexpr unsigned kMaxChain = 192;
constexpr std::int32_t kNoPosition = -1;

class TBitWriter {
 public:
  void Put(std::uint32_t code, unsigned length) {  // the low `length` bits, top bit first
    for (unsigned i = length; i-- > 0;) {
      acc_ = static_cast<std::uint8_t>((acc_ << 1) | ((code >> i) & 1));
      if (++used_ == 8) {
        out_.push_back(acc_);
        acc_ = 0;
        used_ = 0;
      }
    }
  }
  std::vector<std::uint8_t> Finish() {
    if (used_ != 0) out_.push_back(static_cast<std::uint8_t>(acc_ << (8 - used_)));
    return std::move(out_);
  }

 private:
  std::vector<std::uint8_t> out_;
  std::uint8_t acc_ = 0;
  unsigned used_ = 0;
};

struct TMatch {
  unsigned length = 0;
  unsigned distance = 0;  // source is distance + 1 bytes back
};

// Hash chains over the history: the ring's initial spaces followed by the input.
class TMatchFinder {
 public:
  explicit TMatchFinder(std::span<const std::uint8_t> data)
      : history_(kRingStart, ' '), head_(1u << kHashBits, kNoPosition) {
    history_.insert(history_.end(), data.begin(), data.end());
    prev_.assign(history_.size(), kNoPosition);
    for (std::size_t i = 0; i < kRingStart; ++i) Insert(i);
  }

  std::size_t End() const { return history_.size(); }
  std::uint8_t At(std::size_t pos) const { return history_[pos]; }

  void Insert(std::size_t pos) {
    if (pos + kMinMatch > history_.size()) return;
    const unsigned hash = HashAt(pos);
    prev_[pos] = head_[hash];
    head_[hash] = static_cast<std::int32_t>(pos);
  }

  // Longest match for `pos` among earlier positions at most kRingSize back.
  TMatch Find(std::size_t pos) const {
    TMatch best;
    if (pos + kMinMatch > history_.size()) return best;
    const std::size_t limit = std::min<std::size_t>(kLookAhead, history_.size() - pos);
    const std::uint8_t* current = history_.data() + pos;
    unsigned chain = kMaxChain;
    for (std::int32_t candidate = head_[HashAt(pos)]; candidate != kNoPosition && chain-- > 0;
         candidate = prev_[candidate]) {
      const auto from = static_cast<std::size_t>(candidate);
      if (from >= pos) continue;
      if (pos - from > kRingSize) break;  // chains run from newest to oldest
      const std::uint8_t* source = history_.data() + from;
      if (source[best.length] != current[best.length] && best.length != 0) continue;
      unsigned length = 0;
      while (length < limit && source[length] == current[length]) ++length;
      if (length > best.length) {
        best.length = length;
        best.distance = static_cast<unsigned>(pos - from - 1);
        if (length == limit) break;
      }
    }
    if (best.length < kMinMatch) best.length = 0;
    return best;
  }

 private:
  unsigned HashAt(std::size_t pos) const {
    const std::uint32_t v = history_[pos] | (history_[pos + 1] << 8) | (history_[pos + 2] << 16);
    return (v * 2654435761u) >> (32 - kHashBits);
  }

  std::vector<std::uint8_t> history_;
  std::vector<std::int32_t> head_;
  std::vector<std::int32_t> prev_;
};

class TSymbolCoder {
 public:
  TSymbolCoder() { tree_.Reset(); }

  void PutSymbol(unsigned symbol) {
    std::uint32_t code = 0;
    unsigned length = 0;
    for (unsigned node = tree_.LeafOf(symbol); node != kRoot; node = tree_.Parent(node)) {
      code |= (node & 1u) << length;
      ++length;
    }
    bits_.Put(code, length);
    tree_.Update(symbol);
  }

  void PutDistance(unsigned distance) {
    const unsigned upper = distance >> 6;
    bits_.Put(kPositionCode.codeOfUpper[upper], kPositionCode.lengthOfUpper[upper]);
    bits_.Put(distance & 63, 6);
  }

  std::vector<std::uint8_t> Finish() { return bits_.Finish(); }

 private:
  THuffmanTree tree_;
  TBitWriter bits_;
};

}  // namespace

std::vector<std::uint8_t> TLzhEncoder::Encode(std::span<const std::uint8_t> data) {
  TMatchFinder finder(data);
  TSymbolCoder coder;
  std::size_t pos = kRingStart;
  TMatch match = finder.Find(pos);
  while (pos < finder.End()) {
    finder.Insert(pos);
    if (match.length != 0) {
      // One step of lazy matching: a longer match one byte on wins over this one.
      const TMatch next = finder.Find(pos + 1);
      if (next.length > match.length) {
        coder.PutSymbol(finder.At(pos));
        ++pos;
        match = next;
        continue;
      }
      coder.PutSymbol(kFirstMatchSymbol + match.length - kMinMatch);
      coder.PutDistance(match.distance);
      for (std::size_t end = pos + match.length; ++pos < end;) finder.Insert(pos);
    } else {
      coder.PutSymbol(finder.At(pos));
      ++pos;
    }
    match = finder.Find(pos);
  }
  return coder.Finish();
}

}  // namespace quarnel
