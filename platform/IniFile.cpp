#include "platform/IniFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "platform/VBText.h"

namespace {

std::string_view TrimWs(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(b, e - b);
}

// The section named by a header line, or nullopt for any other line.
std::optional<std::string_view> HeaderName(std::string_view line) {
    std::string_view t = TrimWs(line);
    if (t.size() < 2 || t[0] != '[') return std::nullopt;
    size_t close = t.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return TrimWs(t.substr(1, close - 1));
}

// The key of a "key=value" line, or nullopt.
std::optional<std::string_view> KeyOf(std::string_view line) {
    size_t first = 0;
    while (first < line.size() && (line[first] == ' ' || line[first] == '\t')) ++first;
    if (first == line.size() || line[first] == ';') return std::nullopt;
    size_t eq = line.find('=', first);
    if (eq == std::string_view::npos) return std::nullopt;
    return TrimWs(line.substr(0, eq));
}

// The documents read or changed while a session lives, by path.
struct SessionCache {
    int depth = 0;       // sessions of either kind alive
    int writeDepth = 0;  // write sessions alive
    std::map<std::string, IniDocument, std::less<>> documents;
    // The documents a write session changed that are not on the disk yet.
    std::set<std::string, std::less<>> pending;
    // The last file name a read of the session resolved, and its path: a
    // load reads many keys of one file.
    std::string lastName, lastPath;
};

SessionCache& Cache() {
    static SessionCache cache;
    return cache;
}

}  // namespace

IniDocument IniDocument::Load(const std::string& path) {
    std::string bytes;
    if (!textfile::ReadAll(path, bytes)) return IniDocument();
    return Parse(bytes);
}

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument doc;
    doc.lines_ = textfile::SplitLines(text);
    return doc;
}

std::string IniDocument::Text() const {
    std::string out;
    for (const auto& l : lines_) {
        out += l;
        out += "\r\n";
    }
    return out;
}

bool IniDocument::Save(const std::string& path) const {
    const bool saved = textfile::WriteAllAtomic(path, Text());
    SessionCache& cache = Cache();
    if (cache.depth > 0) {
        // What the next read of the session sees: this document when it is
        // on the disk; after a failed save, whatever the disk holds.
        if (saved) {
            cache.documents.insert_or_assign(path, *this);
            cache.pending.erase(path);
        } else {
            cache.documents.erase(path);
        }
    }
    return saved;
}

const std::vector<IniDocument::Header>& IniDocument::Headers() const {
    if (!headers_) {
        headers_.emplace();
        for (size_t i = 0; i < lines_.size(); ++i)
            if (auto name = HeaderName(lines_[i]))
                headers_->push_back({i, static_cast<size_t>(name->data() - lines_[i].data()), name->size()});
    }
    return *headers_;
}

std::optional<IniDocument::Range> IniDocument::FindSection(std::string_view section) const {
    const std::string_view wanted = TrimWs(section);
    const std::vector<Header>& headers = Headers();
    for (size_t h = 0; h < headers.size(); ++h) {
        const Header& header = headers[h];
        if (header.nameSize == wanted.size() &&
            vb::EqualsNoCase(std::string_view(lines_[header.line]).substr(header.nameAt, header.nameSize), wanted))
            return Range{header.line, h + 1 < headers.size() ? headers[h + 1].line : lines_.size()};
    }
    return std::nullopt;
}

std::optional<size_t> IniDocument::FindKey(const Range& r, std::string_view key) const {
    const std::string_view wanted = TrimWs(key);
    for (size_t i = r.header + 1; i < r.end; ++i) {
        auto k = KeyOf(lines_[i]);
        if (k && k->size() == wanted.size() && vb::EqualsNoCase(*k, wanted)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    auto r = FindSection(section);
    if (!r) return std::nullopt;
    auto k = FindKey(*r, key);
    if (!k) return std::nullopt;
    const std::string& line = lines_[*k];
    return std::string(TrimWs(std::string_view(line).substr(line.find('=') + 1)));
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string newLine = std::string(TrimWs(key)) + "=" + std::string(value);
    auto r = FindSection(section);
    Changed();
    if (!r) {
        // A new section goes at the end of the file, after one blank line.
        if (!lines_.empty() && !TrimWs(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + std::string(TrimWs(section)) + "]");
        lines_.push_back(newLine);
        return;
    }
    if (auto k = FindKey(*r, key)) {
        lines_[*k] = newLine;
        return;
    }
    // A new key goes after the last non-blank line of its section.
    size_t at = r->end;
    while (at > r->header + 1 && TrimWs(lines_[at - 1]).empty()) --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), newLine);
}

void IniDocument::EnsureSection(std::string_view section) {
    if (FindSection(section)) return;
    Changed();
    if (!lines_.empty() && !TrimWs(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + std::string(TrimWs(section)) + "]");
}

bool IniDocument::RemoveKey(std::string_view section, std::string_view key) {
    auto r = FindSection(section);
    if (!r) return false;
    auto k = FindKey(*r, key);
    if (!k) return false;
    Changed();
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*k));
    return true;
}

