#pragma once
// Helpers of the analyser tests: keyword files written by the test, sources
// written into the test's folder, the log captured in a file.
#include <string>
#include <vector>

#include "analysis/SourceModel.h"

namespace analysistest {

// One line of a keyword file: keyword, first dialect, codes.
struct Kw {
    std::string word, dialect, codes;
};

// The keywords most tests use: the block words with their Indent and Outdent
// flags, the scope words with ClassOverride, the declaration and jump verbs,
// and a few plain keywords, event names and functions.
const std::vector<Kw>& StandardKeywords();
// Writes these keywords (sorted as the file requires) as the keyword file of
// the program directory and loads it.
void LoadKeywords(const std::vector<Kw>& words);
void UseStandardKeywords();
// Writes the text as the keyword file and loads it (BabReset, BabInit).
void LoadKeywordFileText(const std::string& text);

std::string WriteSource(const std::string& name, const std::string& text);
// The text of a fixture of tests/fixtures/analysis.
std::string Fixture(const std::string& name);
// Converts CR LF line ends to LF or to CR.
std::string WithLineEnds(const std::string& crlfText, const std::string& lineEnd);

// The model the last ReadAllRecords or ParseText made; the helpers below
// read it.
SourceModel& Parsed();

// Reads every line of the text with the record reader alone (no statements),
// until the end of the file or a rejected line, into a new model.
const SourceModel& ReadAllRecords(const std::string& text);

// Parses the text as a file of the given kind, reporting to oZel.
const SourceModel& ParseText(const std::string& text, const std::string& fileKind = "M");

// The pieces of the tokens of a record, and of a statement.
std::vector<std::string> RecordPieces(long record);
std::vector<std::string> StatementPieces(long statement);
// The statement whose first token is the first token of the record.
const BabStatement& FirstStatementOf(long record);

// A log file opened for the test; Text() reads what was written so far.
class LogCapture {
public:
    LogCapture();
    std::string Text() const;
    size_t Count(const std::string& what) const;

private:
    std::string path_;
};

}  // namespace analysistest
