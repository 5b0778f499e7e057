// The regional runtime on arbitrary texts and numbers: recognition, conversion to every
// number kind, the default text of numbers, dates and the named and picture formats.
//
// Input: a selector byte for the settings, one for the operation, then its operands.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include <fuzzer/FuzzedDataProvider.h>

#include <vumocaixa/host/decimal.hpp>
#include <vumocaixa/host/errors.hpp>
#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/host/text.hpp>

#include "fuzz_check.hpp"

namespace {

using vumocaixa::fuzz::Require;
namespace vc = vumocaixa;

vc::RegionalSettings PickSettings(FuzzedDataProvider& in) {
  vc::RegionalSettings r = vc::PtBR();
  switch (in.ConsumeIntegralInRange(0, 2)) {
    case 1: r.shortDatePattern = "dd/MM/yy"; break;
    case 2: r.decimalSeparator = '.', r.groupSeparator = ',', r.currencySymbol = "US$"; break;
    default: break;
  }
  return r;
}

vc::Decimal PickDecimal(FuzzedDataProvider& in) {
  vc::Decimal d;
  const auto high = in.ConsumeIntegral<std::uint32_t>();
  d.magnitude = static_cast<unsigned __int128>(high) << 64 | in.ConsumeIntegral<std::uint64_t>();
  d.scale = in.ConsumeIntegralInRange<std::uint8_t>(0, vc::Decimal::kMaxScale);
  d.negative = in.ConsumeBool();
  return d;
}

vc::Variant PickNumber(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 5)) {
    case 0: return in.ConsumeIntegral<std::int16_t>();
    case 1: return in.ConsumeIntegral<std::int32_t>();
    case 2: return in.ConsumeFloatingPoint<float>();
    case 3: return in.ConsumeFloatingPoint<double>();
    case 4: return vc::Currency{in.ConsumeIntegral<std::int64_t>()};
    default: return PickDecimal(in);
  }
}

vc::Variant PickAnyValue(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 4)) {
    case 0: return vc::Empty{};
    case 1: return in.ConsumeBool();
    case 2:
      return vc::Date{in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(),
                      in.ConsumeIntegral<int>()};
    case 3: return PickNumber(in);
    default: return in.ConsumeRandomLengthString(64);
  }
}

// Conversions may fail only with the library's own overflow or type mismatch.
template <typename F>
bool Converts(F&& convert) {
  try {
    convert();
    return true;
  } catch (const vc::OverflowError&) {
  } catch (const vc::TypeMismatchError&) {
  }
  return false;
}

std::string Show(const vc::Variant& v) {
  return std::visit(
      [](const auto& x) -> std::string {
        using T = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<T, std::string>)
          return "text \"" + x + "\"";
        else if constexpr (std::is_same_v<T, vc::Currency>)
          return "currency raw " + std::to_string(x.raw);
        else if constexpr (std::is_same_v<T, vc::Decimal>)
          return "decimal " + vc::DecimalText(x, '.');
        else if constexpr (std::is_arithmetic_v<T>)
          return "number " + std::to_string(x);
        else if constexpr (std::is_same_v<T, vc::Date>)
          return "date " + std::to_string(x.day) + "/" + std::to_string(x.month) + "/" +
                 std::to_string(x.year);
        else
          return "other value";
      },
      v);
}

bool SameNumber(const vc::Variant& a, const vc::Variant& b) {
  if (a.index() != b.index()) return false;
  if (const auto* d = std::get_if<vc::Decimal>(&a))
    return vc::SameValue(*d, std::get<vc::Decimal>(b));
  return a == b;
}

vc::NumberKind KindOf(const vc::Variant& v) {
  static constexpr vc::NumberKind kinds[] = {vc::NumberKind::Int16,    vc::NumberKind::Int32,
                                             vc::NumberKind::Single,   vc::NumberKind::Double,
                                             vc::NumberKind::Currency, vc::NumberKind::Decimal};
  return kinds[v.index() - 2];
}

