// Times the analyser on a generated module of 60,000 lines (the size the
// program must handle in well under a second) and prints the result.
//
//   analysis_parse_timing [LINES]
//
// Uses the keyword file beside the executable when there is one, otherwise a
// small keyword list of the block words, written to a temporary folder.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "analysis/FileParse.h"
#include "GeneratedModule.h"
#include "analysis/KeywordTable.h"
#include "platform/Paths.h"
#include "analysis/RecordReader.h"
#include "common/SharedState.h"
#include "analysis/SourceModel.h"
#include "common/mKEMCommon.h"

namespace fs = std::filesystem;

namespace {

const char* const kKeywords =
    "AS,*,-\r\nCASE,*,VYY\r\nDEBUG,*,-\r\nDIM,*,V\r\nDOUBLE,*,-\r\nELSE,*,VYY\r\nELSEIF,*,VYY\r\nEND,*,VNY\r\n"
    "ERROR,*,-\r\nEXIT,*,V\r\nFOR,*,VYN\r\nFUNCTION,*,V\r\nGOTO,*,V\r\nIF,*,VYN\r\nINTEGER,*,-\r\nIS,*,-\r\n"
    "LET,*,V\r\nLONG,*,-\r\nNEXT,*,VNY\r\nON,*,V\r\nPRINT,*,V\r\nPUBLIC,4,V--Y\r\nRESUME,*,V\r\nSELECT,*,VYN\r\n"
    "THEN,*,-\r\nTO,*,-\r\n";

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
    long lines = argc > 1 ? std::atol(argv[1]) : 60000;
    fs::path work = fs::temp_directory_path() / ("zelker-timing-" + std::to_string(::getpid()));
    fs::create_directories(work);
    fs::path keywords = fs::path(paths::ProgramDir()) / kKeyWordFileName;
    if (!fs::exists(keywords)) {
        std::ofstream(work / kKeyWordFileName, std::ios::binary) << kKeywords;
        ::setenv("ZELKER_PROGRAM_DIR", work.c_str(), 1);
    }
    ::setenv("ZELKER_CONFIG_DIR", work.c_str(), 1);
    oZel = std::make_unique<cVEZUZ>();
    sbCommonInit("");
    oDebug->LogApp = false;  // as the default settings have it
    BabInit();

    fs::path source = work / "Timing.bas";
    std::ofstream(source, std::ios::binary) << GenerateModule(lines);

    // The record reader and tokenizer alone.
    auto start = std::chrono::steady_clock::now();
    {
        SourceModel read;
        BabInitFile(read, "6");
        SourceParse parse(read);
        parse.input.Open(source.string());
        while (oDebug->StatusCode == 0) ReadRecordExtractTokens(parse, false);
        double readSeconds = Seconds(start);
        std::printf("lines %ld: records %ld, tokens %ld, read and tokenized in %.3f s (status %d)\n", lines,
                    read.glRecordCount, read.glTokenCount, readSeconds, oDebug->StatusCode);
    }

    // The whole per-file parse: statements, groups, levels, procedure table.
    cFileDesc entry;
    entry.FileName = source.string();
    oFile->Add(entry);
    oDebug->ClearStatus();
    start = std::chrono::steady_clock::now();
    const SourceModel parsed = ProcessSelectedFile(1, "M");
    double parseSeconds = Seconds(start);
    std::printf("lines %ld: records %ld, statements %ld, tokens %ld, procedures %zu, parsed in %.3f s (status %d)\n",
                lines, parsed.glRecordCount, parsed.glStmtCount, parsed.glTokenCount, parsed.gtProcTable.size(),
                parseSeconds, oDebug->StatusCode);
    int result = oDebug->StatusCode == 0 ? 0 : 1;

    fs::remove_all(work);
    return result;
}
