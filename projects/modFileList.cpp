#include "projects/modFileList.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <utility>

#include "common/AppIdentity.h"
#include "common/ErrorTrap.h"
#include "analysis/FileValidation.h"
#include "settings/ZelkOptions.h"
#include "projects/PFParseFile.h"
#include "platform/Paths.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "common/clsCommonDialog.h"
#include "common/mKEMCommon.h"
#include "projects/modMRU.h"

namespace {

// Hide the read-only box, allow multiple selection, path and file must
// exist, explorer style, long names.
constexpr long kOpenFlags = cdl::OFN_HIDEREADONLY | cdl::OFN_ALLOWMULTISELECT | cdl::OFN_PATHMUSTEXIST |
                            cdl::OFN_FILEMUSTEXIST | cdl::OFN_EXPLORER | cdl::OFN_LONGNAMES;
constexpr long kNameBufferSize = 2048;

bool LogApp() { return oDebug && oDebug->LogApp; }

// The hourglass while the names are sorted and loaded, the default pointer
// on every way out.
class HourglassPointer {
public:
    HourglassPointer() { Ui().SetMousePointer(pointer::vbHourglass); }
    ~HourglassPointer() { Ui().SetMousePointer(pointer::vbDefault); }
    HourglassPointer(const HourglassPointer&) = delete;
    HourglassPointer& operator=(const HourglassPointer&) = delete;
};

const std::string& ExtensionList(const std::string& kind, const ZelkOptions& options) {
    static const std::string none;
    if (kind == "M") return options.gsCodeExt;
    if (kind == "F") return options.gsFormExt;
    if (kind == "P") return options.gsProjectExt;
    if (kind == "R") return options.gsResourceExt;
    return none;
}

// "*.A;*.B;" for the list "A|B"; empty for an empty list.
std::string PatternText(const std::string& list) {
    std::string text;
    for (const auto& ext : vb::Split(list, "|"))
        if (!ext.empty()) text += "*." + ext + ";";
    return text;
}

std::string FilterEntry(const std::string& description, std::string patterns) {
    if (patterns.empty()) return {};
    patterns.pop_back();  // the final ";"
    return description + " (" + patterns + ")|" + patterns + "|";
}

// A recent entry whose file has gone is reported here, so that no later
// step opens a missing file.
bool RecentFileIsThere(const std::string& name) {
    if (name.empty()) return false;
    std::error_code ec;
    if (std::filesystem::is_regular_file(name, ec)) return true;
    Ui().MsgBox("The file " + name + "\r\ncannot be found. It may have been moved or deleted.", mb::vbExclamation,
                app::kTitle);
    return false;
}

bool fbHoldsSourceFile(const cFileCollection& files) {
    for (long i = 1; i <= files.Count(); ++i)
        if (files.Item(i).IsSource()) return true;
    return false;
}

}  // namespace

void ParseLine(const std::string& text, const std::string& delimiter, std::vector<std::string>& pieces) {
    pieces = vb::Split(text, delimiter);
}

bool fblnValidFileExtension(const std::string& fileName, const std::string& kind, const ZelkOptions& options) {
    size_t dot = fileName.rfind('.');
    std::string ext = vb::UCase(dot == std::string::npos ? fileName : fileName.substr(dot + 1));
    for (const auto& item : vb::Split(ExtensionList(kind, options), "|")) {
        // An empty element (an empty list) names no extension.
        if (!item.empty() && vb::UCase(item) == ext) {
            oDebug->StatusCode = 0;
            return true;
        }
    }
    return false;
}

void FindNameInList(const std::string& fileName, long& index) {
    TraceGuard trace(TraceKind::App, "FindNameInList");
    if (LogApp()) oLog->LogData("FileName=" + fileName);
    oDebug->StatusCode = 5;
    index = 0;
    if (!fileName.empty()) {
        index = oFile->Count() + 1;
        for (long i = 1; i <= oFile->Count(); ++i) {
            if (oFile->Item(i).FileName == fileName) {
                index = i;
                oDebug->StatusCode = 9;
                break;
            }
        }
    }
    if (LogApp()) oLog->LogData("Which=" + std::to_string(index));
}

std::string fsFileDialogFilter(const ZelkOptions& options) {
    const std::string project = PatternText(options.gsProjectExt);
    const std::string form = PatternText(options.gsFormExt);
    const std::string code = PatternText(options.gsCodeExt);
    const std::string resource = PatternText(options.gsResourceExt);
    return FilterEntry("VB Files", form + code + project) + FilterEntry("Forms", form) +
           FilterEntry("Code Modules", code) + FilterEntry("Project Files", project) +
           FilterEntry("Resource Files", resource) + "All Files (*.*)|*.*";
}

void GetListFromCommonDialog(IMRUMenu*, NameList& names, const ZelkOptions& options) {
    TraceGuard trace(TraceKind::App, "GetListFromCommonDialog");
    const std::string filter = fsFileDialogFilter(options);
    if (LogApp()) oLog->LogData("FileExtensions...\r\n" + filter);

    clsCommonDialog& dlg = *oCommonDialog;
    dlg.CancelError = true;
    dlg.DialogTitle = "File(s) to Process";
    dlg.FileName.clear();
    dlg.Filter = filter;
    dlg.hWndOwner = 0;
    dlg.HDC = 0;
    dlg.flags = kOpenFlags;
    dlg.MaxFileSize = kNameBufferSize;
    try {
        dlg.ShowOpen();
    } catch (const VBError& e) {
        if (e.Number != vberr::kCancelError) throw;
    }
    if (dlg.WasCanceled) {
        oDebug->StatusCode = 8;
        names.assign(1, std::string());
        return;
    }

    std::vector<std::string> pieces;
    ParseLine(dlg.FileName, std::string(1, cdl::kNameSeparator), pieces);
    names.assign(1, std::string());
    if (pieces.size() == 1) {
        names.push_back(pieces[0]);
    } else {
        std::string folder = pieces[0];
        if (folder.empty() || folder.back() != paths::kSep) folder += paths::kSep;
        // A name typed with its own folder is opened from there.
        for (size_t i = 1; i < pieces.size(); ++i)
            names.push_back(paths::IsAbsolute(pieces[i]) ? pieces[i] : folder + pieces[i]);
    }
    if (LogApp()) {
        std::string text = "Files...";
        for (size_t i = 1; i < names.size(); ++i) text += "\r\n  |" + names[i] + "|";
        oLog->LogData(text);
    }
}

