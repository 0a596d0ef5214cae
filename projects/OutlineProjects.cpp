// The outline of the loaded projects: a node for each project, a heading for
// each run of component lines of one kind and a node for each component
// file; what is known of the current file; the selection commands and the
// choice handed back when the user confirms.
#include <filesystem>
#include <set>
#include <utility>

#include "common/AppIdentity.h"
#include "platform/Clock.h"
#include "common/ErrorTrap.h"
#include "platform/PictureBox.h"
#include "projects/ProjectSelection.h"
#include "platform/UiServices.h"
#include "platform/VBText.h"
#include "settings/cINIHandler.h"
#include "projects/cProjectFiles.h"
#include "projects/cotlControl.h"
#include "common/mKEMCommon.h"

namespace {

const char* HeadingText(LineKind kind) {
    switch (kind) {
        case LineKind::Form: return "Forms";
        case LineKind::Module: return "Modules";
        case LineKind::Class: return "Classes";
        case LineKind::UserControl: return "User Controls";
        case LineKind::UserDocument: return "User Documents";
        case LineKind::PropertyPage: return "Property Pages";
        case LineKind::Designer: return "Designers";
        case LineKind::Reference: return "References";
        case LineKind::Object: return "Objects";
        default: return nullptr;
    }
}

const std::string kPrinterSection = "Zembrock Quindy Printer for Visual Basic";

// The two parts of a history record ("file time|time of the save"); both
// empty for a value that holds no bar.
std::pair<std::string, std::string> HistoryRecord(cINIHandler& history, const std::string& section,
                                                  const std::string& file) {
    history.Section(section);
    const std::string value = history.ReadString(file, "");
    const std::vector<std::string> parts = vb::Split(value, "|");
    if (value.empty() || parts.size() < 2) return {};
    return {parts[0], parts[1]};
}

}  // namespace

void cotlControl::OutlineSetData(const std::string& historyFile) {
    std::vector<OtlNode> nodes;
    LevelCount_ = 3;
    for (long p = 1; p <= oProjectFiles->Count(); ++p) {
        const cProjectFile& project = oProjectFiles->Item(p);
        OtlNode own;
        own.Text = project.FileNameBase + "(" + project.FileNameBase + project.FileNameExt + ")";
        own.Visible = true;
        own.Key = {p, 0};
        nodes.push_back(own);
        LineKind lastHeading = LineKind::None;
        for (long r : ListedLines(project)) {
            const cProjectLine& line = project.ProjectRecords.Item(r);
            if (line.FileType != lastHeading && HeadingText(line.FileType)) {
                OtlNode heading;
                heading.Text = HeadingText(line.FileType);
                heading.Level = 1;
                heading.Visible = true;
                heading.CheckmarkFlag = IsComponentKind(line.FileType);
                nodes.push_back(heading);
            }
            lastHeading = line.FileType;
            OtlNode file;
            file.Text = line.VBName + "(" + line.FileName + ")";
            file.Level = LevelCount_ - 1;
            file.CheckmarkFlag = IsComponentKind(line.FileType);
            file.Key = {p, r};
            nodes.push_back(file);
        }
    }
    SetNodes(std::move(nodes));
    if (Checkmarks_) CheckMarkParents();
    SetKEMInfo(historyFile);
}

void cotlControl::SetKEMInfo(const std::string& historyFile) {
    Trapped("SetKEMInfo line: 0", [&] {
        KEM_.assign(static_cast<size_t>(oProjectFiles->Count()) + 1, {});
        History_ = std::make_unique<cINIHandler>();
        History_->INIFileName(historyFile);
        for (long p = 1; p <= oProjectFiles->Count(); ++p) {
            const cProjectFile& project = oProjectFiles->Item(p);
            std::vector<KEMInfo>& row = KEM_[static_cast<size_t>(p)];
            row.assign(static_cast<size_t>(project.ProjectRecords.Count()) + 1, {});
            for (long r = 1; r <= project.ProjectRecords.Count(); ++r) {
                const cProjectLine& line = project.ProjectRecords.Item(r);
                KEMInfo& info = row[static_cast<size_t>(r)];
                if (!IsComponentKind(line.FileType)) {
                    info.NotASource = true;
                    continue;
                }
                info.Modified = true;
                // A file that vanished since the project was read has no
                // time stamp: it shows none and counts as modified.
                DateTime now;
                bool exists = true;
                try {
                    now = datetime::FileDateTime(line.WholeFile);
                    info.CurrentStamp = datetime::GeneralDate(now);
                } catch (const VBError&) {
                    exists = false;
                }
                std::tie(info.FileTimeAtPrint, info.LastPrint) = HistoryRecord(*History_, kPrinterSection, line.WholeFile);
                std::tie(info.FileTimeAtZelk, info.LastZelk) =
                    HistoryRecord(*History_, app::kFileDescription, line.WholeFile);
                DateTime zelked, atZelk;
                if (exists && datetime::Parse(info.LastZelk, zelked) && datetime::Parse(info.FileTimeAtZelk, atZelk) &&
                    now <= atZelk)
                    info.Modified = false;
            }
        }
    });
}