bool IsFinite(const vc::Variant& v) {
  if (const auto* f = std::get_if<float>(&v)) return std::isfinite(*f);
  if (const auto* d = std::get_if<double>(&v)) return std::isfinite(*d);
  return true;
}

bool IsExactKind(const vc::Variant& v) {
  return !std::holds_alternative<float>(v) && !std::holds_alternative<double>(v);
}

// The default text of a number reads back as the same number (the exact kinds) or as
// a number with the same text (double: 15 digits always survive a reading), so a box
// can show it and take it back any number of times without drifting. Seven digits do
// not always survive a reading as a single (1.0000002E+28 shows "1E+28", which reads
// as 9.9999994E+27), but the text of what was read does: a single's text settles after
// one reading.
void CheckNumberText(const vc::Variant& x, const vc::RegionalSettings& r) {
  if (!IsFinite(x)) return;
  const std::string text = vc::NumberText(x, r);
  Require(vc::IsValidUtf8(text) && vc::IsNumericText(text, r),
          "the text of a number reads as a number", Show(x) + " -> " + text);
  vc::Variant back;
  const bool ok = Converts([&] { back = vc::ToNumber(text, KindOf(x), r); });
  Require(ok, "the text of a number converts back to its kind", Show(x) + " -> " + text);
  if (IsExactKind(x)) {
    Require(SameNumber(back, x), "exact kinds round trip through their text",
            Show(x) + " -> " + text + " -> " + Show(back));
  } else if (std::holds_alternative<double>(x)) {
    Require(vc::NumberText(back, r) == text, "a double keeps a stable text",
            Show(x) + " -> " + text + " -> " + vc::NumberText(back, r));
  } else {
    const std::string settled = vc::NumberText(back, r);
    const std::string again = vc::NumberText(vc::ToNumber(settled, KindOf(x), r), r);
    Require(again == settled, "a single's text settles after one reading",
            Show(x) + " -> " + text + " -> " + settled + " -> " + again);
  }
}

bool InMoedaRange(vc::Currency c) {
  constexpr std::int64_t kLimit = 9'223'372'036'854'765'800;  // 922 337 203 685 476,58
  return c.raw >= -kLimit && c.raw <= kLimit;
}

// A currency text is read back as the amount rounded to cents: the numeric box shows
// it when left and converts it back when entered again.
void CheckCurrencyText(vc::Currency c, const vc::RegionalSettings& r) {
  const std::string text = vc::FormatValue(c, vc::kCurrencyFormat, r);
  Require(vc::CharCount(text) <= vc::CurrencyWidth(r) || !InMoedaRange(c),
          "a currency text in range fits the currency width", Show(c) + " -> " + text);
  if (!InMoedaRange(c)) return;
  vc::Variant back;
  const bool ok = Converts([&] { back = vc::ToNumber(text, vc::NumberKind::Currency, r); });
  Require(ok, "a currency text converts back", Show(c) + " -> " + text);
  const std::int64_t diff = std::get<vc::Currency>(back).raw - c.raw;
  Require(diff >= -50 && diff <= 50, "a currency text keeps the amount to the cent",
          Show(c) + " -> " + text + " -> " + Show(back));
}

// The amount picture gives 15 digits, the decimal separator and 2 digits.
void CheckAmountPicture(const vc::Variant& amount, const vc::RegionalSettings& r) {
  const std::string text = vc::FormatValue(amount, vc::kAmountPicture, r);
  bool shape = text.size() == 18 && text[15] == r.decimalSeparator;
  for (std::size_t i = 0; shape && i < text.size(); ++i) {
    if (i != 15) shape = text[i] >= '0' && text[i] <= '9';
  }
  Require(shape, "the amount picture has 18 characters", Show(amount) + " -> " + text);
}

bool IsRealDate(const vc::Date& d) {
  if (d.year < 100 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1) return false;
  static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
  return d.day <= kDays[d.month - 1] && (d.month != 2 || d.day <= 28 || leap);
}

