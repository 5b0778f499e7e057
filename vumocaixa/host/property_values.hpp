#pragma once
// Conversions of stored property values to the types of a control's fields, and the
// value comparison that decides whether a value equals its default.
//
// A bag may hand back a value of another kind than the field's (a form file keeps
// whole numbers as text, an older form kept a flag as a number). The conversions
// accept what reads unambiguously as the field's type and refuse the rest:
//
//   to a whole number: 16-bit and 32-bit values within range, true as -1 and false
//     as 0, a text of decimal digits with an optional sign (spaces around it are
//     ignored), empty as 0;
//   to a Boolean: true and false, any whole number (nonzero is true), the texts
//     "True" and "False" in any case or a whole number as text, empty as false;
//   to a colour: a colour, a 32-bit value taken as its bit pattern (a negative value
//     names a system colour, as -2147483643 is 0x80000005), a non-negative 16-bit
//     value, a whole number as text from -2147483648 to 4294967295, empty as 0;
//   to a font: a font that is set. The result is a fresh copy, so that the caller
//     never shares the stored object.
//
// Every refusal is a PropertyError whose message names the key and the stored value.

#include <vumocaixa/host/property_bag.hpp>
#include <vumocaixa/host/values.hpp>

#include <cstdint>
#include <string>
#include <string_view>

namespace vumocaixa {

[[nodiscard]] std::int16_t PropertyToInt16(const PropertyValue& value, std::string_view key);
[[nodiscard]] std::int32_t PropertyToInt32(const PropertyValue& value, std::string_view key);
[[nodiscard]] bool PropertyToBool(const PropertyValue& value, std::string_view key);
[[nodiscard]] Color PropertyToColor(const PropertyValue& value, std::string_view key);
[[nodiscard]] FontRef PropertyToFont(const PropertyValue& value, std::string_view key);

// Whether two stored values are the same value: whole numbers and Booleans compare
// by number (true is -1, so a stored 0 equals false), colours by value, fonts by
// their description (not by object), texts exactly, empty only with empty.
[[nodiscard]] bool SamePropertyValue(const PropertyValue& a, const PropertyValue& b);

// A short description of a stored value for messages and inspection, in the words
// the library's messages use: inteiro de 16 bits 5, lógico verdadeiro,
// cor 0x80000005, fonte "Arial" 10, texto "abc", vazio.
[[nodiscard]] std::string DescribePropertyValue(const PropertyValue& value);

}  // namespace vumocaixa
