// A calculation form on the headless platform for the pipe and roughness reactions. The lists are set
// up by the tests themselves, the way the form's first showing does it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/RoughnessChoices.h"
#include "form/model/ControlIds.h"
#include "form/PlenwickView.h"
#include "platform/headless/HeadlessPlatform.h"
#include "record/PlenwickDoc.h"

namespace catalogue_view_test {

class PipeSelectionTest : public ::testing::Test {
  protected:
    PipeSelectionTest() { doc.SetFullFilling(true); }

    const std::string& Text(int id) const { return view.Field(id).GetText(); }
    std::vector<std::string> Messages() const { return hp.prompt.MessageTexts(); }
    bool PipeFieldsValid(bool valid) const {
        for (int id : {IDC_DA, IDC_S, IDC_ZMA}) {
            if (view.Field(id).IsValid() != valid)
                return false;
        }
        return true;
    }

    // Pipe dimensions as the catalogue gives them, and di from them.
    void ShowPipe(const std::string& da, const std::string& s, const std::string& zma) {
        view.Field(IDC_DA).SetText(da);
        view.Field(IDC_S).SetText(s);
        view.Field(IDC_ZMA).SetText(zma);
        view.ShowDi();
    }

    void FillRoughnessList() {
        for (const RoughnessChoice& choice : RoughnessChoices())
            view.List(IDC_ROUGHNESS).AddString(choice.text);
    }

    // The v, Q, Re and λ of an earlier calculation.
    void GiveFlow() {
        doc.SetV(1);
        doc.SetQ(0.008);
        doc.SetRe(80000);
        for (int id : {IDC_V, IDC_Q_LS, IDC_Q_M3H, IDC_RE, IDC_LAMBDA}) view.Show(id, 1);
    }

    // Partial-filling values of an earlier calculation.
    void GivePartialFilling() {
        doc.SetHt(0.05);
        doc.SetQt(0.004);
        doc.SetVt(1.01);
        for (int id : {IDC_HT, IDC_QT_LS, IDC_QT_M3H, IDC_VT}) view.Show(id, 1);
    }

    headless::HeadlessPlatform hp;
    CPlenwickDoc doc;
    CPlenwickView view{doc, hp.Services()};
};

}  // namespace catalogue_view_test
