#include "AppIdentity.h"
#include "Clock.h"
#include "OptionGlobals.h"
#include "SaveAFile.h"
#include "Trace.h"
#include "cINIHandler.h"

void SaveZelInfo(const std::string& fileName) {
    TraceGuard trace(TraceKind::App, "SaveZelInfo");
    if (!gblnSaveZelInfo) return;
    cINIHandler history;
    history.INIFileName(gsSaveZelFile);
    history.Section(app::kFileDescription);
    history.WriteString(fileName, datetime::HistoryStamp(datetime::FileDateTime(fileName)) + "|" +
                                      datetime::HistoryStamp(Clock().Now()));
}
