#pragma once
// The state every file-selection test starts from: options with the
// first-run extension lists, an empty recent-file list, a new shared file dialog and a folder
// of source files.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "projects/IMRUMenu.h"
#include "settings/ZelkOptions.h"
#include "Lend.h"
#include "TestSupport.h"
#include "common/clsCommonDialog.h"
#include "settings/mINIHandler.h"
#include "common/mKEMCommon.h"
#include "projects/modMRU.h"

// The File menu's recent-file items as the window would show them.
class FakeMRUMenu : public IMRUMenu {
public:
    std::array<std::string, 9> Captions;
    std::array<bool, 9> Visible{};
    int Refreshes = 0;
    void SetMRUCaption(int item, const std::string& caption) override {
        Captions.at(static_cast<size_t>(item)) = caption;
        if (item == 1) ++Refreshes;
    }
    void ShowMRUItem(int item) override { Visible.at(static_cast<size_t>(item)) = true; }
};

class ProjectsFixture : public ::testing::Test {
protected:
    ScriptedUiServices& ui = testsupport::Ui();
    FakeMRUMenu menu;
    ZelkOptions options;
    std::string dir;
    testsupport::Lend<std::vector<std::string>> mru{gsMRU, std::vector<std::string>(kMRUEntries + 1)};
    testsupport::Lend<std::unique_ptr<clsCommonDialog>> dialog{oCommonDialog, std::make_unique<clsCommonDialog>()};

    void SetUp() override {
        dir = testsupport::MakeDir("src");
        sbInitINI();
    }

    void SetMRU(std::vector<std::string> entries) {
        gsMRU.assign(kMRUEntries + 1, std::string());
        for (size_t i = 0; i < entries.size(); ++i) gsMRU[i + 1] = entries[i];
    }

    std::vector<std::string> MRU() const { return {gsMRU.begin() + 1, gsMRU.end()}; }

    // A source file of the folder.
    std::string Source(const std::string& name,
                       const std::string& text = "Attribute VB_Name = \"Module1\"\r\nOption Explicit\r\n") {
        std::string path = dir + "/" + name;
        testsupport::WriteFile(path, text);
        return path;
    }

    std::vector<std::string> OpenedNames() const {
        std::vector<std::string> names;
        for (long i = 1; i <= oFile->Count(); ++i) names.push_back(oFile->Item(i).FileName);
        return names;
    }
};
