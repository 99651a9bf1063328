// What closing keeps of the global fields in the shared settings file: only the user's own entries of
// this session that read as usable values, whatever a file or "Neu" showed in the fields since.
#include <gtest/gtest.h>

#include <functional>

#include "ProgramFixture.h"
#include "form/model/ControlIds.h"

namespace robustness {
namespace {

const std::string kCatalogue = "[K-Werte]\nAnzahl=1\nK0=K7\n[K7-1]\nDN=100\nda=118\ns=5\nZMA=3.5\n";
const std::string kGlobals = "[Gobale Daten]\nRevision=2\ng=9.80\nFluidtemperatur=12.5\nFluiddichte=1000\n";

struct Closing {
    const char* name;
    std::function<void(ProgramTest&)> act;
    std::string globals;  // the global section after closing
};

void PrintTo(const Closing& closing, std::ostream* out) {
    *out << closing.name;
}

const Closing kClosings[] = {
    {"NothingTyped", [](ProgramTest&) {}, kGlobals},
    {"TabbedThroughWithoutTyping",
     [](ProgramTest& t) {
         for (int id : {IDC_T, IDC_RHO, IDC_G, IDC_NY}) ASSERT_TRUE(t.Form().UserFocus(id));
         t.Form().UserLeave();
     },
     kGlobals},
    {"GravityTyped", [](ProgramTest& t) { t.Enter(IDC_G, "9,81"); },
     "[Gobale Daten]\nRevision=2\ng=9.81\nFluidtemperatur=12.5\nFluiddichte=1000\n"},
    // The viscosity shown after the density entry is still a usable one.
    {"UnusableEntriesKeepTheFilesValues",
     [](ProgramTest& t) {
         t.Enter(IDC_G, "0");
         t.Enter(IDC_RHO, "nan");
     },
     kGlobals + "Zaehigkeit=1.222234\n"},
    {"DensityTypedStoresTheViscosityThatFollows", [](ProgramTest& t) { t.Enter(IDC_RHO, "998"); },
     "[Gobale Daten]\nRevision=2\ng=9.80\nFluidtemperatur=12.5\nFluiddichte=998\nZaehigkeit=1.224684\n"},
    // "Neu" while the typed field still has the focus: the form's new texts are not the user's.
    {"TypedThenNew",
     [](ProgramTest& t) {
         ASSERT_TRUE(t.Form().UserType(IDC_T, "15"));
         t.app.NewDocument();
     },
     "[Gobale Daten]\nRevision=2\ng=9.80\nFluidtemperatur=15\nFluiddichte=1000\nZaehigkeit=1.222234\n"},
};

class GlobalDataKeptTest : public ProgramTest, public ::testing::WithParamInterface<Closing> {};

TEST_P(GlobalDataKeptTest, ClosingStoresOnlyTheUsersEntries) {
    test_support::WriteBytes(directory.Ini(), kGlobals + kCatalogue);
    Start();
    GetParam().act(*this);
    app.Close();
    EXPECT_EQ(test_support::ReadBytes(directory.Ini()), GetParam().globals + kCatalogue);
}

INSTANTIATE_TEST_SUITE_P(Sessions, GlobalDataKeptTest, ::testing::ValuesIn(kClosings),
                         [](const ::testing::TestParamInfo<Closing>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace robustness
