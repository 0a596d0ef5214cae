#pragma once
// The options dialog's controls as data: values, texts, captions, enabled
// states, list entries and option groups, without any window. Setting a
// value runs the control's handler exactly when the windowing layer would:
// a check box's Click only when its value changes, only the newly selected
// option button's Click (its group's other buttons cleared silently), a text
// or spin box's Change on any change of its text. The windows bind to this
// model; the page rules and the settings mapping run on it headless.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

enum class CtlKind { CheckBox, OptionButton, TextBox, SpinBox, ComboBox, ListBox, Frame, Label, CommandButton };

enum class CtlEvent { Click, Change, Validate, LostFocus, GotFocus };

struct Control {
    CtlKind Kind = CtlKind::Label;
    std::string Name;   // "chkInsertBlank_3", "chkAlign"
    std::string Base;   // "chkInsertBlank"
    int Index = -1;     // -1 for a control outside an array
    int Page = -1;      // 0..11, the page element that holds it
    std::string Group;  // option buttons: the buttons that clear each other
    std::string Container;  // the frame that holds it, empty for the page itself
    std::string Caption;
    int Value = 0;      // check box 0/1, option button 0/1
    std::string Text;   // text, spin and combo boxes
    bool Enabled = true;
    std::string Tag;
    std::vector<std::string> Items;  // combo and list boxes
    int ListIndex = -1;              // the selected entry, -1 for none
    // Order lists: each entry's code character beside its caption (the list
    // shows the captions only).
    std::string ItemCodes;
    std::string ToolTip;
    // Spin boxes.
    long MinVal = 1;
    long MaxVal = 100;
    long ChangeAmount = 1;
};

struct ControlEvent {
    CtlEvent Kind;
    std::string Base;
    int Index = -1;
    std::string Name;
};

class OptionControls {
public:
    using Handler = std::function<void(OptionControls&, const ControlEvent&)>;

    // Adds a control; its name is Base, or Base_Index for an array member.
    Control& Add(CtlKind kind, const std::string& base, int index, int page, const std::string& caption);
    bool Has(const std::string& name) const;
    // Raise std::logic_error for a name the dialog does not have.
    Control& operator[](const std::string& name);
    const Control& operator[](const std::string& name) const;
    static std::string NameOf(const std::string& base, int index);
    // Every control in the order it was added.
    const std::vector<std::string>& Names() const { return order_; }

    void SetHandler(Handler handler) { handler_ = std::move(handler); }

    // Check box Value: Click runs only when the value changes.
    void SetCheck(const std::string& name, int value);
    // Option button Value: True on a button not selected selects it, clears
    // its group silently and runs its Click; anything else runs nothing.
    void SetOption(const std::string& name, bool value);
    // Text of a text or combo box: Change runs when the text changes. A spin
    // box's emptied text is refilled with its lower bound (a nested Change).
    void SetText(const std::string& name, const std::string& text);
    // A spin box's Value: a numeric text is bounded to MinVal..MaxVal, any
    // other text is ignored.
    void SetSpinValue(const std::string& name, const std::string& text);
    void SetEnabled(const std::string& name, bool enabled);
    void SetCaption(const std::string& name, const std::string& caption);

    // The index of the selected button of an option array, if any.
    std::optional<int> Selected(const std::string& base) const;
    // Clears every button of an option array without running a handler.
    void ClearGroup(const std::string& group);

    // Runs a handler the windowing layer raises itself (Validate, focus).
    void Raise(CtlEvent kind, const std::string& name);

    // Whether the dialog is on screen: focus moves into a hidden dialog are
    // skipped, and some messages are shown only while it is visible.
    bool Visible = false;
    // The control the handlers last asked to give the focus to (only while
    // visible); the window moves the focus and clears it.
    std::string FocusRequest;
    // Set by a Validate handler that keeps the focus in its field.
    bool ValidateCancel = false;
    void RequestFocus(const std::string& name);

private:
    void Fire(CtlEvent kind, const Control& c);

    std::map<std::string, Control> controls_;
    std::vector<std::string> order_;
    Handler handler_;
};
