#pragma once
// Helpers of the arrangement, conversion and insertion tests: the shipped
// keyword table, a source parsed into the source model, statement texts, and
// the options these steps read at their first-run values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/EngineState.h"
#include "engine/Zelk.h"
#include "analysis/FileParse.h"
#include "analysis/KeywordTable.h"
#include "platform/Paths.h"
#include "analysis/SourceModel.h"
#include "engine/ZelkRun.h"
#include "TestSupport.h"
#include "common/mKEMCommon.h"

namespace arrangetest {

// Every test starts with the shipped keyword table and first-run options of
// its own; its steps are handed the fixture's run, which holds the parsed
// model and those options.
class ArrangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        BabReset();
        BabInit();
        ASSERT_EQ(oDebug->StatusCode, 0) << "keyword file not loaded";
        gsCurrentFileName = "Module1.bas";
        model.gsModuleName = "Module1";
    }

    // Parses the text (lines joined by CR LF) as the single entry of oFile
    // into the run's model.
    void ParseLines(const std::vector<std::string>& lines, const std::string& fileKind = "M") {
        std::string text;
        for (const std::string& line : lines) text += line + "\r\n";
        std::string path = paths::Join(testsupport::MakeDir("src"), "Module1.bas");
        testsupport::WriteFile(path, text);
        OpenOneFileSession(path);
        oDebug->ClearStatus();
        model = ProcessSelectedFile(1, fileKind);
        ASSERT_EQ(oDebug->StatusCode, 0);
    }

    // The statement's tokens as they would be written: leading blanks and text.
    std::string Text(long stmt) const {
        std::string text;
        const BabStatement& s = model.yStatement[static_cast<size_t>(stmt)];
        for (long t = s.FirstToken; t > 0 && t <= s.LastToken; ++t) {
            const BabToken& token = model.yToken[static_cast<size_t>(t)];
            text += token.WhiteSpaceLeft + token.Piece;
        }
        return text;
    }

    // The first statement of the record (the source's line number, from 1).
    long StatementOfLine(long line) const { return model.yRecord[static_cast<size_t>(line)].FirstStmt; }

    // The procedure table entry of that name.
    int ProcIndex(const std::string& name) const {
        for (size_t i = 0; i < model.gtProcTable.size(); ++i)
            if (model.gtProcTable[i].Name == name) return static_cast<int>(i);
        ADD_FAILURE() << "no module part " << name;
        return -1;
    }

    ProcInfo& Part(const std::string& name) { return model.gtProcTable[static_cast<size_t>(ProcIndex(name))]; }

    ZelkOptions options;
    ZelkRun run{options};
    SourceModel& model = run.model;
};

}  // namespace arrangetest
