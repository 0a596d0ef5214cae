#pragma once
// A session run headless: the main window as a fake that records what the
// commands do to it, the real file choice, engine and save, the first-run
// settings, and scripted answers to every question.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/AppIdentity.h"
#include "platform/Clock.h"
#include "analysis/KeywordTable.h"
#include "FakeZelkWindow.h"
#include "platform/Paths.h"
#include "engine/ProcessFile.h"
#include "session/SessionCommands.h"
#include "mainwindow/SessionState.h"
#include "session/SessionWindow.h"
#include "analysis/SourceModel.h"
#include "Lend.h"
#include "ServiceScopes.h"
#include "spelling/SpellingInstaller.h"
#include "options/OptionsChanged.h"
#include "TestSupport.h"
#include "mainwindow/Viewer.h"
#include "common/clsCommonDialog.h"
#include "settings/mINIHandler.h"
#include "common/mKEMCommon.h"
#include "projects/modMRU.h"

// The main window as the session's commands see it.
class FakeSessionWindow : public FakeZelkWindowOf<ISessionWindow> {
public:
    struct Item {
        std::string Caption;
        bool Checked = false, Visible = false;
    };
    std::map<std::string, bool> enabled, checked, visible;
    std::map<int, Item> viewList{{0, Item{"&ViewFile"}}};
    std::string mruCaptions[8];
    bool mruVisible[8] = {};

    // The viewer: what it shows and the frame's caption (its visibility,
    // the window's caption and the record label are the zelk window's).
    std::string shownFile, frameCaption;
    std::vector<std::string> views;  // "INFILE 1", "LOGFILE 2", ...
    std::vector<bool> zelking;       // SetZelking calls
    int unhooked = 0, fileListShown = 0, fileListUnloaded = 0, aboutShown = 0;
    std::vector<int> fileListAnswers;  // -1: closed without a choice
    std::function<void()> onOptions;

    // ICommandControls
    bool Enabled(const std::string& n) const override {
        auto it = enabled.find(n);
        return it == enabled.end() || it->second;
    }
    void SetEnabled(const std::string& n, bool on) override { enabled[n] = on; }
    bool Checked(const std::string& n) const override {
        if (int item = ViewItem(n); item >= 0) return viewList.count(item) && viewList.at(item).Checked;
        auto it = checked.find(n);
        return it != checked.end() && it->second;
    }
    void SetChecked(const std::string& n, bool on) override {
        if (int item = ViewItem(n); item >= 0) {
            viewList.at(item).Checked = on;
            return;
        }
        checked[n] = on;
    }
    void SetVisible(const std::string& n, bool on) override {
        if (int item = ViewItem(n); item >= 0) {
            viewList.at(item).Visible = on;
            return;
        }
        visible[n] = on;
    }
    void RefreshToolBar() override {}

    // ISessionWindow
    bool Visible(const std::string& n) const override {
        if (int item = ViewItem(n); item >= 0) return viewList.count(item) && viewList.at(item).Visible;
        auto it = visible.find(n);
        return it != visible.end() && it->second;
    }
    bool ShowFile(const std::string& which, int fileIndex) override {
        views.push_back(which + " " + std::to_string(fileIndex));
        const ViewChoice view = fnChooseView(which, fileIndex);
        if (!view.Show) return true;
        const bool readable = std::filesystem::is_regular_file(view.File);
        shownFile = readable ? view.File : std::string();
        frameCaption = oFile->Item(fileIndex).FileName + (readable ? view.Suffix : " -- Not Available");
        frameVisible = true;
        return readable;
    }
    void ViewShow(int index) override {
        static const char* const kViews[] = {"INFILE", "OUTFILE", "LOGFILE"};
        for (int i = 0; i <= 2; ++i) checked["mnuViewShow_" + std::to_string(i)] = i == index;
        ShowFile(kViews[index], giFileIndex);
    }
    void LoadViewFileItem(int item) override { viewList[item] = viewList.at(0); }
    void UnloadViewFileItem(int item) override {
        if (item >= 1) viewList.erase(item);
    }
    void SetViewFileCaption(int item, const std::string& c) override { viewList.at(item).Caption = c; }
    int ShowFileList() override {
        ++fileListShown;
        const int answer = fileListAnswers.empty() ? -1 : fileListAnswers.front();
        if (!fileListAnswers.empty()) fileListAnswers.erase(fileListAnswers.begin());
        return answer;
    }
    void UnloadFileList() override { ++fileListUnloaded; }
    void SetZelking(bool on) override { zelking.push_back(on); }
    void ShowOptionsDialog() override {
        if (onOptions) onOptions();
    }
    void ShowAbout() override { ++aboutShown; }
    void UnhookText() override { ++unhooked; }
    ZelkOptions& Settings() override { return settings; }
    // The settings the commands work with, in place of the program's own.
    ZelkOptions settings;

    // IViewFileList
    bool SetViewFileChecked(int item, bool on) override {
        auto it = viewList.find(item);
        if (it == viewList.end()) return false;
        it->second.Checked = on;
        return true;
    }
    // IMRUMenu
    void SetMRUCaption(int item, const std::string& c) override { mruCaptions[item] = c; }
    void ShowMRUItem(int item) override { mruVisible[item] = true; }

