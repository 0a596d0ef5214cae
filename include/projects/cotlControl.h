#pragma once
// The outline (tree) control: a flat table of nodes, each at a fixed depth,
// drawn on a picture box as lines of text with dotted connectors, plus and
// minus boxes and small pictures, scrolled with a vertical scroll bar. The
// user opens and closes branches and ticks nodes; a tick reaches a node's
// descendants and its ancestors become fully or partly checked.
//
// Places on the drawing surface are in twips (15 to a pixel), as the mouse
// positions handed in are. The node table is indexed from 1; after the last
// node stands one empty entry that is never drawn.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "projects/OutlineControls.h"
#include "projects/OutlineNode.h"

class IPictureBox;
class cINIHandler;

// What the outline knows of one line of a loaded project: its file's time
// stamp now and the history file's records of its last print and last zelk.
struct KEMInfo {
    std::string CurrentStamp;
    std::string LastPrint;
    std::string FileTimeAtPrint;
    std::string LastZelk;
    std::string FileTimeAtZelk;
    bool Modified = false;
    bool NotASource = false;
};

class cotlControl {
public:
    static constexpr int kTwipsPerPixel = 15;
    static constexpr uint32_t kConnectorColor = 0x808080;

    cotlControl();
    ~cotlControl();

    // The picture holders (the window owns them).
    PictureHolder* gBranchClosedAllPic = nullptr;
    PictureHolder* gBranchClosedPic = nullptr;
    PictureHolder* gBranchClosedSomePic = nullptr;
    PictureHolder* gBranchOpenAllPic = nullptr;
    PictureHolder* gBranchOpenPic = nullptr;
    PictureHolder* gBranchOpenSomePic = nullptr;
    PictureHolder* gCustomPic = nullptr;
    PictureHolder* gLeafCheckedPic = nullptr;
    PictureHolder* gLeafPic = nullptr;
    PictureHolder* gMinusPic = nullptr;
    PictureHolder* gPlusPic = nullptr;

    // Loads a picture file; false when it cannot. The window sets it; until
    // then no file loads.
    std::function<bool(const std::string& file, Bitmap32& picture)> LoadPicture;

    // Set-up.
    void OutlineBmpSetup(PictureHolder& BranchOpen, const std::string& BoFile, PictureHolder& BranchClosed,
                         const std::string& BcFile, PictureHolder& Leaf, const std::string& LFile,
                         PictureHolder& CustomPic);
    void OutlineBmpCheckedSetup(PictureHolder& BranchOpenAll, PictureHolder& BranchClosedAll,
                                PictureHolder& BranchOpenSome, PictureHolder& BranchClosedSome,
                                PictureHolder& LeafChecked);
    void OutlinePlusMinusSetup(PictureHolder& PlusPic, const std::string& PlusFile, PictureHolder& MinusPic,
                               const std::string& MinusFile);
    void OutlineSetup(IPictureBox& OtlPic, IOutlineScrollBar& OtlScroll, IPictureBox& picInfo, IInfoList& lstInfo,
                      const std::string& DataFields, bool Bmps, bool Lines, bool Plus, bool Checkmarks,
                      uint32_t SelectColor, uint32_t SelectTextColor, const std::string& BmpField = "",
                      const std::string& CheckmarkField = "");
    // Replaces the node table with `nodes` (in outline order, from index 0)
    // and the empty entry after them.
    void SetNodes(std::vector<OtlNode> nodes);

    // Interaction.
    void OutlineClick();
    void OutlineMouseDown2Line(double Y, double X);
    void OutlineKeyPress(int KeyCode);
    void OutlineScroll(int ScrollValue);
    void OutlineExpandAll();
    void OutlineCollapseAll();
    void OutlineFind(const std::string& FindItem, bool FindMode);
    void CheckMarkParents();

