#pragma once
// The checker's question about an unknown word, asked with the "Word Not
// Found" dialog. One dialog is made on first use and kept for every later
// word; the checker's shut-down, or the user's closing the window, lets it go.
#include <memory>

#include "spelling/WordNotFound.h"

class QWidget;
class frmSpellCheck;

class QtWordNotFound : public IWordNotFound {
public:
    explicit QtWordNotFound(QWidget* parent = nullptr);
    ~QtWordNotFound() override;

    WordNotFoundAnswer Ask(cSpellCheck& checker, const std::string& word,
                           const std::vector<std::string>& suggestions, bool canAddToCustom) override;
    void Unload() override;

    // The dialog while it is loaded (null otherwise).
    frmSpellCheck* Dialog() const { return dialog_.get(); }

private:
    QWidget* parent_;
    std::unique_ptr<frmSpellCheck> dialog_;
};
