#pragma once
// "zelk_headless dump FILE": prints what the analyser makes of a source file.
//
// Text format, one item a line:
//   FILE <path>
//   STATUS <StatusCode> REASON <ReasonCode>       (only after a failed parse)
//   MODULE |<gsModuleName>|
//   RECORDS <records> STATEMENTS <statements> TOKENS <tokens>
//   R<record> level=<IndentLevel> stmts=<FirstStmt>..<LastStmt> tied=<TiedTo>/<TiedBack> tokens=<first>..<last>
//     T<token> @<Where> ws=|<white space>| piece=|<Piece>| class=<Class>/<Detail> flags=<FlagsMisc>/<FlagsOut> stmt=<Statement> kind=<yTokenKind> [kw=<KEYWORD>]
//     S<statement> class=<Class>/<Detail> flags=<Flags> verb=<token>|<verb text>| tokens=<first>..<last> sig=<LastSignificant> records=<RecordFirst>..<RecordLast>
//   P<entry> |<Name>| kind=<Kind> records=<FirstRecord>..<LastRecord> stmts=<FirstStmt>..<LastStmt> public=<0|1> event=<0|1>
// A statement is listed under the record that holds its first token. Texts
// stand between bars; a tab shows as \t, a backslash as \\ and any other byte
// below 32 as \xNN. kw= appears on keyword tokens only. The blank record that
// follows the last line shows with tokens=0..0.
#include <ostream>
#include <string>
#include <vector>

#include "analysis/SourceModel.h"

// Parses the file as the program's run does (its kind from its first line),
// as the only entry of oFile; the keyword file is loaded when it is not yet.
// Raises VBError when the analyser cannot start.
SourceModel ParseAsOnlyFile(const std::string& path);

// args: the arguments after the command word (the file name). Uses the
// keyword file of the program's directory and the shared objects, which the
// caller has created; the file becomes the only entry of oFile. Returns 0
// after a dump (a failed parse dumps what was read), 1 when the analyser
// cannot start (the reason on a line "ERROR ..."), 2 for wrong arguments.
int RunDump(const std::vector<std::string>& args, std::ostream& out);
