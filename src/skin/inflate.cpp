#include "skin/inflate.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

// Table-driven decoding: one lookup of the low bits gives a symbol and its code length directly;
// codes longer than the main table's index width continue in a subtable. For complete codes this
// finds exactly the codeword that trying every length from the shortest upwards would find.
namespace {

// A table entry: bits 0-4 code length (bits consumed), 5-7 kind, 8-12 extra bits, 16-31 value.
constexpr uint32_t kLiteral = 1u << 5;
constexpr uint32_t kSubtable = 1u << 6;
constexpr uint32_t kSpecial = 1u << 7;  // value 0: end of block, 1: no such code
constexpr uint32_t kEndOfBlock = kSpecial;
constexpr uint32_t kInvalid = kSpecial | (1u << 16);

constexpr uint32_t Entry(uint32_t value, uint32_t extra, uint32_t kind) {
  return (value << 16) | (extra << 8) | kind;
}

constexpr int kLitLenBits = 11;
constexpr int kDistBits = 8;
constexpr int kPrecodeBits = 7;
constexpr int kMaxCodeLength = 15;

constexpr std::array<uint16_t, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,
                                                  15, 17, 19, 23, 27, 31, 35, 43, 51,  59,
                                                  67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<uint32_t, 32> kDistBase = {
    1,    2,    3,    4,    5,    7,     9,     13,    17,    25,    33,
    49,   65,   97,   129,  193,  257,   385,   513,   769,   1025,  1537,
    2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577, 32769, 49153};
constexpr std::array<uint8_t, 32> kDistExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,  6,
                                                7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13, 14, 14};
constexpr std::array<uint8_t, 19> kPrecodeOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                   11, 4,  12, 3, 13, 2, 14, 1, 15};

using Table = std::vector<uint32_t>;

uint32_t LitLenEntry(unsigned symbol, bool deflate64) {
  if (symbol < 256) return Entry(symbol, 0, kLiteral);
  if (symbol == 256) return kEndOfBlock;
  unsigned index = symbol - 257;
  if (index >= kLengthBase.size()) return kInvalid;
  if (deflate64 && symbol == 285) return Entry(3, 16, 0);
  return Entry(kLengthBase[index], kLengthExtra[index], 0);
}

uint32_t DistEntry(unsigned symbol, bool deflate64) {
  if (symbol >= (deflate64 ? 32u : 30u)) return kInvalid;
  // Distance 32769 and up does not fit 16 bits: store base - 1 and add it back when decoding.
  return Entry(kDistBase[symbol] - 1, kDistExtra[symbol], 0);
}

unsigned Reverse(unsigned code, int length) {
  unsigned reversed = 0;
  for (int i = 0; i < length; ++i, code >>= 1) reversed = (reversed << 1) | (code & 1);
  return reversed;
}

// Builds a canonical Huffman table; false when the lengths over-subscribe the code space.
// Bit patterns that no code uses (incomplete codes) decode as kInvalid.
template <class EntryOf>
bool BuildTable(const uint8_t* lengths, unsigned count, int mainBits, EntryOf entryOf, Table& table) {
  std::array<unsigned, kMaxCodeLength + 1> perLength{};
  for (unsigned s = 0; s < count; ++s) ++perLength[lengths[s]];
  perLength[0] = 0;
  int left = 1;
  int longest = 0;
  for (int len = 1; len <= kMaxCodeLength; ++len) {
    left = (left << 1) - static_cast<int>(perLength[len]);
    if (left < 0) return false;
    if (perLength[len]) longest = len;
  }
  std::array<unsigned, kMaxCodeLength + 2> nextCode{};
  for (int len = 1; len <= kMaxCodeLength; ++len) nextCode[len + 1] = (nextCode[len] + perLength[len]) << 1;

  const unsigned mainSize = 1u << mainBits;
  const int subBits = std::max(longest - mainBits, 0);
  table.assign(mainSize, kInvalid);
  for (unsigned s = 0; s < count; ++s) {
    const int len = lengths[s];
    if (len == 0) continue;
    const unsigned code = Reverse(nextCode[len]++, len);
    const uint32_t entry = entryOf(s);
    if (len <= mainBits) {
      for (unsigned i = code; i < mainSize; i += 1u << len) table[i] = entry | len;
      continue;
    }
    const unsigned prefix = code & (mainSize - 1);
    if (!(table[prefix] & kSubtable)) {
      table[prefix] = Entry(static_cast<uint32_t>(table.size()), subBits, kSubtable) | mainBits;
      table.resize(table.size() + (1u << subBits), kInvalid);
    }
    const unsigned start = table[prefix] >> 16;
    const int rest = len - mainBits;
    for (unsigned i = code >> mainBits; i < (1u << subBits); i += 1u << rest) table[start + i] = entry | rest;
  }
  return true;
}

