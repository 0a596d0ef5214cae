#include "options/OptionControls.h"

#include <stdexcept>

#include "options/SpinRules.h"

std::string OptionControls::NameOf(const std::string& base, int index) {
    return index < 0 ? base : base + "_" + std::to_string(index);
}

Control& OptionControls::Add(CtlKind kind, const std::string& base, int index, int page,
                             const std::string& caption) {
    Control c;
    c.Kind = kind;
    c.Base = base;
    c.Index = index;
    c.Name = NameOf(base, index);
    c.Page = page;
    c.Caption = caption;
    if (kind == CtlKind::OptionButton) c.Group = base;
    auto [it, added] = controls_.emplace(c.Name, c);
    if (!added) throw std::logic_error("control added twice: " + c.Name);
    order_.push_back(c.Name);
    return it->second;
}

bool OptionControls::Has(const std::string& name) const { return controls_.count(name) != 0; }

Control& OptionControls::operator[](const std::string& name) {
    auto it = controls_.find(name);
    if (it == controls_.end()) throw std::logic_error("no such control: " + name);
    return it->second;
}

const Control& OptionControls::operator[](const std::string& name) const {
    auto it = controls_.find(name);
    if (it == controls_.end()) throw std::logic_error("no such control: " + name);
    return it->second;
}

void OptionControls::Fire(CtlEvent kind, const Control& c) {
    if (handler_) handler_(*this, ControlEvent{kind, c.Base, c.Index, c.Name});
}

void OptionControls::Raise(CtlEvent kind, const std::string& name) { Fire(kind, (*this)[name]); }

void OptionControls::SetCheck(const std::string& name, int value) {
    Control& c = (*this)[name];
    if (c.Value == value) return;
    c.Value = value;
    Fire(CtlEvent::Click, c);
}

void OptionControls::SetOption(const std::string& name, bool value) {
    Control& c = (*this)[name];
    if (!value) {
        c.Value = 0;
        return;
    }
    if (c.Value != 0) return;
    ClearGroup(c.Group);
    c.Value = 1;
    Fire(CtlEvent::Click, c);
}

void OptionControls::ClearGroup(const std::string& group) {
    for (auto& [name, other] : controls_)
        if (other.Kind == CtlKind::OptionButton && other.Group == group) other.Value = 0;
}

std::optional<int> OptionControls::Selected(const std::string& base) const {
    for (const auto& [name, c] : controls_)
        if (c.Kind == CtlKind::OptionButton && c.Base == base && c.Value != 0) return c.Index;
    return std::nullopt;
}

void OptionControls::SetText(const std::string& name, const std::string& text) {
    Control& c = (*this)[name];
    if (c.Text == text) return;
    c.Text = text;
    if (c.Kind == CtlKind::SpinBox && c.Text.empty()) SetText(name, std::to_string(c.MinVal));
    Fire(CtlEvent::Change, c);
}

void OptionControls::SetSpinValue(const std::string& name, const std::string& text) {
    Control& c = (*this)[name];
    if (auto bounded = SpinValueLet(text, c.MinVal, c.MaxVal)) SetText(name, *bounded);
}

void OptionControls::SetEnabled(const std::string& name, bool enabled) { (*this)[name].Enabled = enabled; }

void OptionControls::SetCaption(const std::string& name, const std::string& caption) {
    (*this)[name].Caption = caption;
}

void OptionControls::RequestFocus(const std::string& name) {
    if (Visible) FocusRequest = name;
}
