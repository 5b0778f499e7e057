#pragma once
// Conversions between the control's value types and Qt's, for both Qt hosts: twips
// and pixels, colours, fonts and the Variant of the Text property.

#include <cstdint>
#include <optional>

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QVariant>

#include <vumocaixa/host/values.hpp>

namespace vumocaixa::qtcommon {

// Twips (1/1440 inch) and pixels at a logical resolution of dpi dots per inch,
// rounded to the nearest; a resolution that is not positive counts as 96.
[[nodiscard]] int TwipsToPixels(std::int32_t twips, qreal dpi);
[[nodiscard]] std::int32_t PixelsToTwips(qreal pixels, qreal dpi);
// Not rounded, for the positions of the mouse events.
[[nodiscard]] float PixelsToTwipsF(qreal pixels, qreal dpi);
// A side of the control, twips long, whose widget now takes pixels: the same twips
// while they still come to those pixels (a size is not rounded away), else the pixels'.
[[nodiscard]] std::int32_t TwipsFollowing(std::int32_t twips, qreal pixels, qreal dpi);

// A colour value is 0x00BBGGRR; a value with the high bit set names a system colour,
// which is taken from the application's palette (5 the window background, 8 the
// window text, 15 the button face and so on).
[[nodiscard]] QColor ToQColor(Color color);
// The palette role a system colour stands for (kSystemWindowColor is the Base), or
// nothing for a colour of its own.
[[nodiscard]] std::optional<QPalette::ColorRole> SystemColorRole(Color color);
[[nodiscard]] Color FromQColor(const QColor& color);

[[nodiscard]] QFont ToQFont(const Font& font);
[[nodiscard]] Font FromQFont(const QFont& font);

// Empty is an invalid QVariant; the whole kinds, Boolean, single, double, date and
// text map to their Qt types; a currency becomes a double and a decimal its digits
// with a point, so that no digit is lost.
[[nodiscard]] QVariant ToQVariant(const Variant& value);
// The other way round: a null QVariant is Empty (a null QString the empty text), a
// date and time its date, and a double that holds a whole number within 32 bits an
// integer, as QML's numbers arrive (5 is a whole number, 5.5 a double). A QVariant
// of another type is taken by its text form, so that no digit of a wide number is lost.
[[nodiscard]] Variant FromQVariant(const QVariant& value);

}  // namespace vumocaixa::qtcommon