class Inflater {
 public:
  Inflater(std::span<const uint8_t> stream, const InflateLimits& limits)
      : in_(stream.data()), inEnd_(stream.data() + stream.size()), limits_(limits) {
    Grow(std::min(limits.expected, limits.capacity));
  }

  InflateOutcome Run() {
    bool last = false;
    while (!last && !stop_) {
      if (!Need(3)) break;
      last = Take(1);
      switch (Take(2)) {
        case 0: Stored(); break;
        case 1: Fixed(); break;
        case 2: Dynamic(); break;
        default: EndEarly(); break;
      }
    }
    data_.resize(produced_);
    return {std::move(data_), result_, treeFailed_};
  }

 private:
  // Bit buffer: least-significant bit first. Past the end of the input it is fed zero bytes,
  // counted in overrun_, so running out of input can be told from reading real bits.
  void Refill() {
    if (inEnd_ - in_ >= 8) {
      uint64_t word;
      std::memcpy(&word, in_, 8);
      bits_ |= word << count_;
      in_ += (63 - count_) >> 3;
      count_ |= 56;
      return;
    }
    while (count_ <= 56) {
      if (in_ < inEnd_) bits_ |= static_cast<uint64_t>(*in_++) << count_;
      else ++overrun_;
      count_ += 8;
    }
  }
  // True when n more bits are real input; otherwise decoding ends early.
  bool Need(unsigned n) {
    if (count_ < n) Refill();
    if (count_ >= overrun_ * 8 + n) return true;
    EndEarly();
    return false;
  }
  uint32_t Take(unsigned n) {
    uint32_t value = static_cast<uint32_t>(bits_ & ((uint64_t{1} << n) - 1));
    bits_ >>= n;
    count_ -= n;
    return value;
  }
  void EndEarly() {
    result_ = kInflateEndedEarly;
    stop_ = true;
  }
  void TreeFailure() {
    treeFailed_ = true;
    stop_ = true;
  }

  void Grow(size_t size) {
    // The slack lets matches be copied eight bytes at a time past their end.
    data_.resize(size + kSlack);
    room_ = size;
  }
  // Makes room for n more bytes, within the capacity; false when the capacity is reached.
  bool Room(size_t n) {
    if (produced_ + n <= room_) return true;
    if (produced_ + n > limits_.capacity) return false;
    Grow(std::min(limits_.capacity, std::max(room_ * 2, produced_ + n)));
    return true;
  }

  void Stored() {
    // Back to the byte boundary, then hand the whole bytes still buffered back to the input.
    Take(count_ & 7);
    in_ -= count_ / 8 - overrun_;
    bits_ = 0;
    count_ = 0;
    overrun_ = 0;
    if (inEnd_ - in_ < 4) return EndEarly();
    const unsigned len = in_[0] | (in_[1] << 8);
    const unsigned nlen = in_[2] | (in_[3] << 8);
    in_ += 4;
    if (len != (~nlen & 0xFFFFu)) result_ = kInflateLengthMismatch;
    if (static_cast<size_t>(inEnd_ - in_) < len || !Room(len)) return EndEarly();
    std::memcpy(data_.data() + produced_, in_, len);
    produced_ += len;
    in_ += len;
  }

