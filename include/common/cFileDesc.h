#pragma once
// The files chosen for processing: one entry per file, addressed by its
// 1-based position in the order added.
#include <memory>
#include <string>
#include <vector>

// cFileDesc::FileType: only source files are ever zelked or saved over.
namespace filekind {
constexpr long kGroup = 0;    // a project group's own entry
constexpr long kProject = 1;  // a project file's own entry
constexpr long kSource = 2;   // a source file to process
}  // namespace filekind

class cFileDesc {
public:
    std::string FileName;
    long FileType = filekind::kSource;
    bool IsZelked = false;
    bool IsSelected = false;
    long WhichFile = 0;
    long WhichProject = 0;

    bool IsSource() const { return FileType == filekind::kSource; }
};

class cFileCollection {
public:
    long Count() const { return static_cast<long>(items_.size()); }
    // 1-based; raises error 9 (subscript out of range) outside 1..Count.
    cFileDesc& Item(long index);
    const cFileDesc& Item(long index) const;
    cFileDesc& Add(cFileDesc entry);
    void Remove(long index);
    void Clear() { items_.clear(); }

private:
    std::vector<std::unique_ptr<cFileDesc>> items_;
};
