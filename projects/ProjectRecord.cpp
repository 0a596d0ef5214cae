#include "projects/ProjectRecord.h"

#include <vector>

#include "platform/Paths.h"
#include "common/Trace.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {

constexpr size_t kMostCommaItems = 5;

bool LogClasses() { return oDebug && oLog && oDebug->LogClasses; }

std::string NumText(long n) { return (n >= 0 ? " " : "") + std::to_string(n); }

void LogResult(const cProjectLine& line) {
    std::string text = "Record...\r\n  FileName=" + line.FileName;
    if (!line.FileName.empty())
        text += "\r\n FileNameExt=" + line.FileNameExt + "\r\n  FileNameBase=" + line.FileNameBase +
                "\r\n  FileNameDrive=" + line.FileNameDrive + "\r\n  FileNamePath=" + line.FileNamePath;
    text += "\r\n KeyWord=" + NumText(line.KeyWord) + "\r\n  SyntaxError=" + (line.SyntaxError ? "True" : "False") +
            "\r\n  Values=" + NumText(line.Values);
    oLog->LogData(text);
    for (int i = 0; i < line.Values && static_cast<size_t>(i) < line.Value.size(); ++i)
        oLog->LogData(" Value=" + line.Value[static_cast<size_t>(i)]);
}

// The value's items into elements 1 to n, cut at a "," that is not the first
// character of what remains; false when text remains after five items.
bool CutCommaList(const std::string& value, cProjectLine& line) {
    std::string rest = value;
    for (size_t item = 1; item <= kMostCommaItems; ++item) {
        const size_t comma = rest.find(',');
        line.Values = static_cast<int>(item);
        if (comma == std::string::npos || comma == 0) {
            line.Value[item] = rest;
            return true;
        }
        line.Value[item] = rest.substr(0, comma);
        rest.erase(0, comma + 1);
    }
    return false;
}

void SetWords(cProjectLine& line, std::vector<std::string> words) {
    line.Values = static_cast<int>(words.size());
    line.Value = std::move(words);
}

// The file name of a component line, split into the line's parts.
// `fromProject`: the folder is the project's followed by the name's own
// (classes, modules, objects); otherwise the name's own alone (forms).
void TakeFileName(cProjectLine& line, const std::string& fileName, bool fromProject) {
    line.FileName = fileName;
    std::string drive, dir, base, ext;
    bool error = false;
    ParseProjectFileName(fileName, drive, dir, base, ext, error);
    if (!fromProject) {
        line.FileNameDrive = drive;
        line.FileNamePath = dir;
    } else if (!drive.empty() || paths::IsAbsolute(paths::NativeSeparators(vb::Trim(fileName)))) {
        // A name with a drive, or rooted at "/", does not hang below the
        // project's folder.
        if (!drive.empty()) line.FileNameDrive = drive;
        line.FileNamePath = dir;
    } else {
        line.FileNamePath += dir;
    }
    line.FileNameBase = base;
    line.FileNameExt = ext;
    line.SyntaxError = error;
}

// A line that is a file name alone, as old-style project files write them.
void ParseOldStyleLine(cProjectLine& line, const std::string& text, const std::string& formList,
                       const std::string& codeList, ProjectTally& project) {
    line.FileName = text;
    bool error = false;
    ParseProjectFileName(text, line.FileNameDrive, line.FileNamePath, line.FileNameBase, line.FileNameExt, error);
    line.SyntaxError = error;
    const std::string wanted = line.FileNameExt + ".";
    if (formList.find(wanted) != std::string::npos) {
        line.KeyWord = projectkey::kOldStyleForm;
        line.FileType = LineKind::Form;
    } else if (codeList.find(wanted) != std::string::npos) {
        line.KeyWord = projectkey::kOldStyleModule;
        line.FileType = LineKind::Module;
        if (line.VBName.empty()) line.VBName = line.FileName;
    } else if (std::string(".VBX.").find(wanted) != std::string::npos) {
        line.KeyWord = projectkey::kOldStyleControl;
        ++project.Objects;
    }
}

