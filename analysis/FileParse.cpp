#include "analysis/FileParse.h"

#include <algorithm>
#include <cerrno>
#include <string_view>

#include "analysis/AnalyserLog.h"
#include "common/AppIdentity.h"
#include "common/ErrorTrap.h"
#include "analysis/KeywordTable.h"
#include "RecordGroups.h"
#include "analysis/StatementAnalysis.h"
#include "platform/TextFile.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBError.h"
#include "platform/VBText.h"
#include "common/WindowHelpers.h"
#include "common/cVEZUZ.h"
#include "common/mKEMCommon.h"

namespace {

const char* const kDeclarations = "<Declarations>";
const char* const kDesigner = "(Designer Object Definition)";

// The model's elements by index.
struct ModelAt {
    SourceModel& m;
    BabToken& Tok(long t) const { return m.yToken[static_cast<size_t>(t)]; }
    BabRecord& Rec(long r) const { return m.yRecord[static_cast<size_t>(r)]; }
    BabStatement& Stmt(long s) const { return m.yStatement[static_cast<size_t>(s)]; }
    bool LastIsEndRecord() const { return m.glRecordCount > 0 && Rec(m.glRecordCount).FirstToken == 0; }
};

uint8_t TokenKind(const BabToken& t) {
    if (t.IsKeyWord || t.Class == TokenClass::Operator || t.Class == TokenClass::Colon) return 3;
    if (t.Class == TokenClass::Name) return 2;
    if (t.Class == TokenClass::Literal) return 4;
    if (t.Class == TokenClass::NonCode &&
        (t.Detail == tokdetail::kLeadingLabel || t.Detail == tokdetail::kLabelReference))
        return 2;
    return 1;
}

// Follows #If ... #End If from the group's code line.
void FollowConditionalCompilation(SourceParse& p, long g) {
    const ModelAt at{p.model};
    auto Tok = [&](long t) -> const BabToken& { return at.Tok(t); };
    auto Rec = [&](long r) -> const BabRecord& { return at.Rec(r); };
    for (long r = g; r <= p.model.glRecordCount; ++r) {
        const BabRecord& rec = Rec(r);
        if (rec.FirstToken == 0 || IsCommentOrBlank(Tok(rec.FirstToken))) continue;
        if (Tok(rec.FirstToken).Piece == "#" && rec.FirstToken < rec.LastToken) {
            const StoredText word = Tok(rec.FirstToken + 1).Piece;
            if (vb::EqualsNoCase(word, "IF")) p.insideIf = true;
            else if (vb::EqualsNoCase(word, "END")) p.insideIf = false;
        }
        return;
    }
}

struct Group {
    long firstRecord;
    long firstStmt;
    long tokensBefore;
    bool isFirst;
};

std::string KindOfHeading(const BabToken& verb, const BabToken* accessor, bool property) {
    if (!property) return std::string(1, vb::UCaseChar(verb.Piece.empty() ? ' ' : verb.Piece[0]));
    char a = accessor && !accessor->Piece.empty() ? vb::UCaseChar(accessor->Piece[0]) : ' ';
    // Accessors are compared without regard to case, so that "property get"
    // written by hand still gives a Property Get.
    if (a == 'G') return "Q";
    if (a == 'L') return "R";
    return "S";
}

void AddEntry(SourceParse& p, long r, const Group& grp) {
    SourceModel& m = p.model;
    const ModelAt at{m};
    auto Tok = [&](long t) -> BabToken& { return at.Tok(t); };
    auto Rec = [&](long i) -> BabRecord& { return at.Rec(i); };
    auto Stmt = [&](long i) -> BabStatement& { return at.Stmt(i); };
    const long glTokenCount = m.glTokenCount;
    std::vector<ProcInfo>& gtProcTable = m.gtProcTable;
    const BabRecord& rec = Rec(r);
    long s = rec.FirstStmt;
    BabStatement& st = Stmt(s);
    bool heading = st.Class == StatementClass::ProcHeading;

    if (grp.isFirst) {
        if (glTokenCount - grp.tokensBefore == 2 && vb::EqualsNoCase(Tok(grp.tokensBefore + 1).Piece, "VERSION"))
            Stmt(Tok(grp.tokensBefore + 1).Statement).Flags = stmtflag::kFormDescription;
        m.gsModuleName.clear();
    }

    // A record without a statement (the blank record after the last line, a
    // rejected line) begins no part.
    if (s == 0) return;

    if (rec.FirstToken != 0 && rec.FirstToken + 3 <= rec.LastToken &&
        Tok(st.FirstToken).Piece == "Attribute" && Tok(rec.FirstToken + 1).Piece == "VB_Name")
        m.gsModuleName = vb::Replace(Tok(rec.FirstToken + 3).Piece, "\"", "");

    std::string name, kind;
    bool isNew = false;
    long verb = 0, nameIndex = 0;
    if (!heading) {
        if (grp.isFirst && (st.Flags & stmtflag::kFormDescription)) {
            name = kDesigner;
            kind = "M";
            isNew = true;
        } else {
            name = kDeclarations;
            kind = "D";
            bool afterForm = grp.firstRecord > 1 &&
                             (Stmt(Rec(grp.firstRecord - 1).FirstStmt).Flags & stmtflag::kFormDescription) &&
                             !(st.Flags & stmtflag::kFormDescription);
            isNew = grp.isFirst || afterForm;
            if (isNew && gtProcTable.size() > 1 && gtProcTable.back().Name != kDeclarations) isNew = false;
        }
    } else {
        isNew = true;
        if (p.insideIf) m.gblnCondCompProc = true;
        verb = st.Verb;
        bool property = vb::EqualsNoCase(Tok(verb).Piece, "PROPERTY");
        nameIndex = verb + (property ? 2 : 1);
        if (nameIndex > glTokenCount) return;
        kind = KindOfHeading(Tok(verb), property ? &Tok(verb + 1) : nullptr, property);
        name = Tok(nameIndex).Piece;
        // Only the heading's own Property word counts: the token two before
        // a Sub's name may be the Property of an End Property just above.
        if (property && (name.empty() || name[0] != '<'))
            name += " [" + Tok(nameIndex - 2).Piece + Tok(nameIndex - 1).Piece + "]";
    }
    if (!isNew) return;
    if (name == gtProcTable.back().Name && kind == gtProcTable.back().Kind) return;

    if (gtProcTable.back().FirstRecord != 0) gtProcTable.emplace_back();
    ProcInfo& e = gtProcTable.back();
    e.Name = name;
    e.Kind = kind;
    e.FirstRecord = grp.firstRecord;
    e.FirstStmt = grp.firstStmt;
    // A procedure starts at its heading (the comments tied to it are added
    // once the file is read); any other part starts with its group, so that
    // the comment lines at its head stay in it.
    if (heading) {
        e.FirstRecord = st.RecordFirst;
        e.FirstStmt = s;
    }

    if (!heading) {
        e.IsPublic = m.gsFileKind == "M";
    } else if (nameIndex <= 2) {
        e.IsPublic = false;
    } else {
        // The scope word in front of the verb (in front of Property).
        std::string scope = verb - 1 >= st.FirstToken ? vb::UCase(Tok(verb - 1).Piece) : std::string();
        if (scope == "PUBLIC") e.IsPublic = true;
        else if (scope == "PRIVATE") e.IsPublic = false;
        else e.IsPublic = m.gsFileKind == "M";
    }

    size_t underscore = e.Name.find('_');
    e.IsEventName = underscore != std::string::npos && underscore >= 1 && BabIsKeyWord(e.Name.substr(underscore + 1));

    if (AppTraceOn())
        AppTrace(" Proc" + Num(static_cast<long>(gtProcTable.size()) - 1) + "- Rec/Name" + Num(e.FirstRecord) + " " +
                 e.Name);
}

void ParseGroups(SourceParse& p, long& n) {
    SourceModel& m = p.model;
    const ModelAt at{m};
    const long& glRecordCount = m.glRecordCount;
    const long& glTokenCount = m.glTokenCount;
    auto Rec = [&](long r) -> const BabRecord& { return at.Rec(r); };
    if (n < 2) p.insideIf = false;
    if (glRecordCount > 0 && Rec(glRecordCount).FirstStmt == 0 && Rec(glRecordCount).FirstToken == 0) {
        std::string text = std::string("sbParseRecord") + "\r\n\r\n" + "Trying to read Record # " + Num(n) +
                           " after EOF.";
        Ui().MsgBox(text, mb::vbOKCancel | mb::vbCritical, "Internal Error");
        LogErrorBlock(text);
        RaiseStatus(6, oDebug->ReasonCode, "sbParseRecord");
    }

    while (true) {
        Group grp{glRecordCount + 1, m.glStmtCount + 1, glTokenCount, glRecordCount == 0};
        BabParseRecord(p);
        int status = oDebug->StatusCode;
        bool added = glTokenCount > grp.tokensBefore;
        // Nothing read (the end of the file, or a failure before any token):
        // the reading ends here.
        if (status != 0 && !added) break;

        m.yTokenKind.resize(static_cast<size_t>(glTokenCount) + 1, 0);
        FollowConditionalCompilation(p, grp.firstRecord);
        for (long t = grp.tokensBefore + 1; t <= glTokenCount; ++t)
            m.yTokenKind.Set(static_cast<size_t>(t), TokenKind(at.Tok(t)));
        for (long r = grp.firstRecord; r <= glRecordCount; ++r) AddEntry(p, r, grp);

        if (status != 0) break;
        if ((n != -1 && glRecordCount >= n) || at.LastIsEndRecord()) break;
    }
    if (p.input.IsOpen() && (at.LastIsEndRecord() || p.input.Eof())) p.input.Close();
    if (n == -1 || n > glRecordCount) n = glRecordCount - 1;
}

// The ranges of the parts, once the file is read: a part starts with the
// comment lines tied to its first line and ends where the next one starts.
void CompleteProcTable(SourceModel& m) {
    const ModelAt at{m};
    auto Rec = [&](long r) -> const BabRecord& { return at.Rec(r); };
    std::vector<ProcInfo>& gtProcTable = m.gtProcTable;
    for (size_t i = 0; i < gtProcTable.size(); ++i) {
        ProcInfo& e = gtProcTable[i];
        long named = e.FirstRecord;
        if (named >= 2 && Rec(named - 1).TiedTo == named) {
            long fr = named;
            while (fr >= 2 && Rec(fr - 1).TiedTo == named) --fr;
            e.FirstRecord = fr;
            e.FirstStmt = Rec(fr).FirstStmt;
        }
        if (i > 0) {
            ProcInfo& prev = gtProcTable[i - 1];
            prev.LastRecord = e.FirstRecord - 1;
            prev.LastStmt = prev.LastRecord >= 0 ? Rec(prev.LastRecord).LastStmt : 0;
        }
    }
    gtProcTable.back().LastRecord = m.glRecordCount;
    gtProcTable.back().LastStmt = m.glStmtCount;
}

// The procedures of a text as a saved module writes their ends: "End Sub",
// "End Function" or "End Property" at the start of a line. A text written
// otherwise counts short, and its table grows as before.
size_t CountProcedureEnds(std::string_view text) {
    constexpr std::string_view kEnd = "\nEnd ";
    size_t ends = 0;
    for (size_t at = text.find(kEnd); at != std::string_view::npos; at = text.find(kEnd, at + kEnd.size())) {
        const std::string_view word = text.substr(at + kEnd.size(), 8);
        if (word.starts_with("Sub") || word.starts_with("Function") || word.starts_with("Property")) ++ends;
    }
    return ends;
}

// Reserves the model's arrays from the text, so that a large file is not
// copied over and over while its arrays double: a record per line and one
// after the last, about a statement per line (colons add a few), about one
// token per six bytes of real code, and a part per procedure besides the
// declarations and a form description. A guess short of the file still grows
// as before, and nothing is reserved past the token ceiling.
void ReserveForText(SourceModel& m, std::string_view text) {
    const auto bytes = static_cast<long>(text.size());
    const auto tokens = static_cast<size_t>(std::min(bytes / 6, model::kMaxTokens) + 1);
    const size_t lines = textfile::CountLines(text);
    // Each array also keeps its blank tail past the last entry.
    const size_t tail = model::kTailMargin + 2;
    ReserveModelArray(m.yToken, tokens + tail);
    m.yTokenKind.reserve(tokens + tail);
    ReserveModelArray(m.yRecord, lines + tail);
    ReserveModelArray(m.yStatement, lines + lines / 4 + tail);
    m.gtProcTable.reserve(CountProcedureEnds(text) + 2);
}

// The file vanished or cannot be read between its choice and its parse.
void ReportUnreadable(const std::string& fileName, const std::string& description) {
    std::string text = "The following error occurred processing " + fileName + "." + "\r\n\r\n" + description;
    LogErrorBlock(text);
    Ui().MsgBox(text, mb::vbOKOnly | mb::vbExclamation, app::kTitle);
    oDebug->StatusCode = 7;
}

// An empty model of the given kind and dialect.
void StartModel(SourceModel& m, const std::string& kind, const std::string& dialect) {
    m.gsFileKind = kind;
    BabInitFile(m, dialect);
}

void ParseInput(SourceParse& p, cVEZUZ* host) {
    const ModelAt at{p.model};
    for (long n = 1;; ++n) {
        if (oAppInfo->WasCanceled) break;
        sbParseRecord(p, n);
        if (oDebug->StatusCode != 0) break;
        if (host) {
            bool firstTime = false;
            host->StatusBarUpdate(firstTime, true, p.model.glRecordCount);
        }
        if ((n >= 0 && n <= p.model.glRecordCount && at.Rec(n).FirstToken == 0) || !p.input.IsOpen()) break;
    }
}

void FinishModel(SourceModel& m) {
    CompleteProcTable(m);
    // A file of nothing but blank lines has nothing to zelk: it ends like an
    // empty file.
    if (oDebug->StatusCode == 0 && m.glStmtCount > 0 &&
        std::all_of(m.yStatement.begin() + 1, m.yStatement.begin() + m.glStmtCount + 1,
                    [](const BabStatement& s) { return s.Class == StatementClass::Blank; }))
        oDebug->StatusCode = 11;
}

}  // namespace

