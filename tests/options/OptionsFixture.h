#pragma once
// A fresh options model in the dialog's design state over the first-run
// settings, with the page rules as its handlers. The first-run settings are
// the fixture's options value: the one the rules judge, the dialog edits and
// the mapping fills.
#include <gtest/gtest.h>

#include "Lend.h"
#include "options/OptionControls.h"
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
    testsupport::Lend<std::unique_ptr<clsCommonDialog>> dialog{oCommonDialog, std::make_unique<clsCommonDialog>()};
    testsupport::Lend<bool> changed{gblnOptionsChanged, false};

    void SetUp() override {
        sbGetINIInfo(options);  // no settings file: every first-run value
    }
    // The design state with the rules judging the given stored options.
    static OptionControls DesignOver(ZelkOptions& saved) {
        OptionControls c;
        BuildOptionsDesign(c);
        c.SetHandler(PageRulesOver(saved));
        return c;
    }
    OptionControls Design() { return DesignOver(options); }
    // The design with the settings copied in, not yet counted as changed.
    OptionControls Restored() {
        OptionControls c = Design();
        sbRestoreOptions(c, options);
        gblnOptionsChanged = false;
        return c;
    }
};
