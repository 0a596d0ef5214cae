// The extension lists and dialect buttons on the dialog's controls: what the
// handlers leave in the lists, the text lines, lblMessage, the focus and the
// change flag.
#include "options/ExtensionPage.h"
#include "options/OptionsDialogLogic.h"
#include "OptionsFixture.h"
#include "options/OptionsMapping.h"
#include "TestSupport.h"

namespace {

using V = std::vector<std::string>;

class ExtensionPage : public OptionsFixture {
protected:
    void SetUp() override {
        OptionsFixture::SetUp();
        c = Restored();
        c.Visible = true;
    }
    void Type(int index, const std::string& text) { c.SetText(OptionControls::NameOf("cboExtension", index), text); }
    Control& List(int index) { return c[OptionControls::NameOf("cboExtension", index)]; }
    OptionControls c;
};

TEST_F(ExtensionPage, LeavingOrEnterAddsTheTypedExtensionInUpperCase) {
    List(0).Items = {"MAK"};
    Type(0, " vbp ");
    EXPECT_TRUE(gblnOptionsChanged);
    c.Raise(CtlEvent::LostFocus, "cboExtension_0");
    EXPECT_EQ(List(0).Items, (V{"MAK", "VBP"}));
    EXPECT_EQ(List(0).Text, "");
    EXPECT_EQ(c.FocusRequest, "");

    Type(2, "frx");
    cboExtension_KeyPress(c, 2, 13);
    EXPECT_EQ(List(2).Items, (V{"BAS", "CLS", "FRX"}));
    cboExtension_KeyPress(c, 2, 'a');  // any other character adds nothing
    EXPECT_EQ(List(2).Items.size(), 3u);
}

TEST_F(ExtensionPage, RefusalsShowInTheLabelUntilTheNextTypingAndKeepTheFocus) {
    Type(0, "v*p");
    cboExtension_LostFocus(c, 0);
    EXPECT_EQ(c["lblMessage"].Caption, "Project-file extension may not contain wild-card characters.");
    EXPECT_EQ(List(0).Text, "v*p");
    EXPECT_EQ(c.FocusRequest, "cboExtension_0");
    EXPECT_EQ(oDebug->StatusCode, 4);

    Type(1, "a|b");  // typing into any list empties the message
    EXPECT_EQ(c["lblMessage"].Caption, "");
    cboExtension_LostFocus(c, 1);
    EXPECT_EQ(c["lblMessage"].Caption, "Invalid File-extension.");
    EXPECT_EQ(c.FocusRequest, "cboExtension_1");
    EXPECT_EQ(testsupport::Ui().Beeps, 2);

    Type(2, " bas ");  // a duplicate: the box, the line emptied
    cboExtension_LostFocus(c, 2);
    EXPECT_EQ(testsupport::Ui().LastPrompt(), " bas  has already been entered. ");
    EXPECT_EQ(List(2).Text, "");
    EXPECT_EQ(List(2).Items, (V{"BAS", "CLS"}));
}

TEST_F(ExtensionPage, DoubleClickAndDeleteRemoveTheSelectedEntryButNeverTheLast) {
    List(3).Items = {"RC", "RC2"};
    cboExtension_KeyDown(c, 3, 46, 0);  // Delete, nothing selected
    EXPECT_EQ(List(3).Items, (V{"RC", "RC2"}));
    EXPECT_FALSE(gblnOptionsChanged);

    List(3).ListIndex = 1;
    cboExtension_KeyDown(c, 3, 46, 0);
    EXPECT_EQ(List(3).Items, (V{"RC"}));
    EXPECT_TRUE(gblnOptionsChanged);

    List(3).ListIndex = 0;
    cboExtension_DblClick(c, 3);
    EXPECT_EQ(List(3).Items, (V{"RC"}));
    EXPECT_EQ(c["lblMessage"].Caption, "You may not remove all File-extensions from the list.");
    EXPECT_EQ(testsupport::Ui().Beeps, 1);
}

TEST_F(ExtensionPage, DialectSixAddsItsExtensionsOnceAndRemovesNothing) {
    for (int i = 0; i < 3; ++i) List(i).Items = {"X"};
    c.SetOption("optDialect_5", true);
    c.SetOption("optDialect_6", true);
    EXPECT_TRUE(gblnOptionsChanged);
    EXPECT_EQ(List(0).Items, (V{"X", "VBP", "VBG"}));
    EXPECT_EQ(List(1).Items, (V{"X", "CTL", "DOB", "PAG", "DSR"}));
    EXPECT_EQ(List(2).Items, (V{"X", "CLS"}));
    c.SetOption("optDialect_3", true);
    c.SetOption("optDialect_6", true);
    EXPECT_EQ(List(1).Items, (V{"X", "CTL", "DOB", "PAG", "DSR"}));
    sbSaveOptions(c, options);
    EXPECT_EQ(options.gsFormExt, "X|CTL|DOB|PAG|DSR");
}

// Enter in a list presses OK, which adds the typed text and keeps the dialog.
class FocusInList : public IOptionsView {
public:
    void SetupTabs(int, int, const std::vector<std::string>&) override {}
    int TabClick(int tab, double, double) override { return tab; }
    void Hide() override { hidden = true; }
    int FocusedExtensionList() override { return 2; }
    void SetHelpContext(int) override {}
    void SendHelpKey() override {}
    bool hidden = false;
};

TEST_F(ExtensionPage, OkWithTheFocusInAListAddsTheTextAndStaysOpen) {
    FocusInList view;
    OptionsDialogLogic logic(view, options);
    logic.Form_Load();
    logic.Controls.SetText("cboExtension_2", "ctl");
    EXPECT_FALSE(logic.cmdOk_Click());
    EXPECT_FALSE(view.hidden);
    EXPECT_EQ(logic.Controls["cboExtension_2"].Items.back(), "CTL");
}

}  // namespace
