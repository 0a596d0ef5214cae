#include "common/AppIdentity.h"
#include "platform/Clock.h"
#include "settings/ProgramOptions.h"
#include "session/SaveAFile.h"
#include "common/Trace.h"
#include "settings/cINIHandler.h"

void SaveZelInfo(const std::string& fileName) {
    TraceGuard trace(TraceKind::App, "SaveZelInfo");
    if (!goOptions.gblnSaveZelInfo) return;
    cINIHandler history;
    history.INIFileName(goOptions.gsSaveZelFile);
    history.Section(app::kFileDescription);
    history.WriteString(fileName, datetime::HistoryStamp(datetime::FileDateTime(fileName)) + "|" +
                                      datetime::HistoryStamp(Clock().Now()));
}
