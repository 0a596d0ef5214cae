// Warnings about statements that may handle dates, years and leap years, to
// help find code that could fail at the change of the century.
#include "engine/DateWarnings.h"

#include <string>

#include "common/ErrorTrap.h"
#include "engine/FileLog.h"
#include "engine/ZelkRun.h"
#include "analysis/SourceModel.h"
#include "TokenText.h"
#include "common/Trace.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {

enum class DateRule { None, Dates, LeapYears, Years, Separator, TwoDigitYear, NamedFormat };

// The token's text as the rules test it: upper-cased, with the words UPDATE
// and VALIDATE masked so that they do not count as holding DATE.
std::string TestWord(const std::string& piece) {
    std::string word = vb::UCase(piece);
    if (word.find("UPDATE") != std::string::npos) word = vb::Replace(word, "UPDATE", "XXXXXX");
    if (word.find("VALIDATE") != std::string::npos) word = vb::Replace(word, "VALIDATE", "XXXXXXXX");
    return word;
}

bool Holds(const std::string& text, const char* what) { return text.find(what) != std::string::npos; }

DateRule RuleOf(const BabToken& tok) {
    if (tok.Class == TokenClass::Name) {
        const std::string word = TestWord(tok.Piece);
        if (Holds(word, "DATE")) return DateRule::Dates;
        if (Holds(word, "LEAPY")) return DateRule::LeapYears;
        if (Holds(word, "YR") || Holds(word, "YEAR") || Holds(word, "YY")) return DateRule::Years;
        return DateRule::None;
    }
    if (tok.Class == TokenClass::Literal && tok.Detail == tokdetail::kString) {
        if (tok.Piece == "\"-\"" || tok.Piece == "\"/\"") return DateRule::Separator;
        if (Holds(tok.Piece, "-") || Holds(tok.Piece, "/")) return DateRule::None;
        const std::string word = TestWord(tok.Piece);
        if (Holds(word, "YYYY")) return DateRule::None;
        if (Holds(word, "YY")) return DateRule::TwoDigitYear;
        if (Holds(word, "MEDIUM DATE") || Holds(word, "SHORT DATE") || Holds(word, "LONG DATE") ||
            Holds(word, "GENERAL DATE"))
            return DateRule::NamedFormat;
    }
    return DateRule::None;
}

// The text of a name rule for a statement of the given class: a
// declaration, a procedure heading or any other statement.
std::string NameRuleText(DateRule rule, StatementClass statementClass) {
    const int column =
        statementClass == StatementClass::Declaration ? 0 : (statementClass == StatementClass::ProcHeading ? 1 : 2);
    static const char* const kDates[] = {"The following declaration may manipulate dates.",
                                         "The following procedure declaration may manipulate dates.",
                                         "The following statement may manipulate date data."};
    static const char* const kLeap[] = {"The following declaration may manipulate leap year.",
                                        "The following procedure declaration may manipulate leap year.",
                                        "The following statement may manipulate leap year date data."};
    static const char* const kYears[] = {"The following declaration may manipulate the year.",
                                         "The following procedure declaration may manipulate the year.",
                                         "The following statement may manipulate year date data."};
    switch (rule) {
        case DateRule::Dates: return kDates[column];
        case DateRule::LeapYears: return kLeap[column];
        default: return kYears[column];
    }
}

std::string WarningText(const SourceModel& m, DateRule rule, const BabToken& tok) {
    switch (rule) {
        case DateRule::Separator:
            return "If you are formating a date in the following statement,\r\nVerify that it is correct.";
        case DateRule::TwoDigitYear:
            return "If you are using YY in a format statement,\r\nVerify that it is not a problem.";
        case DateRule::NamedFormat:
            return "The String " + tok.Piece +
                   " is used in a statement.\r\nYou need to verify that international settings use 4 digit years.";
        default: {
            StatementClass cls = (tok.Statement >= 0 && static_cast<size_t>(tok.Statement) < m.yStatement.size())
                                     ? m.yStatement[static_cast<size_t>(tok.Statement)].Class
                                     : StatementClass::Other;
            return NameRuleText(rule, cls);
        }
    }
}

void Scan(ZelkRun& run, BabStatement& stmt) {
    oDebug->ClearStatus();
    if (stmt.FirstToken < 1) return;
    const SourceModel& m = run.model;
    for (long t = stmt.FirstToken; t <= stmt.LastToken; ++t) {
        if (!tokentext::InTokens(m, t)) {
            oLog->LogData("TK > UBound(yToken), line 46640 ScanForY2K");
            return;
        }
        const BabToken& tok = m.yToken[static_cast<size_t>(t)];
        DateRule rule = RuleOf(tok);
        if (rule == DateRule::None) continue;
        sbLogLine(run, WarningText(m, rule, tok) + "\r\n" + tokentext::StatementSourceText(m, stmt), true);
        return;
    }
}

}  // namespace

void ScanForY2K(ZelkRun& run, BabStatement& stmt) {
    TraceGuard trace(TraceKind::App, "ScanForY2K");
    Trapped("ScanForY2K", [&] { Scan(run, stmt); });
}
