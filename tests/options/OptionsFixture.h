#pragma once
// A fresh options model in the dialog's design state over the first-run
// settings, with the page rules as its handlers. The first-run settings are
// the fixture's options value and, for the dialog and its rules, which read
// the program's options, the program's options while the test runs.
#include <gtest/gtest.h>

#include <optional>

#include "options/OptionControls.h"
#include "ProgramOptionsScope.h"
#include "options/OptionsChanged.h"
#include "options/OptionsDesign.h"
#include "options/OptionsMapping.h"
#include "options/PageRules.h"
#include "common/clsCommonDialog.h"
#include "settings/mINIHandler.h"
#include "common/mKEMCommon.h"

class OptionsFixture : public ::testing::Test {
protected:
    ZelkOptions options;
    std::optional<ProgramOptionsScope> program;

    void SetUp() override {
        oCommonDialog = std::make_unique<clsCommonDialog>();
        sbGetINIInfo(options);  // no settings file: every first-run value
        program.emplace(options);
        gblnOptionsChanged = false;
    }
    static OptionControls Design() {
        OptionControls c;
        BuildOptionsDesign(c);
        c.SetHandler(OptionsPageRules);
        return c;
    }
    // The design with the settings copied in, not yet counted as changed.
    OptionControls Restored() const {
        OptionControls c = Design();
        sbRestoreOptions(c, options);
        gblnOptionsChanged = false;
        return c;
    }
};
