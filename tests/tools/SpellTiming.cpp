// Times the spell check of the comments and string literals of a generated
// module of 60,000 lines whose words are all in the dictionary, and prints
// the result. The check must take well under a second.
//
//   spelling_check_timing [LINES] [DICTIONARY]
//
// The dictionary defaults to SPELLDIC.DAT beside the executable.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Paths.h"
#include "spelling/cSpellCheck.h"
#include "common/mKEMCommon.h"

namespace {

// Lines of one procedure: comments, literals and code, in the words of an
// ordinary program's comments.
const char* const kProcedure[] = {
    "' Computes the total of one order line and returns it to the caller.",
    "' Written by the accounting group; please keep the rounding rules below.",
    "Public Function LineTotal%d(ByVal Qty As Long, ByVal Price As Double) As Double",
    "    Dim Total As Double",
    "    ' Negative quantities mean a returned item, so the total is negative too.",
    "    If Qty < 0 Then MsgBox \"The quantity of this order line is negative.\", vbExclamation",
    "    Total = Qty * Price ' the plain product",
    "    lblStatus.Caption = \"Computing the totals, please wait\"",
    "    Debug.Print \"Order line total: \"; Total",
    "    LineTotal%d = Total",
    "End Function",
    "",
};

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// The comment (from its apostrophe) and the string literals of a line, as
// the engine hands them to the checker.
void TextsOf(const std::string& line, std::vector<std::string>& texts) {
    bool inString = false;
    size_t start = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            if (inString) texts.push_back(line.substr(start, i - start + 1));
            else start = i;
            inString = !inString;
        } else if (line[i] == '\'' && !inString) {
            texts.push_back(line.substr(i + 1));
            return;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    long lines = argc > 1 ? std::atol(argv[1]) : 60000;
    std::string dictionary = argc > 2 ? argv[2] : paths::Join(paths::ProgramDir(), "SPELLDIC.DAT");
    sbCommonInit("");

    std::vector<std::string> texts;
    long made = 0;
    for (int proc = 1; made < lines; ++proc) {
        for (const char* pattern : kProcedure) {
            if (made++ >= lines) break;
            char buf[256];
            std::snprintf(buf, sizeof buf, pattern, proc, proc);
            TextsOf(buf, texts);
        }
    }

    ScriptedWordNotFound dialog;
    dialog.Strict = false;
    cSpellCheck checker(&dialog, [](const std::string&) { return false; });
    checker.IgnoreNumbers = true;
    checker.IgnoreUpperCase = true;
    checker.MainDictName(dictionary);

    auto start = std::chrono::steady_clock::now();
    if (!checker.SpellInitialize()) {
        std::fprintf(stderr, "spelling_check_timing: no usable dictionary %s\n", dictionary.c_str());
        return 1;
    }
    double load = Seconds(start);
    start = std::chrono::steady_clock::now();
    size_t words = 0;
    for (const std::string& text : texts) {
        checker.SpellCheck(text, "Comment");
        for (char c : text) words += c == ' ';
    }
    double check = Seconds(start);

    std::printf("%ld lines, %zu comments and literals (about %zu words)\n", lines, texts.size(), words + texts.size());
    std::printf("dictionary read in %.3f s, texts checked in %.3f s\n", load, check);
    if (!dialog.Questions.empty()) {
        std::printf("%zu words were not found, first: %s\n", dialog.Questions.size(), dialog.Questions[0].Word.c_str());
        return 1;
    }
    return 0;
}
