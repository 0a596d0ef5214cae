// [White Space], [Comments] and [Dialect].
#include "settings/OptionGlobals.h"
#include "SettingsKeys.h"

namespace keys {

namespace {

// One blank line before or after the statements of a group: the key, and the
// global named gblnWS and the key.
struct BlankLineSwitch {
    const char* Key;
    bool* Global;
};

constexpr BlankLineSwitch kBlankLineSwitches[] = {
    {"BeforeSub", &gblnWSBeforeSub},         {"AfterSub", &gblnWSAfterSub},
    {"BeforeEndSub", &gblnWSBeforeEndSub},   {"AfterEndSub", &gblnWSAfterEndSub},
    {"BeforeIf", &gblnWSBeforeIf},           {"AfterIf", &gblnWSAfterIf},
    {"BeforeElse", &gblnWSBeforeElse},       {"AfterElse", &gblnWSAfterElse},
    {"BeforeEndIf", &gblnWSBeforeEndIf},     {"AfterEndIf", &gblnWSAfterEndIf},
    {"BeforeLoop", &gblnWSBeforeLoop},       {"AfterLoop", &gblnWSAfterLoop},
    {"BeforeEndLoop", &gblnWSBeforeEndLoop}, {"AfterEndLoop", &gblnWSAfterEndLoop},
    {"BeforeSelect", &gblnWSBeforeSelect},   {"AfterSelect", &gblnWSAfterSelect},
    {"BeforeCase", &gblnWSBeforeCase},       {"AfterCase", &gblnWSAfterCase},
    {"BeforeEndSelect", &gblnWSBeforeEndSelect}, {"AfterEndSelect", &gblnWSAfterEndSelect},
    {"BeforeLabel", &gblnWSBeforeLabel},     {"AfterLabel", &gblnWSAfterLabel},
    {"BeforeDec", &gblnWSBeforeDec},         {"AfterDec", &gblnWSAfterDec},
};

SettingSection WhiteSpace() {
    SettingSection s{"White Space", {}, {}};
    s.Keys = {
        Bool("XSLines", Global(gblnXSLines), false),
        Integer("XSLinesAmount", Global(giXSLinesAmount), "1", 0, 20),
        Bool("NoChange", Global(gblnWSNoChange), true),
        Bool("Change", Global(gblnWSChange), false),
    };
    s.SaveOrder = {"XSLinesAmount", "XSLines", "NoChange", "Change"};
    for (const auto& sw : kBlankLineSwitches) {
        s.Keys.push_back(Bool(sw.Key, Global(*sw.Global), false));
        s.SaveOrder.emplace_back(sw.Key);
    }
    return s;
}

SettingSection Comments() {
    return {"Comments",
            {
                Integer("StandAlone", Global(giCmtStandAlone), "4", 0, 20),
                Integer("StandAloneColumn", Global(giCmtStandAloneColumn), "4", 0, 20),
                Integer("InLineColumn", Global(giCmtInLineColumn), "40", 0, 80),
                Integer("InLine", Global(giCmtInLine), "99", 0, 99),
                Bool("InLineRight", Global(gblnCmtInLineRight), false),
                Bool("InLineNext", Global(gblnCmtInLineNext), false),
            },
            {}};
}

SettingSection Dialect() {
    return {"Dialect",
            {
                Bool("Autodetect", Global(gblnDialectAutodetect), true),
                NumberText("Default", Global(gsDialectDefault), "6", 3, 6),
            },
            {}};
}

}  // namespace

std::vector<SettingSection> LayoutSections() { return {WhiteSpace(), Comments(), Dialect()}; }

}  // namespace keys
