// The print command: finding the printing program, and which file it is
// given, as one argument, through the scripted launcher.
#include "engine/EngineState.h"
#include "SessionFixture.h"

namespace {

class Print : public SessionFixture {
protected:
    std::string printer;
    void SetUp() override {
        SessionFixture::SetUp();
        const std::string folder = testsupport::MakeDir("Quindy Printer");
        printer = folder + "/vodu32";
        testsupport::WriteFile(printer, "#!/bin/sh\n");
        w.settings.gsQuindyPrinter = printer;
        ui.StartedPrograms.clear();
    }
    std::vector<std::vector<std::string>> Started() const { return ui.StartedPrograms; }
    using Run = std::vector<std::vector<std::string>>;
};

}  // namespace

TEST_F(Print, HandsTheRightFileAsOneArgument) {
    const std::string source = Source("My Module.bas");
    Open({source});
    // Not zelked: the source itself.
    mnuFilePrint_Click(w);
    EXPECT_EQ(Started(), (Run{{printer, source}}));

    // Zelked and not saved: refused.
    mnuProcessZelk_Click(w);
    Prompts();
    mnuFilePrint_Click(w);
    EXPECT_EQ(Prompts(), (Names{"The Zelked file must be saved before Quindy Printing.\r\n"
                                "Please Save the File and then Request Print Again."}));
    EXPECT_EQ(ui.Messages.back().Title, "File Not Saved");
    EXPECT_EQ(Started().size(), 1u);

    // Saved (the session stays open after Save All): the saved file, whole.
    mnuFileSaveAll_Click(w);
    mnuFilePrint_Click(w);
    ASSERT_EQ(Started().size(), 2u);
    EXPECT_EQ(Started()[1], (std::vector<std::string>{printer, source}));
}

TEST_F(Print, ASavedFileNamedTmpIsNotTakenForUnsavedOutput) {
    Open({Source("Clean.bas")});
    const std::string saved = paths::Join(dir, "Kept.tmp");
    testsupport::WriteFile(saved, kClean);
    gsTempOutFile[1] = saved + "  ";
    mnuFilePrint_Click(w);
    EXPECT_EQ(Started(), (Run{{printer, saved}}));
    EXPECT_TRUE(Prompts().empty());
}

TEST_F(Print, AFailureToStartIsAMessage) {
    const std::string source = Source("Clean.bas");
    Open({source});
    ui.StartProgramResult = false;
    mnuFilePrint_Click(w);
    EXPECT_EQ(Prompts(), (Names{"Quindy Printer could not be started:\r\n" + printer}));
    EXPECT_EQ(oFile->Count(), 1);  // the session goes on
}

TEST_F(Print, IdentifyingThePrintingProgram) {
    EXPECT_TRUE(fbQuindyPrinterIdentified(w.settings));
    for (const std::string& stored :
         {std::string(), paths::Join(dir, "missing/vodu32"), paths::Join(dir, "Clean.bas")}) {
        Source("Clean.bas");
        w.settings.gsQuindyPrinter = stored;
        EXPECT_FALSE(fbQuindyPrinterIdentified(w.settings)) << stored;
    }
    const std::string upper = paths::Join(dir, "VODU32.EXE");
    testsupport::WriteFile(upper, "");
    w.settings.gsQuindyPrinter = upper;
    EXPECT_TRUE(fbQuindyPrinterIdentified(w.settings));  // letter case does not matter

    const std::string source = Source("Clean.bas");
    Open({source});
    const std::string question = "Quindy Printer has not been identified.\r\nDo you want to identify it now?";

    // Declined: nothing started, the path kept.
    w.settings.gsQuindyPrinter = "/nowhere/vodu32";
    Answer({mb::vbNo});
    mnuFilePrint_Click(w);
    EXPECT_EQ(Prompts(), (Names{question}));
    EXPECT_EQ(status.Text, "Quindy Printer not Identified");
    EXPECT_EQ(w.settings.gsQuindyPrinter, "/nowhere/vodu32");

    // Cancelled in the dialog: the stored path is forgotten.
    Answer({mb::vbYes});
    ui.FileDialogAnswers.push_back(FileDialogResult{});
    const size_t asked = ui.FileDialogRequests.size();
    mnuFilePrint_Click(w);
    EXPECT_EQ(w.settings.gsQuindyPrinter, "");
    ASSERT_EQ(ui.FileDialogRequests.size(), asked + 1);
    const FileDialogRequest& request = ui.FileDialogRequests.back();
    EXPECT_EQ(request.Title, "Looking for Quindy Printer");
    EXPECT_EQ(request.InitDir, paths::ProgramDir());  // the program's own folder
    EXPECT_EQ(request.Filter, "Quindy Printer 32-bit|VODU32.EXE;VODU32");
    EXPECT_FALSE(request.MultiSelect);
    EXPECT_TRUE(Started().empty());

    // A chosen program is stored and started at once, whatever its name;
    // the next print asks again when the name lacks "vodu32".
    const std::string other = paths::Join(dir, "lpr-wrapper");
    testsupport::WriteFile(other, "");
    Answer({mb::vbYes});
    FileDialogResult chosen;
    chosen.Accepted = true;
    chosen.Files = {other};
    ui.FileDialogAnswers.push_back(chosen);
    Prompts();
    mnuFilePrint_Click(w);
    EXPECT_EQ(w.settings.gsQuindyPrinter, other);
    EXPECT_EQ(Started(), (Run{{other, source}}));
    Answer({mb::vbNo});
    mnuFilePrint_Click(w);
    EXPECT_EQ(Prompts(), (Names{question, question}));
}
