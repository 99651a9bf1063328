// Message boxes and template dialogs of the window.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "app/gui/ModalAnswerer.h"
#include "platform/qt/DialogUnits.h"
#include "platform/qt/QtPrompt.h"

namespace {

platform::DialogTemplate ChoiceDialog() {
    platform::DialogTemplate dialog;
    dialog.id = 104;
    dialog.caption = "Parameteranpassung";
    dialog.width = 290;
    dialog.height = 89;
    dialog.fontFace = "MS Sans Serif";
    dialog.text = "Bitte wählen Sie den Parameter, der angepaßt werden soll.";
    dialog.buttons = {{1042, "di", 1}, {1043, "ny", 2}, {1044, "v", 3}};
    dialog.closeCode = 7;
    return dialog;
}

class PromptTest : public ::testing::Test {
  protected:
    guitest::WithApplication application;
    qtbackend::QtPrompt prompt;
    ModalAnswerer answerer;
};

TEST_F(PromptTest, MessageBoxHasTheCaptionAnOkButtonAndTheIconAsked) {
    prompt.Message("v ist zu klein und wird begrenzt.", platform::MessageIcon::None);
    prompt.Message("Es ist kein Standarddrucker definiert!\n\nZeile <b>2</b>",
                   platform::MessageIcon::Exclamation);
    ASSERT_EQ(answerer.MessageBoxes().size(), 2u);
    const auto& plain = answerer.MessageBoxes()[0];
    EXPECT_EQ(plain.title, QStringLiteral("Quellrix"));
    EXPECT_EQ(plain.text, QStringLiteral("v ist zu klein und wird begrenzt."));
    EXPECT_EQ(plain.icon, QMessageBox::NoIcon);
    EXPECT_EQ(plain.buttons, QStringLiteral("&OK"));
    EXPECT_EQ(answerer.MessageBoxes()[1].icon, QMessageBox::Warning);
    EXPECT_EQ(answerer.MessageBoxes()[1].text,
              QStringLiteral("Es ist kein Standarddrucker definiert!\n\nZeile <b>2</b>"));
}

TEST_F(PromptTest, ChoiceButtonsEndTheDialogWithTheirCodes) {
    for (const auto& [caption, code] : {std::pair{"di", 1}, std::pair{"ny", 2}, std::pair{"v", 3}}) {
        answerer.Then([caption = QString::fromUtf8(caption)](QWidget* modal) {
            for (QPushButton* button : modal->findChildren<QPushButton*>()) {
                if (button->text() == u'&' + caption)
                    button->click();
            }
        });
        EXPECT_EQ(prompt.RunDialog(ChoiceDialog()), code) << caption;
    }
}

TEST_F(PromptTest, EscapeAndTheCloseBoxEndTheDialogWithTheCloseCode) {
    answerer.Then([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(prompt.RunDialog(ChoiceDialog()), 7);
    answerer.Then([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(prompt.RunDialog(ChoiceDialog()), 7);
}

TEST_F(PromptTest, DialogIsLaidOutFromItsTemplate) {
    QString title, text;
    QSize size, expected;
    int pictures = 0;
    QStringList order;
    QPixmap picture(20, 20);
    picture.fill(Qt::blue);
    prompt.SetDialogPicture(104, {picture, {14, 15, 56, 54}});
    answerer.Then([&](QWidget* modal) {
        title = modal->windowTitle();
        size = modal->size();
        expected =
            QSize(qtbackend::DialogUnits(modal->font()).X(290), qtbackend::DialogUnits(modal->font()).Y(89));
        for (QLabel* label : modal->findChildren<QLabel*>()) {
            if (!label->pixmap().isNull())
                ++pictures;
            if (label->wordWrap())
                text = label->text();
        }
        std::vector<QPushButton*> buttons;
        for (QPushButton* button : modal->findChildren<QPushButton*>()) buttons.push_back(button);
        std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        for (QPushButton* button : buttons) order << button->text();
        static_cast<QDialog*>(modal)->reject();
    });
    prompt.RunDialog(ChoiceDialog());
    EXPECT_EQ(title, QStringLiteral("Parameteranpassung"));
    EXPECT_EQ(size, expected);
    EXPECT_EQ(text, QStringLiteral("Bitte wählen Sie den Parameter, der angepaßt werden soll."));
    EXPECT_EQ(pictures, 1);
    EXPECT_EQ(order, (QStringList{"&di", "&ny", "&v"}));  // each with its key for Alt
}

}  // namespace
