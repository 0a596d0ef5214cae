#include "analysis/RecordReader.h"

#include "analysis/AnalyserLog.h"
#include "common/ErrorTrap.h"
#include "analysis/LineTokenizer.h"
#include "TokenClassifier.h"
#include "common/Trace.h"
#include "platform/VBError.h"
#include "common/mKEMCommon.h"

namespace {

// Room for `n` more tokens; the 500000-token ceiling raises -4.
void TokenRoom(std::vector<BabToken>& tokens, long tokenCount, long n) {
    if (tokenCount + n > model::kMaxTokens) RaiseStatus(-4, oDebug->ReasonCode, "ReadRecordExtractTokens");
    RoomFor(tokens, tokenCount + n);
}

std::string RejectionDetail(const VBError& e) {
    if (e.Number != vberr::kOwnFailure) {
        oDebug->ReasonCode = static_cast<int>(e.Number);
        return e.Description;
    }
    std::string detail;
    switch (oDebug->StatusCode) {
        case -2: detail = "Record too big -- greater than" + Num(reader::kMaxLineLength) + " characters"; break;
        case -3: detail = "Record too complex -- contains more than" + Num(model::kWorkTokens) + " tokens"; break;
        case -4: detail = "Too many tokens -- more than" + Num(model::kMaxTokens); break;
        default: detail = e.Description; break;
    }
    oDebug->ReasonCode = oDebug->StatusCode;
    return detail;
}

// The rejected line becomes one invalid-line token on a record of its own.
void StoreInvalidLine(SourceParse& p) {
    std::vector<BabToken>& tokens = p.model.yToken;
    long& tokenCount = p.model.glTokenCount;
    if (tokenCount < model::kMaxTokens) ++tokenCount;
    RoomFor(tokens, tokenCount);
    BabToken& t = tokens[static_cast<size_t>(tokenCount)];
    BabInitToken(t);
    t.Class = TokenClass::InvalidRecord;
    t.Piece = p.model.texts.Add("???InvalidRecord???");

    ++p.recordCounter;
    RoomFor(p.model.yRecord, p.recordCounter);
    BabRecord& r = p.model.yRecord[static_cast<size_t>(p.recordCounter)];
    r.FirstToken = r.LastToken = tokenCount;
    oDebug->StatusCode = 4;
}

// A token's texts: when the tokenizer took them as they stand in the line,
// and the model keeps the line's text, they are places in it; otherwise
// copies.
void StoreTexts(TextStore& texts, bool lineKept, const WorkToken& w, BabToken& t) {
    const size_t blanks = w.WhiteSpaceLeft.size(), size = w.Piece.size();
    if (w.AsWritten && lineKept && blanks < StoredText::kLongText && size < StoredText::kLongText) {
        t.WhiteSpaceLeft = blanks ? StoredText::At(w.WhiteSpaceLeft.data(), blanks) : StoredText();
        t.Piece = size ? StoredText::At(w.Piece.data(), size) : StoredText();
        return;
    }
    texts.AddPair(w.WhiteSpaceLeft, w.Piece, t.WhiteSpaceLeft, t.Piece);
}

}  // namespace

