#pragma once
// The sections of the settings file, grouped as their tables are, each
// section's keys in the order of the load.
#include <vector>

#include "SettingKey.h"

namespace keys {
std::vector<SettingSection> ProgramSections();  // [Program], [View], [General]
std::vector<SettingSection> FileSections();     // [Files], [Indentation], [Spell], [Comment Blocks]
std::vector<SettingSection> LayoutSections();   // [White Space], [Comments], [Dialect]
std::vector<SettingSection> DebugSections();    // [Debug], [Arrange Declares], [ErrorHandling]
}  // namespace keys
