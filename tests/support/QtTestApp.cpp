#include "QtTestApp.h"

#include <QApplication>
#include <filesystem>

#include "TestSupport.h"

namespace testsupport {

void EnsureQApplication() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "zelker-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}

std::string PicturePath(const std::string& name) {
    std::filesystem::path dir = std::filesystem::path(BuildDir()) / "pictures";
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

}  // namespace testsupport