    // The View list as captions, and the item that carries the check mark.
    std::vector<std::string> ViewCaptions() const {
        std::vector<std::string> captions;
        for (const auto& [item, entry] : viewList)
            if (entry.Visible) captions.push_back(entry.Caption);
        return captions;
    }
    std::vector<int> CheckedItems() const {
        std::vector<int> items;
        for (const auto& [item, entry] : viewList)
            if (entry.Checked) items.push_back(item);
        return items;
    }

private:
    static int ViewItem(const std::string& n) {
        const std::string prefix = "mnuViewFile_";
        return n.rfind(prefix, 0) == 0 ? std::stoi(n.substr(prefix.size())) : -1;
    }
};

class StatusCaption : public ICaption {
public:
    std::string Text = "Ready";
    std::vector<std::string> History;
    std::string Caption() const override { return Text; }
    void SetCaption(const std::string& t) override {
        Text = t;
        History.push_back(t);
    }
};

using Names = std::vector<std::string>;

// Gives a file a last-write time in local time.
inline void SetFileTime(const std::string& path, DateTime t) {
    std::tm tm{};
    tm.tm_year = t.Year - 1900;
    tm.tm_mon = t.Month - 1;
    tm.tm_mday = t.Day;
    tm.tm_hour = t.Hour;
    tm.tm_min = t.Minute;
    tm.tm_sec = t.Second;
    tm.tm_isdst = -1;
    const auto seconds = std::chrono::sys_seconds{std::chrono::seconds{std::mktime(&tm)}};
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::from_sys(seconds));
}

class SessionFixture : public ::testing::Test {
protected:
    ScriptedUiServices& ui = testsupport::Ui();
    FakeSessionWindow w;
    StatusCaption status;
    FakeClock clock;  // the engine's pauses take no time
    std::string dir;
    testsupport::ClockScope fixedClock{clock};
    testsupport::Lend<std::unique_ptr<clsCommonDialog>> dialog{oCommonDialog, std::make_unique<clsCommonDialog>()};
    testsupport::Lend<std::vector<std::string>> mru{gsMRU, std::vector<std::string>(kMRUEntries + 1)};
    testsupport::Lend<bool> unsaved{gblnUnsaved, false};
    testsupport::Lend<bool> multiFile{gblnMultiFile, false};
    testsupport::Lend<bool> optionsChanged{gblnOptionsChanged, false};
    testsupport::Lend<ICaption*> statusLine{gctlStatus, &status};
    testsupport::Lend<IZelkWindow*> host{gfrmZelker, &w};
    SpellingInstalled spelling{nullptr};  // as the program's start-up installs it

    // The settings of the session: indentation and Option Explicit on, the
    // rest as on a first run.
    static constexpr const char* kSettings = "[Indentation]\r\nAsIs=No\r\n[General]\r\nOptionExplicit=Yes\r\n";
    // A module the engine changes without a warning, and one that earns one
    // (no Option Explicit).
    static constexpr const char* kClean =
        "Attribute VB_Name = \"Clean\"\r\nOption Explicit\r\nPublic Sub Go()\r\nIf 1 Then\r\nx = 2\r\nEnd If\r\n"
        "End Sub\r\n";
    static constexpr const char* kWarned = "Attribute VB_Name = \"Warned\"\r\n\r\nPublic Sub Go()\r\nEnd Sub\r\n";

    void SetUp() override {
        clock.Current = DateTime{2026, 3, 7, 15, 0, 0};
        testsupport::WriteFile(paths::Join(testsupport::ConfigDir(), kSettingsFileName), kSettings);
        sbGetINIInfo(w.settings);
        BabReset();
        BabInit();
        oDebug->ClearStatus();
        oAppInfo->IsAProjectFile = oAppInfo->IsAResourceFile = false;
        sbSizeFileArrays(0);
        dir = testsupport::MakeDir("src");
    }

    std::string Source(const std::string& name, const std::string& text = kClean) {
        const std::string path = paths::Join(dir, name);
        testsupport::WriteFile(path, text);
        return path;
    }

    // The Open command with the given names picked in the file dialog
    // (none: the dialog is cancelled).
    void Open(const Names& picked) {
        FileDialogResult result;
        result.Accepted = !picked.empty();
        result.Files = picked;
        ui.FileDialogAnswers.push_back(result);
        mnuFileOpen_Click(w);
    }

    // The questions and messages shown since the last call, by prompt.
    Names Prompts() {
        Names prompts;
        for (size_t i = seenMessages_; i < ui.Messages.size(); ++i) prompts.push_back(ui.Messages[i].Prompt);
        seenMessages_ = ui.Messages.size();
        return prompts;
    }
    void Answer(std::vector<int> answers) {
        ui.MsgBoxAnswers.insert(ui.MsgBoxAnswers.end(), answers.begin(), answers.end());
    }

    Names OpenNames() const {
        Names names;
        for (long i = 1; i <= oFile->Count(); ++i) names.push_back(oFile->Item(i).FileName);
        return names;
    }
    static bool Exists(const std::string& path) { return std::filesystem::exists(path); }
    // This copy's own temporary files, in its own folder.
    static Names OwnTemporaryFiles() {
        Names names;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(testsupport::TempDir(), ec)) {
            const std::string n = e.path().filename().string();
            if (n.size() > 6 && n.rfind("PV", 0) == 0 && n.substr(n.size() - 4) == ".TMP") names.push_back(n);
        }
        return names;
    }
    bool NothingOpen() const {
        return oFile->Count() == 0 && !w.frameVisible && !w.Enabled("mnuProcessZelk") &&
               !w.Enabled("mnuFileClose_0") && w.caption == app::kTitle;
    }

private:
    size_t seenMessages_ = 0;
};
