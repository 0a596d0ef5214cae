#include "DumpCommand.h"

#include <cstdio>

#include "KeywordTable.h"
#include "RecordReader.h"
#include "SharedState.h"
#include "SourceModel.h"
#include "VBError.h"
#include "mKEMCommon.h"

namespace {

std::string Escaped(const std::string& s) {
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

void DumpToken(long t, std::ostream& out) {
    const BabToken& k = yToken[static_cast<size_t>(t)];
    out << "  T" << t << " @" << k.Where << " ws=" << Escaped(k.WhiteSpaceLeft) << " piece=" << Escaped(k.Piece)
        << " class=" << k.Class << "/" << k.Detail << " flags=" << k.FlagsMisc << "/" << k.FlagsOut;
    if (k.IsKeyWord) out << " kw=" << BabKeyWordAt(k.pKeyWord).KeyWord;
    out << "\n";
}

void DumpRecords(std::ostream& out) {
    out << "RECORDS " << glRecordCount << " TOKENS " << glTokenCount << "\n";
    for (long r = 1; r <= glRecordCount; ++r) {
        const BabRecord& rec = yRecord[static_cast<size_t>(r)];
        out << "R" << r << " tokens=" << rec.FirstToken << ".." << rec.LastToken << "\n";
        for (long t = rec.FirstToken; t > 0 && t <= rec.LastToken; ++t) DumpToken(t, out);
    }
}

void Analyse(const std::string& path) {
    if (!BabIsInitialised()) BabInit();
    goInputFile.Open(path);
    giInputFileNo = 1;
    BabInitFile(yRecord, glRecordCount, yStatement, glStmtCount, yToken, glTokenCount, "6");
    oDebug->ClearStatus();
    while (oDebug->StatusCode == 0) {
        bool commentContinues = false;
        ReadRecordExtractTokens(goInputFile, yRecord, glRecordCount, yToken, glTokenCount, commentContinues);
    }
    goInputFile.Close();
    giInputFileNo = 0;
}

}  // namespace

int RunDump(const std::vector<std::string>& args, std::ostream& out) {
    if (args.size() != 1) {
        out << "usage: dump FILE\n";
        return 2;
    }
    const std::string& path = args[0];
    out << "FILE " << path << "\n";
    try {
        Analyse(path);
    } catch (const VBError& e) {
        out << "ERROR " << e.Number << " " << e.Description << "\n";
        return 1;
    }
    if (oDebug->StatusCode != 11 && oDebug->StatusCode != 0)
        out << "STATUS " << oDebug->StatusCode << " REASON " << oDebug->ReasonCode << "\n";
    DumpRecords(out);
    return 0;
}
