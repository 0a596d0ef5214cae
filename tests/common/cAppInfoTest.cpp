#include <gtest/gtest.h>

#include <regex>

#include "common/AppIdentity.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/Registry.h"
#include "common/RegistryEntry.h"
#include "ServiceScopes.h"
#include "TestSupport.h"
#include "common/mKEMCommon.h"

namespace {
void StoreOwn(const std::string& name, const std::string& value) {
    reg::CreateKey(reg::HKEY_LOCAL_MACHINE, app::RegistryKeyPath());
    reg::SetValue(reg::HKEY_LOCAL_MACHINE, app::RegistryKeyPath(), name, {reg::REG_SZ, value, 0});
}
const std::string kSetupPath = "Software\\Microsoft\\MS Setup (ACME)\\User Info";
}  // namespace

TEST(cAppInfo, VersionCarriesTheTimeWhenNoProgramFileIsFound) {
    FakeClock clock;
    clock.Current = {2026, 3, 4, 15, 6, 7};
    testsupport::ClockScope fixed{clock};
    EXPECT_EQ(oAppInfo->AppVersion(), "1.0.0 (3/4/2026 3:06:07 PM)");
    oAppInfo->IsBeta = true;
    EXPECT_EQ(oAppInfo->AppVersion(), "1.0.0 BETA (3/4/2026 3:06:07 PM)");
}

TEST(cAppInfo, VersionCarriesTheProgramFilesTime) {
    testsupport::WriteFile(testsupport::ProgramDir() + "/" + paths::ExeName() + ".VBP", "x");
    std::regex shape(R"(1\.0\.0 \(\d{1,2}/\d{1,2}/\d{4} \d{1,2}:\d{2}:\d{2} [AP]M\))");
    EXPECT_TRUE(std::regex_match(oAppInfo->AppVersion(), shape)) << oAppInfo->AppVersion();
}

TEST(cAppInfo, UserAndCompanyFromTheRegistry) {
    // Nothing stored: empty, so that the first run asks.
    EXPECT_EQ(oAppInfo->User(), "");
    EXPECT_EQ(oAppInfo->Company(), "");
    EXPECT_EQ(oAppInfo->KEMRegInfoGet("Name"), "UNKNOWN");

    oAppInfo = std::make_unique<cAppInfo>();
    StoreOwn("Name", "Ann");
    StoreOwn("Company", "");
    reg::CreateKey(reg::HKEY_CURRENT_USER, kSetupPath);
    reg::SetValue(reg::HKEY_CURRENT_USER, kSetupPath, "DefCompany", {reg::REG_SZ, "Setup Co", 0});
    EXPECT_EQ(oAppInfo->User(), "Ann");
    EXPECT_EQ(oAppInfo->Company(), "Setup Co");  // present but empty: the setup default
}

TEST(cAppInfo, SettersWriteOnlyRealChanges) {
    StoreOwn("Name", "Ann");
    std::string before = testsupport::ReadFile(reg::StoreFile());
    oAppInfo->User("Ann");
    EXPECT_EQ(testsupport::ReadFile(reg::StoreFile()), before);
    oAppInfo->User("");
    EXPECT_EQ(testsupport::ReadFile(reg::StoreFile()), before);
    EXPECT_EQ(oAppInfo->User(), "Ann");
    oAppInfo->User("Bob");
    EXPECT_EQ(oAppInfo->KEMRegInfoGet("Name"), "Bob");
    oAppInfo->Company("Acme  ");
    EXPECT_EQ(cAppInfo().Company(), "Acme  ");
}

TEST(cAppInfo, SetterFallsBackToTheAllUsersDefault) {
    reg::CreateKey(reg::HKEY_USERS, ".Default\\" + kSetupPath);
    reg::SetValue(reg::HKEY_USERS, ".Default\\" + kSetupPath, "DefName", {reg::REG_SZ, "Default Dan", 0});
    EXPECT_EQ(UserCoDef("DefName"), "Default Dan");
    oAppInfo->User("");
    EXPECT_EQ(oAppInfo->User(), "Default Dan");
}

TEST(RegistryEntry, ReadWriteDeleteAndFailures) {
    GetSetRegistryEntry access;
    RegistryEntry e;
    e.KeySection = reg::HKEY_LOCAL_MACHINE;
    e.KeyValue = "Software\\Test";
    e.Entry = "N";
    e.DataType = reg::REG_DWORD;
    EXPECT_FALSE(access.GetRegValue(e));
    EXPECT_EQ(e.ErrorMessage, "RegOpenKey Failed: Software\\Test");
    EXPECT_TRUE(e.IsNull());

    e.Value = int64_t{7};
    EXPECT_TRUE(access.SetRegValue(e));
    auto raw = reg::QueryValue(reg::HKEY_LOCAL_MACHINE, "Software\\Test", "N");
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->Type, reg::REG_DWORD);
    EXPECT_EQ(raw->Number, 7u);

    RegistryEntry r = e;
    r.Value = std::monostate{};
    EXPECT_TRUE(access.GetRegValue(r));
    EXPECT_EQ(std::get<int64_t>(r.Value), 7);

    // A text of any length, blanks at its ends and line breaks kept.
    RegistryEntry t = e;
    t.DataType = reg::REG_SZ;
    t.Entry = "T";
    t.Value = std::string(" x\r\ny ") + std::string(400, 'z');
    EXPECT_TRUE(access.SetRegValue(t));
    RegistryEntry back = t;
    back.Value = std::monostate{};
    EXPECT_TRUE(access.GetRegValue(back));
    EXPECT_EQ(back.ValueText(), t.ValueText());

    // Null deletes; deleting again fails with its message.
    back.Value = std::monostate{};
    EXPECT_TRUE(access.SetRegValue(back));
    EXPECT_FALSE(access.GetRegValue(back));
    EXPECT_FALSE(access.SetRegValue(back));
    EXPECT_EQ(back.ErrorMessage, "RegDeleteValue Failed: T");
}

TEST(cAppInfo, MailLinkIsFullyEncoded) {
    struct {
        const char* subject;
        const char* message;
        const char* url;
    } cases[] = {
        {"", "a b.c", "mailto:x?body=a%20b%2Ec"},
        {"Error in Zelker", "", "mailto:x?subject=Error%20in%20Zelker"},
        {"S", "100% & more,\r\nok?:;", "mailto:x?subject=S&body=100%25%20%26%20more%2C%0D%0Aok%3F%3A%3B"},
    };
    for (auto c : cases) EXPECT_EQ(cAppInfo::BuildURL("mailto:x", c.subject, c.message), c.url);
    oAppInfo->JumpToURL("mailto:x", "", "a b");
    ASSERT_EQ(testsupport::Ui().OpenedUrls.size(), 1u);
    EXPECT_EQ(testsupport::Ui().OpenedUrls[0], "mailto:x?body=a%20b");
}
