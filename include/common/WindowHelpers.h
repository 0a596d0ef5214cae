#pragma once
// Small helpers the whole program calls.
#include <string>

class ICaption;

// True when the named file can be opened for reading (a directory, an empty
// name or a name with wildcards counts as missing).
bool FileExists(const std::string& sFile);

// Splits a path at its last separator: the directory keeps the separator.
void sbFileNameFromDir(const std::string& sPath, std::string& sFileName, std::string& sDir);

// Shows a message in a caption only when it differs; an empty message shows
// "Ready"; blnWait adds ", please wait ...".
void sbMsgBar(const std::string& sMsg, bool blnWait, ICaption* ctl);
