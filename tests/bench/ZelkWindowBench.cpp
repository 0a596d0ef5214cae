// How much the main window costs a zelk (see README.md):
//
//   zelk_window_bench [--runs N] [--lines N] [FILE]
//
// Zelks a generated module of LINES lines (default 60,000), or FILE, by the
// program's own per-file run, in turn without a window (with the command-line
// tool's services) and with the main window shown on the offscreen platform, its
// progress panel and status bar driven as in the program. Prints the median
// wall time of each, their ratio, and the longest time the window's events
// waited during the windowed runs (how long a click on Cancel can wait).
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "engine/FileLog.h"
#include "settings/ProgramOptions.h"
#include "GeneratedModule.h"
#include "HeadlessStartUp.h"
#include "common/IProgressView.h"
#include "analysis/KeywordTable.h"
#include "engine/ProcessFile.h"
#include "platform_ui/QtUiServices.h"
#include "mainwindow_ui/frmZelker.h"
#include "common/mKEMCommon.h"
#include "platform/TextFile.h"

namespace fs = std::filesystem;

namespace {

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// One zelk of the session's only file; its wall time in seconds.
double ZelkOnce() {
    QElapsedTimer timer;
    timer.start();
    sbProcessFile(1, goOptions);
    const double seconds = static_cast<double>(timer.nsecsElapsed()) * 1e-9;
    if (oDebug->StatusCode != 0 || oAppInfo->WasCanceled) {
        std::cerr << "zelk_window_bench: the file was not zelked (status " << oDebug->StatusCode << ")\n";
        std::exit(1);
    }
    sbKillTemp(1);
    return seconds;
}

int Usage() {
    std::cerr << "usage: zelk_window_bench [--runs N] [--lines N] [FILE]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    long runs = 3, lines = 60000;
    std::string file;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--runs" || arg == "--lines") && i + 1 < argc) {
            long& value = arg == "--runs" ? runs : lines;
            value = std::atol(argv[++i]);
            if (value < 1) return Usage();
        } else if (arg[0] != '-' && file.empty() && fs::is_regular_file(arg)) {
            file = fs::absolute(arg).string();
        } else {
            return Usage();
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const fs::path work = fs::temp_directory_path() / ("zelker-window-bench-" + std::to_string(getpid()));
    fs::create_directories(work);
    qputenv("ZELKER_CONFIG_DIR", work.c_str());
    std::ofstream(work / "VEZUZ.INI", std::ios::binary) << "[Program]\r\nTabWidth=-1\r\n";
    if (file.empty()) {
        file = (work / "Timing.bas").string();
        std::ofstream(file, std::ios::binary) << GenerateModule(lines);
    }

    QApplication application(argc, argv);
    QtUiServices services;
    SetUi(&services);
    // A fixed date: the pause before each file costs nothing.
    static FakeClock clock;
    SetClock(&clock);
    HeadlessCreateObjects();
    HeadlessReadSettings();
    BabInit();
    cFileDesc entry;
    entry.FileName = file;
    oFile->Add(entry);
    sbSizeFileArrays(oFile->Count());
    giFileIndex = 1;

    oAppInfo->ShowOpenDialog = false;  // the file is given, not asked for
    frmZelker form;
    form.Form_Load();
    QApplication::processEvents();
    IProgressView* const panel = oProgressForm;
    IZelkWindow* const window = gfrmZelker;
    ICaption* const status = gctlStatus;

    // The longest wait of the window's events: a timer that wants to run
    // every millisecond runs only when events are let through.
    QElapsedTimer sinceEvents;
    qint64 longestWaitNs = 0;
    QTimer probe;
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        longestWaitNs = std::max(longestWaitNs, sinceEvents.nsecsElapsed());
        sinceEvents.restart();
    });

    std::vector<double> headless, windowed;
    // Without the window the services are the command-line tool's.
    ScriptedUiServices headlessServices;
    for (long r = 0; r < runs; ++r) {
        SetUi(&headlessServices);
        oProgressForm = nullptr;
        gfrmZelker = nullptr;
        gctlStatus = nullptr;
        headless.push_back(ZelkOnce());
        oProgressForm = panel;
        gfrmZelker = window;
        gctlStatus = status;
        SetUi(&services);
        sinceEvents.start();
        probe.start();
        windowed.push_back(ZelkOnce());
        probe.stop();
    }
    const double h = Median(headless), w = Median(windowed);
    const auto fileLines = static_cast<long>(textfile::CountLines(LineReader::ReadWhole(file)));
    std::printf("%s: %ld lines; median of %ld runs\n", file.c_str(), fileLines, runs);
    std::printf("without a window %8.1f ms\nwith the window  %8.1f ms (%.2f x)\nlongest wait of the window's events "
                "%.1f ms\n",
                h * 1000.0, w * 1000.0, w / h, static_cast<double>(longestWaitNs) * 1e-6);
    fs::remove_all(work);
    return 0;
}
