// [White Space], [Comments] and [Dialect].
#include "SettingsKeys.h"

namespace keys {

namespace {

SettingSection WhiteSpace() {
    SettingSection s{"White Space", {}, {}};
    s.Keys = MoveList<SettingKey>(
        Bool("XSLines", Option(&ZelkOptions::gblnXSLines), false),
        Integer("XSLinesAmount", Option(&ZelkOptions::giXSLinesAmount), "1", 0, 20),
        Bool("NoChange", Option(&ZelkOptions::gblnWSNoChange), true),
        Bool("Change", Option(&ZelkOptions::gblnWSChange), false)
    );
    s.SaveOrder = {"XSLinesAmount", "XSLines", "NoChange", "Change"};
    for (const auto& sw : kBlankLineSwitches) {
        s.Keys.push_back(Bool(sw.Key, Option(sw.Field), false));
        s.SaveOrder.emplace_back(sw.Key);
    }
    return s;
}

SettingSection Comments() {
    return {"Comments",
            MoveList<SettingKey>(
                Integer("StandAlone", Option(&ZelkOptions::giCmtStandAlone), "4", 0, 20),
                Integer("StandAloneColumn", Option(&ZelkOptions::giCmtStandAloneColumn), "4", 0, 20),
                Integer("InLineColumn", Option(&ZelkOptions::giCmtInLineColumn), "40", 0, 80),
                Integer("InLine", Option(&ZelkOptions::giCmtInLine), "99", 0, 99),
                Bool("InLineRight", Option(&ZelkOptions::gblnCmtInLineRight), false),
                Bool("InLineNext", Option(&ZelkOptions::gblnCmtInLineNext), false)
            ),
            {}};
}

SettingSection Dialect() {
    return {"Dialect",
            MoveList<SettingKey>(
                Bool("Autodetect", Option(&ZelkOptions::gblnDialectAutodetect), true),
                NumberText("Default", Option(&ZelkOptions::gsDialectDefault), "6", 3, 6)
            ),
            {}};
}

}  // namespace

std::vector<SettingSection> LayoutSections() { return MoveList<SettingSection>(WhiteSpace(), Comments(), Dialect()); }

}  // namespace keys
