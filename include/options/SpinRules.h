#pragma once
// The arithmetic of the numeric spin box, shared by the control and by the
// options model: the bounded Value setter, one step of an arrow or key, and
// which typed characters get in.
#include <optional>
#include <string>

// Value let: nullopt for a text that is not a number (nothing changes);
// otherwise the text, or the decimal text of the bound it lies beyond. A
// number within the bounds is kept as written ("4.5" stays "4.5").
std::optional<std::string> SpinValueLet(const std::string& text, long minVal, long maxVal);

// The number a step or key starts from: the text as a whole 32-bit number.
// A text that is no number (pasted, or set through Text) counts as the lower
// bound, and a number beyond 32 bits as the nearer 32-bit limit, so that a
// step never ends the program.
long SpinNumber(const std::string& text, long minVal);

// One step up or down: only the bound of the direction applies, so stepping
// down from above the upper bound stays above it.
std::string SpinStep(const std::string& text, bool up, long changeAmount, long minVal, long maxVal);

// Key down in the text box: Up and Down step, every key rewrites the text as
// the decimal text of its number ("007" becomes "7").
std::string SpinKeyDown(const std::string& text, int keyCode, long changeAmount, long minVal, long maxVal);

// Only the digits 0 to 9 may be typed.
bool SpinAcceptsChar(char c);

// The spin box's text read as the 16-bit setting it shows: nullopt when it
// holds no number; otherwise rounded and kept within the 16-bit range.
std::optional<int> SpinSettingValue(const std::string& text);
