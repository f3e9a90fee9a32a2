#include "skin/inflate.h"

#include <gtest/gtest.h>

#include "png_builder.h"
#include "png_decode.h"

namespace {
InflateOutcome Inflated(const std::string& stream, size_t capacity = 4096, bool deflate64 = false) {
  return Inflate({reinterpret_cast<const uint8_t*>(stream.data()), stream.size()}, {capacity, 16, deflate64});
}

// A final block of fixed codes: "abc", then what `more` writes, then the end-of-block code.
template <class More>
std::string FixedBlock(More more, bool ended = true) {
  BitWriter writer;
  writer.Bits(3, 3);
  for (char c : std::string_view("abc")) writer.FixedLiteral(c);
  more(writer);
  if (ended) writer.FixedLiteral(256);
  return writer.bytes;
}
}  // namespace

TEST(Inflate, StopsAtTheFirstFaultKeepingWhatCameBefore) {
  const std::string stored = StoredDeflate("hello");
  std::string mismatched = stored;
  mismatched[3] ^= 1;
  // "abc", a match of length 10 at distance 3 (reaching back exactly to the start), then "d".
  const std::string longMatch =
      FixedBlock([](BitWriter& w) { w.FixedLiteral(264); w.Code(2, 5); w.FixedLiteral('d'); });
  const struct { std::string stream; size_t capacity; int result; std::string text; const char* why; } cases[] = {
      {stored, 4096, 0, "hello", "intact stored block"},
      {mismatched, 4096, kInflateLengthMismatch, "hello", "NLEN is not ~LEN: the bytes are copied all the same"},
      {stored.substr(0, 7), 4096, kInflateEndedEarly, "", "stored block past the input"},
      {stored, 3, kInflateEndedEarly, "", "stored block past the capacity"},
      {std::string("\0\2\0\xFD\xFF" "xy\7", 8), 4096, kInflateEndedEarly, "xy", "block type 3 after a stored block"},
      {FixedBlock([](BitWriter& w) { w.FixedLiteral(257); w.Code(3, 5); }), 4096, kInflateEndedEarly, "abc",
       "distance 4 reaches before the start"},
      {FixedBlock([](BitWriter&) {}, false), 4096, kInflateEndedEarly, "abc", "no end-of-block code"},
      {longMatch, 12, kInflateEndedEarly, "abc", "a match past the capacity stops decoding"},
      {longMatch, 13, kInflateEndedEarly, "abcabcabcabca", "capacity full: the next literal stops"},
      {longMatch, 14, 0, "abcabcabcabcad", "overlapping match, room for all"},
  };
  for (const auto& c : cases) {
    const InflateOutcome out = Inflated(c.stream, c.capacity);
    EXPECT_EQ(out.result, c.result) << c.why;
    EXPECT_EQ(AsString(out.data), c.text) << c.why;
  }
}

TEST(Inflate, Deflate64TakesSixteenExtraBitsForLengthCode285) {
  // Length 3 + 997 at distance 1; plain deflate reads code 285 as 258 (the zlib comparison shows).
  const std::string stream = FixedBlock([](BitWriter& w) { w.FixedLiteral(285); w.Bits(997, 16); w.Code(0, 5); });
  EXPECT_EQ(AsString(Inflated(stream, 4096, true).data), "abc" + std::string(1000, 'c'));
}

TEST(Inflate, CodeTablesThatCannotBeBuiltAreTreeFailures) {
  EXPECT_TRUE(Inflated(BrokenTreeDeflate()).treeFailed) << "over-subscribed code-length code";
  // Code-length symbols 16 and 0 get one bit each; 16 first repeats a length that is not there.
  BitWriter repeatFirst = DynamicHeader(std::string("\1\0\0\1", 4) + std::string(15, '\0'));
  repeatFirst.Code(1, 1);
  repeatFirst.Bits(0, 2);
  const InflateOutcome out = Inflated(repeatFirst.bytes);
  EXPECT_TRUE(out.treeFailed) << "repeat with nothing before it";
  EXPECT_TRUE(out.data.empty());
}