void ReadRecordExtractTokens(SourceParse& p, bool commentContinues) {
    TraceGuard trace(TraceKind::ZurudUvu, "ReadRecordExtractTokens");
    LineReader& file = p.input;
    std::vector<BabRecord>& records = p.model.yRecord;
    long& recordCount = p.model.glRecordCount;
    std::vector<BabToken>& tokens = p.model.yToken;
    long& tokenCount = p.model.glTokenCount;
    long& recordCounter = p.recordCounter;
    if (file.Eof()) {
        oDebug->StatusCode = 11;
        return;
    }
    BabRecord record;
    BabInitRecord(record);
    if (recordCount == 0) recordCounter = 0;

    try {
        // The line stays in the reader's text: a copy of each line was a
        // good part of reading a file.
        std::string_view line;
        if (!file.ReadLine(line)) RaiseError(vberr::kInputPastEnd, "ReadRecordExtractTokens");
        // The line as it stands in the text, when the model keeps that text.
        const std::string_view keptLine = p.model.texts.Holds(line) ? line : std::string_view();
        if (line.size() > reader::kMaxLineLength) RaiseStatus(-2, oDebug->ReasonCode, "ReadRecordExtractTokens");
        if (BabTraceOn())
            BabTrace("Record #" + Num(recordCounter + 1) + " SourceRec=|" + std::string(line) + "|");

        const BabToken& lastStored = tokens[static_cast<size_t>(tokenCount)];
        if (commentContinues || (lastStored.Class == TokenClass::NonCode && lastStored.Detail == tokdetail::kComment &&
                                 lastStored.FlagsOut == 1)) {
            // The line continues a comment: it is one more comment token, as it stands.
            TokenRoom(tokens, tokenCount, 1);
            RoomFor(records, recordCount + 1);
            BabToken& t = tokens[static_cast<size_t>(++tokenCount)];
            t = BabToken();
            t.Class = TokenClass::NonCode;
            t.Detail = tokdetail::kComment;
            if (CommentContinues(line)) {
                t.FlagsOut = 1;
                line.remove_suffix(1);
            }
            t.Piece = keptLine.empty() || line.empty() ? p.model.texts.Add(line)
                                                       : StoredText::At(keptLine.data(), line.size());
            ++recordCount;
            recordCounter = recordCount;
            record.FirstToken = record.LastToken = tokenCount;
            records[static_cast<size_t>(recordCounter)] = record;
        } else {
            std::vector<WorkToken>& work = p.work;
            long n = 0;
            ExtractTokens(line, work, n);
            if (oDebug->StatusCode == 4) RaiseStatus(-3, oDebug->ReasonCode, "ReadRecordExtractTokens");
            AnalyzeTokens(work, n, p.model.gtBabFlags);
            // A number that starts a continuation line is part of the
            // statement (If a > _ / 0 Then), never a line number.
            if (n >= 1 && (lastStored.FlagsOut & 1) && work[1].Class == TokenClass::NonCode &&
                work[1].Detail == tokdetail::kLeadingLabel && !work[1].Piece.empty() && work[1].Piece[0] >= '0' &&
                work[1].Piece[0] <= '9') {
                work[1].Class = TokenClass::Literal;
                work[1].Detail = tokdetail::kNumber;
            }
            TokenRoom(tokens, tokenCount, n);

            ++recordCounter;
            RoomFor(records, recordCounter);
            for (long k = 1; k <= n; ++k) {
                const WorkToken& w = work[static_cast<size_t>(k)];
                BabToken& t = tokens[static_cast<size_t>(tokenCount + k)];
                static_cast<TokenFields&>(t) = w;
                StoreTexts(p.model.texts, !keptLine.empty(), w, t);
            }
            record.FirstToken = tokenCount + 1;
            record.LastToken = tokenCount + n;
            tokenCount += n;
            records[static_cast<size_t>(recordCounter)] = record;
        }
    } catch (const VBError& e) {
        std::string detail = RejectionDetail(e);
        if (oLog)
            oLog->LogData(std::string("The following error occurred in proc ") + "ReadRecordExtractTokens" +
                          " reading record:" + Num(recordCounter + 1) + ". " + "\r\n" + "===>" + detail);
        StoreInvalidLine(p);
    }

    if (oDebug->StatusCode == 4 || file.Eof()) {
        // One blank record follows the last line.
        ++recordCounter;
        RoomFor(records, recordCounter);
        BabInitRecord(records[static_cast<size_t>(recordCounter)]);
        if (oLog) oLog->LogData("Records/Tokens=" + Num(recordCounter) + "/" + Num(tokenCount));
    }
    recordCount = recordCounter;

    if (BabTraceOn()) {
        const BabRecord& r = records[static_cast<size_t>(recordCount)];
        BabTrace("Records=" + Num(recordCount) + "\r\n Record...\r\n  FirstToken=" + Num(r.FirstToken) +
                 "\r\n  LastToken=" + Num(r.LastToken) + "\r\n Tokens on Record=" +
                 Num(r.FirstToken == 0 ? 0 : r.LastToken - r.FirstToken + 1) + "\r\n Total Tokens=" +
                 Num(tokenCount));
    }
}
