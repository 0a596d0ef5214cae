#include "FileFailure.h"

bool fblnIsFileError(long number) {
    switch (number) {
        case vberr::kBadFileNameOrNumber:
        case vberr::kFileNotFound:
        case vberr::kBadFileMode:
        case vberr::kFileAlreadyOpen:
        case vberr::kDeviceIO:
        case vberr::kFileAlreadyExists:
        case vberr::kDiskFull:
        case vberr::kTooManyFiles:
        case vberr::kPermissionDenied:
        case vberr::kDiskNotReady:
        case vberr::kPathFileAccess:
        case vberr::kPathNotFound:
            return true;
        default:
            return false;
    }
}
