#!/usr/bin/env python3
"""Writes data/ZURUDUVU.KEY, the keyword list of Visual Basic 3.0 to 6.0.

Run from anywhere:
    python3 tools/keywords/make_keyword_file.py          # rewrite data/ZURUDUVU.KEY
    python3 tools/keywords/make_keyword_file.py --check  # exit 1 when the file is stale

Edit the tables below, never the generated file. Each row is

    WORD  DIALECT  CLASS  [FLAG ...]

DIALECT is the first version that had the word: "4", "5" or "6", or "*" for a
word that Visual Basic 3.0 already had (and so every version has).

CLASS is one letter; the analyser acts only on "V" (the word names a statement,
a verb). The others sort the list for people reading it:
    V statement   D data type    B built-in function   E event
    O operator    C constant     M method              X other reserved word

FLAGs, all off unless named (the analyser reads them as follows):
    Indent               the statement opens a block
    Outdent              the statement closes a block
    ClassOverride        the verb search goes on past this verb, so that in
                         "Private Sub", "Public Const", "Static Function" the
                         later word becomes the verb
    KeepLeadingComments  comments above the statement belong to it
    ScanForVerb          a verb right after this word still counts as the verb

Each record is written as three quoted fields, keyword, dialect and codes
(the class letter followed by the five flags as Y or N), one record a line,
in ascending byte order of the upper-cased keyword, lines ending in CR LF.
"""

import pathlib
import sys

# Statements. Every one is a verb, except NAME and WIDTH below. Only the block
# words carry Indent or Outdent. CASE, ELSE and ELSEIF close the branch above
# them and open their own. SUB, FUNCTION and PROPERTY open no block: a
# procedure heading sets the level to 0 by itself. END outdents (End If, End
# Select, End With, End Type, End Enum, and the End of a designer Begin block);
# the analyser decides for End Sub itself. ClassOverride sits only on the scope
# words that may stand in front of another statement word; DECLARE, EXIT,
# PROPERTY, OPTION and END must stop the search, or "Exit Sub" would look like a
# procedure heading and "Private Declare Function" like a function.
STATEMENTS = """
APPACTIVATE    *  V
ATTRIBUTE      4  V
BEEP           *  V
BEGIN          *  V  Indent
BEGINPROPERTY  4  V  Indent
CALL           *  V
CASE           *  V  Indent Outdent
CHDIR          *  V
CHDRIVE        *  V
CLOSE          *  V
CONST          *  V
DATE$          *  V
DECLARE        *  V
DEFBOOL        4  V
DEFBYTE        4  V
DEFCUR         *  V
DEFDATE        4  V
DEFDBL         *  V
DEFDEC         5  V
DEFINT         *  V
DEFLNG         *  V
DEFOBJ         4  V
DEFSNG         *  V
DEFSTR         *  V
DEFVAR         *  V
DELETESETTING  4  V
DIM            *  V
DO             *  V  Indent
ELSE           *  V  Indent Outdent
ELSEIF         *  V  Indent Outdent
END            *  V  Outdent
ENDPROPERTY    4  V  Outdent
ENUM           5  V  Indent
ERASE          *  V
ERROR          *  V
EVENT          5  V
EXIT           *  V
FILECOPY       *  V
FOR            *  V  Indent
FRIEND         5  V  ClassOverride
FUNCTION       *  V  KeepLeadingComments
GET            *  V
GLOBAL         *  V  ClassOverride
GOSUB          *  V
GOTO           *  V
IF             *  V  Indent
IMPLEMENTS     5  V
INPUT          *  V
KILL           *  V
LET            *  V
LOAD           *  V
LOCK           *  V
LOOP           *  V  Outdent
LSET           *  V
MID            *  V
MID$           *  V
MIDB           4  V
MIDB$          4  V
MKDIR          *  V
NEXT           *  V  Outdent
ON             *  V
OPEN           *  V
OPTION         *  V
PRINT          *  V
PRIVATE        4  V  ClassOverride
PROPERTY       4  V  KeepLeadingComments
PUBLIC         4  V  ClassOverride
PUT            *  V
RAISEEVENT     5  V
RANDOMIZE      *  V
REDIM          *  V
REM            *  V
RESET          *  V
RESUME         *  V
RETURN         *  V
RMDIR          *  V
RSET           *  V
SAVEPICTURE    *  V
SAVESETTING    4  V
SEEK           *  V
SELECT         *  V  Indent
SENDKEYS       *  V
SET            *  V
SETATTR        *  V
STATIC         *  V  ClassOverride
STOP           *  V
SUB            *  V  KeepLeadingComments
TIME           *  V
TIME$          *  V
TYPE           *  V  Indent
UNLOAD         *  V
UNLOCK         *  V
VERSION        *  V
WEND           *  V  Outdent
WHILE          *  V  Indent
WITH           4  V  Indent
WRITE          *  V
"""

