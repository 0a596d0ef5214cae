#include "options_ui/frmZelOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "platform_ui/AnsiText.h"
#include "platform/Drawing.h"
#include "options/ExtensionPage.h"
#include "platform/KeyCodes.h"
#include "options/OptionsChanged.h"
#include "options/OptionsDesign.h"
#include "options/OrderListsPage.h"
#include "options/PageRules.h"
#include "platform_ui/ProgramIcon.h"
#include "platform_ui/QtKeys.h"
#include "platform_ui/QtPictureBox.h"
#include "platform/SysColor.h"
#include "common/cWindow.h"
#include "options_ui/fcSpinControl.h"
#include "common/mKEMCommon.h"

namespace {

constexpr int kWidth = 760, kHeight = 560;

QString Caption(const std::string& text) { return FromAnsi(text); }

bool IsRowStart(const Control& c) {
    if (c.Base == "chkInsertBlank") return false;
    // Each code template on a row of its own: editor button, file, browse.
    if (c.Base == "cmdERHandler") return true;
    return c.Kind == CtlKind::CheckBox || c.Kind == CtlKind::OptionButton || c.Kind == CtlKind::Frame ||
           (c.Kind == CtlKind::Label && c.Base.find("Label") == std::string::npos && c.Base != "lblIndentBy");
}

// The fields whose Validate or LostFocus check runs when the focus leaves.
bool IsCheckedField(const std::string& base) {
    return base == "txtBackupDir" || base == "txtCommentFile" || base == "txtErrHandler" || base == "txtDictionary";
}

// The arrow images of the order lists, 255 twips square: a black arrow
// pointing up or down on the button face.
QPixmap ArrowPicture(bool up) {
    constexpr int kSize = 17;
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    // Head and shaft, drawn pointing up and turned over for down.
    const QPolygonF head({QPointF(8.5, 1), QPointF(16, 9), QPointF(1, 9)});
    const QRectF shaft(5.5, 9, 6, 7);
    if (!up) {
        p.translate(0, kSize);
        p.scale(1, -1);
    }
    p.drawPolygon(head);
    p.drawRect(shaft);
    return pm;
}

// The first arrow image (the up arrow) of an order list: the lists of
// module declarations have 0..5, of procedures 10..15, of local
// declarations 20..23, two to each list in the order of its index.
int UpArrowOf(const Control& list) {
    const int group = list.Base == "lstOrderDeclarations" ? 0 : list.Base == "lstOrderProcs" ? 10 : 20;
    return group + 2 * list.Index;
}

bool IsOrderList(const std::string& base) { return base.rfind("lstOrder", 0) == 0; }

// A list widget showing the entries and the selection of its control.
void ShowEntries(QListWidget* list, const Control& c) {
    QStringList items;
    for (const auto& item : c.Items) items << Caption(item);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    if (shown != items) {
        list->clear();
        list->addItems(items);
    }
    if (list->currentRow() != c.ListIndex) list->setCurrentRow(c.ListIndex);
}

}  // namespace

frmZelOptions::frmZelOptions(ZelkOptions& options, QWidget* parent) : QDialog(parent), Logic(*this, options) {
    setObjectName(QStringLiteral("frmZelOptions"));
    setWindowTitle(QStringLiteral("Zelker Options"));
    setWindowIcon(ProgramIcon());
    setFixedSize(kWidth, kHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(QtColor(syscolor::kButtonFace)));
    // Disabled captions in the grey-text colour, readable on the button face.
    const QColor grey(QtColor(GetSysColor(syscolor::COLOR_GRAYTEXT)));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(QPalette::Disabled, role, grey);
    setPalette(pal);
    setAutoFillBackground(true);

    Tabs.TabHolder = new TabStripBox(this);
    Tabs.TabHolder->setObjectName(QStringLiteral("TabHolder"));
    Tabs.TabHolder->setGeometry(6, -8, kWidth - 12, kHeight - 44);
    Tabs.TabHolder->MouseUp = [this](double x, double y) {
        Logic.TabHolder_MouseUp(x, y);
        SyncFromModel();
    };
    Tabs.TabHolder->Click = [this] { Logic.TabHolder_Click(); };
    for (int k = 0; k < kOptionPages; ++k) {
        auto* page = new QWidget(Tabs.TabHolder);
        page->setObjectName(QStringLiteral("TabPage_%1").arg(k));
        Tabs.TabPage.push_back(page);
    }

    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdHelp = new QPushButton(QStringLiteral("&Help"), this);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    const int top = kHeight - 34;
    cmdOk->setGeometry(kWidth - 3 * 88 - 8, top, 80, 26);
    cmdCancel->setGeometry(kWidth - 2 * 88 - 8, top, 80, 26);
    cmdHelp->setGeometry(kWidth - 88 - 8, top, 80, 26);
    connect(cmdOk, &QPushButton::clicked, this, [this] {
        Logic.cmdOk_Click();
        SyncFromModel();
    });
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        Logic.cmdCancel_Click();
        SyncFromModel();
    });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { Logic.cmdHelp_Click(); });
}

