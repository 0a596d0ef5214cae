// The outline's painter: one display line per shown node from the top node
// down, with its connectors, plus or minus box, picture and caption; and the
// quick repaint that only moves the highlight.
#include <algorithm>
#include <cmath>

#include "common/ErrorTrap.h"
#include "platform/Paths.h"
#include "platform/PictureBox.h"
#include "platform/VBText.h"
#include "projects/cotlControl.h"

namespace {
constexpr int kTPP = cotlControl::kTwipsPerPixel;
// A place in twips as a pixel of the surface.
int Px(double twips) { return static_cast<int>(std::lround(twips / kTPP)); }
}  // namespace

int cotlControl::OutlineSetX(int ViewType, int Level) {
    Indent_ = 17 * kTPP;
    switch (ViewType) {
        case 0: return Indent_ * Level + LineHeight_ / 2;
        case 1: return Indent_ * Level + LineHeight_ / 2 + (Level == 0 ? kTPP : 0);
        case 2: return Indent_ * (Level + 1) + 2 * kTPP;
        case 3: return Indent_ * (Level + 1) + LineHeight_ + 2 * kTPP;
        default: return 0;
    }
}

void cotlControl::DotLine95(int& X1, int& Y1, int& X2, int& Y2) {
    // Dots on every second pixel, on even rows and columns, so that the dots
    // of lines that meet line up.
    if (X1 == X2) {
        int start = std::min(Y1, Y2);
        const int end = std::max(Y1, Y2);
        if ((start / kTPP) % 2 != 0) start = (start / kTPP - 1) * kTPP;
        if ((X1 / kTPP) % 2 != 0) X1 += kTPP;
        for (int y = start; y <= end; y += 2 * kTPP) OtlPic_->PSet(Px(X1), Px(y), kConnectorColor);
    } else {
        int start = std::min(X1, X2);
        int end = std::max(X1, X2);
        if ((start / kTPP) % 2 != 0) start += kTPP;
        if ((end / kTPP) % 2 != 0) end += kTPP;
        if ((Y1 / kTPP) % 2 != 0) Y1 -= kTPP;
        for (int x = start; x <= end; x += 2 * kTPP) OtlPic_->PSet(Px(x), Px(Y1), kConnectorColor);
    }
}

void cotlControl::Drawbox(IPictureBox& pic, int X, int Y, bool Plus) {
    const int x = Px(X), y = Px(Y);
    const int style = pic.DrawStyle();
    pic.FilledBox(x - 4, y - 4, x + 4, y + 4, 0xFFFFFF);
    pic.SetDrawStyle(0);
    pic.Box(x - 4, y - 4, x + 4, y + 4, 0x808080);
    pic.Line(x - 2, y, x + 3, y, 0x000000);
    if (Plus) pic.Line(x, y - 2, x, y + 3, 0x000000);
    pic.SetDrawStyle(style);
}

void cotlControl::PutPicture(const PictureHolder* holder, int x, int y) {
    if (holder) OtlPic_->PutImage(holder->Picture, Px(x), Px(y));
}

void cotlControl::PaintBranchBmp(bool Expanded, int Selected, bool CheckmarkFlag, int currX, int CurrY) {
    if (!CheckmarkFlag) {
        PutPicture(Expanded ? gBranchOpenPic : gBranchClosedPic, currX, CurrY);
        return;
    }
    const PictureHolder* open[] = {gBranchOpenPic, gBranchOpenAllPic, gBranchOpenSomePic};
    const PictureHolder* closed[] = {gBranchClosedPic, gBranchClosedAllPic, gBranchClosedSomePic};
    if (Selected < 0 || Selected > 2) return;
    PutPicture((Expanded ? open : closed)[Selected], currX, CurrY);
}

