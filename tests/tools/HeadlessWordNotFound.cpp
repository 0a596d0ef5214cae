#include "HeadlessWordNotFound.h"

#include <iostream>

#include "spelling/cSpellCheck.h"

bool ParseSpellAnswer(const std::string& name, SpellAnswer& answer) {
    if (name == "ignore") answer = SpellAnswer::Ignore;
    else if (name == "first-suggestion") answer = SpellAnswer::FirstSuggestion;
    else if (name == "cancel") answer = SpellAnswer::Cancel;
    else return false;
    return true;
}

WordNotFoundAnswer HeadlessWordNotFound::Ask(cSpellCheck&, const std::string& word,
                                             const std::vector<std::string>& suggestions, bool) {
    WordNotFoundAnswer answer{sc::kIgnore, word, {}};
    if (answer_ == SpellAnswer::FirstSuggestion && !suggestions.empty()) {
        answer.Result = sc::kReplace;
        answer.Replacement = suggestions.front();
    } else if (answer_ == SpellAnswer::Cancel) {
        answer.Result = sc::kCancelCheck;
    }
    std::cerr << "spelling: " << word << " -> "
              << (answer.Result == sc::kReplace ? answer.Replacement
                  : answer.Result == sc::kCancelCheck ? "(cancel)" : "(ignored)")
              << "\n";
    return answer;
}
