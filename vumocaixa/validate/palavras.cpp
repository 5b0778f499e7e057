#include <vumocaixa/validate/palavras.hpp>

#include <algorithm>
#include <array>
#include <cstddef>

#include <vumocaixa/host/text.hpp>

namespace vumocaixa {
namespace {

constexpr std::array<std::u32string_view, 11> kParticles = {
    U"o", U"os", U"a", U"as", U"e", U"em", U"de", U"da", U"das", U"do", U"dos"};

struct StreetType {
  std::u32string_view variant;  // in capitals
  std::u32string_view written;
};

constexpr std::array<StreetType, 16> kStreetTypes = {{
    {U"R.", U"Rua"},         {U"R", U"Rua"},          {U"RUA", U"Rua"},
    {U"AV", U"Av."},         {U"AV.", U"Av."},        {U"AVENIDA", U"Av."},
    {U"AL", U"Al."},         {U"AL.", U"Al."},        {U"ALAMEDA", U"Al."},
    {U"PRAÇA", U"Praça"},    {U"PRASSA", U"Praça"},   {U"PR.", U"Praça"},
    {U"PRA.", U"Praça"},     {U"EST.", U"Estrada"},   {U"ESTR.", U"Estrada"},
    {U"ESTRADA", U"Estrada"},
}};

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

std::u32string_view TrimSpaces(std::u32string_view s) {
  const auto first = s.find_first_not_of(U' ');
  if (first == std::u32string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(U' ') - first + 1);
}

bool IsRoman(std::u32string_view word) {
  char32_t previous = 0;
  int repeats = 0;
  for (char32_t c : word) {
    c = UpperChar(c);
    if (c != U'I' && c != U'V' && c != U'X' && c != U'L') return false;
    if (c == previous) {
      if (++repeats > 3) return false;
    } else {
      repeats = 0;
    }
    previous = c;
  }
  return true;
}

// Appends a space and the word in its written case.
void AppendWord(std::u32string_view word, std::u32string& out) {
  const std::size_t start = out.size() + 1;
  out += U' ';
  for (char32_t c : word) out += LowerChar(c);
  const std::u32string_view lower(out.data() + start, out.size() - start);
  if (std::find(kParticles.begin(), kParticles.end(), lower) != kParticles.end()) return;
  if (IsRoman(lower)) {
    for (std::size_t i = start; i < out.size(); ++i) out[i] = UpperChar(out[i]);
  } else {
    out[start] = UpperChar(out[start]);
  }
}

// A point ends its word unless it stands between two digits, as in 1.578.
bool EndsWord(std::u32string_view t, std::size_t i) {
  if (t[i] == U' ' || i + 1 == t.size()) return true;
  if (t[i] != U'.') return false;
  return !(i > 0 && IsDigit(t[i - 1]) && IsDigit(t[i + 1]));
}

std::u32string Capitalise(std::u32string_view t) {
  std::u32string out;
  out.reserve(t.size() + t.size() / 8 + 1);
  std::size_t start = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (!EndsWord(t, i)) continue;
    const std::size_t end = t[i] == U' ' ? i : i + 1;
    if (end > start) AppendWord(t.substr(start, end - start), out);
    start = i + 1;
  }
  return std::u32string(TrimSpaces(out));
}

// The first word as a street type: its normal form, or "Rua " and the word.
std::u32string WrittenStreetType(std::u32string_view first) {
  std::u32string upper;
  for (char32_t c : TrimSpaces(first)) upper += UpperChar(c);
  for (const auto& type : kStreetTypes) {
    if (type.variant == upper) return std::u32string(type.written);
  }
  return U"Rua " + std::u32string(first);
}

}  // namespace

std::string FormataPalavras(std::string_view texto, bool endereco) {
  const std::u32string decoded = DecodeUtf8(texto);
  std::u32string out = Capitalise(TrimSpaces(decoded));
  if (endereco) {
    const std::size_t space = out.find(U' ');
    const std::u32string_view all(out);
    std::u32string street = WrittenStreetType(all.substr(0, space));
    if (space != std::u32string::npos) street += all.substr(space);
    out = std::move(street);
  }
  return EncodeUtf8(out);
}

bool NumeroRomano(std::string_view palavra) { return IsRoman(DecodeUtf8(palavra)); }

}  // namespace vumocaixa
