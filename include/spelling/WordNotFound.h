#pragma once
// The question the checker asks about a word it does not know. The program
// answers it with the "Word Not Found" dialog; tests and tools with the
// scripted fake below.
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

class cSpellCheck;

// The user's answer: one of the checker's answer codes (sc::kAddToCustom,
// kReplace, kIgnore, kIgnoreAll, kReplaceAll, kDeleteWord, kCancelCheck), or
// 0 when the question was closed without one; the texts of the word and
// replacement boxes as the user left them.
struct WordNotFoundAnswer {
    long Result = 0;
    std::string WordText;
    std::string Replacement;
};

class IWordNotFound {
public:
    virtual ~IWordNotFound() = default;
    // Asks about `word`. The suggestions are already in the word's case;
    // Add to Custom is offered only when `canAddToCustom`. A request for
    // suggestions of a typed text goes to checker.ShowReplacements.
    virtual WordNotFoundAnswer Ask(cSpellCheck& checker, const std::string& word,
                                   const std::vector<std::string>& suggestions, bool canAddToCustom) = 0;
    // Lets go of the question's window when the checker shuts down.
    virtual void Unload() {}
};

// Answers from a queue and records every question.
class ScriptedWordNotFound : public IWordNotFound {
public:
    struct Step {
        long Result = 0;
        std::string Replacement;
        // Typed into the replacement box and sent to Suggest before
        // answering, when not empty.
        std::string SuggestFor;
        // The word box as the user leaves it; the word asked about when empty.
        std::string WordText;
    };
    struct Question {
        std::string Word;
        std::vector<std::string> Suggestions;
        bool CanAddToCustom = false;
        std::vector<std::string> SuggestedForTyped;  // what Suggest listed
    };

    std::deque<Step> Answers;
    // With no answer left: answer Ignore, or raise std::logic_error when
    // strict, so that a test sees an unexpected question.
    bool Strict = true;
    std::vector<Question> Questions;
    int Unloads = 0;

    WordNotFoundAnswer Ask(cSpellCheck& checker, const std::string& word,
                           const std::vector<std::string>& suggestions, bool canAddToCustom) override;
    void Unload() override { ++Unloads; }
};