frmZelOptions::~frmZelOptions() { qApp->removeEventFilter(this); }

void frmZelOptions::Form_Load() {
    Logic.Form_Load();
    if (widgets_.empty()) BuildPages();
    Tabs.TabHolder->move(Tabs.TabHolder->x(), -8);
    SyncFromModel();
    qApp->installEventFilter(this);
}

void frmZelOptions::ShowModal() {
    setModal(true);
    showing_ = true;
    exec();
}

void frmZelOptions::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Logic.Controls.Visible = true;
    Logic.Form_Activate(showing_);
    showing_ = false;
}

void frmZelOptions::paintEvent(QPaintEvent*) {
    // The raised frame round the client area.
    QPainter p(this);
    for (const LineCmd& l : fnRaisedBevel(width(), height(), 2)) {
        p.setPen(QColor(QtColor(l.Color)));
        const int dx = (l.X2 > l.X1) - (l.X2 < l.X1), dy = (l.Y2 > l.Y1) - (l.Y2 < l.Y1);
        p.drawLine(l.X1, l.Y1, l.X2 - dx, l.Y2 - dy);
    }
}

QWidget* frmZelOptions::Widget(const std::string& name) const {
    auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

void frmZelOptions::Bind(const std::string& name, QWidget* w) {
    w->setObjectName(QString::fromStdString(name));
    widgets_[name] = w;
    names_[w] = name;
}

void frmZelOptions::Edit(const std::function<void()>& edit) {
    if (syncing_) return;
    edit();
    SyncFromModel();
    ApplyFocusRequest();
}

void frmZelOptions::ApplyFocusRequest() {
    OptionControls& c = Logic.Controls;
    if (c.FocusRequest.empty()) return;
    QWidget* w = Widget(c.FocusRequest);
    c.FocusRequest.clear();
    if (w && isVisible()) w->setFocus();
}

void frmZelOptions::BuildPages() {
    OptionControls& model = Logic.Controls;
    std::map<std::string, QVBoxLayout*> containers;
    std::vector<QVBoxLayout*> pageLayouts;
    for (QWidget* page : Tabs.TabPage) {
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(10, 10, 10, 10);
        layout->setSpacing(4);
        pageLayouts.push_back(layout);
    }
    QHBoxLayout* row = nullptr;
    std::string rowContainer;
    for (const std::string& name : model.Names()) {
        const Control& c = model[name];
        QVBoxLayout* into = c.Container.empty() ? pageLayouts[c.Page] : containers[c.Container];
        QWidget* parent = into->parentWidget();
        if (IsRowStart(c) || !row || rowContainer != c.Container) {
            row = new QHBoxLayout;
            row->setSpacing(6);
            into->addLayout(row);
            rowContainer = c.Container;
        }
        QWidget* w = nullptr;
        switch (c.Kind) {
            case CtlKind::Frame: {
                auto* box = new QGroupBox(Caption(c.Caption), parent);
                auto* inner = new QVBoxLayout(box);
                inner->setContentsMargins(8, 4, 8, 4);
                inner->setSpacing(2);
                containers[name] = inner;
                row->addWidget(box);
                row = nullptr;
                w = box;
                break;
            }
            case CtlKind::CheckBox: {
                auto* box = new QCheckBox(Caption(c.Caption), parent);
                connect(box, &QCheckBox::clicked, this,
                        [this, name](bool on) { Edit([&] { Logic.Controls.SetCheck(name, on ? 1 : 0); }); });
                w = box;
                break;
            }
            case CtlKind::OptionButton: {
                auto* button = new QRadioButton(Caption(c.Caption), parent);
                // The model clears the group: Qt's own exclusivity would
                // clear buttons outside it.
                button->setAutoExclusive(false);
                connect(button, &QRadioButton::clicked, this,
                        [this, name] { Edit([&] { Logic.Controls.SetOption(name, true); }); });
                w = button;
                break;
            }
            case CtlKind::TextBox: {
                auto* text = new QLineEdit(parent);
                connect(text, &QLineEdit::textEdited, this, [this, name](const QString& s) {
                    Edit([&] { Logic.Controls.SetText(name, ToAnsi(s)); });
                });
                w = text;
                break;
            }
            case CtlKind::SpinBox: {
                auto* spin = new fcSpinControl(parent);
                spin->MinVal = c.MinVal;
                spin->MaxVal = c.MaxVal;
                spin->ChangeAmount = c.ChangeAmount;
                spin->setFixedSize(49, 20);
                spin->Change = [this, name, spin] { Edit([&] { Logic.Controls.SetText(name, spin->Text()); }); };
                w = spin;
                break;
            }
            case CtlKind::ComboBox: {
                // The list's label above its text line.
                auto* column = new QVBoxLayout;
                w = ExtensionCombo(name, c.Index, parent);
                if (auto* label = qobject_cast<QLabel*>(Widget(OptionControls::NameOf(c.Base + "Label", c.Index)))) {
                    row->removeWidget(label);
                    label->setBuddy(w);
                    column->addWidget(label);
                }
                column->addWidget(w);
                row->addLayout(column);
                break;
            }
            case CtlKind::ListBox: {
                QBoxLayout* into = row;
                if (!c.Caption.empty()) {
                    auto* label = new QLabel(Caption(c.Caption), parent);
                    label->setObjectName(QString::fromStdString("lbl" + name));
                    auto* column = new QVBoxLayout;
                    column->addWidget(label);
                    row->addLayout(column);
                    into = column;
                }
                w = OrderListWithArrows(name, parent, into);
                break;
            }
            case CtlKind::Label: {
                auto* label = new QLabel(Caption(c.Caption), parent);
                label->setWordWrap(c.Base == "lblDialect" || c.Base == "lblMessage");
                w = label;
                break;
            }
            case CtlKind::CommandButton: {
                auto* button = new QPushButton(Caption(c.Caption), parent);
                button->setAutoDefault(false);
                if (c.Caption == "...") button->setFixedWidth(28);
                connect(button, &QPushButton::clicked, this, [this, name] { ButtonClicked(name); });
                w = button;
                break;
            }
        }
        Bind(name, w);
        if (c.Kind != CtlKind::Frame && c.Kind != CtlKind::ListBox && c.Kind != CtlKind::ComboBox) row->addWidget(w, c.Kind == CtlKind::TextBox ? 1 : 0);
    }
    for (auto& [name, layout] : containers) layout->addStretch(1);
    for (QVBoxLayout* layout : pageLayouts) layout->addStretch(1);
}

void frmZelOptions::SyncFromModel() {
    syncing_ = true;
    const OptionControls& model = Logic.Controls;
    for (const auto& [name, w] : widgets_) {
        const Control& c = model[name];
        if (c.Kind != CtlKind::SpinBox) w->setEnabled(c.Enabled);
        if (!c.ToolTip.empty()) w->setToolTip(Caption(c.ToolTip));
        switch (c.Kind) {
            case CtlKind::Frame:
                static_cast<QGroupBox*>(w)->setTitle(Caption(c.Caption));
                break;
            case CtlKind::CheckBox:
                static_cast<QCheckBox*>(w)->setChecked(c.Value == 1);
                break;
            case CtlKind::OptionButton: {
                auto* b = static_cast<QRadioButton*>(w);
                b->setText(Caption(c.Caption));
                b->setChecked(c.Value != 0);
                break;
            }
            case CtlKind::TextBox: {
                auto* t = static_cast<QLineEdit*>(w);
                if (ToAnsi(t->text()) != c.Text) t->setText(Caption(c.Text));
                break;
            }
            case CtlKind::SpinBox: {
                auto* s = static_cast<fcSpinControl*>(w);
                if (s->Text() != c.Text) s->SetText(c.Text);
                if (s->SpinEnabled() != c.Enabled) s->SetSpinEnabled(c.Enabled);
                break;
            }
            case CtlKind::ComboBox: {
                auto* line = w->findChild<QLineEdit*>();
                if (ToAnsi(line->text()) != c.Text) line->setText(Caption(c.Text));
                ShowEntries(w->findChild<QListWidget*>(), c);
                break;
            }
            case CtlKind::ListBox:
                ShowEntries(static_cast<QListWidget*>(w), c);
                break;
            case CtlKind::Label:
                static_cast<QLabel*>(w)->setText(Caption(c.Caption));
                break;
            case CtlKind::CommandButton:
                break;
        }
    }
    syncing_ = false;
}

QListWidget* frmZelOptions::OrderListWithArrows(const std::string& name, QWidget* parent, QBoxLayout* into) {
    auto* list = new QListWidget(parent);
    list->setFixedHeight(100);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(list, &QListWidget::currentRowChanged, this, [this, name](int row) {
        if (!syncing_) Logic.Controls[name].ListIndex = row;
    });
    const int up = UpArrowOf(Logic.Controls[name]);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    for (int index : {up, up + 1}) {
        auto* image = new QLabel(parent);
        image->setObjectName(QStringLiteral("imgMove_%1").arg(index));
        image->setPixmap(ArrowPicture(index % 2 == 0));
        image->setFixedSize(17, 17);
        arrows_[image] = index;
        arrows->addWidget(image);
        if (index == up) arrows->addStretch(1);
    }
    auto* pair = new QHBoxLayout;
    pair->setSpacing(4);
    pair->addWidget(list, 1);
    pair->addLayout(arrows);
    into->addLayout(pair);
    return list;
}

QWidget* frmZelOptions::ExtensionCombo(const std::string& name, int index, QWidget* parent) {
    auto* box = new QWidget(parent);
    box->setMinimumWidth(110);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* line = new QLineEdit(box);
    auto* entries = new QListWidget(box);
    entries->setFixedHeight(90);
    // One tab stop for the whole list, as its line; the entries take the
    // focus by a click.
    entries->setFocusPolicy(Qt::ClickFocus);
    layout->addWidget(line);
    layout->addWidget(entries);
    box->setFocusProxy(line);
    extLines_[line] = index;
    extEntries_[entries] = index;
    connect(line, &QLineEdit::textEdited, this,
            [this, name](const QString& text) { Edit([&] { Logic.Controls.SetText(name, ToAnsi(text)); }); });
    connect(entries, &QListWidget::currentRowChanged, this, [this, name](int row) {
        if (!syncing_) Logic.Controls[name].ListIndex = row;
    });
    connect(entries, &QListWidget::itemDoubleClicked, this,
            [this, index] { Edit([&] { cboExtension_DblClick(Logic.Controls, index); }); });
    return box;
}

void frmZelOptions::ButtonClicked(const std::string& name) {
    const Control& c = Logic.Controls[name];
    Edit([&] { Logic.Controls.Raise(CtlEvent::Click, name); });
    // Back from a template editor, the dialog is on top again.
    if ((c.Base == "cmdCommentBlock" || c.Base == "cmdERHandler") && oWindow) oWindow->BringToTop(this);
}

bool frmZelOptions::ListKeyPress(QWidget* widget, int code, int shift) {
    if (auto* line = qobject_cast<QLineEdit*>(widget); line && extLines_.count(line)) {
        // Enter adds the typed extension and stays in the list, rather than
        // pressing OK.
        if (code != vbkey::vbKeyReturn) return false;
        Edit([&] { cboExtension_KeyPress(Logic.Controls, extLines_[line], 13); });
        return true;
    }
    auto* list = qobject_cast<QListWidget*>(widget);
    if (!list) return false;
    if (extEntries_.count(list)) {
        Edit([&] { cboExtension_KeyDown(Logic.Controls, extEntries_[list], code, shift); });
        return false;
    }
    auto it = names_.find(list);
    if (it == names_.end() || !IsOrderList(Logic.Controls[it->second].Base)) return false;
    int keyCode = code;
    Edit([&] { lstOrder_KeyDown(Logic.Controls, it->second, keyCode, shift); });
    // A key the order list handled does not also move its selection.
    return keyCode == 0;
}

// --- IOptionsView

void frmZelOptions::SetupTabs(int tabCount, int tab, const std::vector<std::string>& captions) {
    giTabStyle = 3;
    int c = tab;
    sbSetupTabs(Tabs, tabCount, c, captions, 0);
}

int frmZelOptions::TabClick(int tab, double x, double y) {
    return fiTabClick(Tabs, Logic.miTabCount, tab, Logic.msTabCaptions, x, y);
}

void frmZelOptions::Hide() { hide(); }

int frmZelOptions::FocusedExtensionList() {
    QWidget* focus = QApplication::focusWidget();
    for (QWidget* w = focus; w; w = w->parentWidget()) {
        auto it = names_.find(w);
        if (it != names_.end()) {
            const Control& c = Logic.Controls[it->second];
            return c.Kind == CtlKind::ComboBox ? c.Index : -1;
        }
    }
    return -1;
}

void frmZelOptions::SetHelpContext(int topic) { HelpContextID = topic; }

void frmZelOptions::SendHelpKey() {
    auto* f1 = new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::postEvent(cmdHelp, f1);
}

// --- closing

void frmZelOptions::closeEvent(QCloseEvent* event) {
    if (Logic.Form_QueryUnload(0)) {
        SyncFromModel();
        event->ignore();
        return;
    }
    unloaded_ = true;
    Logic.Controls.Visible = false;
    event->accept();
    QDialog::closeEvent(event);
}

void frmZelOptions::reject() {
    // Esc presses Cancel.
    Logic.cmdCancel_Click();
    SyncFromModel();
}

// --- keys and fields

bool frmZelOptions::CheckFieldOnLeave(const std::string& name, QWidget* nextFocus) {
    OptionControls& c = Logic.Controls;
    const Control& field = c[name];
    c.ValidateCancel = false;
    Edit([&] {
        c.Raise(field.Base == "txtDictionary" ? CtlEvent::LostFocus : CtlEvent::Validate, name);
    });
    // The message has been shown; Cancel, the tab strip and closing are not
    // held up by a field that does not pass.
    const bool leaving = nextFocus == cmdCancel || nextFocus == Tabs.TabHolder || !isVisible();
    if (leaving) {
        c.ValidateCancel = false;
        return false;
    }
    return c.ValidateCancel;
}

bool frmZelOptions::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool inDialog = widget && (widget == this || isAncestorOf(widget));
    if (!inDialog) return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Page letters with Alt belong to the tab strip, not to the captions'
        // access keys.
        auto* key = static_cast<QKeyEvent*>(event);
        if ((VBShift(key->modifiers()) & vbkey::vbAltMask) &&
            TabForKey(-2, VBKeyCode(key->key()), vbkey::vbAltMask, Logic.miTabCount) > 0) {
            event->accept();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = VBKeyCode(key->key());
        const int shift = VBShift(key->modifiers());
        if (code == vbkey::vbKeyF1 && watched == cmdHelp) {
            if (OpenHelp) OpenHelp(HelpContextID);
            return true;
        }
        // The form sees every key before the control (key preview).
        if (widget->hasFocus() || (widget == this && !QApplication::focusWidget())) {
            Logic.Form_KeyDown(code, shift);
            // Ctrl+Tab would also move the focus onto a covered page.
            if ((shift & vbkey::vbCtrlMask) && (code == vbkey::vbKeyTab || key->key() == Qt::Key_Backtab)) return true;
        }
        if (widget->hasFocus() && ListKeyPress(widget, code, shift)) return true;
        auto it = names_.find(widget);
        if (it != names_.end() && (it->second == "txtLineNumberStart" || it->second == "txtLineNumberIncrement")) {
            const QString typed = key->text();
            if (!typed.isEmpty() && !LineNumberAcceptsChar(typed.at(0).toLatin1())) return true;
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease && arrows_.count(widget)) {
        if (widget->isEnabled()) {
            const int index = arrows_[widget];
            Edit([&] { imgMove_Click(Logic.Controls, index); });
        }
        return true;
    }
    if (event->type() == QEvent::FocusOut) {
        int index = -1;
        if (auto* line = qobject_cast<QLineEdit*>(widget); line && extLines_.count(line)) index = extLines_[line];
        if (auto* list = qobject_cast<QListWidget*>(widget); list && extEntries_.count(list))
            index = extEntries_[list];
        if (index >= 0) {
            // Leaving the list, from its line or its entries; not moving
            // between the two.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            QWidget* next = QApplication::focusWidget();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                !(next && widget->parentWidget()->isAncestorOf(next)))
                Edit([&] { Logic.Controls.Raise(CtlEvent::LostFocus, OptionControls::NameOf("cboExtension", index)); });
            return false;
        }
    }
    auto it = names_.find(widget);
    if (it == names_.end()) return false;
    const std::string& name = it->second;
    const std::string& base = Logic.Controls[name].Base;
    if (event->type() == QEvent::FocusIn &&
        (base == "txtCompany" || base == "txtUserName" || base == "txtLineNumberStart" ||
         base == "txtLineNumberIncrement")) {
        auto* text = static_cast<QLineEdit*>(widget);
        QTimer::singleShot(0, text, [text] { text->selectAll(); });
    }
    if (event->type() == QEvent::FocusOut && IsCheckedField(base)) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
        if (CheckFieldOnLeave(name, QApplication::focusWidget()))
            QTimer::singleShot(0, widget, [widget] { widget->setFocus(); });
    }
    return false;
}