bool IniDocument::RemoveSection(std::string_view section) {
    auto r = FindSection(section);
    if (!r) return false;
    Changed();
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(r->header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(r->end));
    return true;
}

std::vector<std::string> IniDocument::Sections() const {
    std::vector<std::string> out;
    for (const auto& l : lines_)
        if (auto n = HeaderName(l)) out.emplace_back(*n);
    return out;
}

std::vector<std::pair<std::string, std::string>> IniDocument::Entries(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> out;
    auto r = FindSection(section);
    if (!r) return out;
    for (size_t i = r->header + 1; i < r->end; ++i) {
        if (auto k = KeyOf(lines_[i])) {
            std::string_view line = lines_[i];
            out.emplace_back(std::string(*k), std::string(TrimWs(line.substr(line.find('=') + 1))));
        }
    }
    return out;
}

namespace ini {

ReadSession::ReadSession() { ++Cache().depth; }

ReadSession::~ReadSession() {
    SessionCache& cache = Cache();
    if (--cache.depth == 0) cache = SessionCache();
}

WriteSession::WriteSession() {
    SessionCache& cache = Cache();
    ++cache.depth;
    ++cache.writeDepth;
}

WriteSession::~WriteSession() {
    SessionCache& cache = Cache();
    if (--cache.writeDepth == 0) {
        // Saving takes a document off the list (and off the cache when the
        // disk refused it), so the list is walked from a copy.
        const std::set<std::string, std::less<>> changed = std::move(cache.pending);
        cache.pending.clear();
        for (const std::string& path : changed)
            if (auto it = cache.documents.find(path); it != cache.documents.end()) it->second.Save(path);
    }
    if (--cache.depth == 0) cache = SessionCache();
}

namespace {
// The document of a file as a read sees it: from the session's reading of
// it while a session lives, else from the disk.
template <class F>
auto ReadDocument(const std::string& file, F&& use) {
    SessionCache& cache = Cache();
    if (cache.depth == 0) return use(IniDocument::Load(paths::ResolveProfileFile(file)));
    if (cache.lastName.empty() || cache.lastName != file) {
        cache.lastPath = paths::ResolveProfileFile(file);
        cache.lastName = file;
    }
    const std::string& path = cache.lastPath;
    auto it = cache.documents.find(path);
    if (it == cache.documents.end()) it = cache.documents.emplace(path, IniDocument::Load(path)).first;
    return use(it->second);
}
}  // namespace

std::optional<std::string> Read(const std::string& file, std::string_view section, std::string_view key) {
    return ReadDocument(file, [&](const IniDocument& d) { return d.Get(section, key); });
}

bool HasSection(const std::string& file, std::string_view section) {
    return ReadDocument(file, [&](const IniDocument& d) { return d.HasSection(section); });
}

std::string ReadOr(const std::string& file, std::string_view section, std::string_view key,
                   std::string_view fallback) {
    auto v = Read(file, section, key);
    return v ? *v : std::string(fallback);
}

namespace {
template <class F>
bool Change(const std::string& file, F&& change) {
    std::string path = paths::ResolveProfileFile(file);
    if (path != file) paths::EnsureConfigDir();
    SessionCache& cache = Cache();
    if (cache.writeDepth > 0) {
        if (auto it = cache.documents.find(path); it != cache.documents.end() && cache.pending.contains(path)) {
            change(it->second);
            return true;
        }
        IniDocument doc = IniDocument::Load(path);
        if (!change(doc)) return true;
        cache.documents.insert_or_assign(path, std::move(doc));
        cache.pending.insert(path);
        return true;
    }
    IniDocument doc = IniDocument::Load(path);
    if (!change(doc)) return true;  // nothing to change is not a failure
    return doc.Save(path);
}
}  // namespace

bool Write(const std::string& file, std::string_view section, std::string_view key, std::string_view value) {
    return Change(file, [&](IniDocument& d) {
        d.Set(section, key, value);
        return true;
    });
}

bool DeleteKey(const std::string& file, std::string_view section, std::string_view key) {
    return Change(file, [&](IniDocument& d) { return d.RemoveKey(section, key); });
}

bool DeleteSection(const std::string& file, std::string_view section) {
    return Change(file, [&](IniDocument& d) { return d.RemoveSection(section); });
}

std::vector<std::pair<std::string, std::string>> Entries(const std::string& file, std::string_view section) {
    return ReadDocument(file, [&](const IniDocument& d) { return d.Entries(section); });
}

}  // namespace ini
