#pragma once
// Stand-ins for what the main window calls in subsystems that are not built
// yet: the engine's per-file session arrays and helpers, the keyword table's
// load, the recent-file list, the spell checker, the options dialog and the
// choice of files. Each is as small as the main
// window needs to run; the subsystem that owns the name replaces it and this
// file shrinks until it is gone.
#include <memory>
#include <string>
#include <vector>

// --- Engine: per-file results and temporary files, indexed by the file's
// position in oFile (element 0 unused).
struct FileStatsRecord {
    long OutputLines = 0;
    long Warnings = 0;
    std::string FileName;
};
inline std::vector<FileStatsRecord> gtFileStats;
inline std::vector<std::string> gsTempOutFile;
inline std::vector<std::string> gsTempLogFile;
inline std::vector<char> gblnFileZelked;
// The name and the directory (with its final separator) of the file shown.
inline std::string gsCurrentFileName;
inline std::string gsCurrentFileDir;

// The element of a per-file array, or an empty value beyond its end.
template <class T>
T PerFile(const std::vector<T>& array, int fileIndex) {
    return fileIndex >= 0 && static_cast<size_t>(fileIndex) < array.size() ? array[fileIndex] : T{};
}
// Sizes the four per-file arrays to positions 0 to count.
void sbSizeSessionArrays(long count);

// A path shortened to at most maxLength characters for a caption.
std::string fsFileName(const std::string& path, int maxLength);
// Prepares entry fileIndex of oFile for viewing; ok when it has a name.
void sbProcessSelection(int fileIndex, bool& ok);

// --- Source analysis: loads the keyword table.
void BabInit();

// --- Projects: the recent-file list and the choice of the session's files.
inline std::vector<std::string> gsMRU(8);
void GetMRU();
// Asks for the files to process and fills oFile; status 8 when nothing was
// chosen.
void GetFilesToProcess(int mruIndex);

// --- Spelling: the spell checker.
struct cSpellCheck {
    bool IgnoreNumbers = false;
    bool IgnoreVBWords = false;
    bool IgnoreUpperCase = false;
    std::string MainDictName;
    std::string UserDictName;
    bool SpellInitialize() { return true; }
};
inline std::unique_ptr<cSpellCheck> oSpell;
