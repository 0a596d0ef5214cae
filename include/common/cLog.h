#pragma once
// The trace and debug log. Lines logged while no file is open wait in a
// circular queue of 100 lines and are written, oldest first, when a file is
// opened. The log also keeps the list of procedures currently entered, which
// the error report prints.
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class cLog {
public:
    static constexpr int kQueueSize = 100;

    cLog();
    ~cLog();
    cLog(const cLog&) = delete;
    cLog& operator=(const cLog&) = delete;

    bool LogTraceLogging = false;

    void LogTraceEnter(const std::string& procName, const std::string& moduleName = {},
                       const std::string& additionalInfo = {});
    void LogTraceExit(const std::string& procName, const std::string& moduleName = {},
                      const std::string& additionalInfo = {});
    void LogData(const std::string& message);
    // Logs a text that was also shown to the user as one entry between a line
    // "=====>" and a line "<====="; `after` follows the closing line.
    void LogBlock(const std::string& text, const std::string& after = {});
    // Mode 1 creates a new file; any other value appends.
    void LogOpen(const std::string& fileName, long openMode);
    void LogClose();
    void LogEnd();
    std::string LogGetProcs();

    const std::string& LogFileName() const { return fileName_; }
    void LogFileName(const std::string& name) { fileName_ = name; }
    void Queueing(bool on);

    bool IsOpen() const { return file_ != nullptr; }
    int Depth() const { return depth_; }
    int QueuedCount() const { return queueCount_; }
    // Milliseconds since the log was created.
    int32_t ElapsedMs() const;

private:
    void GenerateLogHeader();
    void WriteLine(const std::string& line);
    void EmitQueue();
    void CloseFile();
    std::string TraceMessage(const char* arrow, const std::string& procName, const std::string& moduleName,
                             const std::string& additionalInfo) const;

    std::FILE* file_ = nullptr;
    std::string fileName_;
    std::vector<std::string> callList_;
    int depth_ = 0;
    std::array<std::string, kQueueSize> queue_;
    int queueHead_ = 0;   // slot of the oldest waiting line
    int queueCount_ = 0;  // waiting lines
    bool queueing_ = true;
    uint32_t startTick_ = 0;
};