void cotlControl::PaintLeafBmp(const OtlNode& node, int x, int y, std::string& loadedFile) {
    const bool checked = Checkmarks_ && node.Selected == 1;
    if (node.PictureFile.empty()) {
        PutPicture(checked ? gLeafCheckedPic : gLeafPic, x, y);
        return;
    }
    bool loaded = node.PictureFile == loadedFile;
    if (!loaded && gCustomPic && LoadPicture) {
        loaded = LoadPicture(node.PictureFile, gCustomPic->Picture) ||
                 LoadPicture(paths::Join(paths::ProgramDir(), node.PictureFile), gCustomPic->Picture);
    }
    if (loaded) {
        PutPicture(gCustomPic, x, y);
        loadedFile = node.PictureFile;
    } else {
        PutPicture(checked && node.CheckmarkFlag ? gLeafCheckedPic : gLeafPic, x, y);
    }
}

void cotlControl::DrawCaption(int node, int line, bool current, int tppy) {
    const OtlNode& n = Nodes_[static_cast<size_t>(node)];
    const int x = OutlineSetX(3, n.Level), y = line * LineHeight_;
    const int right = OtlPic_->ScaleWidth() - 1;
    OtlPic_->SetCurrentX(Px(x));
    OtlPic_->SetCurrentY(Px(y));
    if (current) {
        OtlPic_->FilledBox(Px(x), Px(y), right, Px(y + LineHeight_ - tppy), SelectColor_);
        CurrentLine_ = line;
        const uint32_t fore = OtlPic_->ForeColor();
        OtlPic_->SetForeColor(SelectTextColor_);
        OtlPic_->Print(" " + n.Text);
        OtlPic_->SetForeColor(fore);
    } else {
        OtlPic_->Print(" " + n.Text);
    }
}

void cotlControl::QuickRepaint(int tppy) {
    for (int k = 0; k <= LastLine_; ++k) {
        const int n = LineMap(k);
        if (n <= 0) continue;
        if (n != CurrentNode_) {
            // Erase an earlier bar before the caption goes back on.
            const int x = OutlineSetX(3, Nodes_[static_cast<size_t>(n)].Level), y = k * LineHeight_;
            OtlPic_->FilledBox(Px(x), Px(y), OtlPic_->ScaleWidth() - 1, Px(y + LineHeight_ - tppy), OtlPic_->BackColor());
        }
        DrawCaption(n, k, n == CurrentNode_, tppy);
    }
}

