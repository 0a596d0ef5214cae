#pragma once
// The keyword tables of the analyser. BabInit loads the keyword file
// ZURUDUVU.KEY from the program's directory into the master table once;
// BuildKeyWordsForDialect copies the keywords of one dialect into the
// dialect table, against which every word of a source file is looked up.
#include <string>
#include <string_view>
#include <vector>

struct BabKeyWord {
    char Class = 0;  // class letter; 'V' marks a verb
    bool ClassOverride = false;
    std::string Dialect;  // first dialect that has the keyword, or "*"
    bool Indent = false;
    bool KeepLeadingComments = false;
    bool Outdent = false;
    bool ScanForVerb = false;
    std::string KeyWord;  // upper case
};

// Dialect of the dialect table; empty until the first table is built.
inline std::string CurrentDialect;

// One-time set-up: blank elements, keyword file into the master table,
// dialect table for "6". A second call only sets StatusCode 1.
void BabInit();
bool BabIsInitialised();
// Forgets the keyword tables and the set-up, so that BabInit reads the
// keyword file again (tests and tools that load several keyword files).
void BabReset();

// Rebuilds the dialect table when wDialect ("3" to "6") differs from
// CurrentDialect; another dialect code raises 32000 with StatusCode 3,
// ReasonCode 1.
void BuildKeyWordsForDialect(const std::string& wDialect);

// Index of the upper-cased word in the dialect table, 0 when absent.
void SearchForKeyWord(std::string_view word, long& index);
long KeyWordIndex(std::string_view word);

// True exactly when the word (any case) is in the dialect table.
bool BabIsKeyWord(std::string word);

// Entry of the dialect table (element 0, a blank entry, for 0 or an index
// outside the table).
const BabKeyWord& BabKeyWordAt(long index);
// Index of LET in the dialect table, 0 when absent.
long BabLetIndex();

// The dialect table's indices of the keywords that statements and lines are
// told apart by, found once per table, so that a word is compared by its
// index rather than by its text. A keyword the keyword file does not hold has
// index 0, which IsKeyWordIndex never matches (a token that is no keyword has
// index 0 too).
struct VerbKeyWords {
    long As = 0, Attribute = 0, Begin = 0, BeginProperty = 0, Case = 0, Const = 0, Declare = 0, Dim = 0, Do = 0, Else = 0,
         ElseIf = 0, End = 0, EndProperty = 0, Event = 0, Exit = 0, For = 0, Function = 0, Get = 0, Global = 0,
         GoSub = 0, GoTo = 0, If = 0, Let = 0, Loop = 0, Next = 0, On = 0, Option = 0, Private = 0, Property = 0,
         Public = 0, ReDim = 0, Resume = 0, Select = 0, Set = 0, Static = 0, Sub = 0, Then = 0, Version = 0,
         Wend = 0, While = 0, With = 0;
};
const VerbKeyWords& BabVerbKeyWords();
inline bool IsKeyWordIndex(long index, long keyWord) { return keyWord != 0 && index == keyWord; }

const std::vector<BabKeyWord>& BabMasterTable();
long BabMasterCount();
const std::vector<BabKeyWord>& BabDialectTable();
// Index after the last keyword of the dialect table.
long BabNextFreeIndex();

// The keyword file's full name and its bare name.
inline constexpr const char* kKeyWordFileName = "ZURUDUVU.KEY";
std::string BabKeyWordFile();
