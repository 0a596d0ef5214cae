// The outline's set-up, its node table and what the mouse and keys do.
#include "projects/cotlControl.h"

#include <algorithm>
#include <cmath>

#include "common/ErrorTrap.h"
#include "platform/KeyCodes.h"
#include "platform/PictureBox.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "settings/cINIHandler.h"

cotlControl::cotlControl() = default;
cotlControl::~cotlControl() = default;

int cotlControl::LineMap(int line) const {
    return line >= 0 && line < static_cast<int>(LineMap_.size()) ? LineMap_[static_cast<size_t>(line)] : 0;
}

void cotlControl::OutlineBmpSetup(PictureHolder& BranchOpen, const std::string& BoFile, PictureHolder& BranchClosed,
                                  const std::string& BcFile, PictureHolder& Leaf, const std::string& LFile,
                                  PictureHolder& CustomPic) {
    Trapped("OutlineBmpSetup line: 0", [&] {
        gBranchOpenPic = &BranchOpen;
        gBranchClosedPic = &BranchClosed;
        gLeafPic = &Leaf;
        gCustomPic = &CustomPic;
        for (auto [file, holder] : {std::pair{&BoFile, gBranchOpenPic}, {&BcFile, gBranchClosedPic}, {&LFile, gLeafPic}})
            if (!file->empty() && !(LoadPicture && LoadPicture(*file, holder->Picture)))
                throw VBError(481, "Invalid picture", "cotlControl");
    });
}

void cotlControl::OutlineBmpCheckedSetup(PictureHolder& BranchOpenAll, PictureHolder& BranchClosedAll,
                                         PictureHolder& BranchOpenSome, PictureHolder& BranchClosedSome,
                                         PictureHolder& LeafChecked) {
    gBranchOpenAllPic = &BranchOpenAll;
    gBranchClosedAllPic = &BranchClosedAll;
    gBranchOpenSomePic = &BranchOpenSome;
    gBranchClosedSomePic = &BranchClosedSome;
    gLeafCheckedPic = &LeafChecked;
}

void cotlControl::OutlinePlusMinusSetup(PictureHolder& PlusPic, const std::string& PlusFile, PictureHolder& MinusPic,
                                        const std::string& MinusFile) {
    Trapped("OutlinePlusMinusSetup line: 0", [&] {
        gPlusPic = &PlusPic;
        gMinusPic = &MinusPic;
        for (auto [file, holder] : {std::pair{&PlusFile, gPlusPic}, {&MinusFile, gMinusPic}})
            if (!file->empty() && !(LoadPicture && LoadPicture(*file, holder->Picture)))
                throw VBError(481, "Invalid picture", "cotlControl");
    });
}

void cotlControl::OutlineSetup(IPictureBox& OtlPic, IOutlineScrollBar& OtlScroll, IPictureBox& picInfo,
                               IInfoList& lstInfo, const std::string& DataFields, bool Bmps, bool Lines, bool Plus,
                               bool Checkmarks, uint32_t SelectColor, uint32_t SelectTextColor, const std::string&,
                               const std::string&) {
    OtlPic_ = &OtlPic;
    OtlScroll_ = &OtlScroll;
    picInfo_ = &picInfo;
    lstInfo_ = &lstInfo;
    OtlScroll.Move(OtlPic.ScaleWidth() * kTwipsPerPixel - OtlScroll.Width(), 0, OtlScroll.Width(),
                   OtlPic.ScaleHeight() * kTwipsPerPixel);
    std::vector<std::string> levels(1);
    Parse2Array(DataFields, levels, ",");
    Ui().DoEvents();
    LevelCount_ = static_cast<int>(levels.size());
    Changed_ = true;
    Bmps_ = Bmps ? 1 : 0;
    Lines_ = Lines ? 1 : 0;
    Plus_ = Plus ? 1 : 0;
    Checkmarks_ = Checkmarks;
    // Lines a multiple of 4 pixels high where the font allows (the dots
    // of the connectors then meet from line to line).
    LineHeight_ = OtlPic.TextHeight("X") * kTwipsPerPixel;
    const int p = LineHeight_ / kTwipsPerPixel;
    LineHeight_ += (p % 4) * kTwipsPerPixel;
    PageLines_ = LineHeight_ > 0 ? OtlPic.ScaleHeight() * kTwipsPerPixel / LineHeight_ : 0;
    // One entry per line that fits, whatever the surface's height.
    LineMap_.assign(static_cast<size_t>(std::max(PageLines_, 1)) + 1, 0);
    SelectColor_ = SelectColor;
    SelectTextColor_ = SelectTextColor;
    TopNode_ = 1;
    CurrentNode_ = 1;
    LastTopNode_ = -1;
}

