#pragma once
// The answer of the one-time tab-width question: the number of blanks a tab
// becomes, -1 to leave tabs as they are, or 99 to be asked again.
#include <optional>
#include <string>

struct ZelkOptions;

// The width an entry of the number box stands for (rounded to a whole
// number, halves to even); none when the entry is not a number or not one
// of -1, 0 to 20 and 99.
std::optional<int> fnTabWidthEntry(const std::string& text);

// Takes the answer: "Set to" with the box's text, or "Do not convert".
// A width that is no answer is reported and changes nothing (false). An
// answer goes into the options' giTabWidth and the settings file at once.
bool fbTakeTabWidth(bool setTo, const std::string& text, ZelkOptions& options);
