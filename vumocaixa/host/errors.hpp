#pragma once
// The library's error hierarchy. Every failure that reaches a caller is one of these.

#include <stdexcept>
#include <string>

namespace vumocaixa {

// Base of every error the library throws.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A number does not fit the kind it is converted to ("Estouro").
class OverflowError : public Error {
 public:
  using Error::Error;
};

// A value is not of the kind a conversion needs, such as a text that is no number
// ("Tipos incompatíveis").
class TypeMismatchError : public Error {
 public:
  using Error::Error;
};

// A text handed to the library is not valid UTF-8.
class InvalidTextError : public Error {
 public:
  using Error::Error;
};

// A property addressed by name does not exist, or a stored property value cannot be
// converted to the property's type.
class PropertyError : public Error {
 public:
  using Error::Error;
};

// A widget or container call of the host failed.
class HostError : public Error {
 public:
  using Error::Error;
};

}  // namespace vumocaixa
