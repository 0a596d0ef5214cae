#pragma once
// The one error type of the program. Run-time failures carry Visual Basic's
// error numbers so that messages, logs and the error report read the same as
// the rest of the system expects (53 file not found, 70 permission denied...).
#include <stdexcept>
#include <string>

namespace vberr {
constexpr long kOverflow = 6;
constexpr long kSubscriptOutOfRange = 9;
constexpr long kTypeMismatch = 13;
constexpr long kBadFileNameOrNumber = 52;
constexpr long kFileNotFound = 53;
constexpr long kBadFileMode = 54;
constexpr long kFileAlreadyOpen = 55;
constexpr long kDeviceIO = 57;
constexpr long kFileAlreadyExists = 58;
constexpr long kDiskFull = 61;
constexpr long kInputPastEnd = 62;
constexpr long kTooManyFiles = 67;
constexpr long kPermissionDenied = 70;
constexpr long kDiskNotReady = 71;
constexpr long kPathFileAccess = 75;
constexpr long kPathNotFound = 76;
constexpr long kObjectNotSet = 91;
constexpr long kInvalidProcedureCall = 5;
constexpr long kOwnFailure = 32000;      // the program's own failure, see oDebug status words
constexpr long kCancelError = 32755;     // a common dialog cancelled with CancelError set
}  // namespace vberr

class VBError : public std::runtime_error {
public:
    VBError(long number, std::string description, std::string source = {}, std::string location = {});

    long Number;
    std::string Description;
    std::string Source;
    std::string Location;  // what was being done: a file name, a step
};

// The Visual Basic description text of an error number ("File not found").
std::string fsErrorDescription(long number);

// Maps an errno value to the Visual Basic error number of the same failure.
long fnErrnoToVB(int err);

// Raises the Visual Basic error that corresponds to errno, naming the file.
[[noreturn]] void RaiseErrno(int err, const std::string& path, const std::string& source = {});

[[noreturn]] void RaiseError(long number, const std::string& source = {}, const std::string& description = {});
