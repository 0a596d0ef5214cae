#include "common/AppIdentity.h"
#include "platform/Clock.h"
#include "session/SaveAFile.h"
#include "common/Trace.h"
#include "settings/cINIHandler.h"

void SaveZelInfo(const ZelkOptions& options, const std::string& fileName) {
    TraceGuard trace(TraceKind::App, "SaveZelInfo");
    if (!options.gblnSaveZelInfo) return;
    cINIHandler history;
    history.INIFileName(options.gsSaveZelFile);
    history.Section(app::kFileDescription);
    history.WriteString(fileName, datetime::HistoryStamp(datetime::FileDateTime(fileName)) + "|" +
                                      datetime::HistoryStamp(Clock().Now()));
}