# NAME (Name old As new) and WIDTH (Width #n, w) are statements too, but
# programs use both words as member names ("Public Name As String"). After a
# scope word a verb NAME would take the place of the declaration's verb, and
# nothing reads NAME or WIDTH as a verb; so they stay plain reserved words.
# "Line Input #" is a statement whose verb is INPUT: LINE lets it through.
RESERVED = """
ACCESS         *  X
ALIAS          *  X
ANY            *  X
APP            *  X
APPEND         *  X
AS             *  X
BASE           *  X
BINARY         *  X
BYREF          4  X
BYVAL          *  X
CIRCLE         *  M
CLIPBOARD      *  X
CLS            *  M
COMPARE        *  X
DEBUG          *  X
EACH           4  X
ERR            *  X
EXPLICIT       *  X
FORMS          *  X
IN             4  X
LIB            *  X
LICENSES       5  X
LINE           *  M  ScanForVerb
ME             *  X
MODULE         4  X
NAME           *  X
NEW            *  X
OPTIONAL       4  X
OUTPUT         *  X
PARAMARRAY     4  X
PRESERVE       *  X
PRINTER        *  X
PRINTERS       4  X
PSET           *  M
RANDOM         *  X
READ           *  X
SCREEN         *  X
SHARED         *  X
STEP           *  X
TEXT           *  X
THEN           *  X
TO             *  X
TYPEOF         *  X
UNTIL          *  X
WIDTH          *  X
WITHEVENTS     5  X
"""

OPERATORS = """
ADDRESSOF      5  O
AND            *  O
EQV            *  O
IMP            *  O
IS             *  O
LIKE           *  O
MOD            *  O
NOT            *  O
OR             *  O
XOR            *  O
"""

CONSTANTS = """
EMPTY          *  C
FALSE          4  C
NOTHING        *  C
NULL           *  C
TRUE           4  C
WIN16          4  C
WIN32          4  C
"""

DATA_TYPES = """
BOOLEAN        4  D
BYTE           4  D
COLLECTION     4  D
CONTROL        *  D
CURRENCY       *  D
DATE           *  D
DECIMAL        5  D
DOUBLE         *  D
FORM           *  D
INTEGER        *  D
LONG           *  D
MDIFORM        *  D
OBJECT         *  D
SINGLE         *  D
STRING         *  D
VARIANT        *  D
"""

