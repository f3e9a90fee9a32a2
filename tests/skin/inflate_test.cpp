#include "skin/inflate.h"

#include <gtest/gtest.h>

#include <string>

#include "png_builder.h"

namespace {
InflateOutcome Inflated(const std::string& stream, size_t capacity = 4096, bool deflate64 = false) {
  return Inflate({reinterpret_cast<const uint8_t*>(stream.data()), stream.size()}, {capacity, 16, deflate64});
}

std::string Text(const InflateOutcome& outcome) { return {outcome.data.begin(), outcome.data.end()}; }

// A final block with fixed codes; `body` writes its symbols, the end-of-block code follows.
template <class Body>
std::string FixedBlock(Body body, bool endOfBlock = true) {
  BitWriter writer;
  writer.Bits(1, 1);
  writer.Bits(1, 2);
  body(writer);
  if (endOfBlock) writer.FixedLiteral(256);
  return writer.bytes;
}

void Literals(BitWriter& writer, std::string_view text) {
  for (unsigned char c : text) writer.FixedLiteral(c);
}
}  // namespace

TEST(Inflate, StoredBlocksCopyTheirBytesEvenWhenNlenDisagrees) {
  const std::string stored = StoredDeflate("hello");
  EXPECT_EQ(Text(Inflated(stored)), "hello");
  EXPECT_EQ(Inflated(stored).result, 0);

  std::string mismatched = stored;
  mismatched[3] ^= 1;
  const InflateOutcome out = Inflated(mismatched);
  EXPECT_EQ(out.result, kInflateLengthMismatch);
  EXPECT_EQ(Text(out), "hello");

  EXPECT_EQ(Inflated(stored.substr(0, 7)).result, kInflateEndedEarly) << "block past the input";
  EXPECT_EQ(Text(Inflated(stored, 3)), "") << "block past the capacity";
  EXPECT_EQ(Inflated(stored, 3).result, kInflateEndedEarly);
}

TEST(Inflate, FixedCodesRepeatBytesWhenAMatchOverlapsItself) {
  const std::string stream = FixedBlock([](BitWriter& w) {
    Literals(w, "abc");
    w.FixedLiteral(264);  // length 10
    w.FixedDistance(2);   // distance 3
    w.FixedLiteral(258);  // length 4
    w.FixedDistance(0);   // distance 1
    w.FixedLiteral(265);  // length 11 or 12 by one extra bit
    w.Bits(1, 1);
    w.FixedDistance(5);   // distance 7 or 8 by one extra bit
    w.Bits(0, 1);
  });
  const InflateOutcome out = Inflated(stream);
  EXPECT_EQ(out.result, 0);
  EXPECT_EQ(Text(out), "abc" "abcabcabca" "aaaa" "bcaaaaabcaaa");
}

TEST(Inflate, EndsEarlyKeepingWhatWasProduced) {
  BitWriter badType;
  badType.Bits(0, 1);
  badType.Bits(0, 2);
  badType.AlignToByte();
  badType.bytes += std::string("\x02\x00\xFD\xFF" "xy", 6);
  badType.Bits(1, 1);
  badType.Bits(3, 2);
  EXPECT_EQ(Text(Inflated(badType.bytes)), "xy");
  EXPECT_EQ(Inflated(badType.bytes).result, kInflateEndedEarly);

  const std::string tooFar = FixedBlock([](BitWriter& w) {
    Literals(w, "ab");
    w.FixedLiteral(257);
    w.FixedDistance(2);  // distance 3, before the start
  });
  EXPECT_EQ(Text(Inflated(tooFar)), "ab");
  EXPECT_EQ(Inflated(tooFar).result, kInflateEndedEarly);

  const std::string unended = FixedBlock([](BitWriter& w) { Literals(w, "abc"); }, false);
  EXPECT_EQ(Text(Inflated(unended)), "abc");
  EXPECT_EQ(Inflated(unended).result, kInflateEndedEarly);

  const std::string long_match = FixedBlock([](BitWriter& w) {
    Literals(w, "abc");
    w.FixedLiteral(264);
    w.FixedDistance(2);
    Literals(w, "d");
  });
  EXPECT_EQ(Text(Inflated(long_match, 12)), "abc") << "a match past the capacity stops decoding";
  EXPECT_EQ(Text(Inflated(long_match, 13)), "abcabcabcabca") << "capacity full, the next literal stops";
  EXPECT_EQ(Text(Inflated(long_match, 14)), "abcabcabcabcad");
}

TEST(Inflate, Deflate64ReadsSixteenExtraBitsForLengthCode285) {
  const std::string stream = FixedBlock([](BitWriter& w) {
    Literals(w, "z");
    w.FixedLiteral(285);
    w.Bits(997, 16);  // length 3 + 997
    w.FixedDistance(0);
  });
  EXPECT_EQ(Text(Inflated(stream, 4096, true)), std::string(1001, 'z'));

  const std::string plain = FixedBlock([](BitWriter& w) {
    Literals(w, "z");
    w.FixedLiteral(285);  // length 258
    w.FixedDistance(0);
  });
  EXPECT_EQ(Text(Inflated(plain)), std::string(259, 'z'));
}

TEST(Inflate, CodeTablesThatCannotBeBuiltAreTreeFailures) {
  // Dynamic header: 257 literal/length and 1 distance code, 19 code-length code lengths.
  auto dynamicHeader = [](BitWriter& w) {
    w.Bits(1, 1);
    w.Bits(2, 2);
    w.Bits(0, 5);
    w.Bits(0, 5);
    w.Bits(15, 4);
  };
  BitWriter oversubscribed;
  dynamicHeader(oversubscribed);
  for (int i = 0; i < 19; ++i) oversubscribed.Bits(1, 3);  // nineteen codes of one bit
  EXPECT_TRUE(Inflated(oversubscribed.bytes).treeFailed);

  BitWriter repeatFirst;
  dynamicHeader(repeatFirst);
  // Code lengths in their stored order 16, 17, 18, 0, ...: symbols 16 and 0 get one bit each.
  for (int i = 0; i < 19; ++i) repeatFirst.Bits(i == 0 || i == 3 ? 1 : 0, 3);
  repeatFirst.Code(1, 1);  // symbol 16: repeat the previous length, and there is none
  repeatFirst.Bits(0, 2);
  const InflateOutcome out = Inflated(repeatFirst.bytes);
  EXPECT_TRUE(out.treeFailed);
  EXPECT_TRUE(out.data.empty());

  EXPECT_FALSE(Inflated(StoredDeflate("ok")).treeFailed);
}
