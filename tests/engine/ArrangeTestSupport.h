#pragma once
// Helpers of the arrangement, conversion and insertion tests: the shipped
// keyword table, a source parsed into the source model, statement texts, and
// the options these steps read set back to their first-run values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/EngineState.h"
#include "engine/Zelk.h"
#include "analysis/FileParse.h"
#include "analysis/KeywordTable.h"
#include "settings/ProgramOptions.h"
#include "platform/Paths.h"
#include "analysis/SourceModel.h"
#include "TestSupport.h"
#include "common/mKEMCommon.h"

namespace arrangetest {

// Every option at its first-run value: no test sees what an earlier one set.
inline void ResetOptions() { goOptions = ZelkOptions{}; }

// Every test starts with the shipped keyword table and first-run options.
class ArrangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetOptions();
        BabReset();
        BabInit();
        ASSERT_EQ(oDebug->StatusCode, 0) << "keyword file not loaded";
        gsCurrentFileName = "Module1.bas";
        gsModuleName = "Module1";
    }
};

// Parses the text (lines joined by CR LF) as the single entry of oFile.
inline void ParseLines(const std::vector<std::string>& lines, const std::string& fileKind = "M") {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    std::string path = paths::Join(testsupport::MakeDir("src"), "Module1.bas");
    testsupport::WriteFile(path, text);
    OpenOneFileSession(path);
    oDebug->ClearStatus();
    gModel = ProcessSelectedFile(1, fileKind);
    ASSERT_EQ(oDebug->StatusCode, 0);
}

// The statement's tokens as they would be written: leading blanks and text.
inline std::string Text(long stmt) {
    std::string text;
    const BabStatement& s = yStatement[static_cast<size_t>(stmt)];
    for (long t = s.FirstToken; t > 0 && t <= s.LastToken; ++t)
        text += yToken[static_cast<size_t>(t)].WhiteSpaceLeft + yToken[static_cast<size_t>(t)].Piece;
    return text;
}

// The first statement of the record (the source's line number, from 1).
inline long StatementOfLine(long line) { return yRecord[static_cast<size_t>(line)].FirstStmt; }

// The procedure table entry of that name.
inline int ProcIndex(const std::string& name) {
    for (size_t i = 0; i < gtProcTable.size(); ++i)
        if (gtProcTable[i].Name == name) return static_cast<int>(i);
    ADD_FAILURE() << "no module part " << name;
    return -1;
}

}  // namespace arrangetest