# Built-in functions. A function that returns text in two forms is listed
# with and without "$" (the engine takes a name as an intrinsic string function
# only when both forms are keywords); the plain forms of DATE, ERROR, INPUT,
# MID, MIDB, STRING and TIME are listed with their statement or type above.
FUNCTIONS = """
ABS            *  B
ARRAY          4  B
ASC            *  B
ASCB           4  B
ASCW           4  B
ATN            *  B
CALLBYNAME     6  B
CBOOL          4  B
CBYTE          4  B
CCUR           *  B
CDBL           *  B
CDEC           5  B
CHOOSE         *  B
CHR            *  B
CHR$           *  B
CHRB           4  B
CHRB$          4  B
CHRW           4  B
CHRW$          4  B
CINT           *  B
CLNG           *  B
COMMAND        *  B
COMMAND$       *  B
COS            *  B
CREATEOBJECT   *  B
CSNG           *  B
CSTR           *  B
CURDIR         *  B
CURDIR$        *  B
CVAR           *  B
CVERR          4  B
DDB            *  B
DIR            *  B
DIR$           *  B
DOEVENTS       *  B
ENVIRON        *  B
ENVIRON$       *  B
EOF            *  B
ERL            *  B
ERROR$         *  B
EXP            *  B
FILEATTR       *  B
FILEDATETIME   *  B
FILELEN        *  B
FILTER         6  B
FIX            *  B
FORMAT         *  B
FORMAT$        *  B
FORMATCURRENCY 6  B
FORMATNUMBER   6  B
FORMATPERCENT  6  B
FREEFILE       *  B
FV             *  B
GETALLSETTINGS 4  B
GETATTR        *  B
GETAUTOSERVERSETTINGS 4 B
GETOBJECT      *  B
GETSETTING     4  B
HEX            *  B
HEX$           *  B
IIF            *  B
IMESTATUS      4  B
INPUT$         *  B
INPUTB         4  B
INPUTB$        4  B
INPUTBOX       *  B
INSTR          *  B
INSTRB         4  B
INSTRREV       6  B
INT            *  B
IPMT           *  B
IRR            *  B
ISARRAY        4  B
ISDATE         *  B
ISEMPTY        *  B
ISERROR        4  B
ISMISSING      4  B
ISNULL         *  B
ISNUMERIC      *  B
ISOBJECT       4  B
JOIN           6  B
LBOUND         *  B
LCASE          *  B
LCASE$         *  B
LEFT           *  B
LEFT$          *  B
LEFTB          4  B
LEFTB$         4  B
LEN            *  B
LENB           4  B
LOADPICTURE    *  B
LOADRESDATA    4  B
LOADRESPICTURE 4  B
LOADRESSTRING  4  B
LOC            *  B
LOF            *  B
LOG            *  B
LTRIM          *  B
LTRIM$         *  B
MIRR           *  B
MSGBOX         *  B
NPER           *  B
NPV            *  B
OBJPTR         5  B
OCT            *  B
OCT$           *  B
PARTITION      *  B
PMT            *  B
PPMT           *  B
PV             *  B
QBCOLOR        *  B
RATE           *  B
REPLACE        6  B
RGB            *  B
RIGHT          *  B
RIGHT$         *  B
RIGHTB         4  B
RIGHTB$        4  B
RND            *  B
ROUND          6  B
RTRIM          *  B
RTRIM$         *  B
SGN            *  B
SHELL          *  B
SIN            *  B
SLN            *  B
SPACE          *  B
SPACE$         *  B
SPC            *  B
SPLIT          6  B
SQR            *  B
STR            *  B
STR$           *  B
STRCOMP        *  B
STRCONV        4  B
STRING$        *  B
STRPTR         5  B
STRREVERSE     6  B
SWITCH         *  B
SYD            *  B
TAB            *  B
TAN            *  B
TRIM           *  B
TRIM$          *  B
TYPENAME       4  B
UBOUND         *  B
UCASE          *  B
UCASE$         *  B
VAL            *  B
VARPTR         5  B
VARTYPE        *  B
"""

# Date and time functions (DATE, DATE$, TIME and TIME$ are listed above).
DATE_FUNCTIONS = """
CDATE          4  B
CVDATE         *  B
DATEADD        *  B
DATEDIFF       *  B
DATEPART       *  B
DATESERIAL     *  B
DATEVALUE      *  B
DAY            *  B
FORMATDATETIME 6  B
HOUR           *  B
MINUTE         *  B
MONTH          *  B
MONTHNAME      6  B
NOW            *  B
SECOND         *  B
TIMER          *  B
TIMESERIAL     *  B
TIMEVALUE      *  B
WEEKDAY        *  B
WEEKDAYNAME    6  B
YEAR           *  B
"""

