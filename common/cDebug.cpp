#include "common/cDebug.h"

#include "common/mKEMCommon.h"

void cDebug::SetLogAll() {
    LogApp = LogZurudUvu = LogDebug = LogEvents = LogMouseEvents = true;
    oLog->LogData("Logging enabled");
}

void cDebug::UnsetLogAll() {
    LogApp = LogZurudUvu = LogDebug = LogEvents = LogMouseEvents = false;
    oLog->LogData("Logging disabled");
}
