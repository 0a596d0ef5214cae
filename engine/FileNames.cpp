// File names for captions: a path split into its parts, and a path shortened
// to a given length.
#include "engine/FileNames.h"

#include "analysis/AnalyserLog.h"
#include "common/ErrorTrap.h"
#include "platform/Paths.h"
#include "common/Trace.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

void ParseFileName(const std::string& pathIn, std::string& drive, std::string& dir, std::string& base,
                   std::string& ext) {
    TraceGuard trace(TraceKind::Classes, "ParseFileName");
    if (!paths::SplitParts(pathIn, drive, dir, base, ext)) return;
    if (oDebug && oLog && oDebug->LogClasses) {
        oLog->LogData("File=" + pathIn);
        oLog->LogData("Drive/Path/Base/Ext=|" + drive + "|" + dir + "|" + base + "|" + ext + "|");
    }
}

std::string fsFileName(const std::string& name, int maximum) {
    return Trapped("fsFileName", [&]() -> std::string {
        TraceGuard trace(TraceKind::App, "fsFileName");
        AppTrace("FileName=|" + name + " Size=" + Num(maximum));
        const size_t max = maximum < 0 ? 0 : static_cast<size_t>(maximum);
        if (name.size() <= max) return name;
        if (max <= 3) return {};
        std::string drive, dir, base, ext;
        ParseFileName(name, drive, dir, base, ext);
        const std::string tail = std::string(1, paths::kSep) + base + ext;
        if (tail.size() > max) {
            // Even the file name alone is too long: keep its extension whole
            // when it fits at all.
            if (ext.size() > max) return (base + ext).substr(0, max);
            return base.substr(0, max - ext.size()) + ext;
        }
        const std::string lead = drive + "...";
        if (lead.size() > max) return lead.substr(0, max);
        // Without room for a single directory character the separator goes
        // too, so that the result never exceeds the maximum.
        if ((lead + base + ext).size() >= max) return (lead + base + ext).substr(0, max);
        if (drive.empty()) return "..." + tail;
        return drive + dir.substr(0, max - drive.size() - 3 - tail.size()) + "..." + tail;
    });
}
