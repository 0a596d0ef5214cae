#pragma once
// Warnings about statements that may handle dates, years and leap years.
#include "analysis/SourceModel.h"

void ScanForY2K(BabStatement& stmt);