void cotlControl::FullRepaint(int tppy) {
    std::fill(LineMap_.begin(), LineMap_.end(), 0);
    OtlPic_->Cls();
    const int u = UpperBound();
    auto node = [&](int i) -> OtlNode& { return Nodes_[static_cast<size_t>(i)]; };
    if (TopNode_ > 0) {
        std::vector<int> lastLineAtLevel(static_cast<size_t>(std::max(LevelCount_, 1)), 0);
        int line = 0, i = TopNode_;
        std::string loadedFile;
        for (; i <= u - 1; ++i) {
            if (!node(i).Visible) continue;
            const int y = line * LineHeight_;
            const int level = node(i).Level;
            if (line == 0) TopNode_ = i;
            LineMap_[static_cast<size_t>(line)] = i;
            DrawCaption(i, line, i == CurrentNode_, tppy);
            if (Bmps_ == 1) {
                const int x = OutlineSetX(2, level);
                if (IsBranch(i)) PaintBranchBmp(node(i).Expanded, node(i).Selected, Checkmarks_, x, y);
                else PaintLeafBmp(node(i), x, y, loadedFile);
            }
            if (Lines_ == 1) {
                lastLineAtLevel[static_cast<size_t>(std::clamp(level, 0, LevelCount_ - 1))] = line;
                int x = OutlineSetX(0, level);
                int m = y + LineHeight_ / 2;
                int x2 = x + static_cast<int>(Indent_ * 0.6), m2 = m;
                DotLine95(x, m, x2, m2);
                int top;
                const int prev = node(i - 1).Level;
                if (line == 0 || prev < level) {
                    top = y;
                } else if (prev == level) {
                    top = y - LineHeight_ / 2;
                } else {
                    int k = line - 1;
                    while (k >= 1 && node(LineMap(k)).Level > level) --k;
                    if (k < 1) k = 0;
                    top = node(LineMap(k)).Level > level ? 0 : (k + 1) * LineHeight_ - LineHeight_ / 2;
                }
                m = y + LineHeight_ / 2;
                int xv = x;
                DotLine95(xv, m, xv, top);
            }
            if (++line >= PageLines_) break;
        }
        LastLine_ = line - 1;
        // The branches that go on below the surface keep their lines to its
        // bottom edge.
        if (i < u - 1 && Lines_ == 1) {
            int lev = node(i).Level;
            for (int j = i + 1; j <= u - 1 && lev >= 0; ++j) {
                const int level = node(j).Level;
                if (level > lev) continue;
                int x = OutlineSetX(0, level);
                int bottom = OtlPic_->ScaleHeight() * kTPP;
                int top = lastLineAtLevel[static_cast<size_t>(std::clamp(level, 0, LevelCount_ - 1))] * LineHeight_;
                DotLine95(x, bottom, x, top);
                lev = level - 1;
            }
        }
        if (Plus_ == 1) {
            line = 0;
            for (int j = TopNode_; j <= u - 1; ++j) {
                if (!node(j).Visible) continue;
                if (IsBranch(j)) {
                    const int y = static_cast<int>(vb::RoundHalfEven(line * LineHeight_ + LineHeight_ / 2.0 - tppy));
                    const int x = OutlineSetX(1, node(j).Level);
                    OtlPic_->SetCurrentX(Px(x));
                    const bool plus = node(j + 1).Level > node(j).Level && !node(j).Expanded;
                    Drawbox(*OtlPic_, x, y, plus);
                }
                if (++line >= PageLines_) break;
            }
        }
        if (Changed_) {
            InRefresh_ = true;
            Changed_ = false;
            int number = -1;
            for (int j = 1; j <= u; ++j) node(j).ScrollIndex = node(j).Visible && j < u ? ++number : -1;
            VisibleCount_ = number;
            if (VisibleCount_ > 0) {
                OtlScroll_->SetVisible(true);
                OtlScroll_->SetMax(VisibleCount_);
            } else {
                OtlScroll_->SetVisible(false);
                OtlScroll_->SetValue(0);
            }
            OtlScroll_->SetSmallChange(1);
            OtlScroll_->SetLargeChange(10);
            InRefresh_ = false;
        }
    }
    if (OtlScroll_->Visible()) {
        InRefresh_ = true;
        if (CurrentNode_ > 0 && CurrentNode_ <= u) {
            OtlNode& current = node(CurrentNode_);
            if (current.ScrollIndex < 0) current.ScrollIndex = 0;
            OtlScroll_->SetValue(static_cast<int>(current.ScrollIndex));
        }
        InRefresh_ = false;
    }
    LastTopNode_ = TopNode_;
}

void cotlControl::OutlineRefresh() {
    if (InRefresh_ || !OtlPic_ || Nodes_.empty()) return;
    try {
        if (TopNode_ == LastTopNode_ && !Changed_) QuickRepaint(kTPP);
        else FullRepaint(kTPP);
    } catch (const std::exception&) {
        InRefresh_ = false;
        ERHandlerForCurrentException("otlControl::OutlineRefresh line: 0");
    }
}

void StrBltAllToPoint(IPictureBox& Dest, int dX, int dY, int dWidth, int dHeight, const Bitmap32& Source) {
    if (dWidth == 0 || dHeight == 0 || Source.Width <= 0 || Source.Height <= 0) return;
    // Nearest pixel; a negative size mirrors the copy as a stretch does.
    Bitmap32 out(std::abs(dWidth), std::abs(dHeight));
    for (int y = 0; y < out.Height; ++y)
        for (int x = 0; x < out.Width; ++x) {
            const int sx = x * Source.Width / out.Width, sy = y * Source.Height / out.Height;
            out.Set(dWidth < 0 ? out.Width - 1 - x : x, dHeight < 0 ? out.Height - 1 - y : y, Source.At(sx, sy));
        }
    Dest.PutImage(out, dWidth < 0 ? dX + dWidth + 1 : dX, dHeight < 0 ? dY + dHeight + 1 : dY);
}
