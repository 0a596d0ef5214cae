#pragma once
// The session's state that the engine and the windows share: the per-file
// arrays of the session, the file being zelked or shown, its dialect. What one file's zelk carries from
// line to line is the run's own (ZelkRun.h).
#include <string>
#include <unordered_map>
#include <vector>

// Per session file (index as in oFile, element 0 unused): the last run's
// counts.
struct FileStatsRecord {
    std::string FileName;
    long OutputLines = 0;
    long Warnings = 0;
};

// Sized by the main window's Open command, one element per oFile entry from 1.
inline std::vector<FileStatsRecord> gtFileStats;
inline std::vector<std::string> gsTempOutFile;
inline std::vector<std::string> gsTempLogFile;
inline std::vector<bool> gblnFileZelked;

// The file being zelked or shown.
inline std::string gsCurrentFileName;
inline std::string gsCurrentFileDir;  // with its trailing separator

// The next inserted line number that the numbering across modules carries
// from one file of the session to the next: the session hands it to each
// file's run and takes back where the run ended.
inline long glNextLineNumber = 0;

// The statement order of one module part, indexed by statement number from
// the part's first to its last statement.
class StatementOrder {
public:
    // A list written in pieces, one declaration a line, sorted one by one.
    struct ListLines {
        int Lead = 0;    // the piece written at the statement's own position
        int Pieces = 1;  // how many lines the list is written in
    };
    struct LaterPiece {
        long Stmt = 0;
        int Piece = 0;
    };

    long First = 0;
    long Last = -1;
    std::vector<long> Items;
    std::unordered_map<long, ListLines> Lists;                     // by statement
    std::unordered_map<long, std::vector<LaterPiece>> PiecesAfter;  // by position
    // A comment line moved with the declaration it belongs to: the record
    // whose level it takes where it now stands, and that declaration's
    // record (by statement).
    struct MovedComment {
        long LevelRecord = 0;
        long TiedRecord = 0;
    };
    std::unordered_map<long, MovedComment> MovedComments;

    long& operator()(long i) { return Items[static_cast<size_t>(i - First)]; }
    long operator()(long i) const { return Items[static_cast<size_t>(i - First)]; }
};