# Events of forms, MDI forms, classes, user controls, user documents, property
# pages and the controls that ship with Visual Basic. The procedure order takes
# "Object_Word" as an event procedure when Word is a keyword. LOAD, UNLOAD,
# ERROR (statements) and TIMER (a function) are events as well.
EVENTS = """
ACCESSKEYPRESS    5  E
ACTIVATE          *  E
AFTERLABELEDIT    4  E
AMBIENTCHANGED    5  E
APPLYCHANGES      5  E
ASYNCREADCOMPLETE 5  E
ASYNCREADPROGRESS 6  E
BEFORELABELEDIT   4  E
BUTTONCLICK       4  E
BUTTONMENUCLICK   6  E
CHANGE            *  E
CLICK             *  E
COLLAPSE          4  E
COLUMNCLICK       4  E
CONNECT           5  E
CONNECTIONREQUEST 5  E
DATAARRIVAL       5  E
DBLCLICK          *  E
DEACTIVATE        *  E
DOWNCLICK         5  E
DRAGDROP          *  E
DRAGOVER          *  E
DROPDOWN          *  E
EDITPROPERTY      5  E
ENTERCELL         5  E
ENTERFOCUS        5  E
EXITFOCUS         5  E
EXPAND            4  E
GETDATAMEMBER     6  E
GOTFOCUS          *  E
HIDE              5  E
HITTEST           6  E
INITIALIZE        4  E
INITPROPERTIES    5  E
ITEMCHECK         5  E
ITEMCLICK         4  E
KEYDOWN           *  E
KEYPRESS          *  E
KEYUP             *  E
LEAVECELL         5  E
LINKCLOSE         *  E
LINKERROR         *  E
LINKEXECUTE       *  E
LINKNOTIFY        *  E
LINKOPEN          *  E
LOSTFOCUS         *  E
MOUSEDOWN         *  E
MOUSEMOVE         *  E
MOUSEUP           *  E
NODECLICK         4  E
OBJECTEVENT       6  E
OBJECTMOVE        4  E
OLECOMPLETEDRAG   5  E
OLEDRAGDROP       5  E
OLEDRAGOVER       5  E
OLEGIVEFEEDBACK   5  E
OLESETDATA        5  E
OLESTARTDRAG      5  E
ONCOMM            *  E
PAINT             *  E
PANELCLICK        4  E
PANELDBLCLICK     4  E
PATHCHANGE        *  E
PATTERNCHANGE     *  E
QUERYUNLOAD       *  E
READPROPERTIES    5  E
REPOSITION        *  E
RESIZE            *  E
ROWCOLCHANGE      *  E
SCROLL            *  E
SELCHANGE         *  E
SELECTIONCHANGED  5  E
SENDCOMPLETE      5  E
SENDPROGRESS      5  E
SHOW              5  E
STATECHANGED      5  E
TERMINATE         4  E
UPCLICK           5  E
UPDATED           *  E
VALIDATE          *  E
WRITEPROPERTIES   5  E
"""

TABLES = (STATEMENTS, RESERVED, OPERATORS, CONSTANTS, DATA_TYPES, FUNCTIONS,
          DATE_FUNCTIONS, EVENTS)

FLAG_ORDER = ("Indent", "Outdent", "ClassOverride", "KeepLeadingComments",
              "ScanForVerb")
CLASSES = set("VDBEOCMX")
DIALECTS = {"*", "4", "5", "6"}

ROOT = pathlib.Path(__file__).resolve().parents[2]
OUTPUT = ROOT / "data" / "ZURUDUVU.KEY"


def read_tables():
    """Returns {word: (dialect, codes)}; stops on a malformed or repeated row."""
    entries = {}
    for table in TABLES:
        for line in table.strip().splitlines():
            parts = line.split()
            if len(parts) < 3:
                sys.exit(f"row too short: {line!r}")
            word, dialect, letter, flags = parts[0], parts[1], parts[2], parts[3:]
            if word != word.upper() or not word.rstrip("$").replace("_", "").isalnum():
                sys.exit(f"keyword must be upper case letters and digits: {word!r}")
            if dialect not in DIALECTS:
                sys.exit(f"unknown dialect {dialect!r} for {word}")
            if letter not in CLASSES:
                sys.exit(f"unknown class {letter!r} for {word}")
            unknown = set(flags) - set(FLAG_ORDER)
            if unknown:
                sys.exit(f"unknown flag {sorted(unknown)} for {word}")
            if word in entries:
                sys.exit(f"keyword listed twice: {word}")
            codes = letter + "".join("Y" if f in flags else "N" for f in FLAG_ORDER)
            entries[word] = (dialect, codes)
    return entries


def render(entries):
    words = sorted(entries, key=lambda w: w.upper().encode("ascii"))
    lines = [f'"{w}","{entries[w][0]}","{entries[w][1]}"' for w in words]
    return ("\r\n".join(lines) + "\r\n").encode("ascii")


def main():
    content = render(read_tables())
    if "--check" in sys.argv[1:]:
        if not OUTPUT.exists() or OUTPUT.read_bytes() != content:
            print(f"{OUTPUT} is out of date; run {pathlib.Path(__file__).name}")
            return 1
        return 0
    OUTPUT.write_bytes(content)
    count = content.count(b"\n")
    print(f"wrote {count} keywords to {OUTPUT}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
