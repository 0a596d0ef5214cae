#include "analysis/FileValidation.h"

#include <array>
#include <cerrno>
#include <functional>
#include <string_view>

#include "analysis/AnalyserLog.h"
#include "common/AppIdentity.h"
#include "common/ErrorTrap.h"
#include "analysis/KeywordTable.h"
#include "analysis/RecordReader.h"
#include "platform/TextFile.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBError.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {

constexpr long kNotText = 14;  // a first line that cannot be text

// First words of a source file that do not tell its dialect.
bool IsNeutralFirstWord(const std::string& word) {
    static const std::array<const char*, 24> kWords = {
        "BEGIN",  "CONST",  "DECLARE", "DEFBOOL", "DEFBYTE", "DEFCUR",   "DEFDATE", "DEFOBJ",
        "DEFDBL", "DEFINT", "DEFLNG",  "DEFSNG",  "DEFSTR",  "DEFVAR",   "DIM",     "FUNCTION",
        "GLOBAL", "OPTION", "PRIVATE", "REDIM",   "REM",     "STATIC",   "SUB",     "TYPE"};
    for (const char* w : kWords)
        if (word == w) return true;
    return false;
}

bool IsRetryableOpenError(long number) {
    return number == vberr::kFileAlreadyOpen || number == vberr::kDeviceIO || number == 68 ||
           number == vberr::kDiskNotReady;
}

// Reads the whole file, asking Retry/Cancel for a busy or unready file.
// False with the status set when it cannot be read.
bool ReadForValidation(const std::string& name, std::string& text) {
    while (true) {
        try {
            if (!textfile::ReadAll(name, text)) RaiseErrno(errno, name, "LineReader");
            return true;
        } catch (const VBError& e) {
            if (e.Number < 52 || e.Number > 76) throw;
            std::string vbErr = "\r\nVBErr=" + Num(e.Number);
            if (IsRetryableOpenError(e.Number)) {
                std::string message = name + "\r\n\r\n" + e.Description;
                LogErrorBlock(message, vbErr);
                int answer = Ui().MsgBox(message, mb::vbRetryCancel | mb::vbExclamation | mb::vbDefaultButton2, app::kTitle);
                if (answer == mb::vbRetry) continue;
                oDebug->StatusCode = 12;
                return false;
            }
            LogErrorBlock("The following error occurred processing " + name + "." + "\r\n\r\n" + e.Description, vbErr);
            oDebug->StatusCode = 7;
            return false;
        }
    }
}

// The first line that is not blank (the last line when all are blank).
// Error 62 for a text without lines, 14 for a line that cannot be text.
long FirstLine(std::string_view text, std::string& line) {
    if (text.empty()) return vberr::kInputPastEnd;
    size_t pos = 0;
    do {
        size_t next;
        const size_t end = textfile::LineEnd(text, pos, next);
        line.assign(text.substr(pos, end - pos));
        pos = next;
    } while (vb::Trim(line).empty() && pos < text.size());
    if (line.size() > reader::kMaxLineLength || line.find('\0') != std::string::npos ||
        line.find('\xff') != std::string::npos)
        return kNotText;
    return 0;
}

// The dialect a first line names; the status words for a line that is not
// a Visual Basic source.
void Classify(const std::string& line, std::string& dialect) {
    std::vector<std::string> words = vb::Split(line, " ");
    std::string first = vb::UCase(words[0]);
    if (line[0] == '\'' || IsNeutralFirstWord(first)) return;
    if (first == "VERSION" && words.size() == 2) {
        if (words[1] == "2.00") dialect = "3";
        else if (words[1] == "4.00") dialect = "4";
        else if (words[1] == "5.00") dialect = "6";
    } else if (first == "VERSION" && words.size() == 3) {
        if (vb::UCase(words[2]) == "CLASS") dialect = "6";
    } else if (first == "ATTRIBUTE" && words.size() == 4) {
        if (vb::UCase(words[1]) == "VB_NAME" && words[2] == "=") dialect = "6";
    } else if (first != "VERSION" && first != "ATTRIBUTE") {
        oDebug->StatusCode = 20;
        oDebug->ReasonCode = 1;
    }
}

// The checks of one source on the text `textOf` gives once the name has
// passed (null: the file could not be read, the status words say why); the
// status words as BabValidateFile describes them.
void ValidateSource(const std::string& fileName, std::string& dialect,
                    const std::function<const std::string*()>& textOf) {
    TraceGuard trace(TraceKind::ZurudUvu, "BabValidateFile");
    BabTrace("File=" + fileName);
    if (!BabIsInitialised()) RaiseStatus(2, oDebug->ReasonCode, "BabValidateFile");
    if (vb::Trim(fileName).empty()) RaiseStatus(3, oDebug->ReasonCode, "BabValidateFile");
    dialect = "?";

    const std::string* text = textOf();
    if (!text) return;
    std::string line;
    const long failure = FirstLine(*text, line);
    if (failure != 0) {
        if (oLog)
            oLog->LogData("Module " + std::string("BabValidateFile") + " diagnosed VBErr=" + Num(failure) +
                          " on file " + fileName);
        oDebug->StatusCode = 4;
        oDebug->ReasonCode = 2;
        return;
    }
    if (line.empty()) {
        oDebug->StatusCode = 4;
        oDebug->ReasonCode = 1;
    } else {
        Classify(line, dialect);
    }
    BabTrace("Dialect=<" + dialect + ">");
}

