// Reading numbers from texts: the locale form (IsNumericText, ToNumber) and the plain
// leading number (LeadingNumber).

#include <vumocaixa/host/ascii.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/host/regional_detail.hpp>

namespace vumocaixa {
namespace detail {
namespace {

// A read position in a text; every look past the end sees nothing.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  [[nodiscard]] bool AtEnd() const { return pos_ >= text_.size(); }
  [[nodiscard]] std::size_t Position() const { return pos_; }
  [[nodiscard]] bool Sees(char c) const { return !AtEnd() && text_[pos_] == c; }

  bool Accept(char c) {
    if (!Sees(c)) return false;
    ++pos_;
    return true;
  }
  bool Accept(std::string_view s) {
    if (s.empty() || !text_.substr(pos_).starts_with(s)) return false;
    pos_ += s.size();
    return true;
  }
  bool AcceptSign(bool& negative) {
    if (Accept('-')) {
      negative = true;
      return true;
    }
    return Accept('+');
  }
  void Skip(std::string_view blanks) {
    while (!AtEnd() && blanks.find(text_[pos_]) != std::string_view::npos) ++pos_;
  }
  std::string_view Digits() {
    const std::size_t start = pos_;
    while (!AtEnd() && IsAsciiDigit(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

constexpr std::string_view kBlanks = " \t";

std::int64_t ClampedExponent(std::string_view digits, bool negative) {
  std::int64_t value = 0;
  for (const char c : digits) {
    value = value * 10 + (c - '0');
    if (value >= kExponentClamp) {
      value = kExponentClamp;
      break;
    }
  }
  return negative ? -value : value;
}

// An exponent: 'E' or 'e', an optional sign, at least one digit. Gives false when
// an 'E' is not followed by a valid exponent; the cursor is then undefined.
bool ReadExponent(Cursor& c, std::int64_t& exponent) {
  if (!c.Accept('E') && !c.Accept('e')) return true;
  bool negative = false;
  c.AcceptSign(negative);
  const std::string_view digits = c.Digits();
  exponent = ClampedExponent(digits, negative);
  return !digits.empty();
}

// The digits before the decimal separator: a plain run, or a first group of one to
// three digits followed by groups of exactly three, each after the group separator.
std::optional<std::string> ReadWhole(Cursor& c, char group) {
  const std::string_view first = c.Digits();
  if (first.empty() || !c.Sees(group)) return std::string(first);
  if (first.size() > 3) return std::nullopt;
  std::string whole(first);
  while (c.Accept(group)) {
    const std::string_view next = c.Digits();
    if (next.size() != 3) return std::nullopt;
    whole += next;
  }
  return whole;
}

// Blanks, one sign before or after the currency symbol, and blanks again.
void ReadPrefix(Cursor& c, const RegionalSettings& r, bool& negative) {
  c.Skip(kBlanks);
  const bool signedBefore = c.AcceptSign(negative);
  c.Skip(kBlanks);
  if (c.Accept(r.currencySymbol)) {
    c.Skip(kBlanks);
    if (!signedBefore && c.AcceptSign(negative)) c.Skip(kBlanks);
  }
}

}  // namespace

[[noreturn]] void ThrowOverflow() { throw OverflowError(std::string(kOverflowMessage)); }
[[noreturn]] void ThrowTypeMismatch() {
  throw TypeMismatchError(std::string(kTypeMismatchMessage));
}

ExactNumber MakeExact(bool negative, std::string_view whole, std::string_view fraction,
                      std::int64_t exponent) {
  ExactNumber x;
  x.digits.reserve(whole.size() + fraction.size());
  x.digits.append(whole).append(fraction);
  x.exponent = exponent - static_cast<std::int64_t>(fraction.size());
  const std::size_t first = x.digits.find_first_not_of('0');
  if (first == std::string::npos) return ExactNumber{};
  x.digits.erase(0, first);
  const std::size_t last = x.digits.find_last_not_of('0');
  x.exponent += static_cast<std::int64_t>(x.digits.size() - last - 1);
  x.digits.resize(last + 1);
  x.negative = negative;
  return x;
}

ExactNumber ExactFromMagnitude(bool negative, unsigned __int128 magnitude, std::int64_t exponent) {
  std::string digits;
  while (magnitude != 0) {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
    magnitude /= 10;
  }
  return MakeExact(negative, digits, {}, exponent);
}

std::optional<ExactNumber> ParseLocaleNumber(std::string_view text, const RegionalSettings& r) {
  Cursor c(text);
  bool negative = false;
  ReadPrefix(c, r, negative);
  const char group = r.groupSeparator == r.decimalSeparator ? '\0' : r.groupSeparator;
  const std::optional<std::string> whole = ReadWhole(c, group);
  if (!whole) return std::nullopt;
  std::string_view fraction;
  if (c.Accept(r.decimalSeparator)) fraction = c.Digits();
  if (whole->empty() && fraction.empty()) return std::nullopt;
  std::int64_t exponent = 0;
  if (!ReadExponent(c, exponent)) return std::nullopt;
  c.Skip(kBlanks);
  if (!c.AtEnd()) return std::nullopt;
  return MakeExact(negative, *whole, fraction, exponent);
}

ExactNumber ScanPlainNumber(std::string_view text, std::size_t& used) {
  Cursor c(text);
  c.Skip(" \t\r\n");
  bool negative = false;
  c.AcceptSign(negative);
  const std::string_view whole = c.Digits();
  std::string_view fraction;
  if (c.Accept('.')) fraction = c.Digits();
  if (whole.empty() && fraction.empty()) {
    used = 0;
    return ExactNumber{};
  }
  used = c.Position();
  // An exponent counts only when complete: "12e" is 12 followed by a letter.
  Cursor e(text.substr(used));
  std::int64_t exponent = 0;
  if (ReadExponent(e, exponent))
    used += e.Position();
  else
    exponent = 0;
  return MakeExact(negative, whole, fraction, exponent);
}

}  // namespace detail

bool IsNumericText(std::string_view text, const RegionalSettings& r) {
  return detail::ParseLocaleNumber(text, r).has_value();
}

double LeadingNumber(std::string_view text) {
  std::size_t used = 0;
  return detail::ExactToDouble(detail::ScanPlainNumber(text, used));
}

}  // namespace vumocaixa
