#pragma once
// The declarations of a list as the arrangements sort them. A list that the
// formatter splits into one declaration a line is sorted declaration by
// declaration, as the next zelk will sort those lines, so that the first
// zelk already gives the final order: each declaration is a piece, and the
// zelking loop writes a list's lines where its pieces were sorted to.
#include <string>
#include <vector>

#include "engine/EngineState.h"
#include "analysis/SourceModel.h"
#include "engine/ZelkRun.h"

// The type a name's type character declares ("" without one).
std::string TypeOfCharacter(const std::string& name);

// The declared name at token t, upper-cased, without its type character, as
// it reads once the character has become an As clause.
std::string DeclaredName(const SourceModel& model, long t);

// The type of the name at token `name`: the As clause after it at the top
// level and before the next "," of a list (a data-access type converted when
// that conversion is on in the run), else its type character, else Variant. `end` is
// the last token looked at.
std::string DeclaredType(const ZelkRun& run, long name, long end);

// The name tokens of the declarations of statement s, the first one being
// `firstName`: one for each line the formatter splits the statement into.
// Only a list that stands alone on one line of its own, without a label
// (an in-line comment goes with its last declaration), and whose kind of list is split (`isConst`: a Const list) is
// taken apart; any other statement gives its first name alone.
std::vector<long> DeclarationPieceNames(const ZelkRun& run, long s, long firstName, bool isConst);

// One sorted entry: a statement, or piece `Piece` of a list.
struct SortedPiece {
    long Stmt = 0;
    int Piece = 0;
    int Pieces = 1;  // the pieces of its statement
};

// Fills the order from position `from` on with the statements of the sorted
// entries, each where its first entry stands; a list's further pieces go
// after the statement at the position before them.
void PlacePieces(const std::vector<SortedPiece>& sorted, long from, StatementOrder& order);

// The statements of the line that statement s begins, when the formatter
// writes each of them on a line of its own and all are declarations (several
// on one line, split at their colons); else none.
std::vector<long> DeclarationLineStatements(const ZelkRun& run, long s);
