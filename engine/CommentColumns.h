#pragma once
// In-line comment placement and the spelling calls of the formatter.

// The record that a comment line standing before record `next` is tied to
// when the output is read again: the code line after it, past further
// comment lines; none after a blank line (0).
long TiedOnNextRead(long next);
