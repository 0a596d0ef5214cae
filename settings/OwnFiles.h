#pragma once
// The program's own files a settings load falls back on (the dictionaries
// and the comment-block templates), each looked for once a load however many
// keys fall back on it.
#include <string>
#include <utility>
#include <vector>

class OwnFiles {
public:
    // The file's path in the program's folder, or the empty text when it is
    // not there.
    std::string PathOrEmpty(const std::string& fileName);

private:
    std::vector<std::pair<std::string, std::string>> looked_;  // name, answer
};
