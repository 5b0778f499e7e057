// UTF-8 decoding and encoding, character counts, prefixes and case on arbitrary bytes.
//
// Input: a byte count n (first byte) and then any bytes, valid UTF-8 or not.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <vumocaixa/host/text.hpp>

#include "fuzz_check.hpp"

namespace {

using vumocaixa::fuzz::Require;
namespace vc = vumocaixa;

void CheckDecoding(std::string_view text) {
  const std::u32string chars = vc::DecodeUtf8(text);
  Require(vc::CharCount(text) == chars.size(), "CharCount counts the decoded characters");
  const std::string again = vc::EncodeUtf8(chars);
  Require(vc::IsValidUtf8(again), "decoding then encoding gives valid UTF-8");
  Require(vc::DecodeUtf8(again) == chars, "valid UTF-8 decodes to what it encodes");
  if (vc::IsValidUtf8(text)) Require(again == text, "valid UTF-8 survives a round trip");
}

void CheckPrefix(std::string_view text, std::size_t n) {
  const std::string left = vc::LeftChars(text, n);
  Require(text.substr(0, left.size()) == left, "LeftChars is a prefix of the text");
  const std::size_t count = vc::CharCount(text);
  Require(vc::CharCount(left) == (n < count ? n : count), "LeftChars keeps n characters");
}

void CheckCase(std::string_view text) {
  const std::string upper = vc::UpperText(text);
  const std::string lower = vc::LowerText(text);
  const std::size_t count = vc::CharCount(text);
  Require(vc::CharCount(upper) == count && vc::CharCount(lower) == count,
          "changing case keeps the number of characters");
  Require(vc::IsValidUtf8(upper) && vc::IsValidUtf8(lower), "case changes give valid UTF-8");
  Require(vc::UpperText(upper) == upper && vc::LowerText(lower) == lower,
          "changing case twice changes nothing more");
  Require(vc::LowerText(upper) == lower, "upper then lower case is lower case");
}

void CheckCode(std::int16_t code) {
  const char32_t c = vc::FromWindows1252(code);
  if (c != vc::kReplacementChar) {
    Require(vc::ToWindows1252(c) == code, "a Windows-1252 code round trips");
  }
  const std::int16_t upper = vc::UpperCode(code);
  Require(vc::UpperCode(upper) == upper, "UpperCode is stable");
  Require(vc::LowerCode(upper) == vc::LowerCode(code), "UpperCode keeps the letter");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t n = data[0];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  CheckDecoding(text);
  CheckPrefix(text, n);
  CheckCase(text);
  const auto code = static_cast<std::int16_t>(size >= 3 ? (data[1] << 8 | data[2]) : data[0]);
  CheckCode(code);
  return 0;
}
