#pragma once
// The options dialog's life cycle without its window: loading, showing, OK,
// Cancel, Help, the close box, and switching pages by keys and by mouse. The
// window (or a test) supplies what only it can do through IOptionsView.
#include <string>
#include <vector>

#include "options/OptionControls.h"
#include "settings/ZelkOptions.h"

class IOptionsView {
public:
    virtual ~IOptionsView() = default;
    // Lays the pages into the tab strip and shows the given tab.
    virtual void SetupTabs(int tabCount, int tab, const std::vector<std::string>& captions) = 0;
    // Selects a tab (1..count) or, with 0, hit-tests the point (twips of the
    // strip); returns the tab shown, 0 when none was hit.
    virtual int TabClick(int tab, double x, double y) = 0;
    virtual void Hide() = 0;
    // The extension list that has the focus, -1 when the focus is elsewhere.
    virtual int FocusedExtensionList() = 0;
    virtual void SetHelpContext(int topic) = 0;
    // Sends F1 to the dialog, which opens the help topic of the focused button.
    virtual void SendHelpKey() = 0;
};

// The help topic of a tab: 0 and 1 give the first page's topic.
int OptionsHelpTopic(int tab);

// The tab a key selects from the current one, or -1 when the key selects
// nothing. Alt with a page letter gives its tab, Alt with another key keeps
// the current tab (which then is shown again); Ctrl+Tab and Ctrl+Shift+Tab
// step forward and back and wrap.
int TabForKey(int curTab, int keyCode, int shift, int tabCount);

// The dialog edits the options it is given: the controls show them, Cancel
// shows them again and OK (when something changed) hands the edits back into
// them. The program gives its own options; they must outlive the dialog.
class OptionsDialogLogic {
public:
    OptionsDialogLogic(IOptionsView& view, ZelkOptions& options);

    OptionControls Controls;
    int miCurTab = 0;
    const int miTabCount = 12;
    std::vector<std::string> msTabCaptions;

    // Builds the controls in their design state, lays out the tabs with tab
    // 1 on screen and copies the settings in.
    void Form_Load();
    // fromShowing: the dialog was just shown (not back from one of its own
    // modal windows).
    void Form_Activate(bool fromShowing);
    // True when OK hid the dialog; false when it stays open.
    bool cmdOk_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();
    // Returns true to call the close off. Mode 0: the user closed the window.
    bool Form_QueryUnload(int unloadMode);
    void Form_KeyDown(int keyCode, int shift);
    void TabHolder_MouseUp(double x, double y);
    void TabHolder_Click();

    // Set when OK or the close box finds a comment block ticked without a file.
    bool LastOkRefused = false;

private:
    IOptionsView& view_;
    ZelkOptions& options_;
};
