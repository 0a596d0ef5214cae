#pragma once
// Declarations: one declaration a line, As clauses in a column, and the
// warnings about functions and declarations without a type.
#include "analysis/SourceModel.h"

bool fblnParenGroupAtEnd(const BabStatement& stmt);