void sbParseRecord(SourceParse& parse, long& n) {
    TraceGuard trace(TraceKind::App, "sbParseRecord");
    if (AppTraceOn()) AppTrace("Record=" + Num(n));
    Trapped("sbParseRecord line: 0", [&] { ParseGroups(parse, n); });
}

SourceModel ParseSource(std::string text, const std::string& kind, const std::string& dialect, cVEZUZ* host) {
    SourceModel model;
    ReportedModel reported(model);
    StartModel(model, kind, dialect);
    ReserveForText(model, text);
    SourceParse parse(model);
    // The model keeps the text: most token texts are places in it.
    parse.input.OpenView(model.texts.Adopt(std::move(text)));
    ParseInput(parse, host);
    FinishModel(model);
    return model;
}

std::string FileKindOfText(std::string_view text) {
    size_t next;
    const std::string_view first = text.substr(0, textfile::LineEnd(text, 0, next));
    if (first.find("CLASS") != std::string_view::npos) return "C";
    if (first.find("VERSION") != std::string_view::npos) return "F";
    return "M";
}

std::string FileKindOf(const std::string& fileName) { return FileKindOfText(LineReader::ReadWhole(fileName)); }

namespace {

// Makes entry wWhich the file being processed; false when it is no source
// to parse. Raises error 32000 (StatusCode -6) for an index outside oFile.
bool SelectEntry(int wWhich) {
    long count = oFile->Count();
    bool inBounds = wWhich >= 1 && wWhich <= count;
    AppTrace("Which=" + Num(wWhich) + "\r\n oFile(wWhich).FileName=<" + (inBounds ? oFile->Item(wWhich).FileName : "") +
             ">");
    if (!inBounds) {
        std::string text = std::string("ProcessSelectedFile") + " -- Assertion Failure" + "\r\n\r\n" +
                           "Specified File-index not within bounds of oFile()" + "\r\n" +
                           "Specified File-index =" + Num(wWhich) + "\r\n" + "oFile() bounds = (1," + Num(count) +
                           ")";
        oDebug->StatusCode = -6;
        LogErrorBlock(text);
        throw VBError(vberr::kOwnFailure, text, "ProcessSelectedFile");
    }

    giFileIndex = wWhich;
    return oFile->Item(wWhich).FileType == 2;
}

}  // namespace

