#pragma once
// The one line reader and line writer. Lines end at CR LF, CR or LF alone; a
// last line without a terminator is still a line; a file that ends with a
// line break has no extra empty line. Every line written ends with CR LF.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace textfile {

// Whole-file helpers. ReadAll returns false when the file cannot be read.
bool ReadAll(const std::string& path, std::string& out);
std::vector<std::string> SplitLines(std::string_view text);
// Writes beside the target and renames over it; false (errno set) when that
// fails, the old file untouched. A symbolic link is written through to the
// file it leads to, and a file with several names (hard links) is rewritten
// in place, so that the link and every name see the new content.
bool WriteAllAtomic(const std::string& path, std::string_view bytes);
// The end of the line that starts at pos; `next` receives where the next
// line starts.
size_t LineEnd(std::string_view text, size_t pos, size_t& next);
// How many lines the text holds, by the same rule.
size_t CountLines(std::string_view text);

}  // namespace textfile

// Reads a text file line by line (Line Input). Failures raise VBError with
// the Visual Basic error number.
class LineReader {
public:
    LineReader() = default;
    explicit LineReader(const std::string& path) { Open(path); }
    // The view refers into the reader's own text.
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    void Open(const std::string& path);
    // The whole text of a file, failing as Open does.
    static std::string ReadWhole(const std::string& path);
    // Reads the lines of a text held in memory; Path() gives `name`.
    void OpenText(std::string text, const std::string& name = {});
    // Reads the lines of a text held elsewhere, which must outlive the
    // reading; Data() gives its characters, so that a reader of lines may
    // refer to them instead of copying.
    void OpenView(std::string_view text, const std::string& name = {});
    const char* Data() const { return view_.data(); }
    // Reads the next line without its terminator; raises error 62 (input
    // past end of file) when there is none.
    std::string ReadLine();
    // Like ReadLine, but returns false at the end instead of raising.
    bool ReadLine(std::string& line);
    // The same, the line left where it is: a view of the text being read,
    // valid while that text is (the reader open on it). Reading a large
    // file line by line then copies nothing.
    bool ReadLine(std::string_view& line);
    bool Eof() const { return pos_ >= view_.size(); }
    bool IsOpen() const { return open_; }
    void Close();
    const std::string& Path() const { return path_; }
    // Bytes read so far and in all, for progress.
    size_t Position() const { return pos_; }
    size_t Size() const { return view_.size(); }

private:
    std::string path_;
    std::string text_;       // the text, when the reader holds it
    std::string_view view_;  // the text being read: text_ or one held elsewhere
    size_t pos_ = 0;
    bool open_ = false;
};

// Writes a text file line by line (Print #). Failures raise VBError.
class LineWriter {
public:
    enum class Mode { Output, Append };
    LineWriter() = default;
    LineWriter(const std::string& path, Mode mode) { Open(path, mode); }
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    void Open(const std::string& path, Mode mode);
    void WriteLine(std::string_view line);  // the text and CR LF
    void Write(std::string_view text);      // the text alone
    void Close();
    bool IsOpen() const { return file_ != nullptr; }
    const std::string& Path() const { return path_; }

private:
    // The text goes to the file in blocks of this size (and at Close): one
    // library call per block rather than two per line.
    static constexpr size_t kBlock = 1 << 16;
    void WriteBlock(std::FILE* file);

    std::string path_;
    std::FILE* file_ = nullptr;
    std::string block_;  // written, not yet handed to the file
};
