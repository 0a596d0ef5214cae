#pragma once
// An ordinary file error during a run (the source vanished, the temporary
// folder is not writable, the disk is full) fails that one file: the per-file
// run reports it and the program goes on. It travels as FileFailure, which no
// procedure's error trap catches on its way up, so that it reaches the run.
#include "platform/VBError.h"

struct FileFailure {
    VBError Error;
};

// True for the run-time errors of files and folders.
bool fblnIsFileError(long number);

// Runs body, turning an ordinary file error into FileFailure.
template <class F>
auto FileFailing(F&& body) -> decltype(body()) {
    try {
        return body();
    } catch (const VBError& e) {
        if (fblnIsFileError(e.Number)) throw FileFailure{e};
        throw;
    }
}
