#pragma once
// Cuts the tokens of a record group into statements and classifies them.
#include <vector>

#include "analysis/SourceModel.h"

// Makes statement count + 1 of the model from the token `first` on (up to a
// ":" separator or the group's last token), stores it, raises the count and
// moves `first` past the statement.
void AnalyzeStatement(SourceModel& model, long& first, long groupLast);

// Marks the label references (NonCode, kLabelReference) of a GoSub, GoTo, If,
// On or Resume statement.
void ScanForLabelReferences(long verbKeyWord, BabStatement& statement, std::vector<BabToken>& tokens);
