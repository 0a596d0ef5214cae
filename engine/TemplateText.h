#pragma once
// The text files whose content the engine inserts (comment-block templates,
// code templates, logging files) and the placeholder replacement they share.
#include <string>
#include <vector>

namespace templatetext {

struct TemplateFile {
    // The lines as the one line reader splits them (CR LF, CR or LF).
    std::vector<std::string> Lines;
    bool EndsWithLineBreak = false;

    // The whole text with CR LF between the lines (and after the last when
    // the file ended with a line break), so that an inserted block writes the
    // line ends every output file has, whatever editor saved the template.
    std::string Text() const;
};

// Raises VBError with the Visual Basic error number when the file cannot be
// read.
TemplateFile Read(const std::string& path);

// Every occurrence of `what`, found without regard to ASCII case, replaced
// by `with`, scanning left to right.
std::string ReplaceNoCase(const std::string& text, const std::string& what, const std::string& with);

// Only the first occurrence, found without regard to ASCII case.
std::string ReplaceFirstNoCase(const std::string& text, const std::string& what, const std::string& with);

}  // namespace templatetext
