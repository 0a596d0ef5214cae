#include "platform/Registry.h"

#include <cstdlib>
#include <optional>

#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/VBText.h"

namespace reg {
namespace {

std::string RootName(int32_t root) {
    switch (root) {
        case HKEY_CURRENT_USER: return "HKEY_CURRENT_USER";
        case HKEY_LOCAL_MACHINE: return "HKEY_LOCAL_MACHINE";
        case HKEY_USERS: return "HKEY_USERS";
        default: return {};
    }
}

std::string SectionOf(int32_t root, const std::string& path) {
    std::string name = RootName(root);
    if (name.empty()) return {};
    return path.empty() ? name : name + "\\" + path;
}

// Texts are quoted so that blanks at their ends survive, and line breaks and
// "%" are escaped so that one value stays one line.
std::string EncodeText(const std::string& t) {
    std::string e = vb::Replace(t, "%", "%25");
    e = vb::Replace(e, "\r", "%0D");
    e = vb::Replace(e, "\n", "%0A");
    return "sz:\"" + e + "\"";
}

std::string DecodeText(std::string_view e) {
    if (e.size() >= 2 && e.front() == '"' && e.back() == '"') e = e.substr(1, e.size() - 2);
    std::string t = vb::Replace(e, "%0D", "\r");
    t = vb::Replace(t, "%0A", "\n");
    return vb::Replace(t, "%25", "%");
}

// The store's one reading while a StoreReadOnce lives.
struct KeptStore {
    int depth = 0;
    std::string file;  // the store it is a reading of
    std::optional<IniDocument> document;
};

KeptStore& Kept() {
    static KeptStore kept;
    return kept;
}

// The kept reading of the store, read now when there is none yet; nullptr
// when no StoreReadOnce lives.
const IniDocument* KeptDocument(const std::string& file) {
    KeptStore& kept = Kept();
    if (kept.depth == 0) return nullptr;
    if (!kept.document || kept.file != file) {
        kept.document = IniDocument::Load(file);
        kept.file = file;
    }
    return &*kept.document;
}

// The store as a change starts from.
IniDocument DocumentToChange(const std::string& file) {
    const IniDocument* kept = KeptDocument(file);
    return kept ? *kept : IniDocument::Load(file);
}

// Saves a changed store; the kept reading follows what the disk holds.
bool SaveChanged(const std::string& file, const IniDocument& doc) {
    const bool saved = doc.Save(file);
    KeptStore& kept = Kept();
    if (kept.depth > 0) {
        if (saved) {
            kept.document = doc;
            kept.file = file;
        } else {
            kept.document.reset();
        }
    }
    return saved;
}

}  // namespace

StoreReadOnce::StoreReadOnce() { ++Kept().depth; }

StoreReadOnce::~StoreReadOnce() {
    if (--Kept().depth == 0) Kept() = KeptStore();
}

std::string StoreFile() { return paths::Join(paths::ConfigDir(), "registry.ini"); }

bool KeyExists(int32_t root, const std::string& path) {
    std::string section = SectionOf(root, path);
    if (section.empty()) return false;
    const std::string file = StoreFile();
    if (const IniDocument* kept = KeptDocument(file)) return kept->HasSection(section);
    // Reads inside a settings read session share its one reading of the store.
    return ini::HasSection(file, section);
}

bool CreateKey(int32_t root, const std::string& path) {
    std::string section = SectionOf(root, path);
    if (section.empty()) return false;
    const std::string file = StoreFile();
    IniDocument doc = DocumentToChange(file);
    if (doc.HasSection(section)) return true;
    doc.EnsureSection(section);
    paths::EnsureConfigDir();
    return SaveChanged(file, doc);
}

std::optional<Value> QueryValue(int32_t root, const std::string& path, const std::string& name) {
    std::string section = SectionOf(root, path);
    if (section.empty()) return std::nullopt;
    const std::string file = StoreFile();
    const IniDocument* kept = KeptDocument(file);
    auto raw = kept ? kept->Get(section, name) : ini::Read(file, section, name);
    if (!raw) return std::nullopt;
    std::string_view v = *raw;
    if (v.substr(0, 3) == "sz:") return Value{REG_SZ, DecodeText(v.substr(3)), 0};
    if (v.substr(0, 6) == "dword:") {
        Value out{REG_DWORD, {}, static_cast<uint32_t>(std::strtoul(std::string(v.substr(6)).c_str(), nullptr, 10))};
        return out;
    }
    return std::nullopt;
}

bool SetValue(int32_t root, const std::string& path, const std::string& name, const Value& value) {
    std::string section = SectionOf(root, path);
    if (section.empty()) return false;
    const std::string file = StoreFile();
    IniDocument doc = DocumentToChange(file);
    if (!doc.HasSection(section)) return false;
    std::string stored = value.Type == REG_DWORD ? "dword:" + std::to_string(value.Number) : EncodeText(value.Text);
    doc.Set(section, name, stored);
    return SaveChanged(file, doc);
}

bool DeleteValue(int32_t root, const std::string& path, const std::string& name) {
    std::string section = SectionOf(root, path);
    if (section.empty()) return false;
    const std::string file = StoreFile();
    IniDocument doc = DocumentToChange(file);
    if (!doc.RemoveKey(section, name)) return false;
    return SaveChanged(file, doc);
}

}  // namespace reg
