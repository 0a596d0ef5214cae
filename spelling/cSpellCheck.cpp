#include "spelling/cSpellCheck.h"

#include <algorithm>

#include "spelling/CustomDictionary.h"
#include "common/ErrorTrap.h"
#include "analysis/KeywordTable.h"
#include "spelling/SpellText.h"
#include "platform/TextFile.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {

constexpr const char* kTraceName = "cSpellCheck";

// The checker reports its own errors whatever the debug switches say.
template <class F>
auto AlwaysTrapped(const char* procName, F&& body) -> decltype(body()) {
    try {
        return body();
    } catch (const std::exception&) {
        ERHandlerForCurrentException(std::string("cSpellCheck::") + procName + " line: 0");
    }
}

bool HoldsFolder(const std::string& name) { return name.find('/') != std::string::npos; }

bool HasSmallLetter(std::string_view word) {
    return std::any_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

bool HasDigit(std::string_view word) {
    return std::any_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

cSpellCheck::cSpellCheck(IWordNotFound* wordNotFound, KeyWordTest isKeyWord)
    : wordNotFound_(wordNotFound), isKeyWord_(std::move(isKeyWord)) {
    if (!isKeyWord_) isKeyWord_ = [](const std::string& word) { return BabIsKeyWord(word); };
}

bool cSpellCheck::SpellInitialize() {
    TraceGuard trace(TraceKind::App, kTraceName, "SpellInitialize");
    customWords_.clear();
    dict_.Clear();
    // The lists belong to one file, whatever follows.
    ignoreAllWords_.clear();
    changeAllPairs_.clear();
    if (mainDictName_.empty()) return false;

    if (!HoldsFolder(mainDictName_)) mainDictName_ = mainDictPath_ + mainDictName_;
    // Read only: a missing or unreadable dictionary is never created.
    std::string bytes;
    if (textfile::ReadAll(mainDictName_, bytes)) dict_.Assign(std::move(bytes));

    if (!userDictName_.empty()) {
        if (!HoldsFolder(userDictName_)) userDictName_ = mainDictPath_ + userDictName_;
        customWords_ = customdict::Load(userDictName_);
    }
    return dict_.IsUsable();
}

void cSpellCheck::SpellTerminate() {
    ignoreAllWords_.clear();
    if (wordNotFound_) wordNotFound_->Unload();
    if (TraceOn(TraceKind::App)) oLog->LogTraceExit(kTraceName, "SpellTerminate");
}

bool cSpellCheck::SccInCustom(std::string_view word) {
    return AlwaysTrapped("SpellCheckPrv", [&] {
        for (const std::string& entry : customWords_) {
            if (vb::EqualsNoCase(entry, word)) {
                scResult_ = sc::kCorrect;
                return true;
            }
        }
        return false;
    });
}

bool cSpellCheck::AddToCustom(const std::string& word) {
    if (!customdict::Append(userDictName_, word)) return false;
    customWords_.push_back(word);
    return true;
}

std::string cSpellCheck::fsSetCase(std::string_view word) const { return spelltext::fsSetCase(word, casePattern_); }

bool cSpellCheck::InIgnoreAll(std::string_view upperWord) const {
    return std::find(ignoreAllWords_.begin(), ignoreAllWords_.end(), upperWord) != ignoreAllWords_.end();
}

void cSpellCheck::SpellCheckPrv(std::string_view word, std::vector<std::string>& list, Mode mode) {
    AlwaysTrapped("SpellCheckPrv", [&] {
        scResult_ = sc::kCorrect;
        if (word.size() < 2 || vb::IsNumeric(word)) return;
        if (IgnoreUpperCase && !HasSmallLetter(word)) return;
        spelltext::RecordCasePattern(word, casePattern_);
        if (mode == Mode::Suggest) list.clear();
        upper_.assign(word);
        for (char& c : upper_) c = vb::UCaseChar(c);
        if (mode == Mode::Check) {
            if (spelltext::HighFreq(upper_)) return;
            if (IgnoreVBWords && isKeyWord_(upper_)) return;
        }
        if (IgnoreNumbers && HasDigit(upper_)) return;
        if (InIgnoreAll(upper_)) return;
        scResult_ = sc::kNotFound;
        if (mode == Mode::Check) {
            if (dict_.Lookup(upper_)) scResult_ = sc::kCorrect;
            return;
        }
        if (dict_.BlockSearch(upper_) == 0) return;
        dict_.GetReplacements(upper_, list);
        if (!list.empty()) scResult_ = sc::kCorrect;
    });
}

void cSpellCheck::SccGetReplacements(const std::string& word, std::vector<std::string>& list) {
    scResult_ = sc::kSuggest;
    SpellCheckPrv(word, list, Mode::Suggest);
}

std::vector<std::string> cSpellCheck::ShowReplacements(const std::string& word) {
    return AlwaysTrapped("SpellCheck", [&] {
        std::vector<std::string> list;
        SpellCheckPrv(word, list, Mode::Suggest);
        scResult_ = sc::kSuggest;
        for (std::string& s : list) s = fsSetCase(s);
        return list;
    });
}

long cSpellCheck::WordNotFoundDlg(const std::string& word, std::vector<std::string>& replacements) {
    return AlwaysTrapped("WordNotFoundDlg", [&] {
        SccGetReplacements(word, replacements);
        std::vector<std::string> shown;
        if (scResult_ == sc::kCorrect)
            for (const std::string& s : replacements) shown.push_back(fsSetCase(s));
        lastAnswer_ = {};
        if (wordNotFound_) lastAnswer_ = wordNotFound_->Ask(*this, word, shown, !userDictName_.empty());
        return lastAnswer_.Result;
    });
}

size_t cSpellCheck::sccCheckText(std::string_view text, size_t& start) {
    if (start >= text.size()) return 0;
    auto isLetter = [](char c) {
        char u = vb::UCaseChar(c);
        return u >= 'A' && u <= 'Z';
    };
    while (start < text.size() && !isLetter(text[start])) ++start;
    size_t end = start;
    while (end < text.size() && isLetter(text[end])) ++end;
    scResult_ = sc::kAsk;
    SpellCheckPrv(text.substr(start, end - start), scratch_, Mode::Check);
    return end - start;
}

void cSpellCheck::ReplacePiece(size_t piece, std::string text) {
    replacements_.push_back(std::move(text));
    pieces_[piece] = replacements_.back();
    changed_ = true;
}

long cSpellCheck::IgnoreOrReplace(size_t piece) {
    return AlwaysTrapped("IgnoreOrReplace", [&]() -> long {
        for (const auto& [from, to] : changeAllPairs_) {
            if (from == upper_) {
                ReplacePiece(piece, fsSetCase(to));
                return sc::kCorrect;
            }
        }
        return InIgnoreAll(upper_) ? sc::kCorrect : sc::kAsk;
    });
}

void cSpellCheck::SpellCheck(std::optional<std::string> text, std::optional<std::string> label) {
    if (text) stringToCheck_ = std::move(*text);
    if (label) thingToCheck_ = std::move(*label);
    AlwaysTrapped("SpellCheck", [&] {
        if (stringToCheck_.empty()) {
            scResult_ = sc::kEmptyText;
            return;
        }
        // Without a usable main dictionary every word would be unknown:
        // checking is off, as if nothing needed changing.
        if (!dict_.IsUsable()) {
            scResult_ = sc::kAsk;
            return;
        }
        bool quoted = stringToCheck_.size() >= 2 && stringToCheck_.front() == '"' && stringToCheck_.back() == '"';
        if (quoted) stringToCheck_ = stringToCheck_.substr(1, stringToCheck_.size() - 2);
        CheckPieces();
        if (scResult_ == sc::kCancelCheck) return;
        if (quoted) stringToCheck_ = '"' + stringToCheck_ + '"';
    });
}

void cSpellCheck::CheckPieces() {
    text_ = stringToCheck_;
    static const std::string kParseLineTrap = std::string(kTraceName) + ": ParseLine";
    size_t slots = 0;
    {
        TraceGuard trace(TraceKind::App, kTraceName, "ParseLine");
        Trapped(kParseLineTrap, [&] {
            TraceGuard countTrace(TraceKind::App, kTraceName, "fnCount");
            slots = spelltext::fnCount(text_) + 1;
        });
        Trapped(kParseLineTrap, [&] { spelltext::ParseLine(text_, pieces_); });
    }
    replacements_.clear();
    changed_ = false;
    for (size_t i = 0; i < pieces_.size(); ++i) {
        scResult_ = sc::kAsk;
        const std::string_view piece = pieces_[i];
        if (piece.size() < 2 || spelltext::IsLineBreak(piece)) continue;
        SpellCheckPrv(piece, scratch_, Mode::Check);
        if (scResult_ == sc::kCorrect) continue;
        if (SccInCustom(piece)) continue;
        scResult_ = IgnoreOrReplace(i);
        if (scResult_ == sc::kAsk) {
            Ui().SetMousePointer(pointer::vbDefault);
            scResult_ = WordNotFoundDlg(std::string(piece), scratch_);
            Ui().SetMousePointer(pointer::vbHourglass);
        }
        switch (scResult_) {
            case sc::kAddToCustom: AddToCustom(std::string(piece)); break;
            case sc::kReplace: ReplacePiece(i, fsSetCase(lastAnswer_.Replacement)); break;
            case sc::kIgnoreAll: ignoreAllWords_.push_back(vb::UCase(lastAnswer_.WordText)); break;
            case sc::kReplaceAll:
                changeAllPairs_.emplace_back(vb::UCase(lastAnswer_.WordText), vb::UCase(lastAnswer_.Replacement));
                ReplacePiece(i, fsSetCase(lastAnswer_.Replacement));
                break;
            case sc::kDeleteWord: ReplacePiece(i, std::string()); break;
            case sc::kCancelCheck: return;
            default: break;
        }
    }
    // A text ending in a delimiter leaves one empty slot after its pieces,
    // which sets the ask code like any short piece.
    if (slots > pieces_.size()) scResult_ = sc::kAsk;
    if (changed_) {
        scResult_ = sc::kCorrect;
        TraceGuard trace(TraceKind::App, kTraceName, "UnParseString");
        stringToCheck_ = spelltext::UnParseString(pieces_, 0);
    }
}
