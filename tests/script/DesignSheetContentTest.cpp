// What the design sheet says for the form's state, read from its printed texts: the pipe that does not
// give di, the roughness choice, the sought parameter's result and input check, the filling curve.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ScriptTestSupport.h"

namespace {

using script_test::Lines;

struct Case {
    const char* name;
    const char* actions;             // after start; "command sheetprint" follows
    std::vector<std::string> texts;  // each drawn as the start of a text on the sheet
};

class DesignSheetContentTest : public script_test::SessionTest {};

TEST_F(DesignSheetContentTest, SheetSaysWhatTheFormHolds) {
    const Case cases[] = {
        {"typed di",
         "type 1011 105\ntab\ntype 1023 1\nleave\nclick 1007\n",
         {"Gefälle J = ", "di ist frei vorgegeben; das gewählte Rohr hat di = da"}},
        {"preset roughness",
         "pick 1053 #2\ntype 1023 1\nleave\nclick 1007\n",
         {"Ansatz: kb - Transportkanäle mit Schacht: 0.5", "0,500"}},
        {"k sought",
         "pick 1030 #2\ntype 1015 10\ntype 1023 1\nleave\nclick 1007\n",
         {"Wandrauhigkeit k = ", "Ansatz: berechnet aus Gefälle und Fließgeschwindigkeit",
          "Eingabeprüfung: di, g, J, v ("}},
        {"di from Q and v",
         "pick 1030 #3\ntype 1025 10\ntype 1023 1\nleave\nclick 1007\n",
         {"Innendurchmesser di = 112,84 mm", "Eingaben ausreichend: di aus Q und v", "di ist berechnet;",
          "Gesucht di: di = √(4 · Q / (π · v))."}},
        {"partial filling",
         "click 1002\ntype 1023 1\ntype 1026 50\nleave\nclick 1007\n",
         {"Teilfüllung: ht = 50,0 mm · Qt = 3,951 l/s · vt = 0,9982 m/s", "Teilfüllungskurve",
          "Betriebspunkt h/d = 0,495", "Füllhöhe 5 mm ≤ ht ≤ di"}},
    };
    for (const Case& c : cases) {
        const script_test::RunResult result =
            Run(std::string("start\n") + c.actions + "command sheetprint\n");
        ASSERT_EQ(result.status, 0) << c.name << ": " << result.errors;
        std::vector<std::string> drawn;
        for (const std::string& line : Lines(result.transcript)) {
            const size_t quote = line.find(" \"");
            if (line.rfind("text ", 0) == 0 && quote != std::string::npos)
                drawn.push_back(line.substr(quote + 2, line.size() - quote - 3));
        }
        for (const std::string& text : c.texts) {
            EXPECT_TRUE(std::any_of(drawn.begin(), drawn.end(),
                                    [&](const std::string& d) { return d.rfind(text, 0) == 0; }))
                << c.name << ": " << text;
        }
    }
}

}  // namespace
