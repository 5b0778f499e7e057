#include <vumocaixa/host/property_values.hpp>

#include <vumocaixa/host/ascii.hpp>
#include <vumocaixa/host/errors.hpp>

#include <charconv>
#include <cstdio>
#include <limits>
#include <optional>
#include <sstream>

namespace vumocaixa {
namespace {

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
// clang 14 does not deduce aggregate template arguments by itself.
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

[[noreturn]] void Refuse(const PropertyValue& value, std::string_view key,
                         std::string_view wanted) {
  throw PropertyError("Propriedade \"" + std::string(key) + "\": o valor guardado (" +
                      DescribePropertyValue(value) + ") não se converte em " + std::string(wanted));
}

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// A whole number written in decimal digits with an optional sign; nothing when the
// text holds anything else or does not fit 64 bits.
std::optional<std::int64_t> ParseWhole(std::string_view text) {
  text = TrimSpaces(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  std::int64_t n = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, n);
  if (ec != std::errc{} || ptr != end) return std::nullopt;
  return n;
}

// The whole-number reading of a value: Booleans as -1 and 0, texts of digits, empty
// as 0. Colours and fonts have none.
std::optional<std::int64_t> AsWhole(const PropertyValue& value) {
  return std::visit(
      Overloaded{[](Empty) -> std::optional<std::int64_t> { return 0; },
                 [](bool b) -> std::optional<std::int64_t> { return b ? -1 : 0; },
                 [](std::int16_t n) -> std::optional<std::int64_t> { return n; },
                 [](std::int32_t n) -> std::optional<std::int64_t> { return n; },
                 [](Color) -> std::optional<std::int64_t> { return std::nullopt; },
                 [](const FontRef&) -> std::optional<std::int64_t> { return std::nullopt; },
                 [](const std::string& s) { return ParseWhole(s); }},
      value);
}

template <class Int>
Int ToWhole(const PropertyValue& value, std::string_view key, std::string_view wanted) {
  const std::optional<std::int64_t> n = AsWhole(value);
  if (!n || *n < std::numeric_limits<Int>::min() || *n > std::numeric_limits<Int>::max()) {
    Refuse(value, key, wanted);
  }
  return static_cast<Int>(*n);
}

std::string NumberForMessage(double d) {
  std::ostringstream out;
  out << d;
  return out.str();
}

}  // namespace

std::int16_t PropertyToInt16(const PropertyValue& value, std::string_view key) {
  return ToWhole<std::int16_t>(value, key, "inteiro de 16 bits");
}

std::int32_t PropertyToInt32(const PropertyValue& value, std::string_view key) {
  return ToWhole<std::int32_t>(value, key, "inteiro de 32 bits");
}

bool PropertyToBool(const PropertyValue& value, std::string_view key) {
  if (const auto* text = std::get_if<std::string>(&value)) {
    const std::string_view t = TrimSpaces(*text);
    if (EqualsIgnoringAsciiCase(t, "true")) return true;
    if (EqualsIgnoringAsciiCase(t, "false")) return false;
  }
  const std::optional<std::int64_t> n = AsWhole(value);
  if (!n) Refuse(value, key, "valor lógico");
  return *n != 0;
}

Color PropertyToColor(const PropertyValue& value, std::string_view key) {
  if (const auto* c = std::get_if<Color>(&value)) return *c;
  std::optional<std::int64_t> n;
  if (std::holds_alternative<std::int16_t>(value)) {
    if (std::get<std::int16_t>(value) >= 0) n = std::get<std::int16_t>(value);
  } else if (!std::holds_alternative<bool>(value)) {
    n = AsWhole(value);
  }
  if (!n || *n < std::numeric_limits<std::int32_t>::min() ||
      *n > std::numeric_limits<std::uint32_t>::max()) {
    Refuse(value, key, "cor");
  }
  return Color{static_cast<std::uint32_t>(*n)};  // negative values keep their bit pattern
}

FontRef PropertyToFont(const PropertyValue& value, std::string_view key) {
  const auto* font = std::get_if<FontRef>(&value);
  if (font == nullptr || *font == nullptr) Refuse(value, key, "fonte");
  return std::make_shared<Font>(**font);
}

bool SamePropertyValue(const PropertyValue& a, const PropertyValue& b) {
  const auto numeric = [](const PropertyValue& v) {
    return std::holds_alternative<bool>(v) || std::holds_alternative<std::int16_t>(v) ||
           std::holds_alternative<std::int32_t>(v);
  };
  if (numeric(a) && numeric(b)) return AsWhole(a) == AsWhole(b);
  if (a.index() != b.index()) return false;
  if (const auto* fa = std::get_if<FontRef>(&a)) {
    const FontRef& fb = std::get<FontRef>(b);
    if (*fa == nullptr || fb == nullptr) return *fa == fb;
    return **fa == *fb;
  }
  return a == b;
}

std::string DescribePropertyValue(const PropertyValue& value) {
  return std::visit(
      Overloaded{[](Empty) -> std::string { return "vazio"; },
                 [](bool b) -> std::string { return b ? "lógico verdadeiro" : "lógico falso"; },
                 [](std::int16_t n) { return "inteiro de 16 bits " + std::to_string(n); },
                 [](std::int32_t n) { return "inteiro de 32 bits " + std::to_string(n); },
                 [](Color c) {
                   char hex[16];
                   std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(c.value));
                   return "cor " + std::string(hex);
                 },
                 [](const FontRef& f) -> std::string {
                   if (f == nullptr) return "fonte nenhuma";
                   return "fonte \"" + f->name + "\" " + NumberForMessage(f->size);
                 },
                 [](const std::string& s) { return "texto \"" + s + "\""; }},
      value);
}

}  // namespace vumocaixa
