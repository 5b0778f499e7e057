#pragma once
// Conversions between the control's value types and Qt's: twips and pixels, colours,
// fonts and the Variant of the Text property.

#include <cstdint>

#include <QColor>
#include <QFont>
#include <QVariant>

#include <vumocaixa/host/values.hpp>

namespace vumocaixa::qt {

// Twips (1/1440 inch) and pixels at a logical resolution of dpi dots per inch,
// rounded to the nearest; a resolution that is not positive counts as 96.
[[nodiscard]] int TwipsToPixels(std::int32_t twips, int dpi);
[[nodiscard]] std::int32_t PixelsToTwips(int pixels, int dpi);
[[nodiscard]] float PixelsToTwipsF(double pixels, int dpi);

// A colour value is 0x00BBGGRR; a value with the high bit set names a system colour,
// which is taken from the application's palette (5 the window background, 8 the
// window text, 15 the button face and so on).
[[nodiscard]] QColor ToQColor(Color color);
[[nodiscard]] Color FromQColor(const QColor& color);

[[nodiscard]] QFont ToQFont(const Font& font);
[[nodiscard]] Font FromQFont(const QFont& font);

// Text values: an empty QVariant is Empty, and the number kinds, Boolean, date and
// string map to each other; a currency value becomes a double and a decimal its digits with a
// decimal point (so that no digit is lost).
[[nodiscard]] QVariant ToQVariant(const Variant& value);
// A QVariant of another type is taken by its text form.
[[nodiscard]] Variant FromQVariant(const QVariant& value);

}  // namespace vumocaixa::qt
