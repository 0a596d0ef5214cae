// Arrangement of a module's declarations part: each statement gets a key of
// scope, name, type and declaration kind in the order gsModuleHow chooses,
// and the statements from the first declaration on are ordered by it. Old
// declaration words are converted on the way.
#include "engine/ModuleDeclarations.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "DeclarationPieces.h"
#include "engine/EngineState.h"
#include "common/ErrorTrap.h"
#include "engine/ExchangeSort.h"
#include "analysis/SourceModel.h"
#include "analysis/StatementAnalysis.h"
#include "TokenText.h"
#include "common/Trace.h"
#include "common/mKEMCommon.h"

namespace {

using tokentext::Fixed;
using tokentext::Upper;

constexpr size_t kNameWidth = 255;
constexpr size_t kTypeWidth = 20;
const std::string kDefaultModuleHow = "112341234567";

// What the classification gives one statement. A statement starts with the
// values of the one before it, so that what it does not set travels along
// (a comment line stays with the declaration above it).
struct DeclFields {
    long Category = 0;  // scope * 100 + kind
    std::string SortName = Fixed("", kNameWidth);
    std::string TypeName = Fixed("", kTypeWidth);
};

bool IsOneOf(const std::string& word, std::initializer_list<const char*> words) {
    for (const char* w : words)
        if (word == w) return true;
    return false;
}

class ModuleClassifier {
public:
    explicit ModuleClassifier(ZelkRun& run) : run_(run), opt_(run.opt), m_(run.model) {}

    // Classifies statement s given the fields of the statement before it.
    void Classify(long s, DeclFields& f, const DeclFields* before, long& firstDecl) {
        const BabStatement& st = m_.yStatement[static_cast<size_t>(s)];
        if (st.Class == StatementClass::Declaration && firstDecl == 0) firstDecl = s;
        const long t0 = st.FirstToken;
        if (tokentext::Piece(m_, t0) == "#") {
            std::string next = Upper(m_, t0 + 1);
            if (next == "IF") {
                inConditional_ = true;
                if (firstDecl == 0) firstDecl = s;
            } else if (next == "END") {
                inConditional_ = false;
            }
        }
        if (t0 < 1) return;
        if (inConditional_) {
            // Conditional members of a Type or Enum stay in it with their
            // header's fields: a block of its own would tear the Type apart.
            if (!inTypeOrEnum_) SetConditional(f);
            return;
        }
        switch (st.Class) {
            case StatementClass::Blank:
                // A blank line keeps no name or type of the line above: in
                // an order that leads with the name it would land among the
                // declarations wherever that name sorts, and at another place
                // once the line above it has changed. Blank lines gather
                // before the declarations in every order.
                if (!inTypeOrEnum_) f = DeclFields{9};
                break;
            case StatementClass::ModuleDescription:
                if (f.Category == 0) f.Category = 9;
                break;
            case StatementClass::Other:
            case StatementClass::Declaration:
                ScanTokens(st, f, before);
                break;
            default:
                break;
        }
    }

private:
    static void SetConditional(DeclFields& f) {
        f.Category = 304;
        f.SortName = Fixed("CONDITIONAL", kNameWidth);
        f.TypeName = Fixed("CONDITIONAL", kTypeWidth);
    }

    bool InBlock() const { return inConditional_ || inTypeOrEnum_; }

    const ZelkRun& run_;
    const ZelkOptions& opt_;
    SourceModel& m_;  // its token texts take the converted words

