#pragma once
// Memory of large arrays that are filled once, front to back.
#include <cstddef>

// Asks the system to back the given memory with huge pages where it can. A
// parse writes every element of its model arrays once; with small pages each
// first touch of a page is a fault, and on a machine where faults are dear
// they cost more than the parse's own work. A hint only: where the system
// does not take it (another platform, huge pages switched off, a block under
// the size of one huge page) nothing changes.
void AdviseHugePages(const void* data, std::size_t bytes);
