#pragma once
// Declarations: one declaration a line, As clauses in a column, and the
// warnings about functions and declarations without a type.
#include "analysis/SourceModel.h"

// Whether the statement's first parenthesis group closes at its last
// significant token.
bool fblnParenGroupAtEnd(const SourceModel& model, const BabStatement& stmt);
