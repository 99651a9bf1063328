// The whole headless program in a scratch machine directory: tests seed "Rohre.ini" if they need to,
// start the program and act on its form as the user would.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormInvariants.h"
#include "app/Application.h"
#include "form/PlenwickView.h"
#include "platform/headless/HeadlessPlatform.h"
#include "record/PlenwickDoc.h"
#include "support/Files.h"
#include "support/ScratchDirectory.h"

namespace robustness {

// The helpers are public so that table-driven tests can name their actions as functions of the test.
class ProgramTest : public ::testing::Test {
  public:
    void Start() {
        ASSERT_TRUE(app.Start());
        hp.transcript.TakeNew();
    }
    // Types text into field id and leaves it.
    void Enter(int id, const std::string& text) {
        ASSERT_TRUE(Form().UserType(id, text)) << id;
        Form().UserLeave();
    }
    void Click(int id) { ASSERT_TRUE(Form().UserClick(id)) << id; }
    std::string Text(int id) { return app.View().Field(id).GetText(); }
    std::vector<std::string> Messages() const { return hp.prompt.MessageTexts(); }
    // The texts of a printed report page.
    std::vector<std::string> PrintedPage() {
        hp.transcript.TakeNew();
        app.Execute(Command::Print);
        return PrintedTexts(hp.transcript.TakeNew());
    }
    // The form and a printed page show no non-finite number.
    void ExpectNothingNonFiniteShown() {
        EXPECT_EQ(NonFiniteFields(app.View()), std::vector<std::string>());
        const std::vector<std::string> page = PrintedPage();
        EXPECT_FALSE(page.empty());
        for (const std::string& text : page) EXPECT_FALSE(ShowsNonFinite(text)) << text;
    }

    platform::ControlSet& Form() { return app.View().Controls(); }
    CPlenwickDoc& Doc() { return app.Document(); }

    test_support::ScratchMachineDirectory
        directory;  // first: WINDIR and TMPDIR are set before the program starts
    headless::HeadlessPlatform hp;
    QuellrixApp app{hp.Services()};
};

}  // namespace robustness
