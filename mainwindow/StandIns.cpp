// Stand-ins for the subsystems the main window calls that are not built yet.
#include "StandIns.h"

#include "OptionGlobals.h"
#include "UiServices.h"
#include "VBText.h"
#include "WindowHelpers.h"
#include "clsCommonDialog.h"
#include "mKEMCommon.h"

void sbSizeSessionArrays(long count) {
    const size_t n = static_cast<size_t>(count < 0 ? 0 : count) + 1;
    gtFileStats.assign(n, FileStatsRecord{});
    gsTempOutFile.assign(n, std::string());
    gsTempLogFile.assign(n, std::string());
    gblnFileZelked.assign(n, 0);
}

std::string fsFileName(const std::string& path, int maxLength) {
    if (static_cast<int>(path.size()) <= maxLength) return path;
    if (maxLength <= 3) return path.substr(path.size() - static_cast<size_t>(maxLength < 0 ? 0 : maxLength));
    return "..." + path.substr(path.size() - static_cast<size_t>(maxLength - 3));
}

void sbProcessSelection(int fileIndex, bool& ok) {
    oDebug->ClearStatus();
    const std::string name = oFile->Item(fileIndex).FileName;
    sbFileNameFromDir(name, gsCurrentFileName, gsCurrentFileDir);
    ok = !name.empty();
}

// The keyword table is loaded by the source analysis; until it is built
// there is nothing to load.
void BabInit() {}

// The recent-file list is kept by the file selection; until it is built the
// list stays empty.
void GetMRU() {}

// Until the file selection with its combination rules is built: the names
// chosen in the Open dialog become the session's files.
void GetFilesToProcess(int) {
    std::string masks;
    for (const std::string* list : {&gsCodeExt, &gsFormExt, &gsResourceExt})
        for (const std::string& ext : vb::Split(*list, "|"))
            if (!ext.empty()) masks += (masks.empty() ? "*." : ";*.") + ext;
    FileDialogRequest request;
    request.Title = "Open";
    request.Filter = "VB Files|" + masks + "|All Files (*.*)|*.*";
    request.InitDir = oCommonDialog ? oCommonDialog->InitDir : std::string();
    request.MultiSelect = true;
    request.FileMustExist = true;
    request.HideReadOnly = true;
    FileDialogResult result = Ui().ShowFileDialog(request);
    if (!result.Accepted || result.Files.empty()) {
        oDebug->StatusCode = 8;
        return;
    }
    for (const std::string& file : result.Files) {
        cFileDesc entry;
        entry.FileName = file;
        entry.IsSelected = true;
        oFile->Add(entry);
    }
}