const KEMInfo& cotlControl::Info(long project, long line) const {
    static const KEMInfo none;
    if (project < 1 || static_cast<size_t>(project) >= KEM_.size()) return none;
    const auto& row = KEM_[static_cast<size_t>(project)];
    return line >= 1 && static_cast<size_t>(line) < row.size() ? row[static_cast<size_t>(line)] : none;
}

void cotlControl::DisplayData() {
    Trapped("DisplayData line: 0", [&] {
        if (CurrentNode_ < 1 || CurrentNode_ >= UpperBound()) return;
        const OtlNode& node = Nodes_[static_cast<size_t>(CurrentNode_)];
        if (!node.Text.empty() && node.Text[0] == '-') return;
        if (node.Level == 0) {
            lstInfo_->Clear();
            picInfo_->SetVisible(false);
            lstInfo_->SetVisible(true);
            if (node.Key.Project == 0) return;
            for (const cProjectLine& line : oProjectFiles->Item(node.Key.Project))
                if (line.FileType == LineKind::None || line.FileType == LineKind::Other) lstInfo_->AddItem(line.AsRecord);
            return;
        }
        lstInfo_->SetVisible(false);
        for (const char* quiet : {"Forms", "Classes", "Modules", "Objects", "References"})
            if (node.Text == quiet) {
                picInfo_->SetVisible(false);
                return;
            }
        picInfo_->SetVisible(true);
        picInfo_->Cls();
        if (node.Key.Project == 0) return;
        const cProjectLine& line = oProjectFiles->Item(node.Key.Project).ProjectRecords.Item(node.Key.Line);
        const KEMInfo& info = Info(node.Key.Project, node.Key.Line);
        picInfo_->Print("File = " + line.FileName);
        // The date and size are looked up at the file's full path: the name
        // as the project writes it is relative to the project's folder, not
        // to the current one. A file that cannot be found leaves them out.
        try {
            picInfo_->Print("Date Updated = " + datetime::GeneralDate(datetime::FileDateTime(line.WholeFile)));
        } catch (const VBError&) {
        }
        std::error_code error;
        const auto size = std::filesystem::file_size(line.WholeFile, error);
        if (!error) picInfo_->Print("Size = " + vb::Format(static_cast<double>(size), "##,##0"));
        picInfo_->Print("");
        picInfo_->Print("Last Quindy Print = " + info.LastPrint);
        picInfo_->Print("Last Zelk = " + info.LastZelk);
    });
}

void cotlControl::SelectAll() {
    Trapped("SelectAll", [&] {
        for (OtlNode& node : Nodes_)
            if (node.CheckmarkFlag) node.Selected = 1;
        // The folders show the new ticks at once.
        CheckMarkParents();
        Changed_ = true;
        OutlineRefresh();
    });
}

void cotlControl::DeselectAll() {
    for (OtlNode& node : Nodes_) node.Selected = 0;
    Changed_ = true;
    OutlineRefresh();
}

void cotlControl::SelectNewer() {
    Trapped("SelectNewer line: 0", [&] {
        long count = 0;
        for (OtlNode& node : Nodes_)
            if (node.CheckmarkFlag && node.Key.Project > 0 && Info(node.Key.Project, node.Key.Line).Modified) {
                node.Selected = 1;
                ++count;
            }
        if (count == 0) {
            Ui().MsgBox("There are no files that have been modified since the last zelk.", mb::vbExclamation,
                        app::kTitle);
            return;
        }
        CheckMarkParents();
        Changed_ = true;
        OutlineRefresh();
    });
}

void cotlControl::GetSelected(bool& ok) {
    Trapped("cotlControl::GetSelected line: 0", [&] {
        std::set<std::pair<long, long>> ticked;
        for (const OtlNode& node : Nodes_)
            if (node.Level == LevelCount_ - 1 && node.Selected != 0) ticked.insert({node.Key.Project, node.Key.Line});
        ok = AppendProjectSelection(
                 *oProjectFiles, [&](long p, long r) { return ticked.count({p, r}) > 0; }, *oFile) > 0;
    });
}
