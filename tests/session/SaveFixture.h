#pragma once
// A session of one zelked file, ready to be saved: the source in its own
// folder, the temporary output and log in the running copy's own folder, and the
// save settings at their first-run values.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/EngineState.h"
#include "common/IProgressView.h"
#include "session/IViewFileList.h"
#include "platform/Paths.h"
#include "session/SaveAFile.h"
#include "platform/TempFiles.h"
#include "Lend.h"
#include "TestSupport.h"
#include "common/mKEMCommon.h"

class FakeCaption : public ICaption {
public:
    std::string Text;
    std::string Caption() const override { return Text; }
    void SetCaption(const std::string& text) override { Text = text; }
};

class FakeViewList : public IViewFileList {
public:
    int Items = 1;
    std::vector<std::pair<int, bool>> Calls;
    bool SetViewFileChecked(int item, bool checked) override {
        Calls.emplace_back(item, checked);
        return item < Items;
    }
};

class SaveFixture : public ::testing::Test {
protected:
    ScriptedUiServices& ui = testsupport::Ui();
    FakeCaption status;
    FakeViewList viewList;
    std::string srcDir;
    std::string source;
    // The settings the saves go by.
    ZelkOptions options;
    testsupport::Lend<ICaption*> statusLine{gctlStatus, &status};

    void SetUp() override {
        options.giSaveInBackup = SaveMode::ReplaceWithBackup;
        options.giBackup = BackupPlace::BesideSource;
        options.gsBackupDirectory.clear();
        options.giOverwrite = OverwriteMode::NumberedCycles;
        options.giLogOverwrite = OverwriteMode::KeepNoLog;
        options.gblnLogSignificant = false;
        options.gblnSaveZelInfo = false;
        options.gsSaveZelFile = paths::Join(testsupport::ProgramDir(), "KEMHIST.KEM");
        srcDir = testsupport::MakeDir("src") + "/";
        OpenSession("Form1.frm", "old source\r\n");
    }

    // Makes `name` in srcDir the one file of the session and gives it a
    // zelked output "output 1" and a log.
    void OpenSession(const std::string& name, const std::string& content) {
        source = srcDir + name;
        testsupport::WriteFile(source, content);
        oFile = std::make_unique<cFileCollection>();
        cFileDesc entry;
        entry.FileName = source;
        oFile->Add(entry);
        gtFileStats.assign(2, FileStatsRecord{});
        gsTempOutFile.assign(2, "");
        gsTempLogFile.assign(2, "");
        gblnFileZelked.assign(2, false);
        Zelked("output 1\r\n");
    }

    // A new zelk run of file 1: fresh temporary output and log.
    void Zelked(const std::string& output, long warnings = 0) {
        gsTempOutFile[1] = tempfiles::Create(testsupport::TempDir(), "PV");
        testsupport::WriteFile(gsTempOutFile[1], output);
        gsTempLogFile[1] = tempfiles::Create(testsupport::TempDir(), "PV");
        testsupport::WriteFile(gsTempLogFile[1], "log of " + output);
        gtFileStats[1].Warnings = warnings;
        gtFileStats[1].FileName = source;
    }

    bool Save() {
        bool saved = false;
        sbSaveAFile(1, options, saved, &viewList);
        return saved;
    }

    static bool Exists(const std::string& path) { return std::filesystem::exists(path); }
    static std::string Read(const std::string& path) { return testsupport::ReadFile(path); }
    std::string Backup(const std::string& name) const { return srcDir + "ZELBACK/" + name; }
};