// A short date reads as a date again and, with four-digit years, formats to itself.
void CheckShortDate(const vc::Variant& date, const vc::RegionalSettings& r) {
  const std::string text = vc::FormatValue(date, vc::kShortDate, r);
  Require(vc::IsDateText(text, r), "a short date reads as a date", Show(date) + " -> " + text);
  if (r.shortDatePattern != "dd/MM/yyyy") return;
  const std::string again = vc::FormatValue(text, vc::kShortDate, r);
  Require(again == text, "a short date formats to itself", text + " -> " + again);
}

// Any text: recognition and conversion agree, and nothing fails but the library's
// own conversion errors.
void CheckText(const std::string& text, const vc::RegionalSettings& r) {
  const bool numeric = vc::IsNumericText(text, r);
  bool mismatch = false;
  try {
    (void)vc::ToNumber(text, vc::NumberKind::Double, r);
  } catch (const vc::TypeMismatchError&) {
    mismatch = true;
  } catch (const vc::OverflowError&) {
  }
  Require(!(numeric && mismatch), "a numeric text converts to a double", text);
  for (int k = 0; k <= 5; ++k) {
    vc::Variant y;
    if (!Converts([&] { y = vc::ToNumber(text, static_cast<vc::NumberKind>(k), r); })) continue;
    Require(y.index() == static_cast<std::size_t>(k) + 2 && IsFinite(y),
            "ToNumber gives a finite number of the asked kind", text);
    CheckNumberText(y, r);
  }
  (void)Converts([&] { (void)vc::LeadingNumber(text); });  // a number beyond a double overflows
  (void)vc::ToText(text, r);
  if (vc::IsDateText(text, r)) CheckShortDate(text, r);
}

// What ValorPorExtenso relies on: a positive amount that converts to currency formats
// with the amount picture.
void CheckAmountText(const std::string& text, const vc::RegionalSettings& r) {
  vc::Variant y;
  if (!Converts([&] { y = vc::ToNumber(text, vc::NumberKind::Currency, r); })) return;
  if (std::get<vc::Currency>(y).raw <= 0) return;
  CheckAmountPicture(text, r);
}

// A picture or a named format from the input: any result, or a library error.
void CheckAnyFormat(const vc::Variant& value, const std::string& format,
                    const vc::RegionalSettings& r) {
  try {
    const std::string text = vc::FormatValue(value, format, r);
    const auto* s = std::get_if<std::string>(&value);
    const bool validIn = vc::IsValidUtf8(format) && (s == nullptr || vc::IsValidUtf8(*s));
    Require(!validIn || vc::IsValidUtf8(text), "FormatValue gives valid UTF-8",
            format + " -> " + text);
  } catch (const vc::Error&) {
  }
}

void CheckAnyValue(const vc::Variant& value, const vc::RegionalSettings& r) {
  const auto* date = std::get_if<vc::Date>(&value);
  try {
    for (int k = 0; k <= 5; ++k) {
      (void)Converts([&] { (void)vc::ToNumber(value, static_cast<vc::NumberKind>(k), r); });
    }
    (void)vc::NumberText(value, r);
    (void)vc::IsDateText(value, r);
  } catch (const vc::Error&) {
    // A date that no calendar has is refused with the library's error.
    Require(date != nullptr && !IsRealDate(*date), "only an impossible date is refused",
            Show(value));
    return;
  }
  if (date != nullptr && IsRealDate(*date)) CheckShortDate(value, r);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const vc::RegionalSettings r = PickSettings(in);
  switch (in.ConsumeIntegralInRange(0, 5)) {
    case 0: CheckText(in.ConsumeRemainingBytesAsString(), r); break;
    case 1: CheckNumberText(PickNumber(in), r); break;
    case 2: CheckCurrencyText(vc::Currency{in.ConsumeIntegral<std::int64_t>()}, r); break;
    case 3: CheckAmountText(in.ConsumeRemainingBytesAsString(), r); break;
    case 4: {
      const vc::Variant value = PickAnyValue(in);
      CheckAnyFormat(value, in.ConsumeRemainingBytesAsString(), r);
      break;
    }
    default: CheckAnyValue(PickAnyValue(in), r); break;
  }
  return 0;
}
