#pragma once
// The keys a project file's lines may start with, and the kinds of line they
// make.
#include <array>
#include <string>

// The kind of a project line (cProjectLine::FileType).
enum class LineKind : long {
    None = 0,  // empty, a section header, an unknown key, a line in error or naming a missing file
    Form = 1,
    Module = 2,
    Class = 3,
    UserControl = 4,
    UserDocument = 5,
    PropertyPage = 6,
    Designer = 7,
    Reference = 8,
    Object = 9,
    Other = 10,  // any other known key; also a component file that is binary or cannot be read
};

// Kinds 1 to 7: the components a user can choose to zelk.
constexpr bool IsComponentKind(LineKind kind) { return kind >= LineKind::Form && kind <= LineKind::Designer; }
// Forms and the other designer files, read for their object name.
constexpr bool IsFormLikeKind(LineKind kind) {
    return kind == LineKind::Form || (kind >= LineKind::UserControl && kind <= LineKind::Designer);
}

// Key numbers (cProjectLine::KeyWord) that the parser treats specially. An
// old-style line that names a file gets the negative number of its kind.
namespace projectkey {
constexpr int kNone = 0;
constexpr int kClass = 4;
constexpr int kDesigner = 17;
constexpr int kForm = 24;
constexpr int kModule = 31;
constexpr int kObject = 34;
constexpr int kPropertyPage = 41;
constexpr int kReference = 42;
constexpr int kUserControl = 58;
constexpr int kUserDocument = 59;
constexpr int kOldStyleForm = -kForm;
constexpr int kOldStyleModule = -kModule;
constexpr int kOldStyleControl = -kObject;
constexpr int kCount = 67;
}  // namespace projectkey

// Elements 1 to 67 hold the keys in upper case, in ascending order of
// character codes; element 0 holds the character 0 and element 68 the
// character 255, so that every key lies between two elements.
using KeyTableType = std::array<std::string, projectkey::kCount + 2>;
const KeyTableType& ProjectKeyTable();

// The key number of an upper-case key, 0 when it is not a project-file key.
// The search stops at the first element above the key.
int fiProjectKeyNumber(const std::string& upperKey);

// The line kind a key number gives (Other for every key without a kind of
// its own).
LineKind KindOfKey(int keyNumber);

// The eight keys that name a component file.
bool IsComponentKey(int keyNumber);
