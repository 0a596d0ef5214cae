#pragma once
// The options dialog's controls as the dialog's design creates them: names,
// captions, pages, frames, option groups, the spin boxes' bounds and the
// design's values and enabled states, before the settings are copied in.
#include <string>
#include <vector>

#include "options/OptionControls.h"

constexpr int kOptionPages = 12;

// The captions of the twelve tabs, in tab order.
const std::vector<std::string>& OptionTabCaptions();

// Fills an empty model with every control in its design state.
void BuildOptionsDesign(OptionControls& c);
