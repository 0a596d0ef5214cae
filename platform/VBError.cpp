#include "platform/VBError.h"

#include <cerrno>

VBError::VBError(long number, std::string description, std::string source, std::string location)
    : std::runtime_error(description.empty() ? fsErrorDescription(number) : description),
      Number(number),
      Description(description.empty() ? fsErrorDescription(number) : std::move(description)),
      Source(std::move(source)),
      Location(std::move(location)) {}

std::string fsErrorDescription(long number) {
    switch (number) {
        case vberr::kInvalidProcedureCall: return "Invalid procedure call or argument";
        case vberr::kOverflow: return "Overflow";
        case vberr::kSubscriptOutOfRange: return "Subscript out of range";
        case vberr::kTypeMismatch: return "Type mismatch";
        case vberr::kBadFileNameOrNumber: return "Bad file name or number";
        case vberr::kFileNotFound: return "File not found";
        case vberr::kBadFileMode: return "Bad file mode";
        case vberr::kFileAlreadyOpen: return "File already open";
        case vberr::kDeviceIO: return "Device I/O error";
        case vberr::kFileAlreadyExists: return "File already exists";
        case vberr::kDiskFull: return "Disk full";
        case vberr::kInputPastEnd: return "Input past end of file";
        case vberr::kTooManyFiles: return "Too many files";
        case vberr::kPermissionDenied: return "Permission denied";
        case vberr::kDiskNotReady: return "Disk not ready";
        case vberr::kPathFileAccess: return "Path/File access error";
        case vberr::kPathNotFound: return "Path not found";
        case vberr::kObjectNotSet: return "Object variable or With block variable not set";
        case vberr::kOwnFailure: return "Application-defined or object-defined error";
        case vberr::kCancelError: return "Cancel was selected.";
        default: return "Application-defined or object-defined error";
    }
}

long fnErrnoToVB(int err) {
    switch (err) {
        case ENOENT: return vberr::kFileNotFound;
        case ENOTDIR: return vberr::kPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY: return vberr::kPermissionDenied;
        case EISDIR:
        case ENAMETOOLONG:
        case ELOOP:
        case EINVAL: return vberr::kPathFileAccess;
        case EEXIST: return vberr::kFileAlreadyExists;
        case ENOSPC:
        case EDQUOT: return vberr::kDiskFull;
        case EMFILE:
        case ENFILE: return vberr::kTooManyFiles;
        case EBADF: return vberr::kBadFileNameOrNumber;
        case EIO: return vberr::kDeviceIO;
        default: return vberr::kPathFileAccess;
    }
}

void RaiseErrno(int err, const std::string& path, const std::string& source) {
    throw VBError(fnErrnoToVB(err), {}, source, path);
}

void RaiseError(long number, const std::string& source, const std::string& description) {
    throw VBError(number, description, source);
}