    void ScanTokens(const BabStatement& st, DeclFields& f, const DeclFields* before) {
        const long ft = st.FirstToken;
        for (long t = ft; t <= st.LastToken; ++t) {
            if (tokentext::InTokens(m_, t - 1) && m_.yToken[static_cast<size_t>(t - 1)].FlagsOut == 1) {
                // A continued line: the statement sorts with the one before it
                // (the first statement of the part has none and keeps its own).
                if (before) f.Category = before->Category;
                return;
            }
            const std::string w = Upper(m_, t);
            if (IsOneOf(w, {"DIM", "PUBLIC", "PRIVATE", "GLOBAL"})) {
                if (InBlock()) return;
                if (opt_.gblnConvertDeclare) {
                    if (w == "GLOBAL") tokentext::SetPiece(m_, t, "Public");
                    if (w == "DIM") tokentext::SetPiece(m_, t, "Private");
                }
                std::string next = Upper(m_, t + 1);
                if (!IsOneOf(next, {"CONST", "TYPE", "ENUM", "DECLARE", "EVENT", "WITHEVENTS"})) {
                    // A variable takes its own type, never the one of the
                    // line above: the first one declared in a list.
                    f.SortName = Fixed(DeclaredName(m_, t + 1), kNameWidth);
                    f.TypeName = Fixed(DeclaredType(run_, t + 1, st.LastToken), kTypeWidth);
                }
                continue;
            }
            if (w == "CONST") {
                if (InBlock()) return;
                f.SortName = Fixed(DeclaredName(m_, t + 1), kNameWidth);
                f.Category = 1 + ((t == ft || Upper(m_, t - 1) == "PRIVATE") ? 200 : 100);
                f.TypeName = Fixed(DeclaredType(run_, t + 1, st.LastToken), kTypeWidth);
                return;
            }
            if (w == "AS") {
                std::string type = Upper(m_, t + 1);
                // The key takes the converted type, so that a second zelk
                // sorts the declaration where the first one put it.
                if (opt_.gblnConvertDAO && IsOneOf(type, {"DYNASET", "TABLE", "SNAPSHOT"})) {
                    tokentext::SetPiece(m_, t + 1, "Recordset");
                    type = "RECORDSET";
                }
                // A member of a Type keeps its header's fields; the type of
                // a variable was taken with its name.
                if (!inTypeOrEnum_ && f.Category % 100 != 3) f.TypeName = Fixed(type, kTypeWidth);
                continue;
            }
            if (w == "DECLARE") {
                if (InBlock()) return;
                f.Category = 5 + (Upper(m_, t - 1) == "PRIVATE" ? 200 : 100);
                // The function's type, written as an As clause or as the
                // name's type character alike.
                f.SortName = Fixed(DeclaredName(m_, t + 2), kNameWidth);
                f.TypeName = Fixed(DeclaredType(run_, t + 2, st.LastToken), kTypeWidth);
                return;
            }
            if (w == "TYPE" || w == "ENUM") {
                if (inTypeOrEnum_) return;
                if (inConditional_) continue;
                f.Category = (w == "TYPE") ? 2 : 7;
                f.SortName = Fixed(Upper(m_, t + 1), kNameWidth);
                f.TypeName = Fixed("TYPEORENUM", kTypeWidth);
                std::string before1 = Upper(m_, t - 1);
                if (t == ft || before1 == "PUBLIC")
                    f.Category += 100;
                else if (before1 == "PRIVATE")
                    f.Category += 200;
                inTypeOrEnum_ = true;
                continue;
            }
            if (w == "END") {
                if (inConditional_) continue;
                if (t == ft && IsOneOf(Upper(m_, t + 1), {"TYPE", "ENUM"})) {
                    inTypeOrEnum_ = !inTypeOrEnum_;
                    return;
                }
                continue;
            }
            if (w == "EVENT" || w == "WITHEVENTS") {
                if (inTypeOrEnum_) return;
                f.Category = 6 + (Upper(m_, t - 1) == "PRIVATE" ? 200 : 100);
                f.SortName = Fixed(Upper(m_, t + 1), kNameWidth);
                f.TypeName = Fixed("EVENT", kTypeWidth);
                return;
            }
            if (tokentext::Piece(m_, t) == "#") {
                if (t != ft) continue;
                std::string next = Upper(m_, t + 1);
                if (next == "IF") {
                    inConditional_ = true;
                    if (!inTypeOrEnum_) SetConditional(f);
                } else if (next == "END") {
                    inConditional_ = false;
                }
                return;
            }
            if (t == ft && (w == "OPTION" || w == "IMPLEMENTS")) {
                f.Category = 9;
                return;
            }
            if (InBlock()) return;
            if (t == ft + 1) {
                std::string scope = Upper(m_, t - 1);
                if (scope == "GLOBAL" || scope == "PUBLIC")
                    f.Category = 103;
                else if (scope == "DIM" || scope == "PRIVATE")
                    f.Category = 203;
            }
        }
    }

