// Conversions of code written for old versions of Visual Basic: message-box
// constants and numbers to the vb constants, and old data-access calls and
// DB_ constants to their later forms. Both rewrite token texts in place.
#include "engine/Conversions.h"

#include <cmath>
#include <string>

#include "common/ErrorTrap.h"
#include "analysis/SourceModel.h"
#include "TokenText.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {

using tokentext::Piece;
using tokentext::SetPiece;

struct MsgBoxName {
    const char* OldName;
    int Number;
    const char* NewName;
};

// Tried in this order; the first match wins, so a number two rows share
// gives the earlier row's name.
constexpr MsgBoxName kMsgBoxNames[] = {
    {"MB_OK", 0, "vbOkOnly"},
    {"MB_OKCANCEL", 1, "vbOKCancel"},
    {"MB_ABORTRETRYIGNORE", 2, "vbAbortRetryIgnore"},
    {"MB_YESNOCANCEL", 3, "vbYesNoCancel"},
    {"MB_YESNO", 4, "vbYesNo"},
    {"MB_RETRYCANCEL", 5, "vbRetryCancel"},
    {"MB_ICONSTOP", 16, "vbCritical"},
    {"MB_ICONQUESTION", 32, "vbQuestion"},
    {"MB_ICONEXCLAMATION", 48, "vbExclamation"},
    {"MB_ICONINFORMATION", 64, "vbInformation"},
    {"MB_APPLMODAL", 0, "vbApplicationModal"},
    {"MB_DEFBUTTON1", 0, "vbDefaultButton1"},
    {"MB_DEFBUTTON2", 256, "vbDefaultButton2"},
    {"MB_DEFBUTTON3", 512, "vbDefaultButton3"},
    {"MB_SYSTEMMODAL", 4096, "vbSystemModal"},
    {"IDOK", 1, "vbOK"},
    {"IDCANCEL", 2, "vbCancel"},
    {"IDABORT", 3, "vbAbort"},
    {"IDRETRY", 4, "vbRetry"},
    {"IDIGNORE", 5, "vbIgnore"},
    {"IDYES", 6, "vbYes"},
    {"IDNO", 7, "vbNo"},
};

// The row of an old name; only words that begin like one are compared.
const MsgBoxName* RowByName(const std::string& piece) {
    if (piece.empty()) return nullptr;
    const char first = vb::UCaseChar(piece[0]);
    if (first != 'M' && first != 'I') return nullptr;
    for (const MsgBoxName& row : kMsgBoxNames)
        if (vb::EqualsNoCase(piece, row.OldName)) return &row;
    return nullptr;
}

// The row of a text that is exactly a row's decimal number.
const MsgBoxName* RowByNumber(const std::string& text) {
    if (text.empty() || text.size() > 4 || (text.size() > 1 && text[0] == '0')) return nullptr;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return nullptr;
        value = value * 10 + (c - '0');
    }
    for (const MsgBoxName& row : kMsgBoxNames)
        if (row.Number == value) return &row;
    return nullptr;
}

struct DaoName {
    const char* OldName;
    const char* NewName;
};

constexpr DaoName kDaoConstants[] = {
    {"DB_DENYWRITE", "dbDenyWrite"},       {"DB_DENYREAD", "dbDenyRead"},
    {"DB_READONLY", "dbReadOnly"},         {"DB_APPENDONLY", "dbAppendOnly"},
    {"DB_INCONSISTENT", "dbInconsistent"}, {"DB_CONSISTENT", "dbConsistent"},
    {"DB_SQLPASSTHROUGH", "dbSQLPassthrough"},
};

// Reports a statement whose tokens lie past the token array. The
// conversion then leaves the statement alone.
bool TokensInBounds(const SourceModel& model, const BabStatement& stmt, const char* procName) {
    if (tokentext::InTokens(model, stmt.FirstToken) && tokentext::InTokens(model, stmt.LastToken)) return true;
    Ui().MsgBox(std::string("Out of bound error in ") + procName + "\r\nPlease report this to Zembrock", mb::vbCritical,
                "");
    return false;
}

bool IsSeparatorOrComment(const SourceModel& model, long t) {
    const TokenClass cls =
        tokentext::InTokens(model, t) ? model.yToken[static_cast<size_t>(t)].Class : TokenClass::Keyword;
    return cls == TokenClass::NonCode || cls == TokenClass::Colon;
}

}  // namespace

