#pragma once
// Helpers of the engine tests: settings from an INI text, a source model
// built by hand, a run's output and log opened on temporary files, and
// a session of one file.
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/EngineState.h"
#include "settings/ProgramOptions.h"
#include "engine/Zelk.h"
#include "engine/ZelkRun.h"
#include "analysis/FileParse.h"
#include "platform/Paths.h"
#include "TestSupport.h"
#include "platform/TextFile.h"
#include "platform/VBText.h"
#include "settings/mINIHandler.h"
#include "common/mKEMCommon.h"

namespace enginetest {

// Every setting loaded from the text as the settings file (missing keys take
// their defaults), for the test to hand to its runs, and the session's state
// as a new session has it. The per-file state is a test's own ZelkRun.
inline ZelkOptions LoadSettings(const std::string& ini = "") {
    testsupport::WriteFile(paths::Join(testsupport::ConfigDir(), kSettingsFileName), ini);
    ZelkOptions options;
    sbGetINIInfo(options);
    glNextLineNumber = 0;
    return options;
}

// Makes the model empty: element 0 of every array, no entries.
inline void ClearModel(SourceModel& m) {
    m.yRecord.assign(1, BabRecord{});
    m.yStatement.assign(1, BabStatement{});
    m.yToken.assign(1, BabToken{});
    m.glRecordCount = m.glStmtCount = m.glTokenCount = 0;
    m.gtProcTable.assign(1, ProcInfo{});
}

struct Tok {
    std::string piece;
    std::string blanks = "";
    TokenClass cls = TokenClass::Name;
    long detail = tokdetail::kName;
};

inline Tok KeywordTok(const std::string& piece, const std::string& blanks = " ") {
    return {piece, blanks, TokenClass::Keyword, tokdetail::kKeyword};
}
inline Tok OperatorTok(const std::string& piece, const std::string& blanks = " ") {
    return {piece, blanks, TokenClass::Operator, tokdetail::kOperator};
}
inline Tok StringTok(const std::string& piece, const std::string& blanks = " ") {
    return {piece, blanks, TokenClass::Literal, tokdetail::kString};
}
inline Tok CommentTok(const std::string& piece, const std::string& blanks = " ") {
    return {piece, blanks, TokenClass::NonCode, tokdetail::kComment};
}
inline Tok LabelReferenceTok(const std::string& piece, const std::string& blanks = " ") {
    return {piece, blanks, TokenClass::NonCode, tokdetail::kLabelReference};
}

// Appends one line holding one statement to the model; returns its record
// (and statement) number.
inline long AddLine(SourceModel& m, StatementClass stmtClass, std::initializer_list<Tok> tokens, long flags = 0,
                    long detail = 0) {
    long r = ++m.glRecordCount;
    long s = ++m.glStmtCount;
    BabRecord rec;
    BabStatement st;
    st.Class = stmtClass;
    st.Detail = detail;
    st.Flags = flags;
    st.RecordFirst = st.RecordLast = r;
    rec.FirstStmt = rec.LastStmt = s;
    for (const Tok& t : tokens) {
        BabToken token;
        token.Piece = t.piece;
        token.WhiteSpaceLeft = t.blanks;
        token.Class = t.cls;
        token.Detail = t.detail;
        token.Statement = s;
        m.yToken.push_back(token);
        long index = ++m.glTokenCount;
        if (rec.FirstToken == 0) rec.FirstToken = st.FirstToken = index;
        rec.LastToken = st.LastToken = index;
    }
    m.yRecord.push_back(rec);
    m.yStatement.push_back(st);
    return r;
}

// The blank record after a file's last line.
inline void AddEndRecord(SourceModel& m) {
    ++m.glRecordCount;
    m.yRecord.push_back(BabRecord{});
}

// A run's output and log open on new files of the test's folder.
struct RunFiles {
    std::string out = paths::Join(testsupport::MakeDir("run"), "out.txt");
    std::string log = paths::Join(testsupport::MakeDir("run"), "log.txt");
    ZelkRun* run = nullptr;
    RunFiles() = default;
    explicit RunFiles(ZelkRun& r) { Attach(r); }
    // Opens the run's output and log on these files; a later run (a test's
    // next file) goes on writing where the one before stopped.
    void Attach(ZelkRun& r) {
        const LineWriter::Mode mode = run ? LineWriter::Mode::Append : LineWriter::Mode::Output;
        r.goOutFile.Open(out, mode);
        r.goLogFile.Open(log, mode);
        run = &r;
    }
    std::vector<std::string> Output() {
        if (run) run->goOutFile.Close();
        return textfile::SplitLines(testsupport::ReadFile(out));
    }
    std::vector<std::string> Log() {
        if (run) run->goLogFile.Close();
        return textfile::SplitLines(testsupport::ReadFile(log));
    }
};

// A session of the one file, as the main window's Open command leaves it.
inline void OpenSession(const std::string& path) { OpenOneFileSession(path); }

}  // namespace enginetest
