#include "platform/qt/TemplateDialog.h"

#include <QLabel>
#include <QPushButton>

#include "platform/qt/DialogUnits.h"
#include "platform/qt/Text.h"

namespace qtbackend {

namespace {

// Layout in dialog units: a margin all round, the buttons in a row at the bottom right.
constexpr int kMargin = 7;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 6;
constexpr int kPictureGap = 10;

// A button's caption with its key for Alt marked: its first letter or digit that no earlier button of
// the dialog uses (kept in keys); any ampersand of the caption doubled.
QString WithMnemonic(const QString& caption, QString& keys) {
    QString text;
    bool marked = false;
    for (const QChar c : caption) {
        if (!marked && c.isLetterOrNumber() && !keys.contains(c.toLower())) {
            text += u'&';
            keys += c.toLower();
            marked = true;
        }
        text += c;
        if (c == u'&')
            text += u'&';
    }
    return text;
}

}  // namespace

TemplateDialog::TemplateDialog(const platform::DialogTemplate& dialog, const DialogPicture* picture,
                               QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_closeCode(dialog.closeCode) {
    setWindowTitle(ToQString(dialog.caption));
    setFont(DialogFont(dialog.fontFace, dialog.fontPoints));
    const DialogUnits units(font());
    setFixedSize(units.X(dialog.width), units.Y(dialog.height));

    int textLeft = kMargin;
    if (picture) {
        auto* image = new QLabel(this);
        const QRect area = units.Rect(picture->rect);
        image->setGeometry(area);
        image->setAlignment(Qt::AlignCenter);
        image->setPixmap(picture->pixmap.scaled(area.size() * picture->pixmap.devicePixelRatio(),
                                                Qt::KeepAspectRatio, Qt::SmoothTransformation));
        textLeft = picture->rect.x + picture->rect.width + kPictureGap;
    }

    const int buttonTop = dialog.height - kMargin - kButtonHeight;
    const int count = static_cast<int>(dialog.buttons.size());
    int buttonLeft = dialog.width - kMargin - count * kButtonWidth - (count - 1) * kButtonGap;

    const auto addText = [this, &units](const std::string& content, const platform::DialogRect& rect) {
        auto* text = new QLabel(ToQString(content), this);
        text->setTextFormat(Qt::PlainText);
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->setGeometry(units.Rect(rect));
    };
    if (!dialog.text.empty())
        addText(dialog.text, {textLeft, kMargin, dialog.width - kMargin - textLeft, buttonTop - 2 * kMargin});
    for (const platform::DialogText& placed : dialog.texts) addText(placed.text, placed.rect);

    QString keys;  // the keys taken so far
    for (const platform::DialogButton& choice : dialog.buttons) {
        auto* button = new QPushButton(WithMnemonic(ToQString(choice.caption), keys), this);
        button->setObjectName(QStringLiteral("button%1").arg(choice.id));
        if (choice.rect.width > 0) {
            button->setGeometry(units.Rect(choice.rect));
        } else {
            button->setGeometry(units.Rect({buttonLeft, buttonTop, kButtonWidth, kButtonHeight}));
            buttonLeft += kButtonWidth + kButtonGap;
        }
        button->setDefault(count == 1);
        const int code = choice.code;
        connect(button, &QPushButton::clicked, this, [this, code] { done(code); });
    }
}

void TemplateDialog::reject() {
    done(m_closeCode);
}

}  // namespace qtbackend
