// project FILE: a project or group file opened as the Open command opens it,
// every offered file ticked in place of the project dialog, and the model
// printed line by line.
#include <filesystem>
#include <iostream>

#include "analysis/FileValidation.h"
#include "HeadlessCommand.h"
#include "HeadlessStartUp.h"
#include "analysis/KeywordTable.h"
#include "projects/PFParseFile.h"
#include "settings/ProgramOptions.h"
#include "projects/ProjectFileDialog.h"
#include "projects/ProjectSelection.h"
#include "platform/UiServices.h"
#include "platform/VBError.h"
#include "platform/VBText.h"
#include "projects/cProjectFiles.h"
#include "common/mKEMCommon.h"

namespace fs = std::filesystem;

namespace {

// Questions answered so that the reading goes on: No to "cancel
// processing?", Cancel to Retry/Cancel, the first button elsewhere.
class GoOnUi : public ScriptedUiServices {
public:
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override {
        ScriptedUiServices::MsgBox(prompt, buttons, title);
        switch (buttons & mb::kButtonsMask) {
            case mb::vbYesNo:
            case mb::vbYesNoCancel: return mb::vbNo;
            case mb::vbRetryCancel: return mb::vbCancel;
            default: return mb::FirstButtonAnswer(buttons);
        }
    }
};

// The dialog's OK with every offered file ticked.
class TickEverything : public IProjectFileDialog {
public:
    std::string Caption;
    void ShowModal(const std::string& caption, const std::string&) override {
        Caption = caption;
        AppendProjectSelection(*oProjectFiles, [](long, long) { return true; }, *oFile);
    }
    void Unload() override {}
};

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

void PrintList(const char* what, const cProjectFile::LineList& list, int count) {
    std::cout << "  " << what << " list:";
    for (int n = 1; n <= count && static_cast<size_t>(n) < list.size(); ++n) std::cout << " " << list[static_cast<size_t>(n)];
    std::cout << "\n";
}

void PrintLine(long number, const cProjectLine& line) {
    std::cout << "  line " << number << ": kind " << static_cast<long>(line.FileType) << " key " << line.KeyWord
              << " values " << line.Values;
    // Every element up to the last that holds text, with its index: the
    // comma and quoted forms start at 1, the others at 0.
    size_t last = line.Value.size();
    while (last > 0 && line.Value[last - 1].empty()) --last;
    for (size_t i = 0; i < last; ++i) std::cout << " [" << i << "]=" << Quote(line.Value[i]);
    std::cout << " VBName=" << Quote(line.VBName) << " WholeFile=" << Quote(line.WholeFile)
              << " SyntaxError=" << (line.SyntaxError ? "True" : "False") << " record=" << Quote(line.AsRecord)
              << "\n";
}

void PrintProject(long number, const cProjectFile& p) {
    std::cout << "file " << number << ": " << p.FileName << "\n"
              << "  type " << (p.FileType == ProjectFileType::Group ? "group" : "project") << " records " << p.Records
              << " forms " << p.Forms << " modules " << p.Modules << " classes " << p.Classes << " objects "
              << p.Objects << " references " << p.References << " dialect " << p.Dialect << " found "
              << p.FilesFound() << " not-found " << p.FilesNotFound() << "\n";
    if (p.FileType == ProjectFileType::Project) {
        PrintList("forms", p.FormList, p.Forms);
        PrintList("modules", p.ModuleList, p.Modules);
        PrintList("classes", p.ClassList, p.Classes);
    }
    long n = 0;
    for (const cProjectLine& line : p) PrintLine(++n, line);
}

int RunProject(const std::vector<std::string>& args) {
    static GoOnUi ui;
    SetUi(&ui);
    HeadlessCreateObjects();
    HeadlessReadSettings();
    try {
        BabInit();
    } catch (const VBError&) {
        std::cerr << "zelk_headless: the keyword file cannot be loaded\n";
        return 1;
    }
    static TickEverything dialog;
    SetProjectFileDialog(&dialog);

    std::error_code ec;
    cFileCollection names;
    cFileDesc chosen;
    chosen.FileName = fs::absolute(args[0], ec).lexically_normal().string();
    chosen.FileType = filekind::kProject;
    names.Add(chosen);
    oDebug->ClearStatus();
    PFParseFile(names, goOptions);
    const int status = oDebug->StatusCode, reason = oDebug->ReasonCode;

    if (oProjectFiles)
        for (long i = 1; i <= oProjectFiles->Count(); ++i) PrintProject(i, oProjectFiles->Item(i));
    if (!dialog.Caption.empty()) std::cout << "dialog: " << dialog.Caption << "\n";
    for (long i = 1; i <= oFile->Count(); ++i) {
        const cFileDesc& f = oFile->Item(i);
        std::cout << "chosen " << i << ": " << f.FileName << " type " << f.FileType << " file " << f.WhichFile
                  << " project " << f.WhichProject << "\n";
    }
    for (const auto& m : ui.Messages)
        std::cout << "message [" << m.Title << "]: " << vb::Replace(m.Prompt, "\r\n", "\n") << "\n";
    std::cout << "status " << status << " reason " << reason << "\n";
    return status == 0 ? 0 : 1;
}

}  // namespace

HeadlessCommand ProjectCommand() {
    return {"project", "FILE",
            "open the project or group FILE as the Open command does, tick every offered file, and print the "
            "lines, lists, counters, chosen files and messages",
            1, RunProject};
}