    bool inConditional_ = false;
    bool inTypeOrEnum_ = false;
};

StatementClass ClassOf(const SourceModel& m, long s) { return m.yStatement[static_cast<size_t>(s)].Class; }

// Blank lines sort apart from the declarations, so a comment that follows
// one would lose the declaration it documents. Comment lines after a blank
// line travel with the code line right below them (they head it); when a
// blank line or the part's end follows them too, with the code line above
// them, as comment lines right below a declaration do.
void KeepCommentsWithTheirDeclarations(const SourceModel& m, long first, long last, std::vector<DeclFields>& fields) {
    auto at = [&](long s) -> DeclFields& { return fields[static_cast<size_t>(s - first)]; };
    long s = first + 1;
    while (s <= last) {
        if (ClassOf(m, s) != StatementClass::Comment || ClassOf(m, s - 1) != StatementClass::Blank) {
            ++s;
            continue;
        }
        long end = s;
        while (end <= last && ClassOf(m, end) == StatementClass::Comment) ++end;
        long owner = end;
        if (end > last || ClassOf(m, end) == StatementClass::Blank) {
            owner = s - 1;
            while (owner >= first && ClassOf(m, owner) == StatementClass::Blank) --owner;
        }
        if (owner >= first)
            for (long c = s; c < end; ++c) at(c) = at(owner);
        s = end;
    }
}

// The name tokens of a variable or constant list's declarations, when the
// formatter writes them a line each; else the first name alone (0 for a
// statement that declares nothing).
std::vector<long> ListNames(const ZelkRun& run, long s, const DeclFields& f) {
    const SourceModel& m = run.model;
    const BabStatement& st = m.yStatement[static_cast<size_t>(s)];
    const long kind = f.Category % 100;
    const long ft = st.FirstToken;
    if (st.Class == StatementClass::Declaration && kind == 3 &&
        IsOneOf(Upper(m, ft), {"DIM", "PUBLIC", "PRIVATE", "GLOBAL"}))
        return DeclarationPieceNames(run, s, ft + 1, false);
    if (st.Class == StatementClass::Declaration && kind == 1) {
        for (long t = ft; t <= ft + 1; ++t)
            if (tokentext::Is(m, t, "CONST")) return DeclarationPieceNames(run, s, t + 1, true);
    }
    return {0};
}

// True when the four key digits are an order of 1, 2, 3 and 4.
bool IsKeyOrder(const std::string& digits) {
    if (digits.size() != 4) return false;
    std::array<bool, 4> seen{};
    for (char c : digits) {
        if (c < '1' || c > '4' || seen[static_cast<size_t>(c - '1')]) return false;
        seen[static_cast<size_t>(c - '1')] = true;
    }
    return true;
}

// The statement number at a fixed width, so that it breaks ties in file
// order also past statement 99999.
std::string NumberField(long s, size_t width) {
    std::string digits = std::to_string(s);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

std::string ModuleKey(const DeclFields& f, const std::string& keyDigits, const std::string& kindDigits, long s,
                      size_t numberWidth) {
    std::string mask = "1111111";
    const long kind = f.Category % 100;
    for (size_t k = 0; k < kindDigits.size() && k < mask.size(); ++k) {
        if (kindDigits[k] - '0' == kind) {
            mask[k] = '0';
            break;
        }
    }
    std::string key;
    for (char digit : keyDigits) {
        switch (digit) {
            case '1': key += std::to_string(f.Category / 100); break;
            case '2': key += f.SortName; break;
            case '3': key += f.TypeName; break;
            case '4': key += mask; break;
            default: break;
        }
    }
    return key + NumberField(s, numberWidth);
}

// The first statement of a procedure whose heading was not recognised (a
// word the keyword file does not know before Sub, Function or Property), so
// that it stayed in the declarations part: the statement with that word
// before the first procedure end, with the comment and blank lines right
// above it.
// last + 1 when the part holds no procedure end.
long UnknownProcedureStart(const SourceModel& m, long first, long last) {
    long end = first;
    while (end <= last && ClassOf(m, end) != StatementClass::ProcEnd) ++end;
    if (end > last) return last + 1;
    for (long s = end - 1; s >= first; --s) {
        const BabStatement& st = m.yStatement[static_cast<size_t>(s)];
        bool heading = false;
        for (long t = st.FirstToken; t >= 1 && t <= st.LastToken && tokentext::InTokens(m, t); ++t) {
            if (tokentext::Is(m, t, "DECLARE") || tokentext::Is(m, t, "EVENT")) break;
            if (tokentext::Is(m, t, "SUB") || tokentext::Is(m, t, "FUNCTION") || tokentext::Is(m, t, "PROPERTY")) {
                heading = true;
                break;
            }
        }
        if (!heading) continue;
        while (s > first &&
               (ClassOf(m, s - 1) == StatementClass::Comment || ClassOf(m, s - 1) == StatementClass::Blank))
            --s;
        return s;
    }
    // No heading to be found: nothing is safe to move.
    return first;
}

void ArrangeModule(ZelkRun& run, long first, long last, StatementOrder& order) {
    const ZelkOptions& o = run.opt;
    const SourceModel& m = run.model;
    oDebug->ClearStatus();
    if (!(o.gblnDoModules || o.gblnConvertDeclare || o.gblnConvertDAO || o.gblnInsertErrHandling ||
          o.gblnInsertLogging || o.gblnInsertTracing))
        return;
    // An order code of the wrong length is read as the fallback order for
    // this run; the user's setting stays as it is.
    const std::string& how = o.gsModuleHow.size() == 12 ? o.gsModuleHow : kDefaultModuleHow;
    const std::string keyDigits = how.substr(1, 4);
    const std::string kindDigits = how.substr(5, 7);
    if (last < first) return;
    // A procedure left in the part is neither converted nor arranged: a
    // declaration moved below its end, or a Dim of its body made Private,
    // would no longer compile.
    if (first >= 0 && last < static_cast<long>(m.yStatement.size())) last = UnknownProcedureStart(m, first, last) - 1;
    if (last < first) return;

    const size_t n = static_cast<size_t>(last - first + 1);
    std::vector<DeclFields> fields(n);
    long firstDecl = 0;
    ModuleClassifier classifier(run);
    for (long s = first; s <= last; ++s) {
        if (s < 0 || static_cast<size_t>(s) >= m.yStatement.size()) {
            oLog->LogData("Out of bound error in yStatement FloatModuleDeclarations");
            return;
        }
        const size_t k = static_cast<size_t>(s - first);
        if (k > 0) fields[k] = fields[k - 1];
        classifier.Classify(s, fields[k], k > 0 ? &fields[k - 1] : nullptr, firstDecl);
    }

    if (!o.gblnDoModules) return;
    if (firstDecl == 0) firstDecl = first;
    KeepCommentsWithTheirDeclarations(m, first, last, fields);

    // Keys of the statements before the first declaration stay empty, so
    // that the sort leaves them where they are. A list split into lines
    // sorts line by line.
    const bool validKeys = IsKeyOrder(keyDigits);
    const size_t numberWidth = std::max<size_t>(5, std::to_string(last).size());
    std::vector<std::string> keys;
    std::vector<SortedPiece> entries;
    keys.reserve(n);
    entries.reserve(n);
    for (long s = first; s <= last; ++s) {
        const size_t k = static_cast<size_t>(s - first);
        // Each piece: its fields and the statement number that breaks ties.
        std::vector<std::pair<DeclFields, long>> pieces;
        const std::vector<long> line = s < firstDecl ? std::vector<long>{} : DeclarationLineStatements(run, s);
        if (!line.empty() && line.back() <= last) {
            // Declarations that share a line are written a line each; they
            // sort as those lines will. The later ones keep their own
            // entries, which write nothing.
            for (long one : line) pieces.push_back({fields[static_cast<size_t>(one - first)], one});
        } else {
            const std::vector<long> names = s < firstDecl ? std::vector<long>{0} : ListNames(run, s, fields[k]);
            for (size_t piece = 0; piece < names.size(); ++piece) {
                DeclFields f = fields[k];
                if (piece > 0) {
                    f.SortName = Fixed(DeclaredName(m, names[piece]), kNameWidth);
                    f.TypeName =
                        Fixed(DeclaredType(run, names[piece], m.yStatement[static_cast<size_t>(s)].LastToken),
                              kTypeWidth);
                }
                pieces.push_back({f, s});
            }
        }
        for (size_t piece = 0; piece < pieces.size(); ++piece) {
            keys.push_back(s >= firstDecl && validKeys ? ModuleKey(pieces[piece].first, keyDigits, kindDigits,
                                                                   pieces[piece].second, numberWidth) +
                                                             NumberField(static_cast<long>(piece), 4)
                                                       : std::string());
            entries.push_back({s, static_cast<int>(piece), static_cast<int>(pieces.size())});
        }
    }
    const std::vector<size_t> sorted = ExchangeSortOrder(keys);
    std::vector<SortedPiece> placed;
    placed.reserve(sorted.size());
    for (size_t i : sorted) placed.push_back(entries[i]);
    PlacePieces(placed, first, order);
}

}  // namespace

void FloatModuleDeclarations(ZelkRun& run, long& first, long& last, StatementOrder& order) {
    TraceGuard trace(TraceKind::App, "FloatModuleDeclarations");
    Trapped("FloatModuleDeclarations", [&] { ArrangeModule(run, first, last, order); });
}
