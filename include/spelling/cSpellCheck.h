#pragma once
// The spell checker of comments and string literals: the main dictionary
// (held in memory), the custom dictionary, sound-alike suggestions, and the
// check of a whole text word by word, asking about each unknown word.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "spelling/MainDictionary.h"
#include "spelling/WordNotFound.h"

// SCResult: the checker's mode on entry to a word check, and the result
// codes of words, texts and the user's answers.
namespace sc {
enum Result : long {
    kCorrect = -1,     // word accepted; text changed; suggestions found
    kNotFound = 0,     // word not in the main dictionary; no suggestions; question closed
    kAddToCustom = 1,  // "&Add to Custom"
    kAsk = 2,          // check mode; after the ignore and replace lists: ask the user
    kSuggest = 3,      // suggestion mode
    kReplace = 4,      // "&Replace"
    kIgnore = 5,       // "&Ignore"
    kIgnoreAll = 6,    // "I&gnore All"
    kReplaceAll = 7,   // "R&eplace All"
    kDeleteWord = 8,   // "&Delete Word"
    kCancelCheck = 88, // "Cancel Spellcheck"
    kEmptyText = 90,   // the text was empty
};
}  // namespace sc

class cSpellCheck {
public:
    using KeyWordTest = std::function<bool(const std::string& upperWord)>;

    // The question about unknown words (not owned; none: such words are
    // left as they are). The keyword test defaults to the analyser's table
    // of the current dialect.
    explicit cSpellCheck(IWordNotFound* wordNotFound = nullptr, KeyWordTest isKeyWord = {});

    bool IgnoreNumbers = false;    // a word holding a digit is correct
    bool IgnoreUpperCase = false;  // a word without small letters is correct
    bool IgnoreVBWords = false;    // a keyword of the current dialect is correct

    const std::string& MainDictName() const { return mainDictName_; }
    void MainDictName(std::string name) { mainDictName_ = std::move(name); }
    // Put in front of a dictionary name that holds no folder.
    const std::string& MainDictPath() const { return mainDictPath_; }
    void MainDictPath(std::string path) { mainDictPath_ = std::move(path); }
    // Empty: no custom dictionary.
    const std::string& UserDictName() const { return userDictName_; }
    void UserDictName(std::string name) { userDictName_ = std::move(name); }

    const std::string& StringToCheck() const { return stringToCheck_; }
    void StringToCheck(std::string text) { stringToCheck_ = std::move(text); }
    const std::string& ThingToCheck() const { return thingToCheck_; }
    void ThingToCheck(std::string label) { thingToCheck_ = std::move(label); }
    long SCResult() const { return scResult_; }

    // Reads the main dictionary into memory and the custom words from their
    // file (creating a missing one with its header), and empties the ignore
    // and replace lists, so that they last for one file. True when the main
    // dictionary is usable; without one, checking is off: texts stay as
    // they are and no question is asked. The main dictionary is only read.
    bool SpellInitialize();
    // Empties the ignore list and lets go of the question's window.
    void SpellTerminate();

    // Checks a text (StringToCheck when none is given); the label is kept
    // in ThingToCheck. Afterwards SCResult is kCorrect with the corrected
    // text in StringToCheck, kCancelCheck when the user stopped, kEmptyText
    // for an empty text; any other value leaves the text unchanged.
    void SpellCheck(std::optional<std::string> text = std::nullopt, std::optional<std::string> label = std::nullopt);

    // Checks the next run of letters of the text from `start` (which moves
    // to the run), without asking; returns the run's length, 0 at the end.
    size_t sccCheckText(std::string_view text, size_t& start);

    // The suggestions for a typed text, in the case of the text (which
    // becomes the case pattern of the next replacement). Leaves SCResult at
    // kSuggest.
    std::vector<std::string> ShowReplacements(const std::string& word);

    // Asks about a word through the question; returns the answer code.
    long WordNotFoundDlg(const std::string& word, std::vector<std::string>& replacements);

    // The word list of the custom dictionary as loaded and added to.
    const std::vector<std::string>& CustomWords() const { return customWords_; }
    const std::vector<std::string>& IgnoreAllWords() const { return ignoreAllWords_; }
    const std::vector<std::pair<std::string, std::string>>& ChangeAllPairs() const { return changeAllPairs_; }
    const std::string& CasePattern() const { return casePattern_; }
    const spelldict::MainDictionary& MainDictionary() const { return dict_; }

    // The main dictionary and custom dictionary operations the check uses.
    bool SccInCustom(std::string_view word);
    bool AddToCustom(const std::string& word);
    std::string GetDictWord(int32_t zeroBasedBlock, int place) const { return dict_.GetDictWord(zeroBasedBlock, place); }
    // Fills the list with suggestions for the word; SCResult kCorrect when
    // there are any, kNotFound when none (and kCorrect with the list as it
    // was when the word is accepted before the search).
    void SccGetReplacements(const std::string& word, std::vector<std::string>& list);
    std::string fsSetCase(std::string_view word) const;

private:
    enum class Mode { Check, Suggest };
    // The word check: sets SCResult to kCorrect when the word is accepted;
    // in suggestion mode fills the list.
    void SpellCheckPrv(std::string_view word, std::vector<std::string>& list, Mode mode);
    bool InIgnoreAll(std::string_view upperWord) const;
    // kCorrect when the piece is in the replace list (then replaced) or the
    // ignore list, else kAsk.
    long IgnoreOrReplace(size_t piece);
    void ReplacePiece(size_t piece, std::string text);
    void CheckPieces();

    IWordNotFound* wordNotFound_;
    KeyWordTest isKeyWord_;
    std::string mainDictName_, mainDictPath_, userDictName_;
    std::string stringToCheck_, thingToCheck_;
    long scResult_ = 0;
    std::string casePattern_;
    std::vector<std::string> ignoreAllWords_;
    std::vector<std::pair<std::string, std::string>> changeAllPairs_;
    std::vector<std::string> customWords_;
    spelldict::MainDictionary dict_;
    WordNotFoundAnswer lastAnswer_;

    // Working state of one check, kept to reuse its storage.
    std::string text_;
    std::string upper_;
    std::vector<std::string_view> pieces_;
    std::deque<std::string> replacements_;  // stable storage the replaced pieces view
    std::vector<std::string> scratch_;
    bool changed_ = false;
};
