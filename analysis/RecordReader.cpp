#include "analysis/RecordReader.h"

#include "analysis/AnalyserLog.h"
#include "common/ErrorTrap.h"
#include "analysis/LineTokenizer.h"
#include "TokenClassifier.h"
#include "common/Trace.h"
#include "platform/VBError.h"
#include "common/mKEMCommon.h"

namespace {

// Index of the last record made; restarts with every file.
long glRecordCounter = 0;

// Room for record `index` (grown by 3000 beyond the margin).
void RecordRoom(std::vector<BabRecord>& records, long index) {
    if (index <= glRecordCapacity - model::kGrowthMargin) return;
    glRecordCapacity += model::kRecordGrowth;
    GrowTo(records, glRecordCapacity);
    BabInitRecords(records, index, glRecordCapacity);
}

// Room for `n` more tokens; the 500000-token ceiling raises -4.
void TokenRoom(std::vector<BabToken>& tokens, long tokenCount, long n) {
    if (tokenCount + n <= glTokenCapacity) return;
    glTokenCapacity += model::kTokenGrowth;
    if (glTokenCapacity > model::kMaxTokens) {
        glTokenCapacity = model::kMaxTokens;
        RaiseStatus(-4, oDebug->ReasonCode, "ReadRecordExtractTokens");
    }
    GrowTo(tokens, glTokenCapacity);
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
void StoreInvalidLine(std::vector<BabRecord>& records, std::vector<BabToken>& tokens, long& tokenCount) {
    if (tokenCount < model::kMaxTokens) ++tokenCount;
    if (tokenCount > glTokenCapacity) glTokenCapacity = std::min(tokenCount, model::kMaxTokens);
    GrowTo(tokens, glTokenCapacity);
    BabToken& t = tokens[static_cast<size_t>(tokenCount)];
    BabInitToken(t);
    t.Class = TokenClass::InvalidRecord;
    t.Piece = "???InvalidRecord???";

    ++glRecordCounter;
    if (glRecordCounter > glRecordCapacity - model::kGrowthMargin) {
        glRecordCapacity += 1;
        GrowTo(records, glRecordCapacity);
        BabInitRecords(records, glRecordCounter, glRecordCapacity);
    }
    BabRecord& r = records[static_cast<size_t>(glRecordCounter)];
    r.FirstToken = r.LastToken = tokenCount;
    oDebug->StatusCode = 4;
}

}  // namespace

std::vector<BabToken>& TokenWorkArray() {
    static std::vector<BabToken> work(static_cast<size_t>(model::kWorkTokens) + 1);
    return work;
}

void ReadRecordExtractTokens(LineReader& file, std::vector<BabRecord>& records, long& recordCount,
                             std::vector<BabToken>& tokens, long& tokenCount, const bool& commentContinues) {
    TraceGuard trace(TraceKind::ZurudUvu, "ReadRecordExtractTokens");
    if (file.Eof()) {
        oDebug->StatusCode = 11;
        return;
    }
    BabRecord record;
    BabInitRecord(record);
    if (recordCount == 0) glRecordCounter = 0;

    try {
        std::string line;
        if (!file.ReadLine(line)) RaiseError(vberr::kInputPastEnd, "ReadRecordExtractTokens");
        if (line.size() > reader::kMaxLineLength) RaiseStatus(-2, oDebug->ReasonCode, "ReadRecordExtractTokens");
        if (BabTraceOn()) BabTrace("Record #" + Num(glRecordCounter + 1) + " SourceRec=|" + line + "|");

        const BabToken& lastStored = tokens[static_cast<size_t>(tokenCount)];
        if (commentContinues || (lastStored.Class == TokenClass::NonCode && lastStored.Detail == tokdetail::kComment &&
                                 lastStored.FlagsOut == 1)) {
            // The line continues a comment: it is one more comment token, as it stands.
            TokenRoom(tokens, tokenCount, 1);
            RecordRoom(records, recordCount + 1);
            BabToken& t = tokens[static_cast<size_t>(++tokenCount)];
            t = BabToken();
            t.Class = TokenClass::NonCode;
            t.Detail = tokdetail::kComment;
            if (CommentContinues(line)) {
                t.FlagsOut = 1;
                line.pop_back();
            }
            t.Piece = std::move(line);
            ++recordCount;
            glRecordCounter = recordCount;
            record.FirstToken = record.LastToken = tokenCount;
            records[static_cast<size_t>(glRecordCounter)] = record;
        } else {
            std::vector<BabToken>& work = TokenWorkArray();
            long n = 0;
            ExtractTokens(line, work, n);
            if (oDebug->StatusCode == 4) RaiseStatus(-3, oDebug->ReasonCode, "ReadRecordExtractTokens");
            AnalyzeTokens(work, n);
            // A number that starts a continuation line is part of the
            // statement (If a > _ / 0 Then), never a line number.
            if (n >= 1 && (lastStored.FlagsOut & 1) && work[1].Class == TokenClass::NonCode &&
                work[1].Detail == tokdetail::kLeadingLabel && !work[1].Piece.empty() && work[1].Piece[0] >= '0' &&
                work[1].Piece[0] <= '9') {
                work[1].Class = TokenClass::Literal;
                work[1].Detail = tokdetail::kNumber;
            }
            TokenRoom(tokens, tokenCount, n);

            ++glRecordCounter;
            RecordRoom(records, glRecordCounter);
            for (long k = 1; k <= n; ++k)
                tokens[static_cast<size_t>(tokenCount + k)] = std::move(work[static_cast<size_t>(k)]);
            record.FirstToken = tokenCount + 1;
            record.LastToken = tokenCount + n;
            tokenCount += n;
            records[static_cast<size_t>(glRecordCounter)] = record;
        }
    } catch (const VBError& e) {
        std::string detail = RejectionDetail(e);
        if (oLog)
            oLog->LogData(std::string("The following error occurred in proc ") + "ReadRecordExtractTokens" +
                          " reading record:" + Num(glRecordCounter + 1) + ". " + "\r\n" + "===>" + detail);
        StoreInvalidLine(records, tokens, tokenCount);
    }

    if (oDebug->StatusCode == 4 || file.Eof()) {
        // One blank record follows the last line.
        ++glRecordCounter;
        GrowTo(records, glRecordCounter);
        BabInitRecord(records[static_cast<size_t>(glRecordCounter)]);
        if (oLog) oLog->LogData("Records/Tokens=" + Num(glRecordCounter) + "/" + Num(tokenCount));
    }
    recordCount = glRecordCounter;

    if (BabTraceOn()) {
        const BabRecord& r = records[static_cast<size_t>(recordCount)];
        BabTrace("Records=" + Num(recordCount) + "\r\n Record...\r\n  FirstToken=" + Num(r.FirstToken) +
                 "\r\n  LastToken=" + Num(r.LastToken) + "\r\n Tokens on Record=" +
                 Num(r.FirstToken == 0 ? 0 : r.LastToken - r.FirstToken + 1) + "\r\n Total Tokens=" +
                 Num(tokenCount));
    }
}
