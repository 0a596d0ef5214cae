#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "common/mKEMCommon.h"

TEST(cWindow, VersionText) {
    EXPECT_EQ(cWindow::FormatVersion({2, 5, 1, 2600, "Service Pack 3"}), " Windows NT Version 5.1 Build 2600 Service Pack 3");
    EXPECT_EQ(cWindow::FormatVersion({1, 4, 0, (7 << 16) | 950, ""}), " Windows 95 Version 4.0 Build 950 ");
    EXPECT_EQ(cWindow::FormatVersion({1, 4, 10, 1998, ""}), " Windows 98 Version 4.10 Build 1998 ");
    EXPECT_EQ(cWindow::FormatVersion({7, 3, 1, 5, "x"}), "3.1 Build 5 x");
    EXPECT_EQ(oWindow->WinVersion().substr(0, 15), " Linux Version ");
}

TEST(cWindow, TempFilesLiveInTheRunningCopysOwnFolder) {
    std::string a = oWindow->GetTempFile("PV");
    std::string b = oWindow->GetTempFile("PV");
    EXPECT_NE(a, b);
    EXPECT_EQ(std::filesystem::path(a).parent_path().string(), testsupport::TempDir());
    EXPECT_TRUE(std::filesystem::exists(a));
}

TEST(cWindow, CentreExtentAndHelp) {
    double left, top;
    cWindow::CenterPosition(1000, 801, 500, 400, left, top);
    EXPECT_EQ(left, 250);
    EXPECT_EQ(top, 200);  // 200.5 rounds to even
    EXPECT_EQ(cWindow::ExtentPixels(1500), 100);
    EXPECT_EQ(cWindow::ExtentPixels(0), -1);

    oWindow->CallWinHelp("", HELP_FINDER, 0);
    EXPECT_TRUE(testsupport::Ui().Messages.empty());
    oWindow->CallWinHelp(testsupport::ProgramDir() + "/zelker.hlp", HELP_FINDER, 0);
    EXPECT_EQ(testsupport::Ui().Messages.size(), 1u);
    EXPECT_TRUE(testsupport::Ui().OpenedUrls.empty());
}
