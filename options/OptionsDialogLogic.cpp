#include "options/OptionsDialogLogic.h"

#include <utility>

#include "common/ErrorTrap.h"
#include "common/SharedState.h"
#include "options/ExtensionPage.h"
#include "platform/KeyCodes.h"
#include "options/OptionsChanged.h"
#include "options/OptionsDesign.h"
#include "options/OptionsMapping.h"
#include "options/PageRules.h"
#include "common/Trace.h"
#include "platform/UiServices.h"

namespace {

const std::string kForm = "(frmZelOptions)";

template <class F>
void Traced(const std::string& name, F&& body) {
    TraceGuard trace(TraceKind::Events, name + kForm);
    Trapped(name + kForm, body);
}

// The dialog's edits go into a copy of the saved options, which then takes
// their place; the modules zelked one by one follow the spelling switch as
// saved.
void HandBackOptions(const OptionControls& c, ZelkOptions& saved) {
    ZelkOptions edited = saved;
    sbSaveOptions(c, edited);
    saved = std::move(edited);
    gblnSpellThisModule = saved.gblnSpellEnabled;
}

}  // namespace

int OptionsHelpTopic(int tab) {
    if (tab <= 1) return 2200;
    if (tab <= 9) return 2200 + 5 * (tab - 1);
    if (tab == 10) return 2250;
    if (tab == 11) return 2255;
    return 2260;
}

int TabForKey(int curTab, int keyCode, int shift, int tabCount) {
    if (shift & vbkey::vbAltMask) {
        static const int letters[] = {'G', 'I', 'F', 'P', 'W', 'M', 'B', 'D', 'A'};
        for (int i = 0; i < 9; ++i)
            if (keyCode == letters[i]) return i + 1;
        return curTab;
    }
    if ((shift & vbkey::vbCtrlMask) && keyCode == vbkey::vbKeyTab) {
        if (shift & vbkey::vbShiftMask) return curTab >= 2 && curTab <= tabCount ? curTab - 1 : tabCount;
        return curTab >= 1 && curTab <= tabCount - 1 ? curTab + 1 : 1;
    }
    return -1;
}

OptionsDialogLogic::OptionsDialogLogic(IOptionsView& view, ZelkOptions& options) : view_(view), options_(options) {}

void OptionsDialogLogic::Form_Load() {
    Traced("Form_Load", [&] {
        Ui().DoEvents();
        Controls = OptionControls();
        BuildOptionsDesign(Controls);
        Controls.SetHandler(PageRulesOver(options_));
        msTabCaptions.assign(1, std::string());
        for (const auto& caption : OptionTabCaptions()) msTabCaptions.push_back(caption);
        miCurTab = 0;
        // Tab 1 goes on screen while the current tab stays unknown.
        view_.SetupTabs(miTabCount, 1, msTabCaptions);
        sbRestoreOptions(Controls, options_);
    });
}

void OptionsDialogLogic::Form_Activate(bool fromShowing) {
    if (fromShowing) gblnOptionsChanged = false;
}

bool OptionsDialogLogic::cmdOk_Click() {
    LastOkRefused = false;
    // Enter in an extension list presses OK; it stays with the list.
    if (const int list = view_.FocusedExtensionList(); list >= 0) {
        cboExtension_LostFocus(Controls, list);
        LastOkRefused = true;
        return false;
    }
    Traced("cmdOk_Click", [&] {
        for (int i = 0; i < 3; ++i) {
            if (Controls[OptionControls::NameOf("chkComments", i)].Value == 1 &&
                Controls[OptionControls::NameOf("txtCommentFile", i)].Text.empty()) {
                Ui().MsgBox(
                    "You have selected to insert a comment block and have not specified a file name.\r\n"
                    "You must have a comment block file specified.",
                    mb::vbOKOnly | mb::vbExclamation, "Comment Block");
                LastOkRefused = true;
                return;
            }
        }
        if (gblnOptionsChanged) HandBackOptions(Controls, options_);
        Controls.Visible = false;
        view_.Hide();
        miCurTab = 0;
    });
    return !LastOkRefused;
}

void OptionsDialogLogic::cmdCancel_Click() {
    Traced("cmdCancel_Click", [&] {
        Controls.Visible = false;
        view_.Hide();
        miCurTab = 0;
        sbRestoreOptions(Controls, options_);
        gblnOptionsChanged = false;
    });
}

void OptionsDialogLogic::cmdHelp_Click() {
    Traced("cmdHelp_Click", [&] { view_.SendHelpKey(); });
}

bool OptionsDialogLogic::Form_QueryUnload(int unloadMode) {
    bool cancel = false;
    Traced("Form_QueryUnload", [&] {
        if (unloadMode != 0) return;
        const int answer = Ui().MsgBox("Do You Want to Save Your Options?", mb::vbYesNo | mb::vbQuestion,
                                       "Save Options");
        if (answer == mb::vbYes)
            cancel = !cmdOk_Click();
        else
            cmdCancel_Click();
    });
    return cancel;
}

void OptionsDialogLogic::Form_KeyDown(int keyCode, int shift) {
    const int tab = TabForKey(miCurTab, keyCode, shift, miTabCount);
    if (tab < 0) return;
    miCurTab = view_.TabClick(tab, 0, 0);
}

void OptionsDialogLogic::TabHolder_MouseUp(double x, double y) {
    Traced("TabHolder_MouseUp", [&] {
        gblnOptionsChanged = true;
        miCurTab = view_.TabClick(0, x, y);
    });
}

void OptionsDialogLogic::TabHolder_Click() { view_.SetHelpContext(OptionsHelpTopic(miCurTab)); }
