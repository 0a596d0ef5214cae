// The outline control: clicks by column zone, keys, ticks that reach
// descendants and ancestors, the scroll bar, and the full and quick
// repaints as pixels on the surface.
#include <gtest/gtest.h>

#include "common/ErrorTrap.h"
#include "platform/KeyCodes.h"
#include "OutlineRig.h"
#include "TestSupport.h"

using namespace outlinerig;
using S = std::vector<std::string>;

namespace {
// Two projects: P1 with Forms (two forms) and Modules (one module), P2 with
// Classes (one class) and an empty Designers heading.
std::vector<OtlNode> TwoProjects() {
    return {N(0, "P1", true),  N(1, "Forms", false),   N(2, "Form1", false), N(2, "Form2", false),
            N(1, "Modules", false), N(2, "Mod1", false), N(0, "P2", true),    N(1, "Classes", false),
            N(2, "Class1", false),  N(1, "Designers", false)};
}
// Ten top-level branches of three leaves each.
std::vector<OtlNode> TenBranches() {
    std::vector<OtlNode> nodes;
    for (int b = 1; b <= 10; ++b) {
        nodes.push_back(N(0, "B" + std::to_string(b), true));
        for (int l = 1; l <= 3; ++l) nodes.push_back(N(1, "L" + std::to_string(b) + std::to_string(l), false));
    }
    return nodes;
}
}  // namespace

TEST(Outline, SetUpDerivesLevelsAndLines) {
    OutlineRig rig;
    EXPECT_EQ(rig.otl.LevelCount(), 3);
    EXPECT_EQ(rig.otl.LineHeight(), 210);  // 13 pixels of text make lines of 14
    EXPECT_EQ(rig.otl.PageLines(), 5);
    EXPECT_EQ(rig.scroll.left, 200 * 15 - 255);
    EXPECT_EQ(rig.scroll.height, 5 * 14 * 15);
    // The caption column of a top-level node, at a line height of 210.
    EXPECT_EQ(rig.otl.OutlineSetX(3, 0), 17 * 15 + 210 + 30);
    EXPECT_EQ(rig.otl.Indent(), 255);
    EXPECT_EQ(rig.otl.OutlineSetX(9, 1), 0);
}

TEST(Outline, ClicksByZone) {
    OutlineRig rig(TwoProjects());
    EXPECT_EQ(rig.Shown(), (S{"P1", "P2"}));
    const int clears = rig.pic.clears;

    rig.Click(3, 2);  // below the last drawn line: nothing at all
    EXPECT_EQ(rig.pic.clears, clears);
    EXPECT_FALSE(rig.otl.Changed());

    rig.Click(1, 2);  // the text of a closed branch opens it and makes it current
    EXPECT_EQ(rig.Shown(), (S{"P1", "P2", "Classes", "Designers"}));
    EXPECT_EQ(rig.otl.CurrentNode(), 7);

    rig.Click(0, 0);  // the box opens without making current
    EXPECT_EQ(rig.Shown(), (S{"P1", "Forms", "Modules", "P2", "Classes"}));
    EXPECT_EQ(rig.otl.CurrentNode(), 7);

    rig.Click(1, -1);  // left of the node's column: opens too
    EXPECT_EQ(rig.Shown(), (S{"P1", "Forms", "Form1", "Form2", "Modules"}));
    EXPECT_EQ(rig.otl.CurrentNode(), 7);

    rig.Click(2, 2);  // the text of a leaf only makes it current
    EXPECT_EQ(rig.otl.CurrentNode(), 3);
    EXPECT_EQ(rig.Shown(), (S{"P1", "Forms", "Form1", "Form2", "Modules"}));

    rig.Click(1, 0);  // the box of an open branch closes it
    EXPECT_EQ(rig.Shown(), (S{"P1", "Forms", "Modules", "P2", "Classes"}));
    EXPECT_FALSE(rig.otl.Node(3).Visible);
}

