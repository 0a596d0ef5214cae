#include "common/WindowHelpers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/ErrorTrap.h"
#include "common/IProgressView.h"
#include "platform/Paths.h"
#include "common/Trace.h"

bool FileExists(const std::string& sFile) {
    return Trapped("MFILESET::FileExists", [&] {
        TraceGuard trace(TraceKind::App, "MFILESET::FileExists");
        if (sFile.empty() || sFile.find_first_of("*?") != std::string::npos) return false;
        int fd = ::open(sFile.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return false;
        struct stat st {};
        bool isFile = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
        ::close(fd);
        return isFile;
    });
}

void sbFileNameFromDir(const std::string& sPathIn, std::string& sFileName, std::string& sDir) {
    TraceGuard trace(TraceKind::App, "sbFileNameFromDir");
    const std::string sPath = sPathIn;  // the outputs may be the input itself
    size_t pos = sPath.rfind(paths::kSep);
    if (pos == std::string::npos) {
        sFileName = sPath;
        sDir.clear();
        return;
    }
    sFileName = sPath.substr(pos + 1);
    sDir = sPath.substr(0, pos + 1);
}

void sbMsgBar(const std::string& sMsg, bool blnWait, ICaption* ctl) {
    if (!ctl) return;
    if (ctl->Caption() == sMsg) return;
    if (sMsg.empty())
        ctl->SetCaption("Ready");
    else if (blnWait)
        ctl->SetCaption(sMsg + ", please wait ...");
    else
        ctl->SetCaption(sMsg);
}
