// [Files], [Indentation], [Spell] and [Comment Blocks].
#include "settings/OptionGlobals.h"
#include "SettingRules.h"
#include "SettingsKeys.h"

namespace keys {

namespace {

SettingSection Files() {
    SettingSection s{"Files", {}, {}};
    s.Keys = {
        Integer("SaveInBackup", Global(giSaveInBackup), "0"),
        Integer("Backup", Global(giBackup), "0", 0, 1),
        Text("BackupDirectory", Global(gsBackupDirectory), ""),
        Integer("Overwrite", Global(giOverwrite), "2"),
        Bool("LogSignificant", Global(gblnLogSignificant), false),
        Integer("LogOverwrite", Global(giLogOverwrite), "2", 0, 3),
        Text("QuindyPrinter", Global(gsQuindyPrinter), ""),
        // The lists once had keys of their own, written with blanks; those
        // are still read, never written.
        Text("CodeExtNew", Global(gsCodeExt), "", rules::ExtensionList("CodeExt", "BAS|CLS")),
        Text("FormExtNew", Global(gsFormExt), "", rules::ExtensionList("FormExt", "FRM|CTL|PAG|DOB|DSR")),
        Text("ProjectExtNew", Global(gsProjectExt), "", rules::ExtensionList("ProjectExt", "VBP|MAK|VBG")),
        Text("ResourceExt", Global(gsResourceExt), "RC", rules::ExtensionList("", "")),
    };
    s.SaveOrder = {"SaveInBackup", "Backup",        "BackupDirectory", "Overwrite",
                   "LogOverwrite", "LogSignificant", "QuindyPrinter",  "CodeExtNew",
                   "FormExtNew",   "ProjectExtNew", "ResourceExt"};
    return s;
}

SettingSection Indentation() {
    return {"Indentation",
            {
                Bool("AsIs", Global(gblnAsIs), true),
                Integer("CodeLine", Global(giCodeLine), "0"),
                Bool("Declarations", Global(gblnDeclarations), false),
                Bool("ModDeclarations", Global(gblnModDeclarations), false),
                Bool("BaseLines", Global(gblnBaseLines), false),
                Integer("CaseStructure", Global(giCaseStructure), "0    ", 0, 2),
                Integer("IfStructure", Global(giIfStructure), "0", 0, 1),
                Integer("IndentAmount", Global(giIndentAmount), "4", 0, 40),
            },
            {}};
}

SettingSection Spell() {
    // The per-module switch starts each load as a copy of the setting.
    Holder<bool> enabled{[] { return gblnSpellEnabled; },
                         [](const bool& v) {
                             gblnSpellEnabled = v;
                             gblnSpellThisModule = v;
                         }};
    return {"Spell",
            {
                Bool("Enabled", enabled, false),
                Bool("Comments", Global(gblnSpellComments), true),
                Bool("FormLiterals", Global(gblnSpellFormLiterals), true),
                Bool("CodeLiterals", Global(gblnSpellCodeLiterals), true),
                Bool("IgnoreCaps", Global(gblnIgnoreCaps), true),
                Bool("IgnoreNumbers", Global(gblnIgnoreNumbers), true),
                Bool("IgnoreVBWords", Global(gblnIgnoreVBWords), true),
                Constant("Dictionary", "0"),
                Text("StandardDictionary", Global(gsStandardDictionary), "Unknown", rules::MainDictionary()),
                Text("CustomDictionary", Global(gsCustomDictionary), "Unknown", rules::CustomDictionary()),
            },
            {}};
}

SettingSection CommentBlocks() {
    return {"Comment Blocks",
            {
                Integer("Where", Global(giCmtWhere), "0", 0, 1),
                Bool("Overwrite", Global(gblnCmtOverwrite), false),
                Bool("AutoInsert", Global(gblnCmtAutoInsert), true),
                Bool("Module", Global(gblnCmtModule), false),
                Text("ModuleFile", Global(gsCmtModuleFile), "",
                     rules::CommentTemplate(Global(gblnCmtModule), "CMTMOD.DEF")),
                Bool("UDP", Global(gblnCmtUDP), false),
                Text("UDPFile", Global(gsCmtUDPFile), "", rules::CommentTemplate(Global(gblnCmtUDP), "CMTUDP.DEF")),
                Bool("Event", Global(gblnCmtEvent), false),
                Text("EventFile", Global(gsCmtEventFile), "",
                     rules::CommentTemplate(Global(gblnCmtEvent), "CMTEVT.DEF")),
            },
            {}};
}

}  // namespace

std::vector<SettingSection> FileSections() { return {Files(), Indentation(), Spell(), CommentBlocks()}; }

}  // namespace keys
