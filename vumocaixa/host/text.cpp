#include <vumocaixa/host/text.hpp>

#include <array>

#include <vumocaixa/host/ascii.hpp>

namespace vumocaixa {
namespace {

// Decodes one sequence at text[i]; advances i. Malformed input gives U+FFFD and
// advances by one byte.
char32_t DecodeOne(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char b0 = byte(i);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  std::size_t length = 0;
  char32_t c = 0;
  char32_t minimum = 0;
  if ((b0 & 0xE0) == 0xC0) {
    length = 2, c = b0 & 0x1F, minimum = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    length = 3, c = b0 & 0x0F, minimum = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    length = 4, c = b0 & 0x07, minimum = 0x10000;
  } else {
    ++i;
    return kReplacementChar;
  }
  if (i + length > text.size()) {
    ++i;
    return kReplacementChar;
  }
  for (std::size_t k = 1; k < length; ++k) {
    const unsigned char b = byte(i + k);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return kReplacementChar;
    }
    c = (c << 6) | (b & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++i;
    return kReplacementChar;
  }
  i += length;
  return c;
}

// Unicode characters of the Windows-1252 codes 0x80 to 0x9F; 0 where unassigned.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t before = i;
    if (DecodeOne(text, i) == kReplacementChar) {
      // A literal U+FFFD is three bytes long; a replacement advances by one.
      if (i - before != 3) return false;
    }
  }
  return true;
}

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) out.push_back(DecodeOne(text, i));
  return out;
}

char32_t DecodeNext(std::string_view text, std::size_t& i) { return DecodeOne(text, i); }

std::string EncodeUtf8(char32_t c) {
  std::string out;
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacementChar;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) out += EncodeUtf8(c);
  return out;
}

std::size_t CharCount(std::string_view text) {
  std::size_t count = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    DecodeOne(text, i);
    ++count;
  }
  return count;
}

std::string LeftChars(std::string_view text, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t count = 0; count < n && i < text.size(); ++count) DecodeOne(text, i);
  return std::string(text.substr(0, i));
}

std::int16_t ToWindows1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<std::int16_t>(c);
  for (std::size_t k = 0; k < kHighControls.size(); ++k) {
    if (kHighControls[k] != 0 && kHighControls[k] == c) return static_cast<std::int16_t>(0x80 + k);
  }
  return -1;
}

char32_t FromWindows1252(std::int16_t code) {
  if (code < 0 || code > 0xFF) return kReplacementChar;
  if (code >= 0x80 && code <= 0x9F) {
    const char32_t c = kHighControls[static_cast<std::size_t>(code - 0x80)];
    return c == 0 ? kReplacementChar : c;
  }
  return static_cast<char32_t>(code);
}

char32_t UpperChar(char32_t c) {
  if (IsAsciiLower(c)) return AsciiUpper(c);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;  // à..þ, not ÷
  switch (c) {
    case 0x0161: return 0x0160;  // š
    case 0x0153: return 0x0152;  // œ
    case 0x017E: return 0x017D;  // ž
    case 0x00FF: return 0x0178;  // ÿ
    default: return c;
  }
}

char32_t LowerChar(char32_t c) {
  if (IsAsciiUpper(c)) return AsciiLower(c);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;  // À..Þ, not ×
  switch (c) {
    case 0x0160: return 0x0161;
    case 0x0152: return 0x0153;
    case 0x017D: return 0x017E;
    case 0x0178: return 0x00FF;
    default: return c;
  }
}

std::string UpperText(std::string_view text) {
  std::u32string chars = DecodeUtf8(text);
  for (char32_t& c : chars) c = UpperChar(c);
  return EncodeUtf8(chars);
}

std::string LowerText(std::string_view text) {
  std::u32string chars = DecodeUtf8(text);
  for (char32_t& c : chars) c = LowerChar(c);
  return EncodeUtf8(chars);
}

std::int16_t UpperCode(std::int16_t code) {
  const char32_t c = FromWindows1252(code);
  if (c == kReplacementChar) return code;
  const std::int16_t upper = ToWindows1252(UpperChar(c));
  return upper < 0 ? code : upper;
}

std::int16_t LowerCode(std::int16_t code) {
  const char32_t c = FromWindows1252(code);
  if (c == kReplacementChar) return code;
  const std::int16_t lower = ToWindows1252(LowerChar(c));
  return lower < 0 ? code : lower;
}

}  // namespace vumocaixa
