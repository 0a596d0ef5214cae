#pragma once
// The zelking loop: writes the parsed file into the temporary output.
void sbDoFile();
