#include "spelling_ui/QtWordNotFound.h"

#include <QLineEdit>

#include "platform_ui/AnsiText.h"
#include "spelling/cSpellCheck.h"
#include "spelling_ui/frmSpellCheck.h"

QtWordNotFound::QtWordNotFound(QWidget* parent) : parent_(parent) {}

QtWordNotFound::~QtWordNotFound() = default;

WordNotFoundAnswer QtWordNotFound::Ask(cSpellCheck& checker, const std::string& word,
                                       const std::vector<std::string>& suggestions, bool canAddToCustom) {
    if (!dialog_) dialog_ = std::make_unique<frmSpellCheck>(parent_);
    frmSpellCheck& dialog = *dialog_;
    dialog.SuggestFor = [&checker](const std::string& text) { return checker.ShowReplacements(text); };
    dialog.Prepare(word, suggestions, canAddToCustom);
    dialog.exec();

    WordNotFoundAnswer answer;
    answer.Result = std::atol(dialog.Tag.c_str());
    answer.WordText = ToAnsi(dialog.txtWord->text());
    answer.Replacement = ToAnsi(dialog.txtReplacement->text());
    dialog.SuggestFor = nullptr;
    if (dialog.Unloaded) dialog_.reset();
    return answer;
}

void QtWordNotFound::Unload() { dialog_.reset(); }