namespace {

// The chosen names become the session's files.
void LoadNames(IMRUMenu* window, NameList names, int recentIndex, const ZelkOptions& options) {
    if (oAppInfo->IsAProjectFile || oAppInfo->IsAResourceFile) oZel->CloseFiles();
    oAppInfo->IsAProjectFile = false;
    oAppInfo->IsAResourceFile = false;
    // The names, not the status word, tell a cancel: the status may still
    // hold the 8 of an earlier selection.
    if (names.size() < 2) return;

    HourglassPointer hourglass;

    size_t projectNames = 0, resourceNames = 0;
    for (size_t i = 1; i < names.size(); ++i) {
        if (fblnValidFileExtension(names[i], "P", options)) ++projectNames;
        else if (fblnValidFileExtension(names[i], "R", options)) ++resourceNames;
    }
    const size_t nameCount = names.size() - 1;

    if (resourceNames > 0) {
        if (resourceNames < nameCount) {
            Ui().MsgBox("Resource files cannot be selected with other files.\r\n\r\n", mb::vbExclamation,
                        app::kTitle);
            oDebug->StatusCode = 8;
            return;
        }
        oFile = std::make_unique<cFileCollection>();
        for (size_t i = 1; i < names.size(); ++i) {
            if (LogApp()) oLog->LogData("<Resource: " + names[i] + ">");
            cFileDesc entry;
            entry.FileName = names[i];
            oFile->Add(std::move(entry));
        }
        oAppInfo->IsAResourceFile = true;
    } else {
        if (projectNames > 0 && projectNames < nameCount) {
            const std::string text = "A Project-file may not be specified with other files.";
            oLog->LogBlock(text);
            Ui().MsgBox(text, mb::vbExclamation, app::kTitle);
            oDebug->StatusCode = 8;
            return;
        }
        const bool projectSelection = projectNames > 0;
        if (projectSelection) {
            oAppInfo->IsAProjectFile = true;
        } else {
            VBFileValidate(names, true);
            if (oDebug->StatusCode == 8) return;
        }

        NameList kept(1);
        for (size_t i = 1; i < names.size(); ++i)
            if (!names[i].empty()) kept.push_back(names[i]);
        if (kept.size() == 1) {
            oDebug->StatusCode = 8;
            return;
        }

        cFileCollection projects;
        for (size_t i = 1; i < kept.size(); ++i) {
            long index = 0;
            FindNameInList(kept[i], index);
            if (oDebug->StatusCode == 9) continue;
            oDebug->StatusCode = 0;
            if (LogApp()) oLog->LogData("<" + kept[i] + ">");
            cFileDesc entry;
            entry.FileName = kept[i];
            if (projectSelection) {
                entry.FileType = filekind::kProject;
                projects.Add(std::move(entry));
            } else {
                oFile->Add(std::move(entry));
            }
        }

        if (projectSelection) {
            PFParseFile(projects, options);
            if (oDebug->StatusCode != 0 || !fbHoldsSourceFile(*oFile)) {
                // Nothing of a failed or cancelled choice stays open, not
                // even a group's own entry.
                if (oDebug->StatusCode == 0) oDebug->StatusCode = 8;
                oFile = std::make_unique<cFileCollection>();
                oAppInfo->IsAProjectFile = false;
                return;
            }
            if (oFile->Count() > 0) UpdateMRUList(oFile->Item(1).FileName, recentIndex);
            if (window) sbShowMRUMenu(*window);
            return;
        }
    }

    for (long i = 1; i <= oFile->Count(); ++i) UpdateMRUList(oFile->Item(i).FileName, recentIndex);
    if (window) sbShowMRUMenu(*window);
}

}  // namespace

void GetFilesToProcess(IMRUMenu* window, int recentIndex, const ZelkOptions& options) {
    TraceGuard trace(TraceKind::App, "GetFilesToProcess");
    Trapped("GetFilesToProcess", [&] {
        NameList names(1);
        if (recentIndex > 0) {
            const std::string& recent = gsMRU[static_cast<size_t>(std::min(recentIndex, kMRUEntries))];
            if (!RecentFileIsThere(recent)) {
                if (oAppInfo->IsAProjectFile || oAppInfo->IsAResourceFile) oZel->CloseFiles();
                oAppInfo->IsAProjectFile = oAppInfo->IsAResourceFile = false;
                oDebug->StatusCode = 8;
                return;
            }
            names.push_back(recent);
        } else {
            GetListFromCommonDialog(window, names, options);
        }
        LoadNames(window, std::move(names), recentIndex, options);
    });
}

void GetChosenFilesToProcess(IMRUMenu* window, const NameList& chosen, const ZelkOptions& options) {
    TraceGuard trace(TraceKind::App, "GetFilesToProcess");
    Trapped("GetFilesToProcess", [&] { LoadNames(window, chosen, 0, options); });
}
