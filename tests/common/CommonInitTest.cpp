#include <gtest/gtest.h>

#include "common/ErrorTrap.h"
#include "TestSupport.h"
#include "common/mKEMCommon.h"

TEST(sbCommonInit, RunModes) {
    struct {
        const char* line;
        int mode;
        const char* file;
    } cases[] = {
        {"", 0, ""},
        {"/idemode", 3, ""},
        {"/idemode c:\\a.bas", 2, "c:\\a.bas"},
        {"/init /idemode", 3, ""},
        {"/INIT", 4, ""},
        {"/initx", 2, "x"},
        {"\"\"", 0, ""},
        {"\" \"", 2, " "},
        {"  My File.BAS ", 2, "my file.bas"},
    };
    for (auto c : cases) {
        EXPECT_EQ(fiRunModeFor(c.line), c.mode) << c.line;
        EXPECT_EQ(fsCommandFile(c.line), c.file) << c.line;
    }
}

TEST(sbCommonInit, CreatesTheSharedObjects) {
    oLog.reset();
    oFile.reset();
    sbCommonInit("/idemode");
    EXPECT_EQ(giRunMode, 3);
    ASSERT_TRUE(oWindow && oAppInfo && oWindowObject && oLog && oDebug && oFile);
    EXPECT_TRUE(oDebug->LogApp);
    EXPECT_FALSE(oDebug->LogClasses);
    EXPECT_EQ(oFile->Count(), 0);
    EXPECT_EQ(oLog->QueuedCount(), 1);  // the log's banner waits for a file
}

TEST(ErrorTrap, ReportsUnlessTrappingIsOff) {
    auto failing = [] { return Trapped("sbSomething", []() -> int { RaiseError(vberr::kFileNotFound, "src"); }); };
    try {
        failing();
        FAIL();
    } catch (const ErrorReported& r) {
        EXPECT_EQ(r.Number, 53);
        EXPECT_EQ(r.ProcName, "sbSomething");
        EXPECT_EQ(r.Source, "src");
        EXPECT_EQ(r.Description, "File not found");
    }
    oDebug->DontTrapErrors = true;
    EXPECT_THROW(failing(), VBError);
}

TEST(ErrorTrap, RaiseStatusSetsTheWords) {
    try {
        RaiseStatus(4, -2, "ReadRecord");
        FAIL();
    } catch (const VBError& e) {
        EXPECT_EQ(e.Number, 32000);
        EXPECT_EQ(oDebug->StatusCode, 4);
        EXPECT_EQ(oDebug->ReasonCode, -2);
    }
}

TEST(cFileCollection, OneBasedAndChecked) {
    cFileDesc d;
    EXPECT_EQ(d.FileType, 2);
    oFile->Add({"/a", 2});
    oFile->Add({"/b", 1});
    EXPECT_EQ(oFile->Item(2).FileName, "/b");
    EXPECT_THROW(oFile->Item(0), VBError);
    EXPECT_THROW(oFile->Item(3), VBError);
    oFile->Remove(1);
    EXPECT_EQ(oFile->Item(1).FileName, "/b");
}
