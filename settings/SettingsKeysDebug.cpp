// [Debug], [Arrange Declares] and [ErrorHandling].
#include "settings/OptionGlobals.h"
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
    s.Keys = {
        Text("LogFile", {[] { return Existing(oLog).LogFileName(); },
                         [](const std::string& v) { Existing(oLog).LogFileName(v); }},
             ""),
        Bool("LoggingIsOn", Member(oAppInfo, &cAppInfo::Logging), false),
        Bool("DontTrapErrors", Member(oDebug, &cDebug::DontTrapErrors), false),
        Bool("DontFixDataErrors", Member(oDebug, &cDebug::DontFixDataErrors), false),
        Bool("TraceEvents", Member(oDebug, &cDebug::LogEvents), false),
        Bool("TraceMouseMove", Member(oDebug, &cDebug::LogMouseEvents), false),
        Bool("TraceApplication", Member(oDebug, &cDebug::LogApp), false),
        Bool("TraceClasses", Member(oDebug, &cDebug::LogClasses), false),
        Bool("TracePackages", Member(oDebug, &cDebug::LogZurudUvu), false),
    };
    s.SaveOrder = {"LogFile",        "LoggingIsOn",  "DontTrapErrors",   "DontFixDataErrors", "TraceEvents",
                   "TraceClasses",   "TraceMouseMove", "TraceApplication", "TracePackages"};
    return s;
}

SettingSection ArrangeDeclares() {
    return {"Arrange Declares",
            {
                Bool("DoProcs", Global(gblnDoProcs), false),
                OrderString("ProcsHow", Global(gsProcsHow), "13232145"),
                Bool("DoLocals", Global(gblnDoLocals), false),
                OrderString("LocalHow", Global(gsLocalHow), "12345"),
                Bool("DoModules", Global(gblnDoModules), false),
                OrderString("ModuleHow", Global(gsModuleHow), "113427123456"),
                Bool("PublicFirst", Global(gblnPublicFirst), false),
                Bool("ConvertDeclare", Global(gblnConvertDeclare), false),
                Bool("ConvertMsgBox", Global(gblnConvertMsgBox), false),
                Bool("ConvertDAO", Global(gblnConvertDAO), false),
                Bool("ConvertSymbols", Global(gblnConvertSymbols), false),
                Bool("ConvertSymbolsCode", Global(gblnConvertSymbolsCode), false),
                ReadNumber("ConvertIntrinsicFunction", Global(glConvertIntrinsicFunction), 0, 0, 2),
            },
            {}};
}

SettingSection ErrorHandling() {
    return {"ErrorHandling",
            {
                Bool("InsertErrHandling", Global(gblnInsertErrHandling), false),
                Bool("InsertTracing", Global(gblnInsertTracing), false),
                Bool("AnalyzeDates", Global(gblnAnalyzeDates), false),
                Bool("InsertLineNumbers", Global(gblnInsertLineNumbers), false),
                WholeNumber("LineNumberStart", Global(glLineNumberStart), "10000"),
                WholeNumber("LineNumberInc", Global(glLineNumberInc), "10"),
                WholeNumber("LineNumberHow", Global(glLineNumberHow), "2"),
                Text("ErrSet", Global(gsErrSet), ""),
                Text("ErrTrap", Global(gsErrTrap), ""),
                Text("TraceIn", Global(gsTraceIn), ""),
                Text("TraceOut", Global(gsTraceOut), ""),
            },
            {}};
}

}  // namespace

std::vector<SettingSection> DebugSections() { return {Debug(), ArrangeDeclares(), ErrorHandling()}; }

}  // namespace keys