// The value of the number a text begins with: decimal, or hexadecimal and
// octal with the &H and &O prefixes; 0 when it begins with no number.
double MsgBoxNumberValue(const std::string& text) {
    if (text.size() > 2 && text[0] == '&') {
        char base = vb::UCaseChar(text[1]);
        int radix = base == 'H' ? 16 : (base == 'O' ? 8 : 0);
        if (radix == 0) return 0;
        double value = 0;
        for (size_t i = 2; i < text.size(); ++i) {
            char c = vb::UCaseChar(text[i]);
            int digit = (c >= '0' && c <= '9') ? c - '0' : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
            if (digit < 0 || digit >= radix) break;
            value = value * radix + digit;
        }
        return value;
    }
    return vb::Val(text);
}

// The names of the parts of a combined buttons value joined by " + ", in the
// order buttons, icon, default button, system modal; empty when the value is
// below 1 or its named parts do not add up to it exactly (a value such as 7
// has no name for its buttons part and must keep its number).
std::string MsgBoxValueNames(double value) {
    const double rounded = vb::RoundHalfEven(value);
    if (rounded < 1 || rounded > 2147483647.0) return {};
    const long v = static_cast<long>(rounded);
    static const char* const kButtons[] = {"vbOkOnly", "vbOKCancel", "vbAbortRetryIgnore", "vbYesNoCancel", "vbYesNo",
                                           "vbRetryCancel"};
    std::string text;
    long sum = 0;
    auto add = [&](const char* name, long partValue) {
        if (!text.empty()) text += " + ";
        text += name;
        sum += partValue;
    };
    const long buttons = v % 16;
    if (buttons <= 5) add(kButtons[buttons], buttons);
    const long icon = v % 256 - v % 16;
    if (icon == 16) add("vbCritical", 16);
    if (icon == 32) add("vbQuestion", 32);
    if (icon == 48) add("vbExclamation", 48);
    if (icon == 64) add("vbInformation", 64);
    const long defaultButton = v % 4096 - v % 256;
    if (defaultButton == 0) add("vbDefaultButton1", 0);
    if (defaultButton == 256) add("vbDefaultButton2", 256);
    if (defaultButton == 512) add("vbDefaultButton3", 512);
    if (v - v % 4096 != 0) add("vbSystemModal", 4096);
    if (static_cast<double>(sum) != value) return {};
    return text;
}

