#include "projects/ProjectKeys.h"

namespace {

KeyTableType BuildKeyTable() {
    KeyTableType table = {std::string(1, '\0'),
                          "AUTOINCREMENTVER",
                          "AUTOREFRESH",
                          "BOUNDSCHECK",
                          "CLASS",
                          "CODEVIEWDEBUGINFO",
                          "COMMAND",
                          "COMMAND32",
                          "COMPATIBLEEXE",
                          "COMPATIBLEEXE32",
                          "COMPATIBLEMODE",
                          "COMPILATIONTYPE",
                          "CONDCOMP",
                          "CONTROL",
                          "DEBUGSTARTUPCOMPONENT",
                          "DEBUGSTARTUPOPTION",
                          "DESCRIPTION",
                          "DESIGNER",
                          "DLLBASEADDRESS",
                          "EXENAME",
                          "EXENAME32",
                          "FAVORPENTIUMPRO",
                          "FDIVCHECK",
                          "FLPOINTCHECK",
                          "FORM",
                          "HELPCONTEXTID",
                          "HELPFILE",
                          "ICONFORM",
                          "MAJORVER",
                          "MAXNUMBEROFTHREADS",
                          "MINORVER",
                          "MODULE",
                          "NAME",
                          "NOALIASING",
                          "OBJECT",
                          "OPTIMIZATIONTYPE",
                          "OVERFLOWCHECK",
                          "PATH",
                          "PATH32",
                          "PROJWINSHOW",
                          "PROJWINSIZE",
                          "PROPERTYPAGE",
                          "REFERENCE",
                          "RELATEDDOC",
                          "RESFILE16",
                          "RESFILE32",
                          "RETAINED",
                          "REVISIONVER",
                          "SERVERSUPPORTFILES",
                          "STARTMODE",
                          "STARTUP",
                          "THREADINGMODEL",
                          "THREADPEROBJECT",
                          "TITLE",
                          "TYPE",
                          "UNATTENDED",
                          "UNROUNDEDFP",
                          "USEEXISTINGBROWSER",
                          "USERCONTROL",
                          "USERDOCUMENT",
                          "VERSIONCOMMENTS",
                          "VERSIONCOMPANYNAME",
                          "VERSIONCOMPATIBLE",
                          "VERSIONCOMPATIBLE32",
                          "VERSIONFILEDESCRIPTION",
                          "VERSIONLEGALCOPYRIGHT",
                          "VERSIONLEGALTRADEMARKS",
                          "VERSIONPRODUCTNAME",
                          std::string(1, '\xff')};
    return table;
}

}  // namespace

const KeyTableType& ProjectKeyTable() {
    static const KeyTableType table = BuildKeyTable();
    return table;
}

int fiProjectKeyNumber(const std::string& upperKey) {
    const KeyTableType& table = ProjectKeyTable();
    // std::string compares as unsigned characters: the order of character codes.
    for (int i = 1; i <= projectkey::kCount; ++i) {
        const int order = table[static_cast<size_t>(i)].compare(upperKey);
        if (order == 0) return i;
        if (order > 0) break;
    }
    return projectkey::kNone;
}

LineKind KindOfKey(int keyNumber) {
    switch (keyNumber) {
        case projectkey::kForm: return LineKind::Form;
        case projectkey::kModule: return LineKind::Module;
        case projectkey::kClass: return LineKind::Class;
        case projectkey::kUserControl: return LineKind::UserControl;
        case projectkey::kUserDocument: return LineKind::UserDocument;
        case projectkey::kPropertyPage: return LineKind::PropertyPage;
        case projectkey::kDesigner: return LineKind::Designer;
        case projectkey::kReference: return LineKind::Reference;
        case projectkey::kObject: return LineKind::Object;
        default: return LineKind::Other;
    }
}

bool IsComponentKey(int keyNumber) {
    switch (keyNumber) {
        case projectkey::kClass:
        case projectkey::kDesigner:
        case projectkey::kForm:
        case projectkey::kModule:
        case projectkey::kObject:
        case projectkey::kPropertyPage:
        case projectkey::kUserControl:
        case projectkey::kUserDocument: return true;
        default: return false;
    }
}
