#pragma once
// The "Word Not Found" dialog: the word the check did not accept, its
// suggestions, and the answers. Each answer is left in Tag as the decimal
// text of its code and hides the dialog; the dialog stays loaded between
// words.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmSpellCheck : public QDialog {
    Q_OBJECT
public:
    explicit frmSpellCheck(QWidget* parent = nullptr);

    QLabel* zzLab[2];
    QLineEdit* txtWord;
    QLineEdit* txtReplacement;
    QListWidget* lstReplacements;
    QPushButton* cmdIgnore;
    QPushButton* cmdIgnoreAll;
    QPushButton* cmdReplace;
    QPushButton* cmdReplaceAll;
    QPushButton* cmdDelete;
    QPushButton* cmdSuggestions_1;
    QPushButton* cmdAdd;
    QPushButton* cmdCancel;

    // The answer of the last showing ("" until a button answers).
    std::string Tag;
    // The window's close box unloads it: its owner then lets it go.
    bool Unloaded = false;
    // The suggestions for a typed text, in that text's case (Suggest).
    std::function<std::vector<std::string>(const std::string& text)> SuggestFor;

    // Fills the dialog for a word: the word, an empty replacement, the
    // suggestions, and Add to Custom only when there is a custom dictionary.
    void Prepare(const std::string& word, const std::vector<std::string>& suggestions, bool canAddToCustom);

    void Form_Load();
    void cmdIgnore_Click();
    void cmdIgnoreAll_Click();
    void cmdReplace_Click();
    void cmdReplaceAll_Click();
    void cmdDelete_Click();
    void cmdSuggestions_Click(int index);
    void cmdAdd_Click();
    void cmdCancel_Click();
    void lstReplacements_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Answer(long code);
    // Replace and Replace All need a replacement; without one the user is
    // taken to the box.
    void AnswerWithReplacement(long code);
};
