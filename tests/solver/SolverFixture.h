// A calculation form on the headless platform whose record the tests fill directly before pressing
// "Berechnen".
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "form/model/ControlIds.h"
#include "form/PlenwickView.h"
#include "platform/Number.h"
#include "platform/headless/HeadlessPlatform.h"
#include "record/PlenwickDoc.h"

namespace solver_test {

// Every field that can carry a result mark.
inline const std::vector<int> kResultFields{
    IDC_SURFACE_WIDTH, IDC_VT,   IDC_QT_M3H, IDC_QT_LS, IDC_A,  IDC_LAMBDA, IDC_RE, IDC_V,
    IDC_Q_M3H,         IDC_Q_LS, IDC_J,      IDC_HT,    IDC_DI, IDC_K};

class SolverTest : public ::testing::Test {
  protected:
    SolverTest() { doc.SetFullFilling(true); }

    void Calculate() { view.Controls().UserClick(IDC_BERECHNEN); }

    const std::string& Text(int id) const { return view.Field(id).GetText(); }
    double Number(int id) const { return view.Number(id); }
    std::vector<std::string> Messages() const { return hp.prompt.MessageTexts(); }

    // The result fields that carry a mark, in the order of kResultFields.
    std::vector<int> MarkedFields() const {
        std::vector<int> marked;
        for (int id : kResultFields) {
            if (view.Field(id).HasResultMark())
                marked.push_back(id);
        }
        return marked;
    }

    // The text ShowNumber writes for x.
    static std::string Shown(double x) {
        return std::fabs(x) < 1e-12 ? std::string() : platform::Format("%f", x);
    }

    // Writes a text into a field without any reaction of the form seeing it.
    void Preset(int id, const std::string& text) {
        view.Controls().AttachSink(nullptr);
        view.Field(id).SetText(text);
        view.Controls().AttachSink(&view);
    }

    // Fluid data of water at 10 °C and 1010 kg/m³ with g = 9.81 m/s².
    void SetWater() {
        doc.SetG(9.81);
        doc.SetRho(1010);
        doc.SetT(10);
    }

    headless::HeadlessPlatform hp;
    CPlenwickDoc doc;
    CPlenwickView view{doc, hp.Services()};
};

}  // namespace solver_test