void cotlControl::SetNodes(std::vector<OtlNode> nodes) {
    Nodes_.clear();
    Nodes_.reserve(nodes.size() + 2);
    Nodes_.emplace_back();  // index 0 is no node
    for (auto& n : nodes) Nodes_.push_back(std::move(n));
    Nodes_.emplace_back();  // the empty entry after the last node
    Changed_ = true;
}

void cotlControl::OutlineMouseDown2Line(double Y, double X) {
    Trapped("OutlineMouseDown2Line line: 0", [&] {
        if (LineHeight_ <= 0) return;
        CurrentLine_ = static_cast<int>(vb::RoundHalfEven(Y)) / LineHeight_;
        const int n = LineMap(CurrentLine_);
        if (n == 0 || Indent_ <= 0) return;
        const int offset = static_cast<int>(vb::RoundHalfEven(X - Nodes_[static_cast<size_t>(n)].Level * Indent_));
        ClickZone_ = std::min(offset / Indent_, 2);
    });
}

void cotlControl::OutlineClick() { ClickNode(true); }

void cotlControl::ClickNode(bool checkStep) {
    if (CurrentLine_ > LastLine_ || CurrentLine_ < 0) return;
    const int n = LineMap(CurrentLine_);
    if (n <= 0 || n >= UpperBound()) return;
    if (ClickZone_ > 0) CurrentNode_ = n;
    const int level = Nodes_[static_cast<size_t>(n)].Level;
    auto descendantsEnd = [&] {
        int j = n + 1;
        while (j < UpperBound() && Nodes_[static_cast<size_t>(j)].Level > level) ++j;
        return j;
    };
    if (checkStep && ClickZone_ == 1 && Checkmarks_) {
        Changed_ = true;
        const int value = Nodes_[static_cast<size_t>(n)].Selected == 1 ? 0 : 1;
        Nodes_[static_cast<size_t>(n)].Selected = value;
        for (int j = n + 1, end = descendantsEnd(); j < end; ++j) Nodes_[static_cast<size_t>(j)].Selected = value;
        CheckMarkParents();
    } else if (IsBranch(n)) {
        Changed_ = true;
        OtlNode& node = Nodes_[static_cast<size_t>(n)];
        const int end = descendantsEnd();
        int c = 0;
        if (!node.Expanded) {
            for (int j = n + 1; j < end; ++j) {
                OtlNode& child = Nodes_[static_cast<size_t>(j)];
                if (child.Level != level + 1) continue;
                child.Visible = true;
                child.Expanded = false;
                ++c;
            }
        } else {
            for (int j = n + 1; j < end; ++j) Nodes_[static_cast<size_t>(j)].Visible = Nodes_[static_cast<size_t>(j)].Expanded = false;
        }
        node.Expanded = !node.Expanded;
        if (CurrentLine_ + c >= PageLines_) {
            if (c < PageLines_) {
                const int top = LineMap(CurrentLine_ + c + 1 - PageLines_);
                if (top > 0) TopNode_ = top;
            } else {
                TopNode_ = n;
            }
            CurrentNode_ = n;
        }
    }
    OutlineRefresh();
}

void cotlControl::CheckMarkParents() {
    if (LevelCount_ < 2) return;
    std::vector<long> count(static_cast<size_t>(LevelCount_), 0);
    std::vector<double> sum(static_cast<size_t>(LevelCount_), 0.0);
    for (int i = UpperBound(); i >= 1; --i) {
        OtlNode& node = Nodes_[static_cast<size_t>(i)];
        const size_t L = static_cast<size_t>(std::clamp(node.Level, 0, LevelCount_ - 1));
        if (node.Level <= LevelCount_ - 2) {
            node.Selected = sum[L] == 0 ? 0 : (count[L] == sum[L] ? 1 : 2);
            sum[L] = 0;
            count[L] = 0;
        }
        if (node.Level >= 1) {
            const size_t P = L - 1;
            sum[P] += node.Selected == 1 ? 1.0 : node.Selected == 2 ? 0.0001 : 0.0;
            ++count[P];
        }
    }
}

