// [Files], [Indentation], [Spell] and [Comment Blocks].
#include "SettingRules.h"
#include "SettingsKeys.h"

namespace keys {

namespace {

SettingSection Files() {
    SettingSection s{"Files", {}, {}};
    s.Keys = MoveList<SettingKey>(
        Integer("SaveInBackup", Option(&ZelkOptions::giSaveInBackup), "0"),
        Integer("Backup", Option(&ZelkOptions::giBackup), "0", 0, 1),
        Text("BackupDirectory", Option(&ZelkOptions::gsBackupDirectory), ""),
        Integer("Overwrite", Option(&ZelkOptions::giOverwrite), "2"),
        Bool("LogSignificant", Option(&ZelkOptions::gblnLogSignificant), false),
        Integer("LogOverwrite", Option(&ZelkOptions::giLogOverwrite), "2", 0, 3),
        Text("QuindyPrinter", Option(&ZelkOptions::gsQuindyPrinter), ""),
        // The lists once had keys of their own, written with blanks; those
        // are still read, never written.
        Text("CodeExtNew", Option(&ZelkOptions::gsCodeExt), "", rules::ExtensionList("CodeExt", "BAS|CLS")),
        Text("FormExtNew", Option(&ZelkOptions::gsFormExt), "", rules::ExtensionList("FormExt", "FRM|CTL|PAG|DOB|DSR")),
        Text("ProjectExtNew", Option(&ZelkOptions::gsProjectExt), "", rules::ExtensionList("ProjectExt", "VBP|MAK|VBG")),
        Text("ResourceExt", Option(&ZelkOptions::gsResourceExt), "RC", rules::ExtensionList("", ""))
    );
    s.SaveOrder = {"SaveInBackup", "Backup",        "BackupDirectory", "Overwrite",
                   "LogOverwrite", "LogSignificant", "QuindyPrinter",  "CodeExtNew",
                   "FormExtNew",   "ProjectExtNew", "ResourceExt"};
    return s;
}

SettingSection Indentation() {
    return {"Indentation",
            MoveList<SettingKey>(
                Bool("AsIs", Option(&ZelkOptions::gblnAsIs), true),
                Integer("CodeLine", Option(&ZelkOptions::giCodeLine), "0"),
                Bool("Declarations", Option(&ZelkOptions::gblnDeclarations), false),
                Bool("ModDeclarations", Option(&ZelkOptions::gblnModDeclarations), false),
                Bool("BaseLines", Option(&ZelkOptions::gblnBaseLines), false),
                Integer("CaseStructure", Option(&ZelkOptions::giCaseStructure), "0    ", 0, 2),
                Integer("IfStructure", Option(&ZelkOptions::giIfStructure), "0", 0, 1),
                Integer("IndentAmount", Option(&ZelkOptions::giIndentAmount), "4", 0, 40)
            ),
            {}};
}

SettingSection Spell() {
    return {"Spell",
            MoveList<SettingKey>(
                Bool("Enabled", Option(&ZelkOptions::gblnSpellEnabled), false),
                Bool("Comments", Option(&ZelkOptions::gblnSpellComments), true),
                Bool("FormLiterals", Option(&ZelkOptions::gblnSpellFormLiterals), true),
                Bool("CodeLiterals", Option(&ZelkOptions::gblnSpellCodeLiterals), true),
                Bool("IgnoreCaps", Option(&ZelkOptions::gblnIgnoreCaps), true),
                Bool("IgnoreNumbers", Option(&ZelkOptions::gblnIgnoreNumbers), true),
                Bool("IgnoreVBWords", Option(&ZelkOptions::gblnIgnoreVBWords), true),
                Constant("Dictionary", "0"),
                Text("StandardDictionary", Option(&ZelkOptions::gsStandardDictionary), "Unknown", rules::MainDictionary()),
                Text("CustomDictionary", Option(&ZelkOptions::gsCustomDictionary), "Unknown", rules::CustomDictionary())
            ),
            {}};
}

SettingSection CommentBlocks() {
    return {"Comment Blocks",
            MoveList<SettingKey>(
                Integer("Where", Option(&ZelkOptions::giCmtWhere), "0", 0, 1),
                Bool("Overwrite", Option(&ZelkOptions::gblnCmtOverwrite), false),
                Bool("AutoInsert", Option(&ZelkOptions::gblnCmtAutoInsert), true),
                Bool("Module", Option(&ZelkOptions::gblnCmtModule), false),
                Text("ModuleFile", Option(&ZelkOptions::gsCmtModuleFile), "",
                     rules::CommentTemplate(Option(&ZelkOptions::gblnCmtModule), "CMTMOD.DEF")),
                Bool("UDP", Option(&ZelkOptions::gblnCmtUDP), false),
                Text("UDPFile", Option(&ZelkOptions::gsCmtUDPFile), "", rules::CommentTemplate(Option(&ZelkOptions::gblnCmtUDP), "CMTUDP.DEF")),
                Bool("Event", Option(&ZelkOptions::gblnCmtEvent), false),
                Text("EventFile", Option(&ZelkOptions::gsCmtEventFile), "",
                     rules::CommentTemplate(Option(&ZelkOptions::gblnCmtEvent), "CMTEVT.DEF"))
            ),
            {}};
}

}  // namespace

std::vector<SettingSection> FileSections() { return MoveList<SettingSection>(Files(), Indentation(), Spell(), CommentBlocks()); }

}  // namespace keys
