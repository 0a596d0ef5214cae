#pragma once
// "zelk_headless dump FILE": prints what the analyser makes of a source file.
//
// Text format, one item a line:
//   FILE <path>
//   RECORDS <records> TOKENS <tokens>
//   R<record> tokens=<first>..<last>
//     T<token> @<Where> ws=|<white space>| piece=|<Piece>| class=<Class>/<Detail> flags=<FlagsMisc>/<FlagsOut> [kw=<KEYWORD>]
// Texts stand between bars; a tab shows as \t, a backslash as \\ and any
// other byte below 32 as \xNN. kw= appears on keyword tokens only. The blank
// record that follows the last line shows as "R<n> tokens=0..0".
#include <ostream>
#include <string>
#include <vector>

// args: the arguments after the command word (the file name). Uses the
// keyword file of the program's directory and the shared objects, which the
// caller has created. Returns 0 after a dump, 1 when the file cannot be
// analysed (the reason on a line "ERROR ..."), 2 for wrong arguments.
int RunDump(const std::vector<std::string>& args, std::ostream& out);
