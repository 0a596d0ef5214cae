#include "TemplateText.h"

#include <cerrno>

#include "platform/TextFile.h"
#include "platform/VBError.h"
#include "platform/VBText.h"

namespace templatetext {

std::string TemplateFile::Text() const {
    std::string text = vb::Join(Lines, "\r\n");
    if (EndsWithLineBreak) text += "\r\n";
    return text;
}

TemplateFile Read(const std::string& path) {
    std::string whole;
    if (!textfile::ReadAll(path, whole)) RaiseErrno(errno, path, "ReadTemplate");
    TemplateFile file;
    file.Lines = textfile::SplitLines(whole);
    file.EndsWithLineBreak = !whole.empty() && (whole.back() == '\n' || whole.back() == '\r');
    return file;
}

std::string ReplaceNoCase(const std::string& text, const std::string& what, const std::string& with) {
    if (what.empty()) return text;
    const std::string upperText = vb::UCase(text);
    const std::string upperWhat = vb::UCase(what);
    std::string out;
    size_t pos = 0;
    while (true) {
        size_t hit = upperText.find(upperWhat, pos);
        if (hit == std::string::npos) break;
        out.append(text, pos, hit - pos);
        out += with;
        pos = hit + what.size();
    }
    out.append(text, pos, std::string::npos);
    return out;
}

std::string ReplaceFirstNoCase(const std::string& text, const std::string& what, const std::string& with) {
    if (what.empty()) return text;
    size_t hit = vb::UCase(text).find(vb::UCase(what));
    if (hit == std::string::npos) return text;
    return text.substr(0, hit) + with + text.substr(hit + what.size());
}

}  // namespace templatetext
