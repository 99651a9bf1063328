// Records with one "Berechnen" each, against values computed once outside the program (plain Python:
// the Colebrook-White equation solved by bisection, Darcy-Weisbach, continuity, the viscosity fit and
// the partial-filling cubics as their header comments state them): the texts the form shows and the
// messages it gives.
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "form/model/NumberEdit.h"
#include "hydraulics/Calculations.h"
#include "hydraulics/Formulas.h"
#include "messages/MessageTexts.h"
#include "tests/solver/SolverFixture.h"

namespace solver_test {
namespace {

// The record as the user left it; 0 is "not given".
struct Record {
    int sought;
    double di, k, v, Q, Re, I, lambda;
    double T = 10, rho = 1000, g = 9.81;
    bool full = true;
    double ht = 0, Qt = 0, vt = 0;
};

struct Case {
    const char* name;
    Record record;
    std::vector<std::pair<int, std::string>> shown;  // field and its text after "Berechnen"
    std::vector<std::string> messages;
    bool calculated;
};

// ν of water at 10 °C and 1000 kg/m³: 1.3091471e-6 m²/s.
const Case kCases[] = {
    {"J: λ by Colebrook-White at Re 300000, k/di 0.0025",
     {SOUGHT_J, 0.3, 0.00075, 1.5, 0, 300000, 0, 0},
     {{IDC_J, "9.699841"}, {IDC_LAMBDA, "0.025375"}},
     {},
     true},
    {"v and Q: λ explicit at I 0.005",
     {SOUGHT_VQ, 0.3, 0.00075, 0, 0, 0, 0.005, 0},
     {{IDC_LAMBDA, "0.025484"},
      {IDC_V, "1.074641"},
      {IDC_Q_LS, "75.961889"},
      {IDC_Q_M3H, "273.462802"},
      {IDC_RE, "246261.303021"}},
     {},
     true},
    {"k: λ from Darcy-Weisbach, k from Colebrook-White",
     {SOUGHT_K, 0.3, 0, 1.25, 0, 300000, 0.005, 0},
     {{IDC_K, "0.185241"}},
     {},
     true},
    {"di from λ, I and v", {SOUGHT_DI, 0, 0, 1.5, 0, 0, 0.005, 0.02}, {{IDC_DI, "458.715596"}}, {}, true},
    {"di from λ, I and Q", {SOUGHT_DI, 0, 0, 0, 0.05, 0, 0.005, 0.02}, {{IDC_DI, "241.782157"}}, {}, true},
    {"di from Re, ν and v", {SOUGHT_DI, 0, 0, 1.0, 0, 100000, 0, 0}, {{IDC_DI, "130.914710"}}, {}, true},
    {"di from Re, ν and Q", {SOUGHT_DI, 0, 0, 0, 0.05, 100000, 0, 0}, {{IDC_DI, "486.285896"}}, {}, true},
    {"di from Q and v", {SOUGHT_DI, 0, 0, 1.0, 0.05, 0, 0, 0}, {{IDC_DI, "252.313252"}}, {}, true},
    {"di from Q, J and k: Colebrook-White without λ",
     {SOUGHT_DI, 0, 0.00075, 0, 0.05, 0, 0.005, 0},
     {{IDC_DI, "256.149940"}, {IDC_V, "0.970268"}, {IDC_RE, "189844.235454"}, {IDC_LAMBDA, "0.026692"}},
     {},
     true},
    {"di without enough values",
     {SOUGHT_DI, 0, 0, 1.0, 0, 0, 0.005, 0},
     {},
     {"Di kann nicht errechnet werden. Es sind nicht genügend Werte vorgegeben!\n"
      "Für di aus Q, J und k nach Colebrook-White fehlen Werte: Q, k"},
     false},
    {"partial filling from Qt 30 l/s of Q 100 l/s",
     {SOUGHT_J, 0.3, 0.00075, 1.5, 0.1, 300000, 0, 0, 10, 1000, 9.81, false, 0, 0.03, 0},
     {{IDC_J, "9.699841"}, {IDC_HT, "113.322730"}, {IDC_VT, "1.343474"}, {IDC_SURFACE_WIDTH, "290.893643"}},
     {},
     true},
    {"partial filling from ht 120 mm",
     {SOUGHT_J, 0.3, 0.00075, 1.5, 0.1, 300000, 0, 0, 10, 1000, 9.81, false, 0.12, 0, 0},
     {{IDC_QT_LS, "34.125703"},
      {IDC_QT_M3H, "122.852532"},
      {IDC_VT, "1.378071"},
      {IDC_SURFACE_WIDTH, "293.938769"}},
     {},
     true},
    {"partial filling from vt 1.2 m/s",
     {SOUGHT_J, 0.3, 0.00075, 1.5, 0.1, 300000, 0, 0, 10, 1000, 9.81, false, 0, 0, 1.2},
     {{IDC_HT, "87.169367"},
      {IDC_QT_LS, "18.775241"},
      {IDC_QT_M3H, "67.590869"},
      {IDC_SURFACE_WIDTH, "272.413741"}},
     {},
     true},
    {"v beyond its limit: 57.733152 m/s in di 3 m at I 0.4",
     {SOUGHT_VQ, 3, 0.00001, 0, 0, 0, 0.4, 0},
     {},
     {"v liegt außerhalb der Berechnungsgrenzen: (57.733152)[m/s]"},
     false},
    {"v below its check",
     {SOUGHT_J, 0.3, 0.00075, 0.00005, 0, 300000, 0, 0},
     {},
     {"Der Wert für v ist mit <5e-05> ungültig"},
     false},
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class CrossCheck : public SolverTest, public ::testing::WithParamInterface<Case> {
  protected:
    void Enter(const Record& r) {
        doc.SetSought(r.sought);
        doc.SetG(r.g);
        doc.SetRho(r.rho);
        doc.SetT(r.T);
        doc.SetDi(r.di);
        doc.SetK(r.k);
        doc.SetV(r.v);
        doc.SetQ(r.Q);
        doc.SetRe(r.Re);
        doc.SetI(r.I);
        doc.SetLambda(r.lambda);
        doc.SetFullFilling(r.full);
        doc.SetHt(r.ht);
        doc.SetQt(r.Qt);
        doc.SetVt(r.vt);
    }
};

TEST_P(CrossCheck, ShowsTheIndependentValues) {
    const Case& c = GetParam();
    Enter(c.record);
    Calculate();
    EXPECT_EQ(Messages(), c.messages);
    EXPECT_EQ(doc.IsCalculated(), c.calculated);
    for (const auto& [id, text] : c.shown) EXPECT_EQ(Text(id), text) << "field " << id;
}

INSTANTIATE_TEST_SUITE_P(Records, CrossCheck, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::to_string(info.index);
                         });

}  // namespace
}  // namespace solver_test
