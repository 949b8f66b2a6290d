#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The numbers of NMEA fields, read independently of the process locale. A field holds decimal
// digits with an optional fraction ("545.4", "07.038", "5.", ".5") and, only where the field
// may be negative, a leading '-'. Anything else is no number at all: blanks, '+', an exponent,
// hexadecimal, "inf", "nan", a comma, or any character behind the digits. No receiver sends
// these, and a garbled field must read as nothing rather than as a plausible value: what the
// decoder takes goes into the journal, whose reader refuses the impossible.
namespace gps {

enum class NmeaSign { None, Minus };

// Empty as well when the value overflows a double.
std::optional<double> ReadNmeaDecimal(std::string_view field, NmeaSign sign = NmeaSign::None);
// As ReadNmeaDecimal, but rounded once, directly from the text, to single precision, as the
// handheld's "%f" read coordinate minutes.
std::optional<float> ReadNmeaFloat(std::string_view field);
// Digits only ("08" is 8, "8.5" is nothing); empty beyond 32 bits.
std::optional<std::int32_t> ReadNmeaWhole(std::string_view field, NmeaSign sign = NmeaSign::None);

} // namespace gps
