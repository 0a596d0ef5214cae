#include "spelling/CustomDictionary.h"

#include <sys/stat.h>

#include "platform/TextFile.h"
#include "platform/VBError.h"

namespace customdict {

void WriteHeaderOnly(const std::string& path) {
    try {
        LineWriter out(path, LineWriter::Mode::Output);
        out.WriteLine(kHeader);
        out.Close();
    } catch (const VBError&) {
    }
}

namespace {

// The items of one line, as Input # reads them.
void AddItems(std::string_view line, std::vector<std::string>& words) {
    size_t i = 0;
    while (i <= line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        std::string_view item;
        if (i < line.size() && line[i] == '"') {
            size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) close = line.size();
            item = line.substr(i + 1, close - i - 1);
            i = line.find(',', close);
        } else {
            size_t comma = line.find(',', i);
            item = line.substr(i, (comma == std::string_view::npos ? line.size() : comma) - i);
            item = item.substr(0, item.find_last_not_of(" \t") + 1);
            i = comma;
        }
        if (!item.empty()) words.emplace_back(item);
        if (i == std::string_view::npos) break;
        ++i;
    }
}

}  // namespace

std::vector<std::string> Load(const std::string& path) {
    std::vector<std::string> words;
    // A dangling link counts as missing, and writing the header through it
    // may well fail: then the list simply stays empty.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        WriteHeaderOnly(path);
        return words;
    }
    std::string text;
    if (!textfile::ReadAll(path, text)) return words;
    std::vector<std::string> lines = textfile::SplitLines(text);
    if (lines.size() <= 1) {
        WriteHeaderOnly(path);
        return words;
    }
    if (lines[0].empty()) return words;
    for (size_t n = 1; n < lines.size(); ++n) AddItems(lines[n], words);
    return words;
}

bool Append(const std::string& path, const std::string& word) {
    if (path.empty()) return false;
    try {
        std::string text;
        bool needsBreak = textfile::ReadAll(path, text) && !text.empty() && text.back() != '\n' && text.back() != '\r';
        LineWriter out(path, LineWriter::Mode::Append);
        if (needsBreak) out.Write("\r\n");
        out.WriteLine(word);
        out.Close();
        return true;
    } catch (const VBError&) {
        return false;
    }
}

}  // namespace customdict
