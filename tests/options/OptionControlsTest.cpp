// The control model raises handlers exactly when the windowing layer would,
// and the spin box's arithmetic.
#include <gtest/gtest.h>

#include "platform/KeyCodes.h"
#include "options/OptionControls.h"
#include "options/SpinRules.h"

namespace {

struct Recorder {
    std::vector<std::string> events;
    void Attach(OptionControls& c) {
        c.SetHandler([this](OptionControls&, const ControlEvent& e) {
            events.push_back((e.Kind == CtlEvent::Click ? "Click " : "Change ") + e.Name);
        });
    }
};

OptionControls Small() {
    OptionControls c;
    c.Add(CtlKind::CheckBox, "chkA", -1, 0, "A");
    for (int i = 0; i < 3; ++i) c.Add(CtlKind::OptionButton, "optB", i, 0, "");
    c.Add(CtlKind::TextBox, "txtC", -1, 0, "");
    Control& s = c.Add(CtlKind::SpinBox, "spnD", -1, 0, "");
    s.MinVal = 0;
    s.MaxVal = 100;
    s.Text = "1";
    return c;
}

TEST(OptionControls, CheckBoxClicksOnlyWhenItsValueChanges) {
    OptionControls c = Small();
    Recorder r;
    r.Attach(c);
    c.SetCheck("chkA", 0);
    c.SetCheck("chkA", 1);
    c.SetCheck("chkA", 1);
    c.SetCheck("chkA", 0);
    EXPECT_EQ(r.events, (std::vector<std::string>{"Click chkA", "Click chkA"}));
}

TEST(OptionControls, OnlyTheNewlySelectedButtonClicksAndItsSiblingsClearSilently) {
    OptionControls c = Small();
    Recorder r;
    r.Attach(c);
    c.SetOption("optB_1", true);
    c.SetOption("optB_1", true);   // already selected: nothing
    c.SetOption("optB_2", true);
    c.SetOption("optB_2", false);  // cleared from code: nothing runs
    EXPECT_EQ(r.events, (std::vector<std::string>{"Click optB_1", "Click optB_2"}));
    EXPECT_EQ(c["optB_1"].Value, 0);
    EXPECT_FALSE(c.Selected("optB").has_value());
}

TEST(OptionControls, TextChangeOnAnyChangeAndAnEmptiedSpinBoxRefillsWithTwoChanges) {
    OptionControls c = Small();
    Recorder r;
    r.Attach(c);
    c.SetText("txtC", "x");
    c.SetText("txtC", "x");
    c.SetText("txtC", "");
    c.SetText("spnD", "");
    EXPECT_EQ(c["spnD"].Text, "0");
    EXPECT_EQ(r.events, (std::vector<std::string>{"Change txtC", "Change txtC", "Change spnD", "Change spnD"}));
}

TEST(OptionControls, UnknownControlNameIsAnError) {
    OptionControls c = Small();
    EXPECT_THROW(c.SetCheck("chkNope", 1), std::logic_error);
}

TEST(SpinRules, ValueLetBoundsNumbersAndIgnoresOtherText) {
    struct Case {
        std::string in;
        std::optional<std::string> out;
    } cases[] = {{"150", "100"}, {"-5", "1"}, {"abc", std::nullopt}, {"", std::nullopt},
                 {"4.5", "4.5"}, {"1e1", "1e1"}, {"50", "50"}};
    for (const auto& k : cases) EXPECT_EQ(SpinValueLet(k.in, 1, 100), k.out) << k.in;
}

TEST(SpinRules, StepsAndKeysApplyOnlyTheBoundOfTheirDirection) {
    EXPECT_EQ(SpinStep("98", true, 1, 1, 100), "99");
    EXPECT_EQ(SpinStep("100", true, 1, 1, 100), "100");
    EXPECT_EQ(SpinStep("150", false, 1, 1, 100), "149");  // above the top stays above it
    EXPECT_EQ(SpinStep("1", false, 1, 1, 100), "1");
    EXPECT_EQ(SpinKeyDown("007", 'A', 1, 1, 100), "7");
    EXPECT_EQ(SpinKeyDown("100", vbkey::vbKeyUp, 1, 1, 100), "100");
    EXPECT_EQ(SpinKeyDown("0", vbkey::vbKeyDown, 1, 0, 100), "0");
}

TEST(SpinRules, TextThatIsNoNumberOrBeyondThirtyTwoBitsNeverFails) {
    EXPECT_EQ(SpinStep("abc", true, 1, 1, 100), "2");
    EXPECT_EQ(SpinStep("99999999999999", false, 1, 1, 100), "2147483646");
    EXPECT_EQ(SpinStep("2147483647", true, 5, 1, 2147483647), "2147483647");
    EXPECT_EQ(SpinKeyDown("-99999999999999", vbkey::vbKeyDown, 1, -2147483647 - 1, 100), "-2147483648");
    EXPECT_EQ(SpinSettingValue("99999"), 32767);
    EXPECT_EQ(SpinSettingValue("4.5"), 4);
    EXPECT_EQ(SpinSettingValue("x1"), std::nullopt);
}

TEST(SpinRules, OnlyDigitsMayBeTyped) {
    for (char ch : std::string("0123456789")) EXPECT_TRUE(SpinAcceptsChar(ch));
    for (char ch : std::string("a-.\b e+")) EXPECT_FALSE(SpinAcceptsChar(ch)) << int(ch);
}

}  // namespace
