#include "common/cLog.h"

#include <cerrno>
#include <cstring>

#include "common/AppIdentity.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/UiServices.h"
#include "platform/VBError.h"
#include "platform/VBText.h"
#include "common/cAppInfo.h"
#include "common/mKEMCommon.h"

namespace {
constexpr const char* kEnterArrow = "->";
constexpr const char* kExitArrow = "<-";
}  // namespace

cLog::cLog() {
    startTick_ = Clock().TickCount();
    DateTime now = Clock().Now();
    LogData("cLog.cls Version 1 Dated 8/27/98\r\n Date =" + datetime::ShortDate(now) + " Time =" +
            datetime::LongTime(now) + "\r\n Timer =" + vb::Str(static_cast<double>(ElapsedMs())));
    callList_.assign(101, std::string());
}

cLog::~cLog() { CloseFile(); }

int32_t cLog::ElapsedMs() const { return static_cast<int32_t>(Clock().TickCount() - startTick_); }

std::string cLog::TraceMessage(const char* arrow, const std::string& procName, const std::string& moduleName,
                               const std::string& additionalInfo) const {
    std::string msg = procName;
    if (msg.size() > 1 && msg.compare(0, 2, arrow) != 0) msg = arrow + msg;
    if (!moduleName.empty()) msg += ": " + moduleName;
    if (!additionalInfo.empty()) msg += ": " + additionalInfo;
    return msg;
}

void cLog::LogTraceEnter(const std::string& procName, const std::string& moduleName,
                         const std::string& additionalInfo) {
    LogData(TraceMessage(kEnterArrow, procName, moduleName, additionalInfo));
}

void cLog::LogTraceExit(const std::string& procName, const std::string& moduleName,
                        const std::string& additionalInfo) {
    LogData(TraceMessage(kExitArrow, procName, moduleName, additionalInfo));
}

void cLog::LogData(const std::string& message) {
    std::string line;
    bool enter = message.compare(0, 2, kEnterArrow) == 0;
    bool exit = message.compare(0, 2, kExitArrow) == 0;
    if (enter) {
        ++depth_;
        if (depth_ >= static_cast<int>(callList_.size())) callList_.resize(callList_.size() + 50);
        callList_[depth_] = message;
    } else if (exit) {
        if (--depth_ < 0) depth_ = 0;
    }
    if (enter || exit)
        line = vb::Format(ElapsedMs(), "0000000") + ", " + vb::Format(depth_, "000") + ", " + message;
    else
        line = " " + message;
    WriteLine(line);
}

void cLog::LogBlock(const std::string& text, const std::string& after) {
    LogData("=====>\r\n" + text + "\r\n<=====" + after);
}

void cLog::WriteLine(const std::string& line) {
    if (file_) {
        std::fputs(line.c_str(), file_);
        std::fputs("\r\n", file_);
        return;
    }
    if (!queueing_) return;
    if (queueCount_ < kQueueSize) {
        queue_[(queueHead_ + queueCount_) % kQueueSize] = line;
        ++queueCount_;
    } else {
        // Full: the newest line takes the place of the oldest.
        queue_[queueHead_] = line;
        queueHead_ = (queueHead_ + 1) % kQueueSize;
    }
}

void cLog::CloseFile() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

void cLog::LogOpen(const std::string& fileName, long openMode) {
    if (LogTraceLogging) {
        LogTraceEnter("LogOpen", "cLog.CLS");
        LogData("FileName=<" + fileName + ">\r\n Mode=<" + std::to_string(openMode) + ">");
    }
    // A log that is already open is closed first, so that no handle is lost.
    CloseFile();
    if (!fileName.empty()) fileName_ = fileName;
    else if (fileName_.empty()) fileName_ = paths::Join(paths::ProgramDir(), paths::ExeName() + ".LOG");

    std::string error;
    file_ = std::fopen(fileName_.c_str(), openMode == 1 ? "wb" : "ab");
    if (!file_) {
        error = fsErrorDescription(fnErrnoToVB(errno));
    } else {
        std::setvbuf(file_, nullptr, _IOLBF, 8192);
        GenerateLogHeader();
        if (std::ferror(file_)) {
            error = fsErrorDescription(vberr::kDeviceIO);
            CloseFile();
        }
    }
    if (!error.empty()) {
        std::string text = "LogOpen Open Error\r\n\r\nUnable to open Log-file\r\n" + fileName_ +
                           "\r\ndue to the following error:\r\n" + error +
                           "\r\n\r\nLog-file messages will be queued";
        Ui().MsgBox(text, mb::vbExclamation, app::kTitle);
        LogBlock(text);
        return;
    }
    EmitQueue();
    if (LogTraceLogging) LogTraceExit("LogOpen", "cLog.CLS");
}

void cLog::GenerateLogHeader() {
    LogData("=====> \r\n" + app::kProductName + " " + (oAppInfo ? oAppInfo->AppVersion() : std::string()) +
            "\r\n" + paths::Join(paths::ProgramDir(), paths::ExeName()) + "\r\n<=====");
    LogData("Logfile " + fileName_ + " Created " + datetime::Format(Clock().Now(), "yyyy/mm/dd hh:mm:ss"));
}

void cLog::EmitQueue() {
    if (queueCount_ == 0) return;
    LogData("-----Emitting Queued Messages-----");
    for (int i = 0; i < queueCount_; ++i) {
        std::string& line = queue_[(queueHead_ + i) % kQueueSize];
        WriteLine(line);
        line.clear();
    }
    queueHead_ = 0;
    queueCount_ = 0;
    LogData("-----End Emitting Queued Messages-----");
}

void cLog::LogClose() {
    if (LogTraceLogging) LogTraceEnter("LogClose");
    CloseFile();
    for (auto& l : queue_) l.clear();
    queueHead_ = 0;
    queueCount_ = 0;
    if (LogTraceLogging) LogTraceExit("LogClose");
}

void cLog::LogEnd() {
    DateTime now = Clock().Now();
    LogData("Date=" + datetime::ShortDate(now) + " Time=" + datetime::LongTime(now) +
            " Timer=" + vb::Str(static_cast<double>(ElapsedMs())));
    if (LogTraceLogging) LogTraceEnter("LogEnd");
    LogClose();
    if (LogTraceLogging) LogTraceExit("LogEnd");
}

std::string cLog::LogGetProcs() {
    if (depth_ <= 0) return {};
    int depth = depth_;
    std::string result = "\r\nProcedure Call-list...";
    LogData("Procedure Call-list...");
    for (int i = 1; i <= depth; ++i) {
        // Written as plain lines: through LogData an entry's arrow would count
        // as another procedure entered.
        WriteLine(" " + callList_[i]);
        result += "\r\n" + callList_[i];
    }
    return result;
}

void cLog::Queueing(bool on) {
    if (LogTraceLogging) LogTraceEnter("Let Queueing", "cLog.CLS", std::string("Queueing=") + (on ? "True" : "False"));
    queueing_ = on;
    if (LogTraceLogging) LogTraceExit("Let Queueing", "cLog.CLS");
}
