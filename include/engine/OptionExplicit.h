#pragma once
// Whether a module already declares Option Explicit.
bool fblnOptionExplicit(int startRecord);