SourceModel ProcessSelectedFile(int wWhich, const std::string& kind) {
    TraceGuard trace(TraceKind::App, "ProcessSelectedFile");
    SourceModel model;
    if (!SelectEntry(wWhich)) return model;
    const cFileDesc& entry = oFile->Item(wWhich);
    std::string text, openError;
    if (!FileExists(entry.FileName)) openError = fsErrorDescription(vberr::kFileNotFound);
    else if (!textfile::ReadAll(entry.FileName, text))
        openError = VBError(fnErrnoToVB(errno), {}, "LineReader", entry.FileName).Description;
    if (openError.empty()) {
        model = ParseSource(std::move(text), kind, "6", oZel.get());
    } else {
        StartModel(model, kind, "6");
        ReportUnreadable(entry.FileName, openError);
        FinishModel(model);
    }
    AppTrace("Which=" + Num(wWhich));
    return model;
}

SourceModel ProcessSelectedText(int wWhich, std::string text, const std::string& kind) {
    TraceGuard trace(TraceKind::App, "ProcessSelectedFile");
    if (!SelectEntry(wWhich)) return SourceModel{};
    SourceModel model = ParseSource(std::move(text), kind, "6", oZel.get());
    AppTrace("Which=" + Num(wWhich));
    return model;
}
