// Whether a file changed since its last recorded save, from the history file
// the main window writes when it saves a zelked file.
#include "engine/IsNewer.h"

#include "common/AppIdentity.h"
#include "platform/Clock.h"
#include "common/Trace.h"
#include "settings/cINIHandler.h"

bool fbIsNewer(const std::string& file, const std::string& historyFile) {
    TraceGuard trace(TraceKind::App, "fbIsNewer");
    // Any doubt (no record, an unreadable record or history, a file that
    // cannot be looked at) means the file is zelked again: zelking too much
    // loses nothing, skipping a changed file would.
    try {
        cINIHandler history;
        history.INIFileName(historyFile);
        history.Section(app::kFileDescription);
        std::string value = history.ReadString(file, "");
        if (value.empty()) return true;
        size_t bar = value.find('|');
        DateTime saved;
        if (bar == std::string::npos || !datetime::Parse(std::string_view(value).substr(bar + 1), saved)) return true;
        // Whole seconds: the record holds no fraction.
        return saved < datetime::FileDateTime(file);
    } catch (...) {
        return true;
    }
}
