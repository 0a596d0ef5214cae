#pragma once
// A fresh options model in the dialog's design state over the first-run
// settings, with the page rules as its handlers.
#include <gtest/gtest.h>

#include "options/OptionControls.h"
#include "settings/ProgramOptions.h"
#include "options/OptionsChanged.h"
#include "options/OptionsDesign.h"
#include "options/OptionsMapping.h"
#include "options/PageRules.h"
#include "common/clsCommonDialog.h"
#include "settings/mINIHandler.h"
#include "common/mKEMCommon.h"

class OptionsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        oCommonDialog = std::make_unique<clsCommonDialog>();
        sbGetINIInfo(goOptions);  // no settings file: every first-run value
        gblnOptionsChanged = false;
    }
    static OptionControls Design() {
        OptionControls c;
        BuildOptionsDesign(c);
        c.SetHandler(OptionsPageRules);
        return c;
    }
    // The design with the settings copied in, not yet counted as changed.
    static OptionControls Restored() {
        OptionControls c = Design();
        sbRestoreOptions(c, goOptions);
        gblnOptionsChanged = false;
        return c;
    }
};
