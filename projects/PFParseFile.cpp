// Until the project reader and the "Project File Processing" dialog are
// built, opening a project or group file ends with a message and opens
// nothing; the reader replaces this file.
#include "PFParseFile.h"

#include "AppIdentity.h"
#include "Trace.h"
#include "UiServices.h"
#include "mKEMCommon.h"

void PFParseFile(cFileCollection& names) {
    TraceGuard trace(TraceKind::App, "PFParseFile");
    std::string prompt = "Project and group files are not yet supported.";
    if (names.Count() > 0) prompt += "\r\n" + names.Item(1).FileName;
    Ui().MsgBox(prompt, mb::vbExclamation, app::kTitle);
    oDebug->StatusCode = 8;
}