void cotlControl::OutlineKeyPress(int KeyCode) {
    using namespace vbkey;
    try {
        const int c = CurrentNode_;
        if (c < 1 || c >= UpperBound()) return;
        const bool branch = IsBranch(c);
        const bool open = Nodes_[static_cast<size_t>(c)].Expanded;
        switch (KeyCode) {
            case vbKeyAdd:
            case vbKeyRight:
                if (branch && !open) ClickNode(false);
                break;
            case vbKeySubtract:
            case vbKeyLeft:
                if (branch && open) ClickNode(false);
                break;
            case vbKeyPageUp: {
                int count = 0, top = 1;
                for (int i = TopNode_; i >= 1; --i) {
                    if (!Nodes_[static_cast<size_t>(i)].Visible) continue;
                    if (++count == PageLines_) {
                        top = i;
                        break;
                    }
                }
                TopNode_ = CurrentNode_ = top;
                OutlineRefresh();
                break;
            }
            case vbKeyPageDown: {
                for (int k = PageLines_ - 1; k >= 0; --k)
                    if (LineMap(k) > 0) {
                        TopNode_ = LineMap(k);
                        break;
                    }
                if (VisibleCount_ > PageLines_ && Nodes_[static_cast<size_t>(TopNode_)].ScrollIndex > VisibleCount_ - PageLines_) {
                    for (int i = 1; i < UpperBound(); ++i)
                        if (Nodes_[static_cast<size_t>(i)].Visible &&
                            Nodes_[static_cast<size_t>(i)].ScrollIndex == VisibleCount_ - PageLines_) {
                            TopNode_ = i;
                            break;
                        }
                } else if (VisibleCount_ < PageLines_) {
                    TopNode_ = 1;
                }
                CurrentNode_ = TopNode_;
                OutlineRefresh();
                break;
            }
            case vbKeyUp:
                if (CurrentLine_ > 0) {
                    --CurrentLine_;
                    if (LineMap(CurrentLine_) > 0) CurrentNode_ = LineMap(CurrentLine_);
                } else {
                    for (int i = TopNode_ - 1; i >= 1; --i)
                        if (Nodes_[static_cast<size_t>(i)].Visible) {
                            TopNode_ = CurrentNode_ = i;
                            break;
                        }
                }
                OutlineRefresh();
                break;
            case vbKeyDown:
                if (CurrentLine_ < LastLine_) {
                    ++CurrentLine_;
                    if (LineMap(CurrentLine_) > 0) CurrentNode_ = LineMap(CurrentLine_);
                } else {
                    const int last = LineMap(CurrentLine_);
                    if (last > 0 && last + 1 < UpperBound()) {
                        for (int i = last + 1; i < UpperBound(); ++i)
                            if (Nodes_[static_cast<size_t>(i)].Visible) {
                                CurrentNode_ = i;
                                // A page of one line moves to the new node itself.
                                TopNode_ = LineMap(1) > 0 ? LineMap(1) : i;
                                break;
                            }
                    }
                }
                OutlineRefresh();
                break;
            default:
                break;
        }
    } catch (const std::exception&) {
        ERHandlerForCurrentException("OutlineKeyPress line: 0");
    }
}

void cotlControl::OutlineScroll(int ScrollValue) {
    if (InRefresh_) return;
    const int f = LineMap(0);
    if (f < 1 || f >= UpperBound()) return;
    auto node = [&](int i) -> OtlNode& { return Nodes_[static_cast<size_t>(i)]; };
    if (ScrollValue < node(f).ScrollIndex) {
        for (int i = f; i >= 1; --i)
            if (node(i).ScrollIndex == ScrollValue) {
                CurrentLine_ = 0;
                CurrentNode_ = TopNode_ = i;
                OutlineRefresh();
                break;
            }
    } else {
        const int l = LineMap(LastLine_);
        if (l > 0 && ScrollValue > node(l).ScrollIndex) {
            for (int i = l; i <= UpperBound(); ++i)
                if (node(i).ScrollIndex == ScrollValue) {
                    CurrentNode_ = i;
                    CurrentLine_ = LastLine_;
                    break;
                }
            for (int i = CurrentNode_; i >= 1; --i)
                if (node(i).ScrollIndex == ScrollValue - LastLine_) {
                    TopNode_ = i;
                    break;
                }
            OutlineRefresh();
        } else {
            for (int k = 0; k <= LastLine_; ++k)
                if (LineMap(k) > 0 && node(LineMap(k)).ScrollIndex == ScrollValue) {
                    CurrentLine_ = k;
                    CurrentNode_ = LineMap(k);
                    OutlineRefresh();
                }
        }
    }
    OtlPic_->Refresh();
}

