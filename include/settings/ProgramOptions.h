#pragma once
// The program's own options: the value the start-up loads from the settings
// file, the options dialog replaces on OK and the session's runs read.
#include "settings/ZelkOptions.h"

inline ZelkOptions goOptions;
