#include "DumpCommand.h"

#include <cstdio>

#include "analysis/FileParse.h"
#include "analysis/KeywordTable.h"
#include "analysis/SourceModel.h"
#include "platform/TextFile.h"
#include "platform/VBError.h"
#include "common/mKEMCommon.h"

namespace {

std::string Escaped(std::string_view s) {
    std::string out = "|";
    for (unsigned char c : s) {
        if (c == '\t') {
            out += "\\t";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c < 32) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "|";
}

void DumpToken(const SourceModel& m, long t, std::ostream& out) {
    const BabToken& k = m.yToken[static_cast<size_t>(t)];
    int kind = t < static_cast<long>(m.yTokenKind.size()) ? m.yTokenKind[static_cast<size_t>(t)] : 0;
    out << "  T" << t << " @" << k.Where << " ws=" << Escaped(k.WhiteSpaceLeft) << " piece=" << Escaped(k.Piece)
        << " class=" << CodeOf(k.Class) << "/" << static_cast<int>(k.Detail) << " flags=" << static_cast<int>(k.FlagsMisc) << "/"
        << static_cast<int>(k.FlagsOut)
        << " stmt=" << k.Statement << " kind=" << kind;
    if (k.IsKeyWord) out << " kw=" << BabKeyWordAt(k.pKeyWord).KeyWord;
    out << "\n";
}

void DumpStatement(const SourceModel& m, long s, std::ostream& out) {
    const BabStatement& st = m.yStatement[static_cast<size_t>(s)];
    std::string verb = st.Verb ? m.yToken[static_cast<size_t>(st.Verb)].Piece.str() : std::string();
    out << "  S" << s << " class=" << CodeOf(st.Class) << "/" << st.Detail << " flags=" << st.Flags
        << " verb=" << st.Verb << Escaped(verb) << " tokens=" << st.FirstToken << ".." << st.LastToken
        << " sig=" << st.LastSignificant << " records=" << st.RecordFirst << ".." << st.RecordLast << "\n";
}

void DumpModel(const SourceModel& m, std::ostream& out) {
    out << "MODULE " << Escaped(m.gsModuleName) << "\n";
    out << "RECORDS " << m.glRecordCount << " STATEMENTS " << m.glStmtCount << " TOKENS " << m.glTokenCount << "\n";
    long s = 1;
    for (long r = 1; r <= m.glRecordCount; ++r) {
        const BabRecord& rec = m.yRecord[static_cast<size_t>(r)];
        out << "R" << r << " level=" << rec.IndentLevel << " stmts=" << rec.FirstStmt << ".." << rec.LastStmt
            << " tied=" << rec.TiedTo << "/" << rec.TiedBack << " tokens=" << rec.FirstToken << ".." << rec.LastToken
            << "\n";
        if (rec.FirstToken == 0) continue;
        for (long t = rec.FirstToken; t <= rec.LastToken; ++t) DumpToken(m, t, out);
        for (; s <= m.glStmtCount && m.yStatement[static_cast<size_t>(s)].FirstToken <= rec.LastToken; ++s)
            DumpStatement(m, s, out);
    }
    for (size_t i = 0; i < m.gtProcTable.size(); ++i) {
        const ProcInfo& p = m.gtProcTable[i];
        out << "P" << i << " " << Escaped(p.Name) << " kind=" << p.Kind << " records=" << p.FirstRecord << ".."
            << p.LastRecord << " stmts=" << p.FirstStmt << ".." << p.LastStmt << " public=" << p.IsPublic
            << " event=" << p.IsEventName << "\n";
    }
}

}  // namespace

SourceModel ParseAsOnlyFile(const std::string& path) {
    if (!BabIsInitialised()) BabInit();
    const std::string kind = FileKindOf(path);
    oFile = std::make_unique<cFileCollection>();
    cFileDesc entry;
    entry.FileName = path;
    oFile->Add(entry);
    oDebug->ClearStatus();
    return ProcessSelectedFile(1, kind);
}

int RunDump(const std::vector<std::string>& args, std::ostream& out) {
    if (args.size() != 1) {
        out << "usage: dump FILE\n";
        return 2;
    }
    const std::string& path = args[0];
    out << "FILE " << path << "\n";
    SourceModel model;
    try {
        model = ParseAsOnlyFile(path);
    } catch (const VBError& e) {
        out << "ERROR " << e.Number << " " << e.Description << "\n";
        return 1;
    }
    if (oDebug->StatusCode != 0) out << "STATUS " << oDebug->StatusCode << " REASON " << oDebug->ReasonCode << "\n";
    DumpModel(model, out);
    return 0;
}
