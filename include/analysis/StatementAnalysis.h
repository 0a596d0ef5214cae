#pragma once
// Cuts the tokens of a record group into statements and classifies them.
#include <vector>

#include "analysis/SourceModel.h"

// Statement classes.
namespace stmtclass {
constexpr long kOther = 0;
constexpr long kComment = 1;
constexpr long kDeclaration = 2;
constexpr long kBlank = 3;
constexpr long kProcEnd = 4;
constexpr long kProcHeading = 5;
constexpr long kModuleDescription = 6;
}  // namespace stmtclass

// Makes statement count + 1 from the token `first` on (up to a ":" separator
// or the group's last token), stores it, raises the count and moves `first`
// past the statement.
void AnalyzeStatement(std::vector<BabToken>& tokens, long& first, long groupLast,
                      std::vector<BabStatement>& statements, long& stmtCount);

// Marks the label references (Class 5, Detail 5) of a GoSub, GoTo, If, On or
// Resume statement.
void ScanForLabelReferences(long verbKeyWord, BabStatement& statement, std::vector<BabToken>& tokens);
