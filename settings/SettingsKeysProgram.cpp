// [Program], [View] and [General].
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
    return {[](const ZelkOptions&) { return Existing(oWindowObject).WindowState(); },
            [](ZelkOptions&, const int& v) { Existing(oWindowObject).WindowState(v); }};
}

Holder<std::string> AppInfoText(std::string (cAppInfo::*get)()) {
    return {[get](const ZelkOptions&) { return (Existing(oAppInfo).*get)(); }, [](ZelkOptions&, const std::string&) {}};
}

SettingSection Program() {
    SettingSection s{"Program", {}, {}};
    s.Keys = MoveList<SettingKey>(
        Bool("DebugMenu", Member(oAppInfo, &cAppInfo::DebugMenu), false),
        Text("DefaultFileLoc", Option(&ZelkOptions::gsDefaultFileLoc), ""),
        WindowState("WindowState", WindowStateOfWindowObject()),
        // 99 marks a width not chosen yet, for which the tab-width dialog
        // asks; clamped to 20 the dialog would never ask.
        WithSentinel(Integer("TabWidth", Option(&ZelkOptions::giTabWidth), "99", -1, 20), 99),
        Single("Left", Member(oWindowObject, &cWindowObject::TheLeft), ScreenShare(Axis::Horizontal, 0.167, false)),
        Single("Top", Member(oWindowObject, &cWindowObject::TheTop), ScreenShare(Axis::Vertical, 0.167, false)),
        Single("Width", Member(oWindowObject, &cWindowObject::TheWidth), ScreenShare(Axis::Horizontal, 0.67, true)),
        Single("Height", Member(oWindowObject, &cWindowObject::TheHeight), ScreenShare(Axis::Vertical, 0.67, true)),
        // Read by sbINIGetUser and fsINIGetVersion; [General] holds the
        // SaveZelInfo the load takes.
        SavedOnly(Text("User", AppInfoText(&cAppInfo::User), "")),
        SavedOnly(Text("Company", AppInfoText(&cAppInfo::Company), "")),
        SavedOnly(Text("Version",
                       {[](const ZelkOptions&) { return Existing(oAppInfo).AppVersion(); },
                        [](ZelkOptions&, const std::string&) {}},
                       "")),
        SavedOnly(Bool("SaveZelInfo", Option(&ZelkOptions::gblnSaveZelInfo), false))
    );
    s.SaveOrder = {"SaveZelInfo", "Version", "User",  "Company", "DefaultFileLoc", "DebugMenu",
                   "WindowState", "TabWidth", "Left", "Top",     "Width",          "Height"};
    return s;
}

SettingSection View() {
    return {"View",
            MoveList<SettingKey>(
                Bool("Toolbar", Member(oAppInfo, &cAppInfo::Toolbar), true),
                Bool("ToolTips", Member(oAppInfo, &cAppInfo::ToolTips), true),
                Bool("StatusBar", Member(oAppInfo, &cAppInfo::StatusBar), true)
            ),
            {}};
}

SettingSection General() {
    SettingSection s{"General", {}, {}};
    s.Keys = MoveList<SettingKey>(
        Integer("CDLGFilterIndex", Member(oCommonDialog, &clsCommonDialog::FilterIndex), "1", 1, 6),
        Bool("SaveZelInfo", Option(&ZelkOptions::gblnSaveZelInfo), false),
        WithDefault(Text("SaveZelFile", Option(&ZelkOptions::gsSaveZelFile), ""),
                    [] { return paths::Join(paths::ProgramDir(), "KEMHIST.KEM"); }),
        Bool("OptionExplicit", Option(&ZelkOptions::gblnOptionExplicit), false),
        Bool("AlignAs", Option(&ZelkOptions::gblnAlignAs), false),
        Integer("AlignAsColumn", Option(&ZelkOptions::giAlignAsColumn), "40 ", 10, 255),
        Bool("NextVariable", Option(&ZelkOptions::gblnNextVariable), false),
        Bool("SplitDeclarations", Option(&ZelkOptions::gblnSplitDeclarations), false),
        Bool("SplitConsts", Option(&ZelkOptions::gblnSplitConsts), false),
        Bool("SplitIfs", Option(&ZelkOptions::gblnSplitIfs), false),
        Bool("SplitLabels", Option(&ZelkOptions::gblnSplitLabels), false),
        Bool("SplitMultiLines", Option(&ZelkOptions::gblnSplitMultiLines), false),
        Integer("Continuations", Option(&ZelkOptions::giContinuations), "0", 0, 1),
        Bool("InsertContinuations", Option(&ZelkOptions::gblnInsertContinuations), false),
        Bool("KeepIndentation", Option(&ZelkOptions::gblnKeepIndentation), false),
        Bool("ShowOpenDialog", Member(oAppInfo, &cAppInfo::ShowOpenDialog), true),
        Integer("ContinuationColumn", Option(&ZelkOptions::giContinuationColumn), "72", 0, 255),
        Bool("KillNumericLabels", Option(&ZelkOptions::gblnKillNumericLabels), false),
        Bool("InsertLogging", Option(&ZelkOptions::gblnInsertLogging), false)
    );
    // InsertLogging is left out: only a hand edit of the file sets it.
    s.SaveOrder = {"SaveZelInfo",      "SaveZelFile",       "OptionExplicit",      "AlignAs",
                   "AlignAsColumn",    "NextVariable",      "SplitDeclarations",   "SplitConsts",
                   "SplitIfs",         "SplitLabels",       "SplitMultiLines",     "Continuations",
                   "InsertContinuations", "KeepIndentation", "ShowOpenDialog",     "ContinuationColumn",
                   "KillNumericLabels", "CDLGFilterIndex"};
    return s;
}

}  // namespace

std::vector<SettingSection> ProgramSections() { return MoveList<SettingSection>(Program(), View(), General()); }

}  // namespace keys
