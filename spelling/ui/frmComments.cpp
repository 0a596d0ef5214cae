#include "spelling_ui/frmComments.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform_ui/AnsiText.h"
#include "common/AppIdentity.h"
#include "engine/CommentEditorHost.h"
#include "spelling/CommentTemplates.h"
#include "platform_ui/DesignFont.h"
#include "common/ErrorTrap.h"
#include "common/SharedState.h"
#include "spelling/TemplateEditors.h"
#include "platform_ui/TextBoxText.h"
#include "platform_ui/Twips.h"
#include "platform/TextFile.h"
#include "common/Trace.h"
#include "platform/UiServices.h"
#include "common/mKEMCommon.h"
#include "spelling/modSpell.h"

namespace {


constexpr long kHelpContext = 4000;

// Design places in twips, inside the area under the menu bar.
constexpr int kFormWidth = 10200;
constexpr int kFrameLeft = 120, kFrameWidth = 9960;
constexpr int kInsertionTop = 60, kInsertionHeight = 1815;
constexpr int kDefinitionTop = 600, kCommentsHeight = 2760;
constexpr int kLegendGap = 50, kLegendLeft = 200, kLegendIndent = 250;
constexpr int kBottomHeight = 495, kButtonWidth = 1335, kButtonHeight = 375, kButtonStep = 1665;

const char* const kDefinitionLegend[] = {
    "The following definitions are used to generate comments",
    "@User      - Insert the user name at this location",
    "@Company   - Insert the company name at this location",
    "@Module    - Insert the module name at this location",
    "@Procedure - Insert the procedure name at this location",
    "@Date      - Insert the current date at this location",
    "@Ask       - Insert user comments at this location",
};
const char* const kEditingLegend[] = {
    "Edit the comment block as necessary",
    "    >> Indicates specific positions where information should be added",
    "    Add any other pertinent information",
    "    Enter key will give you a new comment line",
    "    You can copy and paste from information in the upper display",
};

QPlainTextEdit* TextBox(QWidget* parent, const char* name, bool bothBars) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setFont(FixedPitchFont(9));
    box->setLineWrapMode(bothBars ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    box->setHorizontalScrollBarPolicy(bothBars ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setGeometry(Px(120), Px(240), Px(kFrameWidth - 240), 0);
    return box;
}

// The keys that move about the insertion view (with Shift they select).
bool MovingKey(int key) {
    switch (key) {
        case Qt::Key_End:
        case Qt::Key_Home:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return true;
        default:
            return false;
    }
}

}  // namespace

frmComments::frmComments(QWidget* parent) : QDialog(parent) {
    setObjectName("frmComments");
    setWindowTitle("Set Comment Block Definitions");
    setFont(DesignFont());
    setModal(true);

    menuBar = new QMenuBar(this);
    menuBar->setObjectName("menuBar");
    mnuFile = menuBar->addMenu("&File");
    mnuFile->setObjectName("mnuFile");
    mnuFileOpen = mnuFile->addAction("&Open");
    mnuFileOpen->setObjectName("mnuFileOpen");
    mnuFile->addSeparator();
    mnuFileSave = mnuFile->addAction("&Save");
    mnuFileSave->setObjectName("mnuFileSave");
    mnuFile->addSeparator();
    mnuFileExit = mnuFile->addAction("E&xit");
    mnuFileExit->setObjectName("mnuFileExit");
    mnuView = menuBar->addMenu("&View");
    mnuView->setObjectName("mnuView");
    mnuViewDefault = mnuView->addAction("Default &Module Comment Definition");
    mnuViewDefault->setObjectName("mnuViewDefault");

    client_ = new QWidget(this);
    client_->setObjectName("client");
    for (int i = 0; i < 2; ++i) {
        lblDefinition[i] = new QLabel(client_);
        lblDefinition[i]->setObjectName(QString("lblDefinition_%1").arg(i));
        lblDefinition[i]->setGeometry(Px(kFrameLeft), Px(60 + 255 * i), Px(kFrameWidth), Px(255));
    }

    fraInsertion = new QGroupBox("Comment Block Insertion Point", client_);
    fraInsertion->setObjectName("fraInsertion");
    fraInsertion->setGeometry(Px(kFrameLeft), Px(kInsertionTop), Px(kFrameWidth), Px(kInsertionHeight));
    fraInsertion->hide();
    txtInsertion = TextBox(fraInsertion, "txtInsertion", false);
    txtInsertion->resize(txtInsertion->width(), Px(kInsertionHeight - 360));
    txtInsertion->setReadOnly(true);
    txtInsertion->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    txtInsertion->installEventFilter(this);

    fraComments = new QGroupBox("Comment &Block Definition", client_);
    fraComments->setObjectName("fraComments");
    fraComments->setGeometry(Px(kFrameLeft), Px(kDefinitionTop), Px(kFrameWidth), Px(kCommentsHeight));
    txtCommentBlock = TextBox(fraComments, "txtCommentBlock", true);
    txtCommentBlock->resize(txtCommentBlock->width(), Px(kCommentsHeight - 360));
    txtCommentBlock->installEventFilter(this);
    // Typing, pasting and cutting change the block; the form's own settings
    // of the text do not.
    connect(txtCommentBlock, &QPlainTextEdit::textChanged, this, [this] {
        if (!settingText_) mblnChanged = true;
    });

    legend_ = new QWidget(client_);
    legend_->setObjectName("legend");
    legend_->setFont(FixedPitchFont(9));
    legend_->installEventFilter(this);

    picBottom = new QWidget(client_);
    picBottom->setObjectName("picBottom");
    auto button = [this](const char* name, const char* caption, int index) {
        auto* b = new QPushButton(caption, picBottom);
        b->setObjectName(name);
        b->setGeometry(Px(kFrameLeft + kButtonStep * index), Px(60), Px(kButtonWidth), Px(kButtonHeight));
        // Enter belongs to the block: it starts a new comment line.
        b->setAutoDefault(false);
        return b;
    };
    cmdClose = button("cmdClose", "C&lose", 0);
    cmdCancel = button("cmdCancel", "&Cancel", 1);
    cmdSave = button("cmdSave", "&Save", 2);
    cmdSpell = button("cmdSpell", "Spe&ll Check", 3);
    cmdCommentDir = button("cmdCommentDir", "&Open", 4);
    cmdHelp = button("cmdHelp", "&Help", 5);

    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdSpell, &QPushButton::clicked, this, [this] { cmdSpell_Click(); });
    connect(cmdCommentDir, &QPushButton::clicked, this, [this] { cmdCommentDir_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
    connect(mnuFileOpen, &QAction::triggered, this, [this] { mnuFileOpen_Click(); });
    connect(mnuFileSave, &QAction::triggered, this, [this] { mnuFileSave_Click(); });
    connect(mnuFileExit, &QAction::triggered, this, [this] { mnuFileExit_Click(); });
    connect(mnuViewDefault, &QAction::triggered, this, [this] { mnuViewDefault_Click(); });

    Form_Load();
    PlaceForMode();
}

void frmComments::Form_Load() {
    TraceGuard trace(TraceKind::Events, "Form_Load(frmComments)");
    // The program's icon, which the start-up gives the application.
    setWindowIcon(QApplication::windowIcon());
    mblnChanged = false;
}

std::string frmComments::CommentBlockText() const { return BoxText(txtCommentBlock); }

void frmComments::SetCommentBlockText(const std::string& text) {
    settingText_ = true;
    SetBoxText(txtCommentBlock, text);
    settingText_ = false;
}

std::vector<std::string> frmComments::LegendLines() const {
    if (editing_) return {std::begin(kEditingLegend), std::end(kEditingLegend)};
    return {std::begin(kDefinitionLegend), std::end(kDefinitionLegend)};
}

void frmComments::ShowModal() {
    SetUpForShowing();
    exec();
}

void frmComments::SetUpForShowing() {
    TraceGuard trace(TraceKind::Events, "Form_Activate(frmComments)");
    oWindow->BringToTop(this);
    editing_ = gblnCommentEdit;
    if (editing_) {
        setWindowTitle("Editing Comment B");
        cmdCommentDir->setEnabled(false);
        cmdSave->setEnabled(false);
        cmdCancel->setText("S&kip");
        cmdClose->setText("&OK");
        mnuView->menuAction()->setVisible(false);
        mnuFile->menuAction()->setVisible(false);
        mnuFileOpen->setEnabled(false);
        mnuFileExit->setEnabled(false);
    } else {
        kind_ = CommentKindOf(ToAnsi(lblDefinition[0]->text()));
        if (kind_) {
            setWindowTitle(QString("Set Comment Block Definitions") + kind_->CaptionSuffix);
            mnuViewDefault->setText(kind_->ViewDefaultCaption);
        }
        const std::string file = ToAnsi(lblDefinition[1]->text());
        if (!file.empty())
            LoadTemplateFile(file);
        else if (kind_)
            SetCommentBlockText(DefaultCommentBlock(*kind_));
    }
    PlaceForMode();
    setWindowIcon(QApplication::windowIcon());
}

// A template the caller names is read whole. One that cannot be read is
// reported, and the editor starts from the kind's default block, so that
// the user can save a good one in its place.
void frmComments::LoadTemplateFile(const std::string& name) {
    std::string text;
    if (textfile::ReadAll(name, text)) {
        SetCommentBlockText(text);
        mblnChanged = false;
        return;
    }
    Ui().MsgBox("The comment block definition file " + name + " cannot be read." "\r\n\r\n" +
                    "The default comment block is shown instead.",
                mb::vbOKOnly | mb::vbExclamation, app::kTitle);
    SetCommentBlockText(kind_ ? DefaultCommentBlock(*kind_) : std::string());
    mblnChanged = false;
}

void frmComments::PlaceForMode() {
    const bool menus = !editing_;
    menuBar->setVisible(menus);
    const int menuHeight = menus ? menuBar->sizeHint().height() : 0;
    menuBar->setGeometry(0, 0, Px(kFormWidth), menuHeight);
    for (QLabel* label : lblDefinition) label->setVisible(!editing_);

    const int commentsTop = editing_ ? kInsertionHeight + 120 : kDefinitionTop;
    fraComments->move(Px(kFrameLeft), Px(commentsTop));
    const int legendTop = commentsTop + kCommentsHeight + kLegendGap;
    const int legendHeight = static_cast<int>(LegendLines().size()) * 250 + 100;
    legend_->setGeometry(0, Px(legendTop), Px(kFormWidth), Px(legendHeight));
    const int bottomTop = legendTop + legendHeight;
    picBottom->setGeometry(0, Px(bottomTop), Px(kFormWidth), Px(kBottomHeight));

    const int clientHeight = Px(bottomTop + kBottomHeight);
    client_->setGeometry(0, menuHeight, Px(kFormWidth), clientHeight);
    setFixedSize(Px(kFormWidth), menuHeight + clientHeight);
    legend_->update();
}

// The legend is printed in the form's fixed-pitch font, one line every 250
// twips; lines after the first are indented.
void frmComments::PaintLegend(QWidget* on) {
    QPainter painter(on);
    painter.setFont(on->font());
    const QFontMetrics metrics(on->font());
    int row = 0;
    for (const std::string& line : LegendLines()) {
        const int left = Px(row == 0 ? kLegendLeft : kLegendIndent);
        painter.drawText(left, Px(row * 250) + metrics.ascent(), FromAnsi(line));
        ++row;
    }
}

bool frmComments::eventFilter(QObject* watched, QEvent* event) {
    if (watched == legend_ && event->type() == QEvent::Paint) {
        PaintLegend(legend_);
        return true;
    }
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == txtInsertion) return InsertionKey(key);
    if (watched == txtCommentBlock && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        // Each new line starts as a comment.
        txtCommentBlock->insertPlainText("\n'");
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// The insertion view only shows: its text can be selected and copied, and
// nothing typed reaches it.
bool frmComments::InsertionKey(QKeyEvent* key) {
    if (key->matches(QKeySequence::Copy)) {
        Ui().ClipboardClear();
        Ui().ClipboardSetText(SelectedBoxText(txtInsertion));
        return true;
    }
    return !MovingKey(key->key());
}

void frmComments::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        cmdHelp_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmComments::Answer(bool skip) {
    gblnCommentSkip = skip;
    hide();
    done(skip ? QDialog::Rejected : QDialog::Accepted);
}

bool frmComments::QueryUnload() { return !mblnChanged || fbDiscardCommentChanges(); }

void frmComments::UnloadForm() {
    if (!QueryUnload()) return;
    Unloaded = true;
    done(QDialog::Rejected);
}

void frmComments::cmdClose_Click() {
    if (editing_) Answer(false);
    else UnloadForm();
}

void frmComments::cmdCancel_Click() {
    if (editing_) Answer(true);
    else UnloadForm();
}

void frmComments::mnuFileExit_Click() {
    if (!editing_) UnloadForm();
}

void frmComments::cmdCommentDir_Click() {
    if (editing_) return;
    std::string name, text;
    if (!sbOpenCommentTemplate(kind_, ToAnsi(lblDefinition[1]->text()), name, text)) return;
    lblDefinition[1]->setText(FromAnsi(name));
    SetCommentBlockText(text);
    mblnChanged = false;
}

// A saved template names itself in the options dialog and the editor
// closes; a template that could not be written leaves the editor open with
// the block, so that nothing typed is lost.
void frmComments::cmdSave_Click() {
    if (editing_) return;
    std::string name;
    const TemplateSaveOutcome outcome =
        sbSaveCommentTemplate(kind_, ToAnsi(lblDefinition[1]->text()), CommentBlockText(), name);
    if (outcome == TemplateSaveOutcome::Canceled) return;
    lblDefinition[1]->setText(FromAnsi(name));
    if (outcome == TemplateSaveOutcome::Failed) return;
    mblnChanged = false;
    if (CommentFileFields && kind_) CommentFileFields->SetCommentFile(kind_->FieldIndex, name);
    UnloadForm();
}

void frmComments::cmdSpell_Click() {
    Trapped("cmdSpell_Click(frmComments)", [this] {
        if (oSpell) {
            const std::string before = CommentBlockText();
            oSpell->SpellCheck(before, "Comment Block");
            if (oSpell->SCResult() == sc::kCorrect && oSpell->StringToCheck() != before) {
                SetCommentBlockText(oSpell->StringToCheck());
                // A correction is a change like any typed one.
                mblnChanged = true;
            }
        }
        Ui().MsgBox("The spell checking is complete.", mb::vbOKOnly | mb::vbInformation, app::kTitle);
        Ui().SetMousePointer(pointer::vbDefault);
    });
}

void frmComments::cmdHelp_Click() { oWindow->CallWinHelp(gsHelpFile, HELP_CONTEXT, kHelpContext); }

void frmComments::mnuViewDefault_Click() {
    if (!editing_ && kind_) SetCommentBlockText(DefaultCommentBlock(*kind_));
}

// The close box: in definition mode as Close (with the discard question);
// in editing mode as Skip, which is the only answer that inserts nothing
// the user has not confirmed.
void frmComments::closeEvent(QCloseEvent* event) {
    event->ignore();
    cmdCancel_Click();
}

// Escape does what the close box does.
void frmComments::reject() { cmdCancel_Click(); }
