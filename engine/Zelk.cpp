#include "engine/Zelk.h"

#include <filesystem>
#include <optional>
#include <vector>

#include "common/SharedState.h"
#include "engine/CommentBlocks.h"
#include "engine/EngineState.h"
#include "engine/FileLog.h"
#include "analysis/FileValidation.h"
#include "engine/ProcessFile.h"
#include "platform/TextFile.h"
#include "platform/VBText.h"
#include "engine/ZelkHost.h"
#include "common/mKEMCommon.h"

namespace {

// A resource script is spell-checked, not zelked: its extension is one of
// the resource extensions of the settings.
bool IsResourceScript(const ZelkOptions& o, const std::string& path) {
    const std::string ext = vb::UCase(std::filesystem::path(path).extension().string());
    if (ext.empty()) return false;
    for (const std::string& e : vb::Split(vb::UCase(o.gsResourceExt), "|"))
        if ("." + e == ext) return true;
    return false;
}

// The run's window is installed for the run alone.
class HostForRun {
public:
    explicit HostForRun(IZelkWindow* host) : window_(gfrmZelker), progress_(oProgressForm) {
        gfrmZelker = host;
        oProgressForm = nullptr;  // the run shows its progress in its own window
    }
    ~HostForRun() {
        gfrmZelker = window_;
        oProgressForm = progress_;
    }
    HostForRun(const HostForRun&) = delete;
    HostForRun& operator=(const HostForRun&) = delete;

private:
    IZelkWindow* window_;
    IProgressView* progress_;
};

std::optional<std::string> ReadIfMade(const std::string& path) {
    std::string text;
    if (path.empty() || !textfile::ReadAll(path, text)) return std::nullopt;
    return text;
}

// The run itself, on the text given, else on the file read here once. The
// source is checked once, with the messages the file's choice gives.
ZelkResult ZelkWith(const std::string& name, std::optional<std::string> given, const ZelkOptions& options,
                    IZelkWindow* host) {
    ZelkResult result;
    oDebug->ClearStatus();
    oAppInfo->WasCanceled = false;
    sbStartCommentBlockRun();

    std::string text;
    if (given) {
        if (!VBTextValidate(*given, name, true)) return result;
        text = std::move(*given);
    } else if (!VBFileValidateRead(name, true, text)) {
        return result;
    }
    result.Accepted = true;

    HostForRun installed(host);
    oAppInfo->IsAResourceFile = IsResourceScript(options, name);
    OpenOneFileSession(name);

    try {
        // The one number a session carries from file to file on purpose (the
        // continuous line numbering) starts afresh with a run of its own.
        result.Findings = sbProcessText(1, options, std::move(text));
    } catch (...) {
        sbKillTemp(1);  // no temporary file outlives the run
        throw;
    }
    result.Status = oDebug->StatusCode;
    result.Reason = oDebug->ReasonCode;
    result.Canceled = oAppInfo->WasCanceled;
    result.Output = ReadIfMade(gsTempOutFile[1]);
    result.Log = ReadIfMade(gsTempLogFile[1]);
    sbKillTemp(1);
    return result;
}

}  // namespace

ZelkResult Zelk(std::string text, const std::string& name, const ZelkOptions& options, IZelkWindow* host) {
    // The run's modules are spelled when its options enable spelling.
    return ZelkWith(name, std::move(text), options, host);
}

ZelkResult Zelk(const std::string& sourceFile, const ZelkOptions& options, IZelkWindow* host) {
    return ZelkWith(sourceFile, std::nullopt, options, host);
}

ZelkResult Zelk(const std::string& sourceFile, const ZelkSettings& settings, IZelkWindow* host) {
    ZelkOptions loaded;
    sbLoadSettingsFrom(settings.File, loaded);
    return Zelk(sourceFile, loaded, host);
}

void OpenOneFileSession(const std::string& sourceFile) {
    oFile->Clear();
    cFileDesc entry;
    entry.FileName = sourceFile;
    oFile->Add(entry);
    sbSizeFileArrays(oFile->Count());
    giFileIndex = 1;
}
