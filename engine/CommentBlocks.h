#pragma once
// Comment blocks: the procedures the zelking loop and the spelling pass call
// besides sbCommentBlockInsert (EngineCalls.h).
//
// How sbCommentBlockInsert and the loop share the work: `replaced` is the
// number of statements, from the insertion statement on, that the insertion
// consumed: the comment and blank lines it wrote ahead of the new block and
// the old block it replaced. The loop writes none of them and goes on with
// the statement after them; with 0 it writes the insertion statement as
// usual. A block that is not written (Skip, an empty or unreadable template)
// consumes nothing, so an old block then stays as it is.
#include <string>
#include <vector>

// Replaces the placeholders of a comment block; `ask` tells whether the text
// held "@Ask".
void sbParseCommentLine(std::string& text, bool& ask);

// Texts of the statements around stmt (-1: the statement being written):
// from stmt + offset on, count of them. With commentsOnly, the first token
// of each comment or blank line from index 1, ending at the first other
// statement; otherwise each statement's full text from index 0.
void sbGet5Lines(long stmt, int offset, int count, std::vector<std::string>& lines, bool commentsOnly);

// The block placed before a procedure heading in plain white-space mode:
// the blank line that separates the procedure from the code before it goes
// ahead of the block, not between the block and the heading. `lastText` is
// the last text the loop wrote; when a block was written it becomes empty,
// so that the heading gets no empty line of its own. Same `replaced` as
// sbCommentBlockInsert.
void CommentBlockBeforeHeading(long stmt, const std::string& kind, int& replaced, std::string& lastText);
