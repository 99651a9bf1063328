// The limits and criteria the design sheet states: which appear for which sought parameter, and
// whether each is kept by the values of the record.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string>

#include "sheet/DesignSheetChecks.h"
#include "platform/headless/HeadlessPlatform.h"
#include "record/PlenwickDoc.h"

namespace {

// The typical calculation: J sought for v = 1 m/s in DN 100.
void Typical(CPlenwickDoc& doc) {
    doc.SetRho(1010);
    doc.SetT(10);
    doc.SetG(9.81);
    doc.SetDi(0.101);
    doc.SetK(0.0001);
    doc.SetV(1);
    doc.SetRe(77920.96);
    doc.SetI(0.011458);
    doc.SetSought(SOUGHT_J);
}

// Partly filled to 30 mm with Qt = 2 l/s.
void PartlyFilled(CPlenwickDoc& doc) {
    doc.SetFullFilling(false);
    doc.SetHt(0.03);
    doc.SetQt(0.002);
}

struct Case {
    const char* name;
    std::function<void(CPlenwickDoc&)> change;  // after Typical
    const char* text;
    std::optional<bool> met;  // none: the sheet does not state it
};

std::optional<bool> Stated(const std::vector<SheetCheck>& checks, const std::string& text) {
    const auto found =
        std::find_if(checks.begin(), checks.end(), [&](const SheetCheck& c) { return c.text == text; });
    return found == checks.end() ? std::nullopt : std::optional<bool>(found->met);
}

TEST(DesignSheetChecksTest, StatedAndKeptByTheRecord) {
    const Case cases[] = {
        {"typical input check", [](CPlenwickDoc&) {}, "Eingabeprüfung: v, di, g, k, Re (0,1 ≤ g ≤ 100 m/s²)",
         true},
        {"iteration", [](CPlenwickDoc&) {}, "Colebrook-White-Iteration konvergiert (6 Schritte)", true},
        {"slope limit", [](CPlenwickDoc&) {}, "Berechnungsgrenze 0 ≤ J ≤ 250\u202f000 m/km", true},
        {"g out of range", [](CPlenwickDoc& d) { d.SetG(0.05); },
         "Eingabeprüfung: v, di, g, k, Re (0,1 ≤ g ≤ 100 m/s²)", false},
        {"laminar", [](CPlenwickDoc& d) { d.SetRe(1900); },
         "Turbulente Strömung 2350 ≤ Re ≤ 57\u202f000\u202f000", false},
        {"no Re given", [](CPlenwickDoc& d) { d.SetRe(0); },
         "Turbulente Strömung 2350 ≤ Re ≤ 57\u202f000\u202f000", std::nullopt},
        {"steep slope", [](CPlenwickDoc& d) { d.SetI(0.5); }, "Gefälle 0,05 ≤ J ≤ 400 m/km", false},
        {"velocity not a number", [](CPlenwickDoc& d) { d.SetV(std::nan("")); },
         "Fließgeschwindigkeit 0,05 ≤ v ≤ 15 m/s", false},
        {"v sought beyond its limit",
         [](CPlenwickDoc& d) {
             d.SetSought(SOUGHT_VQ);
             d.SetV(20);
         },
         "Berechnungsgrenze 0,05 ≤ v ≤ 15 m/s", false},
        {"v sought: no second velocity range", [](CPlenwickDoc& d) { d.SetSought(SOUGHT_VQ); },
         "Fließgeschwindigkeit 0,05 ≤ v ≤ 15 m/s", std::nullopt},
        {"v sought: no iteration", [](CPlenwickDoc& d) { d.SetSought(SOUGHT_VQ); },
         "Colebrook-White-Iteration konvergiert (6 Schritte)", std::nullopt},
        {"di from Q and v",
         [](CPlenwickDoc& d) {
             d.SetSought(SOUGHT_DI);
             d.SetRe(0);
             d.SetLambda(0);
             d.SetQ(0.008);
         },
         "Eingaben ausreichend: di aus Q und v", true},
        {"di sought: its limit", [](CPlenwickDoc& d) { d.SetSought(SOUGHT_DI); },
         "Berechnungsgrenze 50 ≤ di ≤ 5000 mm", true},
        {"di sought: no entry range of di", [](CPlenwickDoc& d) { d.SetSought(SOUGHT_DI); },
         "Innendurchmesser 5 ≤ di ≤ 5000 mm", std::nullopt},
        {"partial: ht above di",
         [](CPlenwickDoc& d) {
             d.SetFullFilling(false);
             d.SetHt(0.2);
         },
         "Füllhöhe 5 mm ≤ ht ≤ di", false},
        {"full filling: no ht", [](CPlenwickDoc& d) { d.SetHt(0.05); }, "Füllhöhe 5 mm ≤ ht ≤ di",
         std::nullopt},
        {"di from Q, J and k without λ",
         [](CPlenwickDoc& d) {
             d.SetSought(SOUGHT_DI);
             d.SetRe(0);
             d.SetV(0);
             d.SetQ(0.008);
         },
         "Eingaben ausreichend: di aus Q, J und k", true},
        {"di from Q, J and k: Q missing",
         [](CPlenwickDoc& d) {
             d.SetSought(SOUGHT_DI);
             d.SetRe(0);
         },
         "nicht genügend Werte für di", false},
        {"partial: flow state", PartlyFilled, "Fließzustand schießend (Fr = 2,18)", true},
        {"partial: wall shear stress", PartlyFilled, "Wandschubspannung τ = 1,94 ≥ τmin = 0,87 N/m²", true},
        {"partial: too little shear stress",
         [](CPlenwickDoc& d) {
             PartlyFilled(d);
             d.SetI(0.004);
         },
         "Wandschubspannung τ = 0,68 < τmin = 0,87 N/m²", false},
        {"full: no flow state", [](CPlenwickDoc& d) { d.SetQt(0.002); }, "Fließzustand schießend (Fr = 2,18)",
         std::nullopt},
        {"line head loss",
         [](CPlenwickDoc& d) {
             d.SetLineLength(100);
             d.SetLossSum(2);
         },
         "Verlusthöhe hv = 1,25 m (L = 100 m, Σζ = 2)", true},
        {"nothing computed", [](CPlenwickDoc& d) { d.SetSought(SOUGHT_Q); }, "Gefälle 0,05 ≤ J ≤ 400 m/km",
         std::nullopt},
    };
    headless::HeadlessPlatform platform;  // the record's checks may show messages
    for (const Case& c : cases) {
        CPlenwickDoc doc;
        Typical(doc);
        c.change(doc);
        EXPECT_EQ(Stated(DesignSheetChecks(doc), c.text), c.met) << c.name;
    }
}

}  // namespace