  void Fixed() {
    if (!fixedReady_) {
      std::array<uint8_t, 288 + 32> lengths;
      std::fill(lengths.begin(), lengths.begin() + 144, 8);
      std::fill(lengths.begin() + 144, lengths.begin() + 256, 9);
      std::fill(lengths.begin() + 256, lengths.begin() + 280, 7);
      std::fill(lengths.begin() + 280, lengths.begin() + 288, 8);
      std::fill(lengths.begin() + 288, lengths.end(), 5);
      if (!BuildCodes(lengths.data(), 288, 32, fixedLitLen_, fixedDist_)) return TreeFailure();
      fixedReady_ = true;
    }
    Codes(fixedLitLen_, fixedDist_);
  }

  void Dynamic() {
    if (!Need(14)) return;
    const unsigned hlit = Take(5) + 257, hdist = Take(5) + 1, hclen = Take(4) + 4;
    if (hlit > 286 || hdist > (limits_.deflate64 ? 32u : 30u)) return TreeFailure();
    std::array<uint8_t, 19> precodeLengths{};
    for (unsigned i = 0; i < hclen; ++i) {
      if (!Need(3)) return;
      precodeLengths[kPrecodeOrder[i]] = static_cast<uint8_t>(Take(3));
    }
    if (!BuildTable(precodeLengths.data(), 19, kPrecodeBits, [](unsigned s) { return Entry(s, 0, 0); }, precode_))
      return TreeFailure();

    std::array<uint8_t, 288 + 32> lengths{};
    for (unsigned i = 0; i < hlit + hdist;) {
      if (count_ < kPrecodeBits) Refill();
      const uint32_t entry = precode_[bits_ & ((1u << kPrecodeBits) - 1)];
      if (entry & kSpecial) return TreeFailure();
      Take(entry & 31);
      if (count_ < overrun_ * 8) return EndEarly();
      const unsigned symbol = entry >> 16;
      if (symbol < 16) {
        lengths[i++] = static_cast<uint8_t>(symbol);
        continue;
      }
      if (symbol == 16 && i == 0) return TreeFailure();
      const unsigned extraBits = symbol == 16 ? 2 : symbol == 17 ? 3 : 7;
      if (!Need(extraBits)) return;
      const unsigned repeat = (symbol == 18 ? 11 : 3) + Take(extraBits);
      const uint8_t value = symbol == 16 ? lengths[i - 1] : 0;
      if (i + repeat > hlit + hdist) return TreeFailure();
      std::fill_n(lengths.begin() + i, repeat, value);
      i += repeat;
    }
    // The distance lengths follow the literal/length ones directly.
    std::array<uint8_t, 32> distLengths{};
    std::copy_n(lengths.begin() + hlit, hdist, distLengths.begin());
    std::fill_n(lengths.begin() + hlit, hdist, 0);
    std::copy(distLengths.begin(), distLengths.end(), lengths.begin() + 288);
    if (!BuildCodes(lengths.data(), hlit, hdist, litLen_, dist_)) return TreeFailure();
    Codes(litLen_, dist_);
  }

  // lengths: literal/length code lengths at 0, distance code lengths at 288.
  bool BuildCodes(const uint8_t* lengths, unsigned litLenCount, unsigned distCount, Table& litLen, Table& dist) {
    const bool d64 = limits_.deflate64;
    return BuildTable(lengths, litLenCount, kLitLenBits, [d64](unsigned s) { return LitLenEntry(s, d64); }, litLen) &&
           BuildTable(lengths + 288, distCount, kDistBits, [d64](unsigned s) { return DistEntry(s, d64); }, dist);
  }

  static uint32_t Lookup(const Table& table, int mainBits, uint64_t& bits, unsigned& count) {
    uint32_t entry = table[bits & ((1u << mainBits) - 1)];
    if (entry & kSubtable) {
      bits >>= mainBits;
      count -= mainBits;
      entry = table[(entry >> 16) + (bits & ((1u << ((entry >> 8) & 31)) - 1))];
    }
    bits >>= entry & 31;
    count -= entry & 31;
    return entry;
  }

