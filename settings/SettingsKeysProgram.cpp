// [Program], [View] and [General].
#include "settings/OptionGlobals.h"
#include "platform/Paths.h"
#include "common/ScreenSize.h"
#include "SettingsKeys.h"
#include "platform/VBText.h"
#include "common/clsCommonDialog.h"
#include "common/mKEMCommon.h"

namespace keys {

namespace {

// The main window's default place is a share of the screen; its size is
// bounded by a tenth of the screen and the whole screen.
enum class Axis { Horizontal, Vertical };

std::function<KeyDefaults()> ScreenShare(Axis axis, double share, bool boundedByScreen) {
    return [=] {
        ScreenTwips screen = CurrentScreenSize();
        double size = axis == Axis::Horizontal ? screen.Width : screen.Height;
        KeyDefaults d{vb::NumberText(size * share), 0.0, 32767.0};
        if (boundedByScreen) {
            d.Lower = size * 0.1;
            d.Upper = size;
        }
        return d;
    };
}

Holder<int> WindowStateOfWindowObject() {
    return {[] { return Existing(oWindowObject).WindowState(); },
            [](const int& v) { Existing(oWindowObject).WindowState(v); }};
}

Holder<std::string> AppInfoText(std::string (cAppInfo::*get)()) {
    return {[get] { return (Existing(oAppInfo).*get)(); }, [](const std::string&) {}};
}

SettingSection Program() {
    SettingSection s{"Program", {}, {}};
    s.Keys = {
        Bool("DebugMenu", Member(oAppInfo, &cAppInfo::DebugMenu), false),
        Text("DefaultFileLoc", Global(gsDefaultFileLoc), ""),
        WindowState("WindowState", WindowStateOfWindowObject()),
        // 99 marks a width not chosen yet, for which the tab-width dialog
        // asks; clamped to 20 the dialog would never ask.
        WithSentinel(Integer("TabWidth", Global(giTabWidth), "99", -1, 20), 99),
        Single("Left", Member(oWindowObject, &cWindowObject::TheLeft), ScreenShare(Axis::Horizontal, 0.167, false)),
        Single("Top", Member(oWindowObject, &cWindowObject::TheTop), ScreenShare(Axis::Vertical, 0.167, false)),
        Single("Width", Member(oWindowObject, &cWindowObject::TheWidth), ScreenShare(Axis::Horizontal, 0.67, true)),
        Single("Height", Member(oWindowObject, &cWindowObject::TheHeight), ScreenShare(Axis::Vertical, 0.67, true)),
        // Read by sbINIGetUser and fsINIGetVersion; [General] holds the
        // SaveZelInfo the load takes.
        SavedOnly(Text("User", AppInfoText(&cAppInfo::User), "")),
        SavedOnly(Text("Company", AppInfoText(&cAppInfo::Company), "")),
        SavedOnly(Text("Version", {[] { return Existing(oAppInfo).AppVersion(); }, [](const std::string&) {}}, "")),
        SavedOnly(Bool("SaveZelInfo", Global(gblnSaveZelInfo), false)),
    };
    s.SaveOrder = {"SaveZelInfo", "Version", "User",  "Company", "DefaultFileLoc", "DebugMenu",
                   "WindowState", "TabWidth", "Left", "Top",     "Width",          "Height"};
    return s;
}

SettingSection View() {
    return {"View",
            {
                Bool("Toolbar", Member(oAppInfo, &cAppInfo::Toolbar), true),
                Bool("ToolTips", Member(oAppInfo, &cAppInfo::ToolTips), true),
                Bool("StatusBar", Member(oAppInfo, &cAppInfo::StatusBar), true),
            },
            {}};
}

SettingSection General() {
    SettingSection s{"General", {}, {}};
    s.Keys = {
        Integer("CDLGFilterIndex", Member(oCommonDialog, &clsCommonDialog::FilterIndex), "1", 1, 6),
        Bool("SaveZelInfo", Global(gblnSaveZelInfo), false),
        WithDefault(Text("SaveZelFile", Global(gsSaveZelFile), ""),
                    [] { return paths::Join(paths::ProgramDir(), "KEMHIST.KEM"); }),
        Bool("OptionExplicit", Global(gblnOptionExplicit), false),
        Bool("AlignAs", Global(gblnAlignAs), false),
        Integer("AlignAsColumn", Global(giAlignAsColumn), "40 ", 10, 255),
        Bool("NextVariable", Global(gblnNextVariable), false),
        Bool("SplitDeclarations", Global(gblnSplitDeclarations), false),
        Bool("SplitConsts", Global(gblnSplitConsts), false),
        Bool("SplitIfs", Global(gblnSplitIfs), false),
        Bool("SplitLabels", Global(gblnSplitLabels), false),
        Bool("SplitMultiLines", Global(gblnSplitMultiLines), false),
        Integer("Continuations", Global(giContinuations), "0", 0, 1),
        Bool("InsertContinuations", Global(gblnInsertContinuations), false),
        Bool("KeepIndentation", Global(gblnKeepIndentation), false),
        Bool("ShowOpenDialog", Member(oAppInfo, &cAppInfo::ShowOpenDialog), true),
        Integer("ContinuationColumn", Global(giContinuationColumn), "72", 0, 255),
        Bool("KillNumericLabels", Global(gblnKillNumericLabels), false),
        Bool("InsertLogging", Global(gblnInsertLogging), false),
    };
    // InsertLogging is left out: only a hand edit of the file sets it.
    s.SaveOrder = {"SaveZelInfo",      "SaveZelFile",       "OptionExplicit",      "AlignAs",
                   "AlignAsColumn",    "NextVariable",      "SplitDeclarations",   "SplitConsts",
                   "SplitIfs",         "SplitLabels",       "SplitMultiLines",     "Continuations",
                   "InsertContinuations", "KeepIndentation", "ShowOpenDialog",     "ContinuationColumn",
                   "KillNumericLabels", "CDLGFilterIndex"};
    return s;
}

}  // namespace

std::vector<SettingSection> ProgramSections() { return {Program(), View(), General()}; }

}  // namespace keys
