// [Debug], [Arrange Declares] and [ErrorHandling].
#include "SettingRules.h"
#include "SettingsKeys.h"
#include "common/mKEMCommon.h"

namespace keys {

namespace {

// Arrangement orders: digit strings of a fixed length.
SettingKey OrderString(std::string name, Holder<std::string> place, std::string defaultText) {
    return Text(std::move(name), std::move(place), defaultText, rules::OrderString(defaultText));
}

SettingSection Debug() {
    SettingSection s{"Debug", {}, {}};
    s.Keys = MoveList<SettingKey>(
        Text("LogFile", {[](const ZelkOptions&) { return Existing(oLog).LogFileName(); },
                         [](ZelkOptions&, const std::string& v) { Existing(oLog).LogFileName(v); }},
             ""),
        Bool("LoggingIsOn", Member(oAppInfo, &cAppInfo::Logging), false),
        Bool("DontTrapErrors", Member(oDebug, &cDebug::DontTrapErrors), false),
        Bool("DontFixDataErrors", Member(oDebug, &cDebug::DontFixDataErrors), false),
        Bool("TraceEvents", Member(oDebug, &cDebug::LogEvents), false),
        Bool("TraceMouseMove", Member(oDebug, &cDebug::LogMouseEvents), false),
        Bool("TraceApplication", Member(oDebug, &cDebug::LogApp), false),
        Bool("TraceClasses", Member(oDebug, &cDebug::LogClasses), false),
        Bool("TracePackages", Member(oDebug, &cDebug::LogZurudUvu), false)
    );
    s.SaveOrder = {"LogFile",        "LoggingIsOn",  "DontTrapErrors",   "DontFixDataErrors", "TraceEvents",
                   "TraceClasses",   "TraceMouseMove", "TraceApplication", "TracePackages"};
    return s;
}

SettingSection ArrangeDeclares() {
    return {"Arrange Declares",
            MoveList<SettingKey>(
                Bool("DoProcs", Option(&ZelkOptions::gblnDoProcs), false),
                OrderString("ProcsHow", Option(&ZelkOptions::gsProcsHow), "13232145"),
                Bool("DoLocals", Option(&ZelkOptions::gblnDoLocals), false),
                OrderString("LocalHow", Option(&ZelkOptions::gsLocalHow), "12345"),
                Bool("DoModules", Option(&ZelkOptions::gblnDoModules), false),
                OrderString("ModuleHow", Option(&ZelkOptions::gsModuleHow), "113427123456"),
                Bool("PublicFirst", Option(&ZelkOptions::gblnPublicFirst), false),
                Bool("ConvertDeclare", Option(&ZelkOptions::gblnConvertDeclare), false),
                Bool("ConvertMsgBox", Option(&ZelkOptions::gblnConvertMsgBox), false),
                Bool("ConvertDAO", Option(&ZelkOptions::gblnConvertDAO), false),
                Bool("ConvertSymbols", Option(&ZelkOptions::gblnConvertSymbols), false),
                Bool("ConvertSymbolsCode", Option(&ZelkOptions::gblnConvertSymbolsCode), false),
                ReadNumber("ConvertIntrinsicFunction", Option(&ZelkOptions::glConvertIntrinsicFunction), 0, 0, 2)
            ),
            {}};
}

SettingSection ErrorHandling() {
    return {"ErrorHandling",
            MoveList<SettingKey>(
                Bool("InsertErrHandling", Option(&ZelkOptions::gblnInsertErrHandling), false),
                Bool("InsertTracing", Option(&ZelkOptions::gblnInsertTracing), false),
                Bool("AnalyzeDates", Option(&ZelkOptions::gblnAnalyzeDates), false),
                Bool("InsertLineNumbers", Option(&ZelkOptions::gblnInsertLineNumbers), false),
                WholeNumber("LineNumberStart", Option(&ZelkOptions::glLineNumberStart), "10000"),
                WholeNumber("LineNumberInc", Option(&ZelkOptions::glLineNumberInc), "10"),
                WholeNumber("LineNumberHow", Option(&ZelkOptions::glLineNumberHow), "2"),
                Text("ErrSet", Option(&ZelkOptions::gsErrSet), ""),
                Text("ErrTrap", Option(&ZelkOptions::gsErrTrap), ""),
                Text("TraceIn", Option(&ZelkOptions::gsTraceIn), ""),
                Text("TraceOut", Option(&ZelkOptions::gsTraceOut), "")
            ),
            {}};
}

}  // namespace

std::vector<SettingSection> DebugSections() { return MoveList<SettingSection>(Debug(), ArrangeDeclares(), ErrorHandling()); }

}  // namespace keys