    // Painting.
    void OutlineRefresh();
    int OutlineSetX(int ViewType, int Level);
    void DotLine95(int& X1, int& Y1, int& X2, int& Y2);
    void Drawbox(IPictureBox& pic, int X, int Y, bool Plus);
    void PaintBranchBmp(bool Expanded, int Selected, bool CheckmarkFlag, int currX, int CurrY);

    // The outline of the loaded projects (oProjectFiles); each file's last
    // zelk and print come from the zelk history file historyFile.
    void OutlineSetData(const std::string& historyFile);
    void DisplayData();
    void SelectAll();
    void SelectNewer();
    void DeselectAll();
    void GetSelected(bool& ok);

    // What the tests and the window read.
    const std::vector<OtlNode>& Nodes() const { return Nodes_; }
    OtlNode& Node(int i) { return Nodes_.at(static_cast<size_t>(i)); }
    int UpperBound() const { return static_cast<int>(Nodes_.size()) - 1; }
    int LevelCount() const { return LevelCount_; }
    int PageLines() const { return PageLines_; }
    int LineHeight() const { return LineHeight_; }
    int Indent() const { return Indent_; }
    int LineMap(int line) const;
    int LastLine() const { return LastLine_; }
    int VisibleCount() const { return VisibleCount_; }
    bool Changed() const { return Changed_; }
    int TopNode() const { return TopNode_; }
    int CurrentNode() const { return CurrentNode_; }
    int CurrentLine() const { return CurrentLine_; }
    int ClickZone() const { return ClickZone_; }
    const KEMInfo& Info(long project, long line) const;

private:
    bool IsBranch(int i) const { return Nodes_[static_cast<size_t>(i)].Level <= LevelCount_ - 2; }
    bool OutlineCurrentValid() const;
    void ClickNode(bool checkStep);
    void FullRepaint(int tppy);
    void QuickRepaint(int tppy);
    void DrawCaption(int node, int line, bool current, int tppy);
    void PaintLeafBmp(const OtlNode& node, int x, int y, std::string& loadedFile);
    void PutPicture(const PictureHolder* holder, int x, int y);
    void SetKEMInfo(const std::string& historyFile);

    std::vector<OtlNode> Nodes_;
    int LevelCount_ = 0;
    int Bmps_ = 0, Lines_ = 0, Plus_ = 0;
    bool Checkmarks_ = false;
    int PageLines_ = 0;
    std::vector<int> LineMap_;
    int LastLine_ = 0;
    int VisibleCount_ = 0;
    bool Changed_ = true;
    int LineHeight_ = 0;
    int Indent_ = 0;
    int ClickZone_ = 0;
    uint32_t SelectColor_ = 0, SelectTextColor_ = 0;
    int TopNode_ = 1, CurrentNode_ = 1, CurrentLine_ = 0, LastTopNode_ = -1;
    bool InRefresh_ = false;
    IPictureBox* OtlPic_ = nullptr;
    IOutlineScrollBar* OtlScroll_ = nullptr;
    IPictureBox* picInfo_ = nullptr;
    IInfoList* lstInfo_ = nullptr;

    // The file-information table: one row per project, one entry per line
    // of the project file (entry 0 unused).
    std::vector<std::vector<KEMInfo>> KEM_;
    std::unique_ptr<cINIHandler> History_;
};

// One piece of a delimited text. Parse2Array splits the whole text; false,
// the array untouched, for an empty text. ParseListText gives piece
// ReturnPosition (from 1), empty when the text is empty or the piece would
// start beyond its end.
bool Parse2Array(const std::string& ParseString, std::vector<std::string>& ReturnArray, const std::string& Delimiter);
std::string ParseListText(const std::string& ParseString, int ReturnPosition, const std::string& Delimiter);

// Copies the whole of `Source` into the rectangle (dX, dY, dWidth, dHeight)
// of `Dest` (pixels), stretched to fit.
void StrBltAllToPoint(IPictureBox& Dest, int dX, int dY, int dWidth, int dHeight, const Bitmap32& Source);
