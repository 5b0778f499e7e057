#pragma once
// Conversions between the control's value types and those of Qt Quick: twips and
// pixels, colours, fonts, the Variant of Text, code points and UTF-16 positions, and the
// regional settings of a locale.

#include <cstdint>
#include <string_view>

#include <QColor>
#include <QFont>
#include <QLocale>
#include <QString>
#include <QVariant>

#include <vumocaixa/host/regional.hpp>
#include <vumocaixa/host/values.hpp>

namespace vumocaixa::quick {

// At dpi dots per inch, rounded to the nearest; a resolution that is not positive is 96.
[[nodiscard]] qreal TwipsToPixels(std::int32_t twips, qreal dpi);
[[nodiscard]] std::int32_t PixelsToTwips(qreal pixels, qreal dpi);

// 0x00BBGGRR, or with the high bit set a system colour taken from the application's
// palette (5 the window background, 8 the window text, 15 the button face ...).
[[nodiscard]] QColor ToQColor(Color color);
[[nodiscard]] Color FromQColor(const QColor& color);

[[nodiscard]] QFont ToQFont(const Font& font);
[[nodiscard]] Font FromQFont(const QFont& font);

// Empty is an undefined QVariant; a currency becomes a double, a decimal its digits
// with a point (no digit lost), a date a QDate. A QVariant of another type is taken by
// its text form, so JavaScript's numbers arrive as doubles or whole numbers.
[[nodiscard]] QVariant ToQVariant(const Variant& value);
[[nodiscard]] Variant FromQVariant(const QVariant& value);

[[nodiscard]] inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The code points before UTF-16 position utf16 of text, and the other way round.
[[nodiscard]] int CodePointsBefore(const QString& text, int utf16);
[[nodiscard]] int Utf16Before(const QString& text, int codePoints);

// The separators, currency symbol and short date of a Brazilian locale; the Brazilian
// defaults for any other.
[[nodiscard]] RegionalSettings RegionalFromLocale(const QLocale& locale);

}  // namespace vumocaixa::quick
