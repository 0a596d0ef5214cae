#include <gtest/gtest.h>

namespace testsupport {
void InstallListener();
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    testsupport::InstallListener();
    return RUN_ALL_TESTS();
}
