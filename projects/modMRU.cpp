#include "projects/modMRU.h"

#include <algorithm>

#include "projects/IMRUMenu.h"
#include "common/Trace.h"
#include "platform/VBText.h"
#include "settings/mINIHandler.h"
#include "common/mKEMCommon.h"

void GetMRU() {
    TraceGuard trace(TraceKind::App, "GetMRU");
    for (int n = 1; n <= kMRUEntries; ++n) {
        std::string saved = fsINIGetMRU(n);
        if (!saved.empty()) gsMRU[n] = saved;
    }
}

void sbShowMRUMenu(IMRUMenu& window) {
    TraceGuard trace(TraceKind::App, "sbShowMRUMenu");
    for (int n = 1; n <= kMRUEntries; ++n) {
        window.SetMRUCaption(n, "&" + std::to_string(n) + " " + gsMRU[n]);
        if (!gsMRU[n].empty()) window.ShowMRUItem(n);
    }
}

void UpdateMRUList(const std::string& fileName, int recentIndex) {
    TraceGuard trace(TraceKind::App, "UpdateMRUList");
    const bool logging = oDebug && oDebug->LogApp;
    if (logging) oLog->LogData("FileName=" + fileName + " MRU=" + std::to_string(recentIndex));
    int found = kMRUEntries + 1;
    for (int n = 1; n <= kMRUEntries; ++n) {
        if (vb::EqualsNoCase(gsMRU[n], fileName)) {
            found = n;
            break;
        }
    }
    if (found > 1) {
        // A name already listed leaves a gap that the entries above it fill;
        // a new name pushes the last entry out.
        for (int n = std::min(found, kMRUEntries); n >= 2; --n) gsMRU[n] = gsMRU[n - 1];
        gsMRU[1] = fileName;
    }
    if (logging)
        for (int n = 1; n <= kMRUEntries; ++n) oLog->LogData("MRU=" + std::to_string(n) + " " + gsMRU[n]);
}

void SaveMRU() {
    TraceGuard trace(TraceKind::App, "SaveMRU");
    for (int n = 1; n <= kMRUEntries; ++n) sbINIPutMRU(n, gsMRU[n]);
}
