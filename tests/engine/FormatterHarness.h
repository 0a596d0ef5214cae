#pragma once
// Runs the source-line formatter over a source text parsed by the real
// analyser, statement by statement in file order, as the zelking loop asks
// for it (without the loop's insertions and white-space rules): the tests
// compare (settings, source lines) with the expected output lines and the
// warnings of the per-file log.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "Lend.h"
#include "analysis/KeywordTable.h"
#include "engine/LabelReferences.h"
#include "engine/SourceLine.h"
#include "engine/SpellingHooks.h"
#include "engine/ZelkRun.h"

namespace formattest {

struct LineInfo {
    std::string text;  // the statement's first output line
    SourceLineKind kind = SourceLineKind::None;
    bool opened = false;
    bool closed = false;
};

struct Formatted {
    std::vector<std::string> lines;
    std::vector<std::string> log;
    std::vector<LineInfo> statements;  // one entry per statement formatted
    // The run's state after the last statement.
    bool ifOpen = false;
    bool inSelect = false;
    long lineNumberWidth = 0;
    SourceModel model;  // the run's model, as the formatter left it
};

inline std::vector<std::string> SplitText(const std::string& text) { return vb::Split(text, "\r\n"); }

// Options from the lines of a settings file ("[Indentation]", "AsIs=No",
// ...), for the test to hand to the formatter.
inline ZelkOptions Settings(const std::vector<std::string>& ini) {
    return enginetest::LoadSettings(vb::Join(ini, "\r\n") + "\r\n");
}

inline std::string WriteModule(const std::vector<std::string>& source, const std::string& name = "Module1.bas") {
    std::string path = paths::Join(testsupport::MakeDir("src"), name);
    testsupport::WriteFile(path, vb::Join(source, "\r\n") + "\r\n");
    return path;
}

// Parses the file as the session's only file.
inline SourceModel Parse(const std::string& path, const std::string& fileKind = "M") {
    enginetest::OpenSession(path);
    BabReset();
    BabInit();
    oDebug->StatusCode = 0;
    SourceModel model = ProcessSelectedFile(1, fileKind);
    EXPECT_EQ(oDebug->StatusCode, 0) << "the parse failed";
    return model;
}

// Formats the parsed file in a run of its own; split single-line Ifs get
// their End If at the column the formatter gives for it.
inline Formatted FormatParsed(const ZelkOptions& options, SourceModel model) {
    Formatted result;
    ZelkRun run{options};
    run.model = std::move(model);
    enginetest::RunFiles files(run);
    sbCollectLabelReferences(run);
    for (const ProcInfo& part : run.model.gtProcTable) {
        run.gsCurrentProc = part.Name;
        run.glLineNumberWidth = 0;
        for (long s = part.FirstStmt; s >= 1 && s <= part.LastStmt; ++s) {
            const BabStatement& st = run.model.yStatement[static_cast<size_t>(s)];
            // The later statements of a code line are written by the first.
            if (st.FirstToken == 0 || st.RecordFirst == 0) continue;
            std::string text;
            if (st.Class == StatementClass::ModuleDescription) {
                sbOutputALine(run.model, s, text);
            } else {
                long stmt = s;
                run.line = sbOutputSourceRecord(run, stmt, text, part.Kind == "D");
            }
            std::vector<std::string> lines = SplitText(text);
            result.statements.push_back({lines.front(), run.line.giLineKind, run.line.gblnBlockOpened, run.line.gblnBlockClosed});
            result.lines.insert(result.lines.end(), lines.begin(), lines.end());
            if (run.line.gblnSplitIfPending) {
                result.lines.push_back(std::string(static_cast<size_t>(run.line.glSplitIfColumn), ' ') + "End If");
                run.line.gblnIfOpen = false;
            }
            run.line.gblnSplitIfPending = false;
            run.line.giLineKind = SourceLineKind::None;
        }
    }
    result.log = files.Log();
    result.ifOpen = run.line.gblnIfOpen;
    result.inSelect = run.line.gblnInSelect;
    result.lineNumberWidth = run.glLineNumberWidth;
    result.model = std::move(run.model);
    return result;
}

inline Formatted Format(const ZelkOptions& options, const std::vector<std::string>& source,
                        const std::string& fileKind = "M") {
    return FormatParsed(options, Parse(WriteModule(source), fileKind));
}

// The warning lines of a log ("WARNING:  " and the finding).
inline std::vector<std::string> Warnings(const Formatted& f) {
    std::vector<std::string> w;
    for (const std::string& line : f.log)
        if (line.rfind("WARNING:  ", 0) == 0) w.push_back(line.substr(10));
    return w;
}

// One case of a table: settings, source, the expected output and the
// expected per-file log (warnings and their second lines).
struct FormatCase {
    const char* name;
    std::vector<std::string> settings;
    std::vector<std::string> source;
    std::vector<std::string> expected;
    std::vector<std::string> log = {};
};

class FormatTable : public ::testing::TestWithParam<FormatCase> {};

inline std::string CaseName(const ::testing::TestParamInfo<FormatCase>& info) { return info.param.name; }

// A module of one procedure around the given body lines.
inline std::vector<std::string> InSub(const std::vector<std::string>& body) {
    std::vector<std::string> source = {"Sub Main()"};
    source.insert(source.end(), body.begin(), body.end());
    source.push_back("End Sub");
    return source;
}

// The body lines back out of an InSub module's output.
inline std::vector<std::string> Body(const Formatted& f) {
    if (f.lines.size() < 2) return {};
    return std::vector<std::string>(f.lines.begin() + 1, f.lines.end() - 1);
}

}  // namespace formattest
