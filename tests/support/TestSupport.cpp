#include "TestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

#include "platform/Clock.h"
#include "common/ErrorTrap.h"
#include "common/SharedState.h"
#include "platform/TempFiles.h"
#include "engine/ZelkHost.h"
#include "common/mKEMCommon.h"
#include "common/clsCommonDialog.h"
#include "engine/CommentEditorHost.h"
#include "engine/SpellingHooks.h"
#include "spelling/TemplateEditors.h"
#include "Lend.h"
#include "settings/ProgramOptions.h"

namespace fs = std::filesystem;

namespace testsupport {
namespace {

// What the program's parts share, as each test finds it and leaves it: no
// window, progress view or status line, a fresh engine object, no shared
// file dialog, no spelling hooks or template editors installed, and the
// program's options as they were. Whatever a test changes there is undone
// when it ends.
struct FreshProgram {
    Lend<ZelkOptions> options{goOptions};
    Lend<IProgressView*> progress{oProgressForm, nullptr};
    Lend<IZelkWindow*> window{gfrmZelker, nullptr};
    Lend<ICaption*> status{gctlStatus, nullptr};
    Lend<long> linesInFile{glLinesInFile, 0};
    Lend<int> fileIndex{giFileIndex, 0};
    Lend<std::unique_ptr<cVEZUZ>> zel{oZel, std::make_unique<cVEZUZ>()};
    Lend<std::unique_ptr<clsCommonDialog>> commonDialog{oCommonDialog, nullptr};
    Lend<bool> spellThisModule{gblnSpellThisModule, false};
    Lend<decltype(gfnSpellCheckIt)> spellCheck{gfnSpellCheckIt, nullptr};
    Lend<decltype(gfnSpellCheckResource)> spellResource{gfnSpellCheckResource, nullptr};
    Lend<decltype(gfnSpellInitialize)> spellSetUp{gfnSpellInitialize, nullptr};
    Lend<decltype(gfnAskTabWidth)> askTabWidth{gfnAskTabWidth, nullptr};
    Lend<ICommentEditor*> commentEditor{goCommentEditor, nullptr};
    Lend<ITemplateEditors*> templateEditors{goTemplateEditors, nullptr};
    Lend<bool> commentEdit{gblnCommentEdit, false};
    Lend<bool> commentSkip{gblnCommentSkip, false};
};

struct State {
    std::string root;
    std::string programDir;
    std::string configDir;
    std::unique_ptr<ScriptedUiServices> ui;
    std::unique_ptr<FreshProgram> program;
};
State gState;

std::string SelfDir() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return exe.parent_path().string();
}

class PerTestListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        char tmpl[] = "/tmp/zelker-test-XXXXXX";
        gState.root = ::mkdtemp(tmpl);
        gState.programDir = gState.root + "/program";
        gState.configDir = gState.root + "/config";
        fs::create_directories(gState.programDir);
        fs::create_directories(gState.configDir);
        // The data files the program reads from its own directory.
        for (const char* data : {"ZURUDUVU.KEY", "SPELLDIC.DAT"}) {
            fs::path src = fs::path(SelfDir()) / data;
            std::error_code ec;
            if (fs::exists(src, ec)) fs::copy_file(src, fs::path(gState.programDir) / data, ec);
        }
        ::setenv("ZELKER_PROGRAM_DIR", gState.programDir.c_str(), 1);
        ::setenv("ZELKER_CONFIG_DIR", gState.configDir.c_str(), 1);
        // The running copy's temporary folder is made inside the test's area.
        ::setenv("XDG_RUNTIME_DIR", gState.root.c_str(), 1);

        gState.ui = std::make_unique<ScriptedUiServices>();
        SetUi(gState.ui.get());
        SetClock(nullptr);
        SetErrorReportHook([](long number, const std::string& description, const std::string& source,
                              const std::string& procName) {
            throw ErrorReported{number, description, source, procName};
        });
        gState.program = std::make_unique<FreshProgram>();
        sbCommonInit("");
    }

    void OnTestEnd(const ::testing::TestInfo&) override {
        if (oLog) oLog->LogClose();
        gState.program.reset();
        SetUi(nullptr);
        SetClock(nullptr);
        std::error_code ec;
        fs::remove_all(gState.root, ec);
    }
};

}  // namespace

ScriptedUiServices& Ui() { return *gState.ui; }
const std::string& ProgramDir() { return gState.programDir; }
const std::string& ConfigDir() { return gState.configDir; }
std::string TempDir() { return tempfiles::OwnDir(); }
std::string BuildDir() { return SelfDir(); }

std::string MakeDir(const std::string& name) {
    fs::path p = fs::path(gState.root) / name;
    fs::create_directories(p);
    return p.string();
}

std::string FixturePath(const std::string& relative) { return std::string(ZELKER_FIXTURES_DIR) + "/" + relative; }

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void InstallListener() { ::testing::UnitTest::GetInstance()->listeners().Append(new PerTestListener); }

}  // namespace testsupport