enum class Verdict { Keep, Drop, Cancel };

// What the user is told about one checked source, from the status words its
// check left; the status words are cleared afterwards.
Verdict Judge(const std::string& name, bool CanOverride) {
    Verdict verdict = Verdict::Keep;
    int status = oDebug->StatusCode;
    int reason = oDebug->ReasonCode;
    if (status == 12 || status == 7) {
        verdict = Verdict::Drop;
        std::string text = "There are errors in processing";
        if (status == 7) text += "\r\nFile: " + name + "\r\nWas Not Found";
        text += "\r\n\r\nDo you want to cancel processing?";
        int answer = Ui().MsgBox(text, mb::vbYesNo | mb::vbQuestion | mb::vbDefaultButton2, app::kTitle);
        if (answer == mb::vbYes) return Verdict::Cancel;
    } else if (status == 4 && reason == 2) {
        std::string text = name + "\r\nis not a Visual Basic source-file and cannot be processed.";
        Ui().MsgBox(text, mb::vbOKCancel | mb::vbExclamation, app::kTitle);
        LogErrorBlock(text);
        verdict = Verdict::Drop;
    } else if (status == 4 && CanOverride) {
        std::string text = name + "\r\n" + "is not a text mode Visual Basic source file." + "\r\n\r\n" +
                           "If this is a Visual Basic 3 binary mode file, " + "resave it in Visual Basic 3 " +
                           "by using the File/Save File As menu item with the " + "Save as Text box " +
                           "checked.  " + "\r\n\r\n" + "If this file is from another dialect of Basic, " +
                           app::kTitle + " can attempt to process it." + "\r\n\r\n" +
                           "Do you want to process it anyway?";
        LogErrorBlock(text);
        if (Ui().MsgBox(text, mb::vbYesNo | mb::vbQuestion, app::kTitle) == mb::vbNo) {
            AppTrace("File removed=" + name);
            verdict = Verdict::Drop;
        }
    } else if (status == 4) {
        verdict = Verdict::Drop;
    }
    oDebug->StatusCode = 0;
    oDebug->ReasonCode = 0;
    return verdict;
}

// One source checked and judged as VBFileValidate does a name of its list.
bool ValidateOne(const std::string& name, bool CanOverride, const std::function<const std::string*()>& textOf) {
    TraceGuard trace(TraceKind::App, "VBFileValidate");
    AppTrace(std::string("CanOverride=") + (CanOverride ? "True" : "False"));
    bool kept = false;
    Trapped("mProcessFile::VBFileValidate line: 0", [&] {
        if (!vb::Trim(name).empty()) {
            std::string dialect;
            ValidateSource(name, dialect, textOf);
            const Verdict verdict = Judge(name, CanOverride);
            kept = verdict == Verdict::Keep;
            if (verdict == Verdict::Cancel) {
                oDebug->StatusCode = 8;
                return;
            }
        }
        oDebug->StatusCode = 0;
        oDebug->ReasonCode = 0;
    });
    return kept;
}

}  // namespace

void BabValidateFile(std::string& fileName, std::string& dialect) {
    std::string text;
    ValidateSource(fileName, dialect, [&]() { return ReadForValidation(fileName, text) ? &text : nullptr; });
}

void BabValidateText(const std::string& text, const std::string& fileName, std::string& dialect) {
    ValidateSource(fileName, dialect, [&]() { return &text; });
}

void VBFileValidate(std::vector<std::string>& names, bool CanOverride) {
    TraceGuard trace(TraceKind::App, "VBFileValidate");
    AppTrace(std::string("CanOverride=") + (CanOverride ? "True" : "False"));
    Trapped("mProcessFile::VBFileValidate line: 0", [&] {
        for (size_t i = 1; i < names.size(); ++i) {
            if (vb::Trim(names[i]).empty()) continue;
            const std::string name = names[i];
            std::string dialect;
            BabValidateFile(names[i], dialect);
            const Verdict verdict = Judge(name, CanOverride);
            if (verdict != Verdict::Keep) names[i].clear();
            if (verdict == Verdict::Cancel) {
                oDebug->StatusCode = 8;
                return;
            }
        }
        oDebug->StatusCode = 0;
        oDebug->ReasonCode = 0;
    });
}

bool VBFileValidateRead(const std::string& name, bool CanOverride, std::string& text) {
    text.clear();
    const bool kept =
        ValidateOne(name, CanOverride, [&]() { return ReadForValidation(name, text) ? &text : nullptr; });
    if (!kept) text.clear();
    return kept;
}

bool VBTextValidate(const std::string& text, const std::string& name, bool CanOverride) {
    return ValidateOne(name, CanOverride, [&]() { return &text; });
}