namespace {

// Where an argument that starts at `from` ends: at a "," at the depth of
// the arguments or at the ")" that closes their list (depth counted from
// `from`, so a list opened at `from` has its arguments at depth 1). 0 when
// the statement's code ends first.
long ArgumentEnd(const SourceModel& model, long from, long last, long argDepth) {
    long depth = 0;
    for (long t = from; t <= last; ++t) {
        if (IsSeparatorOrComment(model, t)) return 0;
        const std::string& p = Piece(model, t);
        if (p == "(") {
            ++depth;
        } else if (p == ")") {
            if (--depth < argDepth) return t;
        } else if (p == "," && depth == argDepth) {
            return t;
        }
    }
    return 0;
}

// The comma that ends the first argument of the MsgBox call at token m; 0
// when there is none.
long MsgBoxArgumentComma(const SourceModel& model, long m, long last) {
    // In an expression (a result assigned or compared, a Call) the call's
    // parentheses hold its arguments; as a statement of its own the
    // arguments stand at depth 0, even when the first is parenthesised.
    const bool statementForm = Piece(model, m + 1) != "(" ||
                               (model.yToken[static_cast<size_t>(m)].FlagsMisc & tokflag::kFirstOfStatement) != 0 ||
                               IsSeparatorOrComment(model, m - 1);
    long end = ArgumentEnd(model, m + 1, last, statementForm ? 0 : 1);
    return (end && Piece(model, end) == ",") ? end : 0;
}

bool BindsTighterThanPlus(const std::string& op) {
    return op == "*" || op == "/" || op == "\\" || op == "^" || vb::EqualsNoCase(op, "MOD");
}

void ConvertMsgBox(SourceModel& model, BabStatement& stmt) {
    oDebug->ClearStatus();
    if (stmt.FirstToken < 1 || stmt.LastToken < stmt.FirstToken) return;
    if (!TokensInBounds(model, stmt, "sbConvertMsgbox")) return;
    const long last = stmt.LastToken;

    long secondArgument = 0;
    for (long t = stmt.FirstToken; t <= last; ++t) {
        if (tokentext::Is(model, t, "MSGBOX")) {
            long comma = MsgBoxArgumentComma(model, t, last);
            secondArgument = comma ? comma + 1 : 0;
            break;
        }
        if (const MsgBoxName* row = RowByName(Piece(model, t))) SetPiece(model, t, row->NewName);
    }
    if (secondArgument == 0) return;

    for (long t = secondArgument; t <= last; ++t) {
        const MsgBoxName* row = RowByName(Piece(model, t));
        if (!row) row = RowByNumber(Piece(model, t));
        if (row) {
            SetPiece(model, t, row->NewName);
            continue;
        }
        if (t != secondArgument) continue;
        std::string names = MsgBoxValueNames(MsgBoxNumberValue(Piece(model, t)));
        if (names.empty()) continue;
        // The names are a sum: where the value meets an operator that binds
        // tighter than "+", the sum keeps its value only in parentheses.
        if (names.find(" + ") != std::string::npos && t < last && BindsTighterThanPlus(Piece(model, t + 1)))
            names = "(" + names + ")";
        SetPiece(model, t, names);
    }
}

// Puts the record-set option into the argument list of the method at token
// m: in front of the comma that ends its first argument or of the
// parenthesis that closes its list, at the depth of its own arguments, never
// inside a call nested in them.
void AddRecordsetOption(SourceModel& model, long m, const BabStatement& stmt, const std::string& option) {
    const bool parenthesised = Piece(model, m + 1) == "(";
    long end = ArgumentEnd(model, m + 1, stmt.LastToken, parenthesised ? 1 : 0);
    if (end) {
        // Without parentheses a method with no argument gets no option.
        if (parenthesised || end > m + 1) SetPiece(model, end, option + Piece(model, end));
        return;
    }
    if (parenthesised) return;
    long lastArgument = stmt.LastSignificant;
    if (lastArgument > m) SetPiece(model, lastArgument, Piece(model, lastArgument) + option);
}

void ConvertDAO(SourceModel& model, BabStatement& stmt) {
    oDebug->ClearStatus();
    if (stmt.FirstToken < 1 || stmt.LastToken < stmt.FirstToken) return;
    if (!TokensInBounds(model, stmt, "sbConvertDAO")) return;
    const long first = stmt.FirstToken;
    const long last = stmt.LastToken;
    using tokentext::Is;
    for (long t = first; t <= last; ++t) {
        if (Is(model, t, "EXECUTESQL")) {
            SetPiece(model, t, "Execute");
            return;
        }
        if (Is(model, t, "OPENQUERYDEF") || Is(model, t, "BEGINTRANS") || Is(model, t, "COMMITTRANS") ||
            Is(model, t, "ROLLBACK")) {
            if (t - 2 >= first && Is(model, t - 2, "DATABASE")) SetPiece(model, t - 2, "DBEngine.Workspaces(0)");
            continue;
        }
        if (Is(model, t, "FREELOCKS")) {
            SetPiece(model, t, "Idle");
            continue;
        }
        const char* option = Is(model, t, "CREATEDYNASET")    ? ", dbOpenDynaset"
                             : Is(model, t, "CREATESNAPSHOT") ? ", dbOpenSnapshot"
                             : Is(model, t, "OPENTABLE")      ? ", dbOpenTable"
                                                       : nullptr;
        if (!option) continue;
        for (long k = t + 1; k <= last; ++k) {
            for (const DaoName& c : kDaoConstants)
                if (Is(model, k, c.OldName)) SetPiece(model, k, c.NewName);
        }
        AddRecordsetOption(model, t, stmt, option);
        SetPiece(model, t, "OpenRecordset");
        return;
    }
}

}  // namespace

void sbConvertMsgbox(SourceModel& model, BabStatement& stmt) {
    TraceGuard trace(TraceKind::App, "sbConvertMsgbox");
    Trapped("sbConvertMsgbox", [&] { ConvertMsgBox(model, stmt); });
}

void sbConvertDAO(SourceModel& model, BabStatement& stmt) {
    TraceGuard trace(TraceKind::App, "sbConvertDAO");
    Trapped("sbConvertDAO", [&] { ConvertDAO(model, stmt); });
}
