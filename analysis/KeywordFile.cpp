#include "analysis/KeywordFile.h"

#include <array>
#include <filesystem>

#include "analysis/AnalyserLog.h"
#include "analysis/SourceModel.h"
#include "common/AppIdentity.h"
#include "common/ErrorTrap.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "platform/UiServices.h"
#include "platform/VBError.h"
#include "platform/VBText.h"
#include "common/mKEMCommon.h"

namespace {

// A keyword file's line is about 25 bytes; the table is reserved from the
// file's size so that it is neither copied while it grows nor made larger
// than the file needs.
constexpr size_t kBytesPerLine = 20;
constexpr std::string_view kClassLetters = "-CEMDBOPVX";

[[noreturn]] void Fail(const std::string& text, int icon, int status, int reason) {
    Ui().MsgBox(text, mb::vbOKOnly | icon, app::kTitle);
    LogErrorBlock(text);
    RaiseStatus(status, reason, "BabInit");
}

[[noreturn]] void MissingFile() {
    std::string dir = paths::ProgramDir();
    std::string name = kKeyWordFileName;
    std::string text = "The file " + name + " " + "was not found in the directory " + "\r\n" + dir + "\r\n\r\n" +
                       name + " is required for " + app::kTitle + " to operate." + "\r\n\r\n" +
                       "Please install this file in the directory " + dir;
    Fail(text, mb::vbCritical, -7, oDebug->ReasonCode);
}

bool FlagOn(char c) { return c == 'Y'; }
bool FlagValid(char c) { return c == 'Y' || c == 'N' || c == '-'; }

// A record's class letter and five flags, upper-cased, "-" where the file
// gives fewer.
using RecordCodes = std::array<char, 6>;

RecordCodes CodesOf(std::string_view field) {
    RecordCodes codes;
    codes.fill('-');
    for (size_t i = 0; i < codes.size() && i < field.size(); ++i) codes[i] = vb::UCaseChar(field[i]);
    return codes;
}

// The word of the first check the record fails; empty when it passes.
std::string FailedCheck(const BabKeyWord& k, const std::string& previous, const RecordCodes& codes, size_t index) {
    // A token holds a keyword index in a few bits.
    if (index > static_cast<size_t>(model::kMaxKeywords)) return "File length";
    if (!(k.KeyWord > previous)) return "File sequence";
    if (k.Dialect.empty()) return "Dialect";
    if (kClassLetters.find(codes[0]) == std::string_view::npos) return "Class-code";
    static const char* const kFlagWords[5] = {"Indent-flag", "Outdent-flag", "ClassOverride-flag",
                                              "KeepLeadingComments-flag", "ScanForVerb-flag"};
    for (int f = 0; f < 5; ++f)
        if (!FlagValid(codes[static_cast<size_t>(f) + 1])) return kFlagWords[f];
    return {};
}

// Reads the whole file, retrying after a "disk not ready" message.
void ReadKeyWordFile(const std::string& path, LineReader& reader) {
    while (true) {
        try {
            reader.Open(path);
            return;
        } catch (const VBError& e) {
            if (e.Number < 52 || e.Number > 76) throw;
            std::string text = std::string("BabInit") + " -- I/O Error" + "\r\n\r\n" +
                               "The following error occurred processing " + path + "." + "\r\n\r\n" +
                               e.Description;
            Ui().MsgBox(text, mb::vbOKOnly | mb::vbExclamation, app::kTitle);
            LogErrorBlock(text);
            if (e.Number == vberr::kDiskNotReady) continue;
            RaiseStatus(-12, oDebug->ReasonCode, "BabInit");
        }
    }
}

}  // namespace

void SplitInputFields(std::string_view line, std::vector<std::string_view>& fields) {
    fields.clear();
    size_t i = 0;
    while (true) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        std::string_view field;
        if (i < line.size() && line[i] == '"') {
            size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) close = line.size();
            field = line.substr(i + 1, close - i - 1);
            i = close + 1;
            size_t comma = i < line.size() ? line.find(',', i) : std::string_view::npos;
            i = comma == std::string_view::npos ? line.size() : comma;
        } else {
            size_t comma = line.find(',', i);
            size_t end = comma == std::string_view::npos ? line.size() : comma;
            field = line.substr(i, end - i);
            while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.remove_suffix(1);
            i = end;
        }
        fields.push_back(field);
        if (i >= line.size()) break;
        ++i;  // the comma
    }
}

std::vector<BabKeyWord> LoadKeyWordFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) MissingFile();

    LineReader reader;
    ReadKeyWordFile(path, reader);

    std::vector<BabKeyWord> table;
    table.reserve(reader.Size() / kBytesPerLine + 2);
    table.emplace_back().KeyWord = std::string(1, '\0');
    std::string line;
    std::vector<std::string_view> fields;
    while (reader.ReadLine(line)) {
        // A line with nothing on it holds no record (an empty last line of a
        // file edited by hand, say); it is skipped rather than read as an
        // empty keyword.
        if (line.find_first_not_of(' ') == std::string::npos) continue;
        const size_t n = table.size();
        SplitInputFields(line, fields);
        fields.resize(3);

        BabKeyWord k;
        k.KeyWord.assign(fields[0]);
        for (char& c : k.KeyWord) c = vb::UCaseChar(c);
        k.Dialect = fields[1];
        const RecordCodes codes = CodesOf(fields[2]);

        std::string failed = FailedCheck(k, table.back().KeyWord, codes, n);
        if (!failed.empty()) {
            std::string text = std::string("BabInit") + "\r\n" + path + "\r\n\r\n" + "Invalid " + failed +
                               "\r\n\r\n" + "Record=" + Num(static_cast<long>(n)) + " KeyWord=|" + k.KeyWord + "|";
            reader.Close();
            Fail(text, mb::vbCritical, 4, static_cast<int>(n));
        }
        k.Class = codes[0];
        k.Indent = FlagOn(codes[1]);
        k.Outdent = FlagOn(codes[2]);
        k.ClassOverride = FlagOn(codes[3]);
        k.KeepLeadingComments = FlagOn(codes[4]);
        k.ScanForVerb = FlagOn(codes[5]);
        table.push_back(std::move(k));
    }
    reader.Close();
    return table;
}