// The value of a keyed line, in the first form that applies.
void ParseValue(cProjectLine& line, const std::string& value, ProjectTally& project) {
    const int key = line.KeyWord;
    if (!value.empty() && value.front() == '"') {
        line.Value[1] = value;
        line.Values = 1;
        if (IsComponentKey(key) || value.back() != '"' || value.size() < 2) line.SyntaxError = true;
        return;
    }
    if (value.find(',') != std::string::npos) {
        if (!CutCommaList(value, line) || IsComponentKey(key)) line.SyntaxError = true;
        return;
    }
    if (value.find('#') != std::string::npos) {
        SetWords(line, vb::Split(value, "#"));
        return;
    }

    // Words. An empty value has no words at all.
    std::vector<std::string> words;
    if (!value.empty()) words = vb::Split(value, " ");
    if ((key == projectkey::kObject || key == projectkey::kReference) && !words.empty() &&
        vb::LCase(words[0]).find(".vbp") != std::string::npos) {
        ++(key == projectkey::kObject ? project.Objects : project.References);
        SetWords(line, std::move(words));
        return;
    }
    if (IsFormLikeKind(line.FileType)) {
        const std::string fileName = vb::Trim(value);
        if (words.empty()) words.emplace_back();
        words[0] = fileName;
        line.Value = std::move(words);
        line.Values = 1;
        TakeFileName(line, fileName, false);
        return;
    }
    if (key == projectkey::kClass || key == projectkey::kModule || key == projectkey::kObject) {
        if (words.size() < 2 || words[0].empty() || words[0].back() != ';') {
            line.SyntaxError = true;
            return;
        }
        words[0].pop_back();
        words[1] = vb::Trim(value.substr(value.find(';') + 1));
        const std::string fileName = words[1];
        if (key != projectkey::kObject) {
            line.VBName = words[0];
            if (!line.VBName.empty() && line.VBName.back() == ';') line.VBName.pop_back();
        }
        line.Value = std::move(words);
        line.Values = 2;
        TakeFileName(line, fileName, true);
        return;
    }
    SetWords(line, std::move(words));
}

void Parse(cProjectLine& line, const std::string& formList, const std::string& codeList, ProjectTally& project) {
    if (formList.empty() || formList[0] != '.' || codeList.empty() || codeList[0] != '.') {
        line.SyntaxError = true;
        return;
    }
    line.KeyWord = projectkey::kNone;
    const std::string text = vb::Trim(line.AsRecord);
    if (text.empty()) return;

    const size_t equals = text.find('=');
    if (equals == std::string::npos) {
        if (text[0] == '[') return;  // a section header
        if (text.find(' ') != std::string::npos) {
            line.SyntaxError = true;
            return;
        }
        ParseOldStyleLine(line, text, formList, codeList, project);
        return;
    }
    if (equals == 0) {
        line.SyntaxError = true;
        return;
    }
    std::string key = vb::UCase(text.substr(0, equals));
    if (size_t paren = key.find('('); paren != std::string::npos) key.erase(paren);

    const int number = fiProjectKeyNumber(key);
    if (number == projectkey::kNone) {
        line.SyntaxError = true;
        return;
    }
    line.KeyWord = number;
    line.FileType = KindOfKey(number);
    ParseValue(line, text.substr(equals + 1), project);
}

}  // namespace

void ParseProjectFileName(const std::string& path, std::string& drive, std::string& dir, std::string& base,
                          std::string& ext, bool& error) {
    TraceGuard trace(TraceKind::Classes, "ParseFileName");
    if (LogClasses()) oLog->LogData("File=" + path);
    if (!paths::SplitParts(paths::NativeSeparators(path), drive, dir, base, ext)) {
        error = true;
        return;
    }
    if (LogClasses()) oLog->LogData("Drive/Path/Base/Ext=|" + drive + "|" + dir + "|" + base + "|" + ext + "|");
}

void ParseProjectRecord(cProjectLine& line, const std::string& formList, const std::string& codeList,
                        ProjectTally& project) {
    TraceGuard trace(TraceKind::Classes, "ParseProjectRecord");
    if (LogClasses()) {
        oLog->LogData("Record=" + line.AsRecord);
        if (project.Records == 1) oLog->LogData("FormExt/ModuleExt=|" + formList + "|" + codeList + "|");
    }
    Parse(line, formList, codeList, project);
    if (LogClasses()) LogResult(line);
}
