// Every value a typical session writes into the form is shown in full: no number field's text is wider
// than the room its field leaves for text, measured with the field's font metrics. The test runs at
// the normal scale and again at 175 % (QT_SCALE_FACTOR, see tests/CMakeLists.txt).
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QLineEdit>
#include <cmath>
#include <string>

#include "GuiTestSupport.h"
#include "app/gui/GuiSession.h"
#include "app/gui/ModalAnswerer.h"
#include "form/model/CalculationFormTemplate.h"
#include "form/model/ControlIds.h"
#include "form/PlenwickView.h"
#include "platform/qt/FormWidget.h"
#include "platform/qt/NumberFields.h"

namespace {

class ReadableFieldsTest : public ::testing::Test {
  protected:
    ReadableFieldsTest() {
        EXPECT_TRUE(session.Start());
        guitest::ShowActive(session.Frame());
    }

    platform::ControlSet& Controls() { return session.App().View().Controls(); }
    bool Result(int id) { return session.App().View().Field(id).HasResultMark(); }

    void Type(int id, const char* text) {
        Controls().UserType(id, text);
        Controls().UserLeave();
    }

    // Every number field of the form, filled or not, shows its whole text; returns how many are filled.
    int ExpectAllShownInFull(const std::string& step) {
        int filled = 0;
        for (const platform::ControlTemplate& control : CalculationFormTemplate().controls) {
            auto* edit = qobject_cast<QLineEdit*>(session.Frame().Form()->WidgetFor(control.id));
            if (control.kind != platform::ControlKind::Edit || !edit)
                continue;
            const QString text = edit->text();
            filled += text.isEmpty() ? 0 : 1;
            const double width = std::ceil(QFontMetricsF(edit->font()).horizontalAdvance(text));
            EXPECT_LE(width, qtbackend::TextRoom(*edit))
                << step << ": field " << control.id << " \"" << text.toStdString() << "\"";
        }
        return filled;
    }

    guitest::ScratchMachine machine;
    ModalAnswerer answerer;  // the printer warning and any limit message
    GuiSession session;
};

TEST_F(ReadableFieldsTest, EveryValueOfATypicalSessionFitsItsField) {
    ExpectAllShownInFull("start");

    Type(IDC_V, "1");
    Controls().UserClick(IDC_BERECHNEN);
    EXPECT_EQ(ExpectAllShownInFull("J sought"), 16);

    Controls().UserClick(IDC_PARTIAL_FILLING);
    Type(IDC_HT, "50");
    Controls().UserClick(IDC_BERECHNEN);
    EXPECT_EQ(ExpectAllShownInFull("partial filling"), 21);

    Controls().UserSelectTab(IDC_SOUGHT, 1);
    Type(IDC_J, "12.5");
    Controls().UserClick(IDC_BERECHNEN);
    ExpectAllShownInFull("v and Q sought");
    EXPECT_TRUE(Result(IDC_V));

    Controls().UserSelectTab(IDC_SOUGHT, 2);
    Type(IDC_V, "1");
    Controls().UserClick(IDC_BERECHNEN);
    ExpectAllShownInFull("k sought");
    EXPECT_TRUE(Result(IDC_K));

    Controls().UserSelectTab(IDC_SOUGHT, 3);
    Type(IDC_Q_LS, "750");
    Type(IDC_V, "2");
    Controls().UserClick(IDC_BERECHNEN);
    ExpectAllShownInFull("di sought");
    EXPECT_TRUE(Result(IDC_DI));

    // The largest pipe of the catalogue at a brisk velocity: the longest Re and Q.
    Controls().UserSelectTab(IDC_SOUGHT, 0);
    Controls().UserPick(IDC_DN, Controls().FindList(IDC_DN)->GetCount() - 1);
    Type(IDC_V, "3");
    Controls().UserClick(IDC_BERECHNEN);
    ExpectAllShownInFull("largest pipe");
    EXPECT_TRUE(Result(IDC_J));
    EXPECT_GE(session.App().View().Field(IDC_RE).GetText().size(), 13u);
}

}  // namespace