  // Decodes literals and matches until the end-of-block code. The hot state lives in locals;
  // `fake` is the number of zero bits fed past the end of the input.
  void Codes(const Table& litLen, const Table& dist) {
    uint64_t bits = bits_;
    unsigned count = count_, fake = overrun_ * 8;
    uint8_t* out = data_.data() + produced_;
    uint8_t* end = data_.data() + room_;
    auto refill = [&] {
      bits_ = bits;
      count_ = count;
      Refill();
      bits = bits_;
      count = count_;
      fake = overrun_ * 8;
    };
    // Room for n more bytes, growing the buffer within the capacity.
    auto room = [&](size_t n) {
      if (n <= static_cast<size_t>(end - out)) return true;
      produced_ = static_cast<size_t>(out - data_.data());
      if (!Room(n)) return false;
      out = data_.data() + produced_;
      end = data_.data() + room_;
      return true;
    };
    for (;;) {
      if (count < 32) refill();
      const uint32_t entry = Lookup(litLen, kLitLenBits, bits, count);
      if (count < fake) break;
      if (entry & kLiteral) {
        if (!room(1)) break;
        *out++ = static_cast<uint8_t>(entry >> 16);
        continue;
      }
      if (entry & kSpecial) {
        if ((entry >> 16) == 0) {  // end of block
          bits_ = bits;
          count_ = count;
          produced_ = static_cast<size_t>(out - data_.data());
          return;
        }
        break;
      }
      if (count < 48) refill();
      uint32_t extra = (entry >> 8) & 31;
      const size_t length = (entry >> 16) + (bits & ((uint64_t{1} << extra) - 1));
      bits >>= extra;
      count -= extra;
      const uint32_t distEntry = Lookup(dist, kDistBits, bits, count);
      if (distEntry & kSpecial) break;
      extra = (distEntry >> 8) & 31;
      const size_t distance = (distEntry >> 16) + 1 + (bits & ((uint64_t{1} << extra) - 1));
      bits >>= extra;
      count -= extra;
      if (count < fake || distance > static_cast<size_t>(out - data_.data()) || !room(length)) break;
      out = CopyMatch(out, distance, length);
    }
    bits_ = bits;
    count_ = count;
    produced_ = static_cast<size_t>(out - data_.data());
    EndEarly();
  }

  // Copies an earlier stretch forward; overlapping copies repeat bytes, as byte-wise copying would.
  static uint8_t* CopyMatch(uint8_t* out, size_t distance, size_t length) {
    uint8_t* const stop = out + length;
    const uint8_t* from = out - distance;
    size_t stride = distance;
    if (distance < 8) {
      // A whole number of periods at least 8 long keeps word copies from overlapping.
      stride = distance * ((8 + distance - 1) / distance);
      const size_t head = std::min(length, stride);
      for (size_t i = 0; i < head; ++i) out[i] = from[i];
      if (head == length) return stop;
      out += head;
      from = out - stride;
    }
    do {
      std::memcpy(out, from, 8);
      out += 8;
      from += 8;
    } while (out < stop);
    return stop;
  }

  static constexpr size_t kSlack = 16;

  const uint8_t* in_;
  const uint8_t* const inEnd_;
  const InflateLimits limits_;
  uint64_t bits_ = 0;
  unsigned count_ = 0;
  unsigned overrun_ = 0;
  Bytes data_;
  size_t room_ = 0;
  size_t produced_ = 0;
  int result_ = 0;
  bool stop_ = false;
  bool treeFailed_ = false;
  bool fixedReady_ = false;
  Table fixedLitLen_, fixedDist_, litLen_, dist_, precode_;
};

}  // namespace

InflateOutcome Inflate(std::span<const uint8_t> stream, const InflateLimits& limits) {
  return Inflater(stream, limits).Run();
}

size_t MaxInflatedSize(size_t streamSize) { return streamSize * 1032 + 1024; }
