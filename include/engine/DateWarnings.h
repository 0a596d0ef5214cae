#pragma once
// Warnings about statements that may handle dates, years and leap years.
#include "analysis/SourceModel.h"

class ZelkRun;

// The first finding goes to the run's log as a warning.
void ScanForY2K(ZelkRun& run, BabStatement& stmt);
