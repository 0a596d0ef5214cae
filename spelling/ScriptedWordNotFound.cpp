#include "spelling/WordNotFound.h"

#include "spelling/cSpellCheck.h"

WordNotFoundAnswer ScriptedWordNotFound::Ask(cSpellCheck& checker, const std::string& word,
                                             const std::vector<std::string>& suggestions, bool canAddToCustom) {
    Questions.push_back({word, suggestions, canAddToCustom, {}});
    if (Answers.empty()) {
        if (Strict) throw std::logic_error("unexpected Word Not Found question about " + word);
        return {sc::kIgnore, word, {}};
    }
    Step step = Answers.front();
    Answers.pop_front();
    // Suggest acts only on a typed text of two characters or more.
    if (step.SuggestFor.size() > 1) Questions.back().SuggestedForTyped = checker.ShowReplacements(step.SuggestFor);
    return {step.Result, step.WordText.empty() ? word : step.WordText, step.Replacement};
}
