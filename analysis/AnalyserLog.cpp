#include "analysis/AnalyserLog.h"

#include "common/mKEMCommon.h"

void BabTrace(const std::string& text) {
    if (BabTraceOn()) oLog->LogData(text);
}

void AppTrace(const std::string& text) {
    if (AppTraceOn()) oLog->LogData(text);
}

void LogErrorBlock(const std::string& text, const std::string& after) {
    if (oLog) oLog->LogBlock(text, after);
}

std::string Num(long value) { return std::to_string(value); }
