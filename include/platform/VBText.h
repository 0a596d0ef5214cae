#pragma once
// Text and number helpers with the exact behaviour of the Visual Basic
// run-time functions the program relies on. Text is bytes; case changes touch
// ASCII letters only.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vb {

std::string UCase(std::string_view s);
std::string LCase(std::string_view s);
// Inline: the keyword look-up and the case-blind comparisons call it for
// every character.
inline char UCaseChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

// Trim, LTrim and RTrim remove blanks (spaces) only, as Visual Basic does.
std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);

// Every occurrence of `what` replaced by `with`, scanning left to right.
std::string Replace(std::string_view s, std::string_view what, std::string_view with);

// Case-insensitive (ASCII) equality.
bool EqualsNoCase(std::string_view a, std::string_view b);

// Splits at every delimiter; empty pieces are kept; an empty text gives one
// empty piece.
std::vector<std::string> Split(std::string_view s, std::string_view delim);

std::string Join(const std::vector<std::string>& parts, std::string_view delim);

// The numeric prefix of a text (Val): leading blanks and tabs skipped, an
// optional sign, digits, a fraction and an exponent. No number gives 0.
double Val(std::string_view s);

// True when the whole text, blanks around it allowed, is one number.
bool IsNumeric(std::string_view s);

// Rounding to the nearest whole number, halves to even, with the range of a
// 16-bit Integer or a 32-bit Long. Out of range raises error 6 (Overflow).
int16_t CInt(double v);
int32_t CLng(double v);
double RoundHalfEven(double v);

// Str: a leading blank for zero and positive numbers, a minus sign otherwise.
std::string Str(double v);
std::string Str(long long v);

// The plain decimal text of a number (CStr of a number): whole numbers
// without a fraction, others with the shortest exact-looking fraction.
std::string NumberText(double v);
// The same for a single-precision number: at most seven significant digits,
// so 4809.6f reads "4809.6", not the digits of its double widening.
std::string SingleText(float v);

// Format with one of the digit patterns the program uses: "#,##0", "##,##0", "##0",
// "0", "00", "000", "0000000" (any run of "0" pads to that many digits).
std::string Format(double v, std::string_view pattern);

}  // namespace vb
