#pragma once
// The one INI engine of the program, with the semantics of the Windows profile
// functions the rest of the code was written against: section and key names
// match without regard to ASCII case, a key present with an empty value is not
// a missing key, writes change the file in place (other lines stay byte for
// byte) and are on disk, whole, when the call returns (inside a WriteSession,
// when the session ends).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniDocument {
public:
    // Reads the file; a missing or unreadable file gives an empty document.
    static IniDocument Load(const std::string& path);
    static IniDocument Parse(std::string_view text);

    // Writes the document beside the target and renames it over it. Returns
    // false (and leaves the old file as it was) when that fails.
    bool Save(const std::string& path) const;
    std::string Text() const;

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);
    bool RemoveKey(std::string_view section, std::string_view key);
    // Adds an empty section at the end when there is none of that name.
    void EnsureSection(std::string_view section);
    bool HasSection(std::string_view section) const { return FindSection(section).has_value(); }
    bool RemoveSection(std::string_view section);
    std::vector<std::string> Sections() const;
    // The keys of a section in file order, with their values.
    std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;

private:
    struct Range {
        size_t header;  // index of the [section] line
        size_t end;     // one past the last line of the section
    };
    std::optional<Range> FindSection(std::string_view section) const;
    std::optional<size_t> FindKey(const Range& r, std::string_view key) const;
    // A header line and where the section's name stands in it.
    struct Header {
        size_t line;
        size_t nameAt;
        size_t nameSize;
    };
    // The header lines, found on the first look for a section after a
    // change, so that reading many keys does not scan the whole file for each.
    const std::vector<Header>& Headers() const;
    void Changed() { headers_.reset(); }

    std::vector<std::string> lines_;  // without line ends
    mutable std::optional<std::vector<Header>> headers_;
};

namespace ini {
// While one lives (they nest), the reads of a file are served from one
// reading of it, so that loading many keys opens the file once. Every save
// outside a WriteSession still reaches the disk before it returns and
// updates what later reads see. Outside a session every read goes to the
// disk, so a file that another program changed between two loads is read
// fresh.
class ReadSession {
public:
    ReadSession();
    ~ReadSession();
    ReadSession(const ReadSession&) = delete;
    ReadSession& operator=(const ReadSession&) = delete;
};

// While one lives (they nest, and may stand inside a ReadSession or hold
// one), the writes to a file change one reading of it in memory, and reads
// see them; the end of the outermost writes every file it changed once,
// whole, beside the file and renamed over it. Saving many keys so writes the
// file once, and a write that fails leaves the old file as it was. The first
// write of a file in the session starts from the disk, as a lone write does.
// A write inside the session returns true when the change is taken: the
// disk is met only at the end.
class WriteSession {
public:
    WriteSession();
    ~WriteSession();
    WriteSession(const WriteSession&) = delete;
    WriteSession& operator=(const WriteSession&) = delete;
};

// The profile calls: each opens, changes and closes the file (reads inside a
// session and writes inside a WriteSession excepted). A bare name (no
// folder) means the per-user configuration folder.
std::optional<std::string> Read(const std::string& file, std::string_view section, std::string_view key);
bool HasSection(const std::string& file, std::string_view section);
std::string ReadOr(const std::string& file, std::string_view section, std::string_view key,
                   std::string_view fallback);
bool Write(const std::string& file, std::string_view section, std::string_view key, std::string_view value);
bool DeleteKey(const std::string& file, std::string_view section, std::string_view key);
bool DeleteSection(const std::string& file, std::string_view section);
std::vector<std::pair<std::string, std::string>> Entries(const std::string& file, std::string_view section);
}  // namespace ini
