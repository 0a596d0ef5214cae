#include "AnalysisTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

#include "analysis/FileParse.h"
#include "analysis/KeywordTable.h"
#include "platform/Paths.h"
#include "analysis/RecordReader.h"
#include "TestSupport.h"
#include "common/mKEMCommon.h"

namespace analysistest {

const std::vector<Kw>& StandardKeywords() {
    static const std::vector<Kw> words = {
        // Block words.
        {"IF", "*", "VYN"}, {"ELSE", "*", "VYY"}, {"ELSEIF", "*", "VYY"}, {"END", "*", "VNY"},
        {"SELECT", "*", "VYN"}, {"CASE", "*", "VYY"}, {"DO", "*", "VYN"}, {"LOOP", "*", "VNY"},
        {"FOR", "*", "VYN"}, {"NEXT", "*", "VNY"}, {"WHILE", "*", "VYN"}, {"WEND", "*", "VNY"},
        {"WITH", "4", "VYN"}, {"TYPE", "*", "VYN"}, {"ENUM", "5", "VYN"}, {"BEGIN", "*", "VYN"},
        {"BEGINPROPERTY", "5", "VYN"}, {"ENDPROPERTY", "5", "VNY"},
        // Procedures and scope words.
        {"SUB", "*", "V"}, {"FUNCTION", "*", "V"}, {"PROPERTY", "4", "V"}, {"PUBLIC", "4", "V--Y"},
        {"PRIVATE", "4", "V--Y"}, {"GLOBAL", "*", "V--Y"}, {"STATIC", "*", "V--Y"}, {"FRIEND", "5", "V--Y"},
        // Other verbs.
        {"CONST", "*", "V"}, {"DECLARE", "*", "V"}, {"DIM", "*", "V"}, {"REDIM", "*", "V"}, {"EVENT", "5", "V"},
        {"LET", "*", "V"}, {"SET", "*", "V"}, {"CALL", "*", "V"}, {"GOTO", "*", "V"}, {"GOSUB", "*", "V"},
        {"ON", "*", "V"}, {"RESUME", "*", "V"}, {"EXIT", "*", "V"}, {"OPTION", "*", "V"}, {"ATTRIBUTE", "5", "V"},
        {"VERSION", "*", "V"}, {"PRINT", "*", "V"}, {"GET", "*", "V"}, {"PUT", "*", "V"}, {"OPEN", "*", "V"},
        {"CLOSE", "*", "V"}, {"RETURN", "*", "V"}, {"DEFINT", "*", "V"}, {"ERASE", "*", "V"}, {"LOAD", "*", "V"},
        {"UNLOAD", "*", "V"}, {"RAISEEVENT", "5", "V"},
        // Plain keywords.
        {"THEN", "*", "-"}, {"AS", "*", "-"}, {"TO", "*", "-"}, {"STEP", "*", "-"}, {"ERROR", "*", "-"},
        {"EXPLICIT", "*", "-"}, {"LONG", "*", "-"}, {"INTEGER", "*", "-"}, {"STRING", "*", "-"},
        {"BOOLEAN", "4", "-"}, {"VARIANT", "*", "-"}, {"DATE", "*", "-"}, {"ME", "*", "-"}, {"NEW", "*", "-"},
        {"NOTHING", "*", "-"}, {"AND", "*", "-"}, {"OR", "*", "-"}, {"NOT", "*", "-"}, {"TRUE", "4", "-"},
        {"FALSE", "4", "-"}, {"BYVAL", "*", "-"}, {"OPTIONAL", "4", "-"}, {"LIB", "*", "-"}, {"ALIAS", "*", "-"},
        {"DEBUG", "*", "-"}, {"EACH", "4", "-"}, {"IN", "*", "-"}, {"MOD", "*", "-"}, {"UNTIL", "*", "-"},
        {"DOUBLE", "*", "-"}, {"SINGLE", "*", "-"}, {"OBJECT", "4", "-"}, {"INPUT", "*", "-"},
        {"OUTPUT", "*", "-"}, {"APPEND", "*", "-"}, {"LEN", "*", "-"},
        // Functions in both forms, and event names.
        {"CHR", "*", "-"}, {"CHR$", "*", "-"}, {"LEFT", "*", "-"}, {"LEFT$", "*", "-"}, {"MID", "*", "-"},
        {"MID$", "*", "-"}, {"NOW", "*", "-"}, {"CLICK", "*", "-"}, {"CHANGE", "*", "-"}, {"RESIZE", "*", "-"},
        {"KEYPRESS", "*", "-"}, {"INITIALIZE", "4", "-"}, {"TERMINATE", "4", "-"},
    };
    return words;
}

void LoadKeywordFileText(const std::string& text) {
    testsupport::WriteFile(paths::Join(testsupport::ProgramDir(), kKeyWordFileName), text);
    BabReset();
    BabInit();
}

void LoadKeywords(const std::vector<Kw>& words) {
    std::vector<Kw> sorted = words;
    std::sort(sorted.begin(), sorted.end(), [](const Kw& a, const Kw& b) { return a.word < b.word; });
    std::string text;
    for (const Kw& k : sorted) text += "\"" + k.word + "\",\"" + k.dialect + "\",\"" + k.codes + "\"\r\n";
    LoadKeywordFileText(text);
}

void UseStandardKeywords() { LoadKeywords(StandardKeywords()); }

std::string WriteSource(const std::string& name, const std::string& text) {
    std::string path = paths::Join(testsupport::MakeDir("src"), name);
    testsupport::WriteFile(path, text);
    return path;
}

std::string Fixture(const std::string& name) {
    std::string text = testsupport::ReadFile(std::string(ZELKER_FIXTURES_DIR) + "/analysis/" + name);
    EXPECT_FALSE(text.empty()) << "missing fixture " << name;
    return text;
}

std::string WithLineEnds(const std::string& crlfText, const std::string& lineEnd) {
    std::string out;
    for (size_t i = 0; i < crlfText.size(); ++i) {
        if (crlfText[i] == '\r' && i + 1 < crlfText.size() && crlfText[i + 1] == '\n') {
            out += lineEnd;
            ++i;
        } else {
            out += crlfText[i];
        }
    }
    return out;
}

SourceModel& Parsed() {
    static SourceModel model;
    return model;
}

const SourceModel& ReadAllRecords(const std::string& text) {
    SourceModel& model = Parsed();
    model = SourceModel{};
    BabInitFile(model, "6");
    SourceParse parse(model);
    parse.input.OpenText(text);
    oDebug->ClearStatus();
    while (oDebug->StatusCode == 0) ReadRecordExtractTokens(parse, false);
    return model;
}

const SourceModel& ParseText(const std::string& text, const std::string& fileKind) {
    oDebug->ClearStatus();
    return Parsed() = ParseSource(text, fileKind, "6", oZel.get());
}

std::vector<std::string> RecordPieces(long record) {
    const SourceModel& m = Parsed();
    std::vector<std::string> out;
    const BabRecord& r = m.yRecord[static_cast<size_t>(record)];
    if (r.FirstToken == 0) return out;
    for (long t = r.FirstToken; t <= r.LastToken; ++t) out.emplace_back(m.yToken[static_cast<size_t>(t)].Piece);
    return out;
}

std::vector<std::string> StatementPieces(long statement) {
    const SourceModel& m = Parsed();
    std::vector<std::string> out;
    const BabStatement& s = m.yStatement[static_cast<size_t>(statement)];
    for (long t = s.FirstToken; t <= s.LastToken && t > 0; ++t) out.emplace_back(m.yToken[static_cast<size_t>(t)].Piece);
    return out;
}

const BabStatement& FirstStatementOf(long record) {
    const SourceModel& m = Parsed();
    return m.yStatement[static_cast<size_t>(m.yRecord[static_cast<size_t>(record)].FirstStmt)];
}

LogCapture::LogCapture() {
    path_ = paths::Join(testsupport::MakeDir("log"), "analysis.log");
    oLog->LogOpen(path_, 1);
}

std::string LogCapture::Text() const { return testsupport::ReadFile(path_); }

size_t LogCapture::Count(const std::string& what) const {
    std::string text = Text();
    size_t n = 0;
    for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + what.size())) ++n;
    return n;
}

}  // namespace analysistest
