#pragma once
// One node of the outline: a line of the tree at a fixed depth, its state
// of being shown, open and ticked, and the key its filler gave it.
#include <string>

// The caller's key of a node. The outline of the loaded projects keys a
// project node by its project's number and a file node by its project and
// its line in the project file, each in a field of its own so that no
// project is too long to address.
struct NodeKey {
    long Project = 0;
    long Line = 0;
    bool operator==(const NodeKey&) const = default;
};

struct OtlNode {
    std::string Text;
    int Level = 0;           // 0 top level; the deepest level holds the leaves
    bool Visible = false;    // shown: drawn, counted for scrolling, reached by the keys
    bool Expanded = false;   // an open branch
    long ScrollIndex = 0;    // position among the shown nodes, -1 when hidden
    std::string PictureFile; // a leaf's own picture; empty for the standard one
    int Selected = 0;        // 0 none, 1 checked (a branch: all), 2 some
    bool CheckmarkFlag = false;  // takes part in the selection commands
    NodeKey Key;
};