TEST(Outline, TicksReachDescendantsAndAncestors) {
    OutlineRig rig(TwoProjects());
    rig.otl.OutlineExpandAll();
    EXPECT_EQ(rig.Shown(), (S{"P1", "Forms", "Form1", "Form2", "Modules"}));
    auto states = [&] {
        std::vector<int> out;
        for (int i = 1; i <= 10; ++i) out.push_back(rig.otl.Node(i).Selected);
        return out;
    };
    rig.Click(2, 1);  // Form1's picture
    EXPECT_EQ(states(), (std::vector<int>{2, 2, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(rig.otl.CurrentNode(), 3);
    rig.Click(1, 1);  // Forms, partly checked, becomes checked with its forms
    EXPECT_EQ(states(), (std::vector<int>{2, 1, 1, 1, 0, 0, 0, 0, 0, 0}));
    rig.Click(0, 1);  // P1, partly checked: everything under it
    EXPECT_EQ(states(), (std::vector<int>{1, 1, 1, 1, 1, 1, 0, 0, 0, 0}));
    rig.Click(0, 1);  // and off again
    EXPECT_EQ(states(), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    // A branch without children cannot stay checked.
    rig.otl.OutlineKeyPress(vbkey::vbKeyPageDown);
    const int designers = 10;
    for (int k = 0; k <= rig.otl.LastLine(); ++k)
        if (rig.otl.LineMap(k) == designers) rig.Click(k, 1);
    EXPECT_EQ(rig.otl.Node(designers).Selected, 0);

    // With check marks off a press on a branch's picture opens or closes it
    // and makes it current.
    OutlineRig plain(TwoProjects(), false);
    plain.Click(1, 1);
    EXPECT_EQ(plain.Shown(), (S{"P1", "P2", "Classes", "Designers"}));
    EXPECT_EQ(plain.otl.CurrentNode(), 7);
    EXPECT_EQ(plain.otl.Node(7).Selected, 0);
}

TEST(Outline, OpeningScrollsTheChildrenIntoView) {
    OutlineRig rig(TenBranches());
    rig.Click(4, 2);  // B5 on the last line: its three leaves need the page to move
    EXPECT_EQ(rig.Shown(), (S{"B4", "B5", "L51", "L52", "L53"}));
    EXPECT_EQ(rig.otl.CurrentNode(), 17);

    // More children than a page: the branch goes to the top line.
    std::vector<OtlNode> big = {N(0, "Big", true)};
    for (int l = 0; l < 7; ++l) big.push_back(N(1, "C" + std::to_string(l), false));
    big.push_back(N(0, "After", true));
    OutlineRig tall(big);
    tall.Click(1, 0);  // "After" is no branch with children; open Big instead
    tall.Click(0, 0);
    EXPECT_EQ(tall.otl.TopNode(), 1);
    EXPECT_EQ(tall.Shown(), (S{"Big", "C0", "C1", "C2", "C3"}));
}

TEST(Outline, Keys) {
    using namespace vbkey;
    OutlineRig rig(TenBranches());
    rig.otl.OutlineKeyPress(vbKeyRight);  // B1 opens
    EXPECT_EQ(rig.Shown(), (S{"B1", "L11", "L12", "L13", "B2"}));
    rig.otl.OutlineKeyPress(vbKeyAdd);  // already open: nothing
    rig.otl.OutlineKeyPress(vbKeyDown);
    EXPECT_EQ(rig.otl.CurrentNode(), 2);
    for (int key : {vbKeyRight, vbKeyAdd, vbKeyLeft, vbKeySubtract, vbKeyEnd, vbKeyHome})
        rig.otl.OutlineKeyPress(key);  // a leaf: none of them does anything
    EXPECT_EQ(rig.Shown(), (S{"B1", "L11", "L12", "L13", "B2"}));
    EXPECT_EQ(rig.otl.CurrentNode(), 2);
    rig.otl.OutlineKeyPress(vbKeyUp);
    rig.otl.OutlineKeyPress(vbKeySubtract);  // closes B1
    EXPECT_EQ(rig.Shown(), (S{"B1", "B2", "B3", "B4", "B5"}));

    // Down on the last line moves the page by one line while a node follows.
    for (int k = 0; k < 5; ++k) rig.otl.OutlineKeyPress(vbKeyDown);
    EXPECT_EQ(rig.Shown(), (S{"B2", "B3", "B4", "B5", "B6"}));
    EXPECT_EQ(rig.otl.CurrentNode(), 21);
    EXPECT_EQ(rig.otl.CurrentLine(), 4);

    // Page Down never starts a page after the entry whose position is the
    // highest position less a page (B5 here).
    rig.otl.OutlineKeyPress(vbKeyPageDown);
    EXPECT_EQ(rig.Shown(), (S{"B5", "B6", "B7", "B8", "B9"}));
    EXPECT_EQ(rig.otl.CurrentNode(), 17);
    rig.otl.OutlineKeyPress(vbKeyPageDown);
    EXPECT_EQ(rig.Shown(), (S{"B5", "B6", "B7", "B8", "B9"}));
    // Down on the last line reaches B10; on the very last node: nothing.
    for (int k = 0; k < 6; ++k) rig.otl.OutlineKeyPress(vbKeyDown);
    EXPECT_EQ(rig.otl.CurrentNode(), 37);
    EXPECT_EQ(rig.Shown(), (S{"B6", "B7", "B8", "B9", "B10"}));

    rig.otl.OutlineKeyPress(vbKeyPageUp);
    EXPECT_EQ(rig.Shown(), (S{"B2", "B3", "B4", "B5", "B6"}));
    rig.otl.OutlineKeyPress(vbKeyPageUp);  // from the first page: node 1
    EXPECT_EQ(rig.otl.TopNode(), 1);
    EXPECT_EQ(rig.otl.CurrentNode(), 1);
    rig.otl.OutlineKeyPress(vbKeyUp);  // on line 0 with nothing above: nothing
    EXPECT_EQ(rig.otl.TopNode(), 1);

    // All on one page: Page Down goes to node 1.
    OutlineRig small(TwoProjects());
    small.otl.OutlineKeyPress(vbKeyDown);
    small.otl.OutlineKeyPress(vbKeyPageDown);
    EXPECT_EQ(small.otl.CurrentNode(), 1);

    // After a press on a node's picture, Right on a closed branch still opens.
    OutlineRig ticked(TwoProjects());
    ticked.Click(1, 1);
    ticked.otl.OutlineKeyPress(vbKeyRight);
    EXPECT_EQ(ticked.Shown(), (S{"P1", "P2", "Classes", "Designers"}));
}

TEST(Outline, ScrollBarFollowsTheShownNodes) {
    OutlineRig one({N(0, "Only", true), N(1, "Hidden", false)});
    EXPECT_FALSE(one.scroll.visible);
    EXPECT_EQ(one.scroll.value, 0);

    OutlineRig rig(TenBranches());
    EXPECT_TRUE(rig.scroll.visible);
    EXPECT_EQ(rig.scroll.max, 9);
    EXPECT_EQ(rig.scroll.small, 1);
    EXPECT_EQ(rig.scroll.large, 10);
    EXPECT_TRUE(rig.scroll.changes.empty());  // the painter's own values raise no scrolling

    // The user scrolls: below the page, on it, above it.
    rig.otl.OutlineScroll(7);
    EXPECT_EQ(rig.otl.CurrentNode(), 29);  // B8 lands on the last line
    EXPECT_EQ(rig.Shown(), (S{"B4", "B5", "B6", "B7", "B8"}));
    EXPECT_EQ(rig.scroll.value, 7);
    rig.otl.OutlineScroll(4);
    EXPECT_EQ(rig.otl.CurrentNode(), 17);
    EXPECT_EQ(rig.otl.CurrentLine(), 1);
    rig.otl.OutlineScroll(0);
    EXPECT_EQ(rig.otl.TopNode(), 1);
    EXPECT_EQ(rig.otl.CurrentNode(), 1);

    // A hidden top node gives way to the first shown node after it.
    rig.otl.OutlineCollapseAll();
    EXPECT_EQ(rig.otl.Node(2).ScrollIndex, -1);
    EXPECT_EQ(rig.otl.Node(5).ScrollIndex, 1);
}

TEST(Outline, FullRepaintDrawsPicturesBoxesAndConnectors) {
    OutlineRig rig(TwoProjects());
    rig.otl.OutlineExpandAll();
    rig.Click(2, 1);  // tick Form1
    // Line 0: P1 open, partly checked; line 1: Forms, the same; line 2 Form1
    // ticked; line 3 Form2; line 4 Modules, open.
    EXPECT_EQ(rig.PictureAt(0, 0), kOpenSome);
    EXPECT_EQ(rig.PictureAt(1, 1), kOpenSome);
    EXPECT_EQ(rig.PictureAt(2, 2), kLeafChecked);
    EXPECT_EQ(rig.PictureAt(3, 2), kLeaf);
    EXPECT_EQ(rig.PictureAt(4, 1), kOpen);
    // The current line's bar and caption colour.
    EXPECT_EQ(rig.BarAt(2), kSelect);
    EXPECT_EQ(rig.BarAt(1), syscolor::kWhite);
    bool selectText = false;
    for (const auto& p : rig.pic.prints)
        if (p.text == " Form1") selectText = p.color == kSelectText;
    EXPECT_TRUE(selectText);

    // Minus boxes on open branches (level 0 box centred at pixel 8, 6).
    EXPECT_EQ(rig.pic.Shown(4, 2), 0x808080u);     // the frame
    EXPECT_EQ(rig.pic.Shown(8, 6), 0u);            // the bar
    EXPECT_EQ(rig.pic.Shown(8, 4), syscolor::kWhite);  // no upright: minus
    // Connectors: dotted, on even pixels.
    EXPECT_EQ(rig.pic.Shown(42, 2 * kLine + 6), 0x808080u);  // the stub of Form1
    EXPECT_EQ(rig.pic.Shown(44, 2 * kLine + 6), 0x808080u);
    EXPECT_EQ(rig.pic.Shown(43, 2 * kLine + 6), syscolor::kWhite);

    // A closed branch with children gets a plus box; a branch without
    // children a minus box; leaves none.
    OutlineRig closed(TwoProjects());
    EXPECT_EQ(closed.pic.Shown(8, 4), 0u);
    closed.Click(1, 2);
    const int designersLine = 3, box = 17 + 7;  // level 1: box centre at pixel 24
    EXPECT_EQ(closed.Shown()[designersLine], "Designers");
    EXPECT_EQ(closed.pic.Shown(box, designersLine * kLine + 6), 0u);
    EXPECT_EQ(closed.pic.Shown(box, designersLine * kLine + 4), syscolor::kWhite);
    EXPECT_EQ(closed.pic.Shown(box, 2 * kLine + 4), 0u);  // Classes: plus
    EXPECT_EQ(closed.PictureAt(2, 1), kClosed);
}

TEST(Outline, ConnectorsRunOnBelowAFullPage) {
    OutlineRig rig(TenBranches());
    rig.Click(0, 0);  // B1 open: B1, L11, L12, L13, B2 on the page; B3... below
    // The level-0 line runs on below B2's box to the bottom edge.
    EXPECT_EQ(rig.pic.Shown(8, 5 * kLine - 2), 0x808080u);
    EXPECT_EQ(rig.pic.Shown(8, 5 * kLine - 1), syscolor::kWhite);
    // The first child's upright reaches the top of its own line.
    EXPECT_EQ(rig.pic.Shown(24, kLine), 0x808080u);
}

TEST(Outline, QuickRepaintOnlyMovesTheBar) {
    OutlineRig rig(TwoProjects());
    rig.otl.OutlineExpandAll();
    const int clears = rig.pic.clears;
    const uint32_t picture = rig.PictureAt(2, 2), dot = rig.pic.Shown(42, 2 * kLine + 6);
    rig.otl.OutlineKeyPress(vbkey::vbKeyDown);
    rig.otl.OutlineKeyPress(vbkey::vbKeyDown);
    EXPECT_EQ(rig.pic.clears, clears);  // no full repaint
    EXPECT_EQ(rig.BarAt(0), syscolor::kWhite);
    EXPECT_EQ(rig.BarAt(2), kSelect);
    EXPECT_EQ(rig.PictureAt(2, 2), picture);
    EXPECT_EQ(dot, 0x808080u);
    EXPECT_EQ(rig.pic.Shown(42, 2 * kLine + 6), dot);
    EXPECT_EQ(rig.otl.CurrentLine(), 2);
}

TEST(Outline, CollapseExpandAndFind) {
    OutlineRig rig(TwoProjects());
    rig.otl.OutlineExpandAll();
    rig.otl.OutlineKeyPress(vbkey::vbKeyDown);
    rig.otl.OutlineKeyPress(vbkey::vbKeyDown);  // Form1 is current
    rig.otl.OutlineCollapseAll();
    EXPECT_EQ(rig.Shown(), (S{"P1", "P2"}));
    EXPECT_EQ(rig.otl.CurrentNode(), 1);

    // Find: letter case does not matter; the found node's project opens.
    rig.otl.OutlineFind("class", false);
    EXPECT_EQ(rig.otl.CurrentNode(), 8);
    EXPECT_EQ(rig.Shown(), (S{"Classes", "Class1", "Designers"}));
    EXPECT_TRUE(rig.otl.Node(7).Expanded);
    // From after the current node, without wrapping round; a miss beeps.
    auto& ui = testsupport::Ui();
    const int beeps = ui.Beeps;
    rig.otl.OutlineFind("form", true);
    EXPECT_EQ(ui.Beeps, beeps + 1);
    EXPECT_EQ(rig.otl.CurrentNode(), 8);
    rig.otl.OutlineFind("FORM", false);
    EXPECT_EQ(rig.otl.CurrentNode(), 2);
}

TEST(Outline, SplittingTexts) {
    std::vector<std::string> a(1, "old");
    EXPECT_FALSE(Parse2Array("", a, ","));
    EXPECT_EQ(a, (S{"old"}));
    const struct {
        std::string text;
        S pieces;
    } cases[] = {{"a,b,c", {"a", "b", "c"}}, {"a,,c", {"a", "", "c"}}, {"a,b,", {"a", "b", ""}}, {"abc", {"abc"}}};
    for (const auto& c : cases) {
        std::vector<std::string> out(1);
        EXPECT_TRUE(Parse2Array(c.text, out, ","));
        EXPECT_EQ(out, c.pieces) << c.text;
    }
    std::vector<std::string> longer(4, "x");  // never shrunk
    Parse2Array("p,q", longer, ",");
    EXPECT_EQ(longer, (S{"p", "q", "x", "x"}));

    EXPECT_EQ(ParseListText("a|b|c", 2, "|"), "b");
    EXPECT_EQ(ParseListText("a|b|c", 3, "|"), "c");
    EXPECT_EQ(ParseListText("a|b|c", 4, "|"), "");
    EXPECT_EQ(ParseListText("a||c", 2, "|"), "");
    EXPECT_EQ(ParseListText("", 1, "|"), "");
    EXPECT_EQ(ParseListText("abc", 1, "|"), "abc");
}

TEST(Outline, PictureOperationsWithoutCaller) {
    // A stretched copy of a 2 x 1 picture into 4 x 2 pixels.
    FakePictureBox dest(10, 10);
    Bitmap32 source(2, 1);
    source.Set(0, 0, 0x0000FF);
    source.Set(1, 0, 0x00FF00);
    StrBltAllToPoint(dest, 3, 4, 4, 2, source);
    EXPECT_EQ(dest.Shown(3, 4), 0x0000FFu);
    EXPECT_EQ(dest.Shown(4, 5), 0x0000FFu);
    EXPECT_EQ(dest.Shown(5, 4), 0x00FF00u);
    EXPECT_EQ(dest.Shown(6, 5), 0x00FF00u);
    EXPECT_EQ(dest.Shown(7, 4), dest.Shown(0, 0));  // nothing past the rectangle

    // Plus and minus pictures: kept, and loaded from their files.
    OutlineRig rig;
    PictureHolder plus, minus;
    std::vector<std::string> asked;
    rig.otl.LoadPicture = [&](const std::string& file, Bitmap32& picture) {
        asked.push_back(file);
        picture = Bitmap32(9, 9, 0x123456);
        return true;
    };
    rig.otl.OutlinePlusMinusSetup(plus, "plus.bmp", minus, "");
    EXPECT_EQ(rig.otl.gPlusPic, &plus);
    EXPECT_EQ(rig.otl.gMinusPic, &minus);
    EXPECT_EQ(asked, (S{"plus.bmp"}));
    EXPECT_EQ(plus.Picture.Width, 9);
    EXPECT_EQ(minus.Picture.Width, 0);
    // A file that cannot be loaded is an error report.
    rig.otl.LoadPicture = [](const std::string&, Bitmap32&) { return false; };
    EXPECT_THROW(rig.otl.OutlinePlusMinusSetup(plus, "", minus, "broken.bmp"), ErrorReported);
}
