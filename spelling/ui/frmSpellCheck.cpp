#include "spelling_ui/frmSpellCheck.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

#include "platform_ui/AnsiText.h"
#include "platform_ui/DesignFont.h"
#include "common/Trace.h"
#include "spelling/WordNotFound.h"
#include "spelling/cSpellCheck.h"
#include "common/mKEMCommon.h"

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int Px(int twips) { return twips / kTwipsPerPixel; }

// The eight buttons stand in two columns of four rows right of the list.
constexpr int kButtonLeft[2] = {3000, 4800};
constexpr int kButtonTop[4] = {960, 1440, 1920, 2400};
constexpr int kButtonWidth = 1695, kButtonHeight = 375;

}  // namespace

frmSpellCheck::frmSpellCheck(QWidget* parent) : QDialog(parent) {
    setObjectName("frmSpellCheck");
    setWindowTitle("Word Not Found");
    setFont(DesignFont());
    setModal(true);
    setFixedSize(Px(6630), Px(3015));

    auto label = [this](const char* name, const char* caption, int top) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(name);
        l->setGeometry(Px(120), Px(top), Px(1215), Px(255));
        return l;
    };
    auto box = [this](const char* name, int top) {
        auto* t = new QLineEdit(this);
        t->setObjectName(name);
        t->setGeometry(Px(1440), Px(top), Px(5055), Px(315));
        return t;
    };
    zzLab[0] = label("zzLab_0", "Not Found:", 150);
    txtWord = box("txtWord", 120);
    zzLab[1] = label("zzLab_1", "Replace With:", 555);
    txtReplacement = box("txtReplacement", 520);

    lstReplacements = new QListWidget(this);
    lstReplacements->setObjectName("lstReplacements");
    lstReplacements->setGeometry(Px(120), Px(960), Px(2775), Px(1815));

    auto button = [this](const char* name, const char* caption, int column, int row) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(Px(kButtonLeft[column]), Px(kButtonTop[row]), Px(kButtonWidth), Px(kButtonHeight));
        // No button answers Enter typed into a box by itself.
        b->setAutoDefault(false);
        return b;
    };
    cmdIgnore = button("cmdIgnore", "&Ignore", 0, 0);
    cmdIgnoreAll = button("cmdIgnoreAll", "I&gnore All", 1, 0);
    cmdReplace = button("cmdReplace", "&Replace", 0, 1);
    cmdReplaceAll = button("cmdReplaceAll", "R&eplace All", 1, 1);
    cmdDelete = button("cmdDelete", "&Delete Word", 0, 2);
    cmdSuggestions_1 = button("cmdSuggestions_1", "&Suggest", 1, 2);
    cmdAdd = button("cmdAdd", "&Add to Custom", 0, 3);
    cmdCancel = button("cmdCancel", "Cancel Spellcheck", 1, 3);

    connect(cmdIgnore, &QPushButton::clicked, this, [this] { cmdIgnore_Click(); });
    connect(cmdIgnoreAll, &QPushButton::clicked, this, [this] { cmdIgnoreAll_Click(); });
    connect(cmdReplace, &QPushButton::clicked, this, [this] { cmdReplace_Click(); });
    connect(cmdReplaceAll, &QPushButton::clicked, this, [this] { cmdReplaceAll_Click(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(cmdSuggestions_1, &QPushButton::clicked, this, [this] { cmdSuggestions_Click(1); });
    connect(cmdAdd, &QPushButton::clicked, this, [this] { cmdAdd_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(lstReplacements, &QListWidget::itemClicked, this, [this] { lstReplacements_Click(); });

    Form_Load();
}

void frmSpellCheck::Form_Load() {
    TraceGuard trace(TraceKind::Events, "Form_Load(frmSpellCheck)");
    setWindowIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    oWindow->Center(this);
}

void frmSpellCheck::Prepare(const std::string& word, const std::vector<std::string>& suggestions,
                            bool canAddToCustom) {
    Tag.clear();
    txtWord->setText(FromAnsi(word));
    lstReplacements->clear();
    txtReplacement->clear();
    cmdAdd->setEnabled(canAddToCustom);
    for (const std::string& s : suggestions) lstReplacements->addItem(FromAnsi(s));
}

void frmSpellCheck::Answer(long code) {
    Tag = std::to_string(code);
    hide();
    done(QDialog::Accepted);
}

void frmSpellCheck::AnswerWithReplacement(long code) {
    if (txtReplacement->text().isEmpty()) {
        txtReplacement->setFocus();
        return;
    }
    Answer(code);
}

void frmSpellCheck::cmdAdd_Click() { Answer(sc::kAddToCustom); }
void frmSpellCheck::cmdReplace_Click() { AnswerWithReplacement(sc::kReplace); }
void frmSpellCheck::cmdIgnore_Click() { Answer(sc::kIgnore); }
void frmSpellCheck::cmdIgnoreAll_Click() { Answer(sc::kIgnoreAll); }
void frmSpellCheck::cmdReplaceAll_Click() { AnswerWithReplacement(sc::kReplaceAll); }
void frmSpellCheck::cmdDelete_Click() { Answer(sc::kDeleteWord); }
void frmSpellCheck::cmdCancel_Click() { Answer(sc::kCancelCheck); }

void frmSpellCheck::cmdSuggestions_Click(int) {
    const std::string typed = ToAnsi(txtReplacement->text());
    // One letter has no useful suggestions.
    if (typed.size() <= 1 || !SuggestFor) return;
    lstReplacements->clear();
    for (const std::string& s : SuggestFor(typed)) lstReplacements->addItem(FromAnsi(s));
}

void frmSpellCheck::lstReplacements_Click() {
    if (QListWidgetItem* item = lstReplacements->currentItem()) txtReplacement->setText(item->text());
}

// Closing the window stops the check as Cancel Spellcheck does: the user
// turned away from the question, which is no answer to go on with.
void frmSpellCheck::closeEvent(QCloseEvent* event) {
    Tag = std::to_string(sc::kCancelCheck);
    Unloaded = true;
    QDialog::closeEvent(event);
}

// Escape presses Cancel Spellcheck.
void frmSpellCheck::reject() { cmdCancel_Click(); }
