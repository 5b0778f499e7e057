#include <vumocaixa/validate/palavras.hpp>

#include <algorithm>
#include <array>
#include <cstddef>

#include <vumocaixa/host/ascii.hpp>
#include <vumocaixa/host/text.hpp>

namespace vumocaixa {
namespace {

constexpr std::array<std::string_view, 11> kParticles = {"o",  "os", "a",   "as", "e",  "em",
                                                         "de", "da", "das", "do", "dos"};

struct StreetType {
  std::string_view variant;  // in capitals
  std::string_view written;
};

constexpr std::array<StreetType, 16> kStreetTypes = {{
    {"R.", "Rua"},
    {"R", "Rua"},
    {"RUA", "Rua"},
    {"AV", "Av."},
    {"AV.", "Av."},
    {"AVENIDA", "Av."},
    {"AL", "Al."},
    {"AL.", "Al."},
    {"ALAMEDA", "Al."},
    {"PRAÇA", "Praça"},
    {"PRASSA", "Praça"},
    {"PR.", "Praça"},
    {"PRA.", "Praça"},
    {"EST.", "Estrada"},
    {"ESTR.", "Estrada"},
    {"ESTRADA", "Estrada"},
}};

std::string_view TrimSpaces(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

void AppendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else {
    out += EncodeUtf8(c);
  }
}

// Appends the text with every letter in lower case; malformed bytes become U+FFFD.
void AppendLower(std::string_view text, std::string& out) {
  std::size_t i = 0;
  while (i < text.size()) {
    const char b = text[i];
    if (static_cast<unsigned char>(b) < 0x80) {
      out += AsciiLower(b);
      ++i;
    } else {
      AppendUtf8(LowerChar(DecodeNext(text, i)), out);
    }
  }
}

bool IsRoman(std::string_view word) {
  char previous = 0;
  int repeats = 0;
  for (char c : word) {
    c = AsciiUpper(c);
    if (c != 'I' && c != 'V' && c != 'X' && c != 'L') return false;
    if (c == previous) {
      if (++repeats > 3) return false;
    } else {
      repeats = 0;
    }
    previous = c;
  }
  return true;
}

// Raises the first character of out from byte start on.
void RaiseFirst(std::string& out, std::size_t start) {
  if (static_cast<unsigned char>(out[start]) < 0x80) {
    out[start] = AsciiUpper(out[start]);
    return;
  }
  std::size_t end = start;
  const char32_t first = DecodeNext(out, end);
  const char32_t upper = UpperChar(first);
  if (upper != first) out.replace(start, end - start, EncodeUtf8(upper));
}

// Appends a space and the word in its written case.
void AppendWord(std::string_view word, std::string& out) {
  out += ' ';
  const std::size_t start = out.size();
  AppendLower(word, out);
  const std::string_view lower = std::string_view(out).substr(start);
  if (lower.size() <= 3 &&
      std::find(kParticles.begin(), kParticles.end(), lower) != kParticles.end()) {
    return;
  }
  if (IsRoman(lower)) {
    for (std::size_t i = start; i < out.size(); ++i) out[i] = AsciiUpper(out[i]);
  } else {
    RaiseFirst(out, start);
  }
}

// A space or a point ends its word, except a point between two digits, as in 1.578;
// so does the last character. Both are single bytes that never occur inside a
// multi-byte character.
bool EndsWord(std::string_view t, std::size_t i) {
  if (t[i] == ' ' || i + 1 == t.size()) return true;
  if (t[i] != '.') return false;
  return !(i > 0 && IsAsciiDigit(t[i - 1]) && IsAsciiDigit(t[i + 1]));
}

std::string Capitalise(std::string_view t) {
  std::string out;
  out.reserve(t.size() + t.size() / 8 + 1);
  std::size_t start = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (!EndsWord(t, i)) continue;
    const std::size_t end = t[i] == ' ' ? i : i + 1;
    if (end > start) AppendWord(t.substr(start, end - start), out);
    start = i + 1;
  }
  if (!out.empty()) out.erase(0, 1);  // the space before the first word
  return out;
}

// The first word as a street type: its normal form, or "Rua " and the word.
std::string WrittenStreetType(std::string_view first) {
  const std::string upper = UpperText(TrimSpaces(first));
  for (const auto& type : kStreetTypes) {
    if (type.variant == upper) return std::string(type.written);
  }
  return "Rua " + std::string(first);
}

}  // namespace

std::string FormataPalavras(std::string_view texto, bool endereco) {
  std::string out = Capitalise(TrimSpaces(texto));
  if (!endereco) return out;
  const std::size_t space = out.find(' ');
  const std::string_view all(out);
  std::string street = WrittenStreetType(all.substr(0, space));
  if (space != std::string::npos) street += all.substr(space);
  return street;
}

bool NumeroRomano(std::string_view palavra) { return IsRoman(palavra); }

}  // namespace vumocaixa