void cotlControl::OutlineExpandAll() {
    for (int i = 1; i < UpperBound(); ++i) {
        OtlNode& node = Nodes_[static_cast<size_t>(i)];
        node.Visible = true;
        if (IsBranch(i)) node.Expanded = true;
    }
    Changed_ = true;
    OutlineRefresh();
}

void cotlControl::OutlineCollapseAll() {
    int shown = 0;
    for (int i = 1; i < UpperBound(); ++i) {
        OtlNode& node = Nodes_[static_cast<size_t>(i)];
        if (node.Level > 0) node.Visible = false;
        node.Expanded = false;
        shown += node.Visible;
    }
    if (OutlineCurrentValid() && !Nodes_[static_cast<size_t>(CurrentNode_)].Visible) CurrentNode_ = 1;
    TopNode_ = shown > PageLines_ ? CurrentNode_ : 1;
    Changed_ = true;
    OutlineRefresh();
}

void cotlControl::OutlineFind(const std::string& FindItem, bool FindMode) {
    const std::string wanted = vb::UCase(FindItem);
    for (int i = FindMode ? CurrentNode_ + 1 : 1; i < UpperBound(); ++i) {
        if (vb::UCase(Nodes_[static_cast<size_t>(i)].Text).find(wanted) == std::string::npos) continue;
        CurrentNode_ = TopNode_ = i;
        if (Nodes_[static_cast<size_t>(i)].Level > 0) {
            int top = i - 1;
            while (top > 1 && Nodes_[static_cast<size_t>(top)].Level > 0) --top;
            Nodes_[static_cast<size_t>(top)].Visible = Nodes_[static_cast<size_t>(top)].Expanded = true;
            for (int j = top + 1; j < UpperBound() && Nodes_[static_cast<size_t>(j)].Level > 0; ++j)
                Nodes_[static_cast<size_t>(j)].Visible = true;
        }
        Changed_ = true;
        OutlineRefresh();
        return;
    }
    Ui().Beep();
}

bool cotlControl::OutlineCurrentValid() const { return CurrentNode_ >= 0 && CurrentNode_ <= UpperBound(); }

bool Parse2Array(const std::string& ParseString, std::vector<std::string>& ReturnArray, const std::string& Delimiter) {
    if (ParseString.empty()) return false;
    return Trapped("Parse2Array line: 0", [&] {
        std::vector<std::string> pieces;
        size_t start = 0;
        while (true) {
            const size_t at = Delimiter.empty() ? std::string::npos : ParseString.find(Delimiter, start);
            if (at == std::string::npos) {
                pieces.push_back(ParseString.substr(start));
                break;
            }
            pieces.push_back(ParseString.substr(start, at - start));
            start = at + Delimiter.size();
        }
        if (ReturnArray.size() < pieces.size()) ReturnArray.resize(pieces.size());
        for (size_t k = 0; k < pieces.size(); ++k) ReturnArray[k] = pieces[k];
        return true;
    });
}

std::string ParseListText(const std::string& ParseString, int ReturnPosition, const std::string& Delimiter) {
    if (ParseString.empty() || ReturnPosition < 1) return "";
    size_t start = 0;
    for (int k = 1; k < ReturnPosition; ++k) {
        const size_t at = Delimiter.empty() ? std::string::npos : ParseString.find(Delimiter, start);
        if (at == std::string::npos) return "";
        start = at + Delimiter.size();
    }
    const size_t at = Delimiter.empty() ? std::string::npos : ParseString.find(Delimiter, start);
    return ParseString.substr(start, at == std::string::npos ? std::string::npos : at - start);
}
