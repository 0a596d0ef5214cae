#include <iostream>

#include "DumpCommand.h"
#include "HeadlessCommand.h"
#include "HeadlessStartUp.h"

HeadlessCommand DumpHeadlessCommand() {
    return {"dump", "FILE", "prints the records, statements, tokens and procedure table the analyser makes of FILE", 1,
            [](const std::vector<std::string>& args) {
                HeadlessCreateObjects();
                return RunDump(args, std::cout);
            }};
}
