// Word capitalisation and address normalisation: FormataPalavras and NumeroRomano.
//
// Input: a selector byte (last), then the text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include <vumocaixa/host/text.hpp>
#include <vumocaixa/validate/palavras.hpp>

#include "fuzz_check.hpp"

namespace {

using vumocaixa::fuzz::Require;
namespace vc = vumocaixa;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string WithoutSpaces(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c != ' ') out += c;
  }
  return out;
}

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words(1);
  for (char c : text) {
    if (c == ' ')
      words.emplace_back();
    else
      words.back() += c;
  }
  return words;
}

bool IsParticle(std::string_view w) {
  static constexpr std::string_view kParticles[] = {"o",  "os", "a",   "as", "e",  "em",
                                                    "de", "da", "das", "do", "dos"};
  for (std::string_view p : kParticles) {
    if (w == p) return true;
  }
  return false;
}

bool ModelRomano(std::string_view word) {
  const std::u32string chars = vc::DecodeUtf8(vc::UpperText(word));
  int repeats = 0;
  for (std::size_t i = 0; i < chars.size(); ++i) {
    const char32_t c = chars[i];
    if (c != U'I' && c != U'V' && c != U'X' && c != U'L') return false;
    repeats = i > 0 && chars[i - 1] == c ? repeats + 1 : 0;
    if (repeats > 3) return false;
  }
  return true;
}

// Each word is a particle in lower case, a Roman numeral in capitals, or a capital
// followed by lower case.
void CheckWordCase(const std::string& word) {
  const std::string lower = vc::LowerText(word);
  std::string expected;
  if (IsParticle(lower)) {
    expected = lower;
  } else if (vc::NumeroRomano(lower)) {
    expected = vc::UpperText(lower);
  } else {
    const std::u32string chars = vc::DecodeUtf8(lower);
    expected = vc::UpperText(vc::EncodeUtf8(chars.substr(0, 1))) + vc::EncodeUtf8(chars.substr(1));
  }
  Require(word == expected, "word case", word + " (expected " + expected + ")");
}

void CheckCapitalisation(const std::string& text) {
  const std::string out = vc::FormataPalavras(text, false);
  Require(vc::IsValidUtf8(out), "the result is valid UTF-8", out);
  if (!vc::IsValidUtf8(text)) return;
  Require(out.empty() || (out.front() != ' ' && out.back() != ' '), "no blanks at the ends", out);
  Require(out.find("  ") == std::string::npos, "words are joined by single blanks", out);
  Require(vc::LowerText(WithoutSpaces(out)) == vc::LowerText(WithoutSpaces(text)),
          "only case and blanks change", text + " -> " + out);
  for (std::size_t i = out.find('.'); i != std::string::npos; i = out.find('.', i + 1)) {
    const bool ends = i + 1 == out.size() || out[i + 1] == ' ';
    const bool inNumber = i > 0 && IsDigit(out[i - 1]) && i + 1 < out.size() && IsDigit(out[i + 1]);
    Require(ends || inNumber, "a point ends its word unless it stands in a number", out);
  }
  if (!out.empty()) {
    for (const std::string& word : Words(out)) CheckWordCase(word);
  }
  Require(vc::FormataPalavras(out, false) == out, "tidying twice changes nothing more", out);
}

std::string AfterFirstBlank(std::string_view text) {
  const std::size_t blank = text.find(' ');
  return blank == std::string_view::npos ? std::string() : std::string(text.substr(blank + 1));
}

// An address begins with a street type; either the whole tidied text follows "Rua ",
// or the first word became its normal form and the rest is the tidied rest.
void CheckAddress(const std::string& text) {
  const std::string out = vc::FormataPalavras(text, true);
  if (!vc::IsValidUtf8(text)) return;
  const std::string words = vc::FormataPalavras(text, false);
  bool typed = false;
  for (std::string_view form : {"Rua", "Av.", "Al.", "Praça", "Estrada"}) {
    typed = typed || out.substr(0, form.size()) == form;
  }
  Require(typed, "an address begins with a street type", text + " -> " + out);
  const bool prefixed = out == "Rua " + words;
  const bool replaced =
      words.find(' ') != std::string::npos && AfterFirstBlank(out) == AfterFirstBlank(words);
  Require(prefixed || replaced || words.find(' ') == std::string::npos,
          "an address keeps the words after the street type", text + " -> " + out);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const int op = in.ConsumeIntegralInRange(0, 2);
  const std::string text = in.ConsumeRemainingBytesAsString();
  switch (op) {
    case 0: CheckCapitalisation(text); break;
    case 1: CheckAddress(text); break;
    default:
      Require(vc::NumeroRomano(text) == ModelRomano(text) || !vc::IsValidUtf8(text), "NumeroRomano",
              text);
      break;
  }
  return 0;
}
