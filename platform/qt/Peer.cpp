#include "platform/qt/Peer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>
#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#include "platform/qt/FormWidget.h"
#include "platform/qt/NumberFields.h"
#include "platform/qt/QtDrawingContext.h"
#include "platform/qt/Text.h"

namespace qtbackend {

namespace {

// Height of a closed drop-down list, in dialog units.
constexpr int kListHeight = 13;

// Text on a coloured background (result mark, invalid mark), locked or not: dark, to be read well.
const QColor kTextOnColour(0, 0, 0);

// A palette that sets only the roles given here; everything else is inherited from the form.
QPalette PaletteWith(QPalette::ColorRole role, std::optional<platform::Rgb> colour) {
    QPalette palette;
    if (colour) {
        const QColor qcolour(colour->r, colour->g, colour->b);
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, role, qcolour);
        }
    }
    return palette;
}

// A number field's look: its colour where it has one, with dark text; a locked field without a
// colour looks disabled.
QPalette FieldPalette(std::optional<platform::Rgb> colour, bool locked) {
    QPalette palette = PaletteWith(QPalette::Base, colour);
    const QPalette standard = QApplication::palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (colour) {
            palette.setColor(group, QPalette::Text, kTextOnColour);
        } else if (locked) {
            palette.setColor(group, QPalette::Base, standard.color(QPalette::Disabled, QPalette::Base));
            palette.setColor(group, QPalette::Text, standard.color(QPalette::Disabled, QPalette::Text));
        }
    }
    return palette;
}

Qt::FocusPolicy FocusPolicyFor(const platform::ControlTemplate& layout, Qt::FocusPolicy tabStopPolicy) {
    return layout.tabStop ? tabStopPolicy : Qt::NoFocus;
}

QString ObjectName(int id) {
    return QStringLiteral("control%1").arg(id);
}

// A button's caption as Qt shows it: the mnemonic marked before the character at that position
// (-1: none), any ampersand of the caption itself doubled.
QString WindowCaption(const std::string& caption, int mnemonic) {
    const QString plain = ToQString(caption);
    QString text;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        if (i == mnemonic)
            text += u'&';
        text += plain[i];
        if (plain[i] == u'&')
            text += u'&';
    }
    return text;
}

// Enter and Return on a focused button press it, as the space bar does.
class EnterPresses : public QObject {
  public:
    explicit EnterPresses(QAbstractButton* button) : QObject(button) { button->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        static_cast<QAbstractButton*>(watched)->click();
        return true;
    }
};

// --- number and text fields ---

// A locked (disabled) field stays a live widget, read-only: its text can be selected and copied, but
// not typed into, and the Tab key passes it by.
class EditPeer : public Peer {
  public:
    EditPeer(FormWidget& form, const platform::ControlTemplate& layout, platform::EditControl& control)
        : Peer(form, control),
          edit_(new QLineEdit(&form)),
          focusPolicy_(FocusPolicyFor(layout, Qt::StrongFocus)) {
        edit_->setObjectName(ObjectName(layout.id));
        edit_->setFont(NumberFieldFont(form.font()));
        edit_->setGeometry(form.Units().Rect(layout.rect));
        edit_->setFocusPolicy(focusPolicy_);
        QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this](const QString& text) {
            form_.Dispatch([&] {
                if (form_.FocusOn(control_.Id()))
                    Edit().TextEditedByUser(ToStdString(text));
            });
            if (form_.IsAttached())
                Synchronise();
        });
        QObject::connect(edit_, &QLineEdit::returnPressed, edit_, [this] {
            const int button = form_.DefaultButton();
            if (button == 0 || !control_.IsEnabled())
                return;
            form_.Dispatch([&] { form_.Controls().UserClick(button); });
        });
    }

    QWidget* Widget() const override { return edit_; }

    void Synchronise() override {
        const platform::EditControl& control = Edit();
        const QSignalBlocker blocker(edit_);
        const QString text = ToQString(control.GetText());
        if (edit_->text() != text) {
            edit_->setText(text);
            if (!edit_->hasFocus())
                edit_->setCursorPosition(0);  // show the start, as a new text does
        }
        if (edit_->isReadOnly() == control.IsEnabled()) {
            edit_->setReadOnly(!control.IsEnabled());
            edit_->setFocusPolicy(control.IsEnabled() ? focusPolicy_ : Qt::ClickFocus);
            Repaint();
        }
    }

    // The field's own colour, locked or not.
    void Repaint() override {
        edit_->setPalette(FieldPalette(Edit().Background(), edit_->isReadOnly()));
        edit_->update();
    }

  private:
    platform::EditControl& Edit() const { return static_cast<platform::EditControl&>(control_); }

    QLineEdit* edit_;
    Qt::FocusPolicy focusPolicy_;
};

// --- editable drop-down lists ---

// Turning the mouse wheel over a list that has no focus scrolls nothing and picks nothing.
class DropDownList : public QComboBox {
  public:
    using QComboBox::QComboBox;

  protected:
    void wheelEvent(QWheelEvent* event) override {
        if (hasFocus()) {
            QComboBox::wheelEvent(event);
        } else {
            event->ignore();
        }
    }
};

class ListPeer : public Peer {
  public:
    ListPeer(FormWidget& form, const platform::ControlTemplate& layout, platform::ListControl& control)
        : Peer(form, control), list_(new DropDownList(&form)) {
        list_->setObjectName(ObjectName(layout.id));
        list_->setEditable(true);
        list_->setInsertPolicy(QComboBox::NoInsert);
        list_->setDuplicatesEnabled(true);
        list_->setCompleter(nullptr);
        // Qt would pick a matching entry itself when an edit finishes; the controls decide instead.
        QObject::disconnect(list_->lineEdit(), &QLineEdit::editingFinished, list_, nullptr);
        list_->setFocusPolicy(FocusPolicyFor(layout, Qt::StrongFocus));

        const DialogUnits& units = form.Units();
        QRect area = units.Rect(layout.rect);
        const int closedHeight = units.Y(kListHeight);
        const int itemHeight = std::max(1, QFontMetrics(form.font()).height() + 2);
        list_->setMaxVisibleItems(std::max(1, (area.height() - closedHeight) / itemHeight));
        area.setHeight(closedHeight);
        list_->setGeometry(area);

        const int id = layout.id;
        QObject::connect(list_, qOverload<int>(&QComboBox::activated), list_, [this, id](int index) {
            form_.Dispatch([&] { form_.Controls().UserPick(id, index); });
            if (form_.IsAttached())
                Synchronise();
        });
        QObject::connect(list_->lineEdit(), &QLineEdit::textEdited, list_, [this, id](const QString& text) {
            form_.Dispatch([&] { form_.Controls().UserEditListText(id, ToStdString(text)); });
            if (form_.IsAttached())
                Synchronise();
        });
        // Return takes or refuses the typed text, as leaving the list does.
        QObject::connect(list_->lineEdit(), &QLineEdit::returnPressed, list_, [this, id] {
            form_.Dispatch([&] { form_.Controls().UserConfirmListText(id); });
            if (form_.IsAttached())
                Synchronise();
        });
    }

    QWidget* Widget() const override { return list_; }

    void Synchronise() override {
        const auto& control = static_cast<platform::ListControl&>(control_);
        QLineEdit* line = list_->lineEdit();
        const QSignalBlocker listBlocker(list_);
        const QSignalBlocker lineBlocker(line);
        const QString shownText = line->text();
        const int cursor = line->cursorPosition();

        if (!SameEntries(control.Entries())) {
            list_->clear();
            for (const std::string& entry : control.Entries()) list_->addItem(ToQString(entry));
        }
        if (list_->currentIndex() != control.GetCurSel())
            list_->setCurrentIndex(control.GetCurSel());
        const QString text = ToQString(control.GetEditText());
        if (line->text() != text)
            line->setText(text);
        if (text == shownText)
            line->setCursorPosition(cursor);
        list_->setEnabled(control.IsEnabled());
    }

  private:
    bool SameEntries(const std::vector<std::string>& entries) const {
        if (list_->count() != static_cast<int>(entries.size()))
            return false;
        for (int i = 0; i < list_->count(); ++i) {
            if (list_->itemText(i) != ToQString(entries[static_cast<size_t>(i)]))
                return false;
        }
        return true;
    }

    DropDownList* list_;
};

// --- the tab control, drawn as a row of buttons ---

// Inset of the tabs in their row: room for the focus frame around the chosen one, in pixels.
constexpr int kFocusFrame = 2;

// The row of tabs; with the focus, a focus frame marks the chosen tab.
class ButtonRow : public QWidget {
  public:
    using QWidget::QWidget;
    std::function<void(int step)> onArrow;
    std::function<QRect()> chosen;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (onArrow && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right ||
                        event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
            onArrow(event->key() == Qt::Key_Left || event->key() == Qt::Key_Up ? -1 : 1);
            return;
        }
        QWidget::keyPressEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override {
        update();
        QWidget::focusInEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override {
        update();
        QWidget::focusOutEvent(event);
    }
    void paintEvent(QPaintEvent*) override {
        if (!hasFocus() || !chosen || chosen().isNull())
            return;
        QPainter painter(this);
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = chosen().adjusted(-kFocusFrame, -kFocusFrame, kFocusFrame - 1, kFocusFrame - 1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
};

class TabsPeer : public Peer {
  public:
    TabsPeer(FormWidget& form, const platform::ControlTemplate& layout, platform::TabControl& control)
        : Peer(form, control), row_(new ButtonRow(&form)), mnemonics_(layout.itemMnemonics) {
        row_->setObjectName(ObjectName(layout.id));
        row_->setGeometry(form.Units().Rect(layout.rect));
        row_->setFocusPolicy(FocusPolicyFor(layout, Qt::TabFocus));
        row_->onArrow = [this](int step) { Choose(Tabs().GetCurSel() + step); };
        row_->chosen = [this] {
            const int index = Tabs().GetCurSel();
            return index >= 0 && index < static_cast<int>(buttons_.size())
                       ? buttons_[static_cast<size_t>(index)]->geometry()
                       : QRect();
        };
    }

    QWidget* Widget() const override { return row_; }

    void Synchronise() override {
        const platform::TabControl& tabs = Tabs();
        if (!SameItems(tabs.Items()))
            Rebuild(tabs.Items());
        for (size_t i = 0; i < buttons_.size(); ++i) {
            const QSignalBlocker blocker(buttons_[i]);
            buttons_[i]->setChecked(static_cast<int>(i) == tabs.GetCurSel());
        }
        row_->setEnabled(tabs.IsEnabled());
        row_->update();
    }

  private:
    platform::TabControl& Tabs() const { return static_cast<platform::TabControl&>(control_); }

    void Choose(int index) {
        if (index < 0 || index >= Tabs().GetItemCount())
            return;
        const int id = control_.Id();
        form_.Dispatch([&] { form_.Controls().UserSelectTab(id, index); });
        if (form_.IsAttached())
            Synchronise();
    }

    // The tab's text with its key marked: the first character equal to its mnemonic, in any case.
    QString Caption(const std::string& item, size_t index) const {
        const QString text = ToQString(item);
        if (index >= mnemonics_.size())
            return WindowCaption(item, -1);
        const QString key = QString(QChar(mnemonics_[index]));
        return WindowCaption(item, static_cast<int>(text.indexOf(key, 0, Qt::CaseInsensitive)));
    }

    bool SameItems(const std::vector<std::string>& items) const {
        if (buttons_.size() != items.size())
            return false;
        for (size_t i = 0; i < items.size(); ++i) {
            if (buttons_[i]->text() != Caption(items[i], i))
                return false;
        }
        return true;
    }

    // Each button is as wide as its text with a little padding, next to each other from the left.
    void Rebuild(const std::vector<std::string>& items) {
        for (QPushButton* old : buttons_) {
            old->hide();
            old->deleteLater();  // the button may be the one whose click is being handled
        }
        buttons_.clear();
        const QFontMetrics metrics(row_->font());
        const int padding = form_.Units().X(4);
        const int gap = form_.Units().X(1);
        int left = kFocusFrame;
        for (size_t i = 0; i < items.size(); ++i) {
            auto* button = new QPushButton(Caption(items[i], i), row_);
            button->setObjectName(QStringLiteral("tab%1").arg(i));
            button->setCheckable(true);
            button->setAutoExclusive(false);
            button->setFocusPolicy(Qt::NoFocus);
            const int width = metrics.horizontalAdvance(ToQString(items[i])) + 2 * padding;
            button->setGeometry(left, kFocusFrame, width, row_->height() - 2 * kFocusFrame);
            button->show();
            const int index = static_cast<int>(i);
            QObject::connect(button, &QPushButton::clicked, button, [this, index] { Choose(index); });
            buttons_.push_back(button);
            left += width + gap;
        }
    }

    ButtonRow* row_;
    std::string mnemonics_;
    std::vector<QPushButton*> buttons_;
};

// --- push buttons and radio buttons ---

class PushButtonPeer : public Peer {
  public:
    PushButtonPeer(FormWidget& form, const platform::ControlTemplate& layout,
                   platform::ButtonControl& control)
        : Peer(form, control),
          button_(new QPushButton(WindowCaption(control.GetCaption(), layout.mnemonic), &form)) {
        button_->setObjectName(ObjectName(layout.id));
        button_->setGeometry(form.Units().Rect(layout.rect));
        button_->setAutoDefault(false);
        // A click does not take the focus on its own: the click's action moves it, after the leave.
        button_->setFocusPolicy(FocusPolicyFor(layout, Qt::TabFocus));
        new EnterPresses(button_);
        const int id = layout.id;
        QObject::connect(button_, &QPushButton::clicked, button_,
                         [this, id] { form_.Dispatch([&] { form_.Controls().UserClick(id); }); });
    }

    QWidget* Widget() const override { return button_; }

    void Synchronise() override { button_->setEnabled(control_.IsEnabled()); }

    // The owner of the form may choose the button's colour.
    void Repaint() override {
        button_->setPalette(PaletteWith(QPalette::Button, form_.Sink().ControlBrush(control_.Id())));
        button_->update();
    }

  private:
    QPushButton* button_;
};

// A radio button whose arrow keys choose the neighbour in its group.
class ArrowRadio : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;
    std::function<void(int step)> onArrow;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if (onArrow &&
            (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down)) {
            onArrow(key == Qt::Key_Left || key == Qt::Key_Up ? -1 : 1);
            return;
        }
        QRadioButton::keyPressEvent(event);
    }
};

class RadioPeer : public Peer {
  public:
    RadioPeer(FormWidget& form, const platform::ControlTemplate& layout, platform::ButtonControl& control)
        : Peer(form, control),
          radio_(new ArrowRadio(WindowCaption(control.GetCaption(), layout.mnemonic), &form)) {
        radio_->setObjectName(ObjectName(layout.id));
        radio_->setGeometry(form.Units().Rect(layout.rect));
        radio_->setAutoExclusive(false);  // the control set moves the check mark within the group
        radio_->setFocusPolicy(FocusPolicyFor(layout, Qt::TabFocus));
        new EnterPresses(radio_);
        radio_->onArrow = [this](int step) { ChooseNeighbour(step); };
        const int id = layout.id;
        QObject::connect(radio_, &QRadioButton::clicked, radio_, [this, id] {
            form_.Dispatch([&] { form_.Controls().UserClick(id); });
            if (form_.IsAttached())
                Synchronise();
        });
    }

    QWidget* Widget() const override { return radio_; }

    void Synchronise() override {
        const QSignalBlocker blocker(radio_);
        radio_->setChecked(static_cast<platform::ButtonControl&>(control_).GetCheck());
        radio_->setEnabled(control_.IsEnabled());
    }

  private:
    // The radio buttons next to each other in tab order form one group, as the control set has it.
    void ChooseNeighbour(int step) {
        const std::vector<platform::Control*>& order = form_.Controls().InTabOrder();
        const auto self = std::find(order.begin(), order.end(), &control_);
        if (self == order.end())
            return;
        const auto index = static_cast<long>(self - order.begin()) + step;
        if (index < 0 || index >= static_cast<long>(order.size()))
            return;
        const platform::Control* neighbour = order[static_cast<size_t>(index)];
        if (neighbour->Kind() != platform::ControlKind::RadioButton || !neighbour->IsEnabled())
            return;
        const int id = neighbour->Id();
        form_.Dispatch([&] { form_.Controls().UserClick(id); });
    }

    ArrowRadio* radio_;
};

// --- owner-drawn buttons: the form draws them ---

class OwnerDrawnButton : public QAbstractButton {
  public:
    OwnerDrawnButton(QWidget* parent, std::function<void(QPainter&)> draw)
        : QAbstractButton(parent), draw_(std::move(draw)) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setFont(font());
        draw_(painter);
    }

  private:
    std::function<void(QPainter&)> draw_;
};

class OwnerDrawPeer : public Peer {
  public:
    OwnerDrawPeer(FormWidget& form, const platform::ControlTemplate& layout, platform::ButtonControl& control)
        : Peer(form, control),
          button_(new OwnerDrawnButton(&form, [this](QPainter& painter) { Draw(painter); })) {
        button_->setObjectName(ObjectName(layout.id));
        button_->setGeometry(form.Units().Rect(layout.rect));
        button_->setFocusPolicy(FocusPolicyFor(layout, Qt::TabFocus));
        button_->setCursor(Qt::PointingHandCursor);
        new EnterPresses(button_);
        const int id = layout.id;
        QObject::connect(button_, &QAbstractButton::pressed, button_, [this] {
            if (form_.IsAttached())
                Button().SetPressed(true);
        });
        QObject::connect(button_, &QAbstractButton::released, button_, [this] {
            if (form_.IsAttached())
                Button().SetPressed(false);
        });
        QObject::connect(button_, &QAbstractButton::clicked, button_,
                         [this, id] { form_.Dispatch([&] { form_.Controls().UserClick(id); }); });
    }

    QWidget* Widget() const override { return button_; }

    void Synchronise() override { button_->setEnabled(control_.IsEnabled()); }

  private:
    void Draw(QPainter& painter) {
        if (!form_.IsAttached())
            return;
        QtDrawingContext dc(painter);
        form_.Sink().OnDrawItem(control_.Id(), dc, 0, 0, Button().IsPressed());
    }

    platform::ButtonControl& Button() const { return static_cast<platform::ButtonControl&>(control_); }

    OwnerDrawnButton* button_;
};

}  // namespace

std::unique_ptr<Peer> MakePeer(FormWidget& form, const platform::ControlTemplate& layout,
                               platform::Control& control) {
    switch (layout.kind) {
        case platform::ControlKind::Edit:
            return std::make_unique<EditPeer>(form, layout, static_cast<platform::EditControl&>(control));
        case platform::ControlKind::List:
            return std::make_unique<ListPeer>(form, layout, static_cast<platform::ListControl&>(control));
        case platform::ControlKind::Tabs:
            return std::make_unique<TabsPeer>(form, layout, static_cast<platform::TabControl&>(control));
        case platform::ControlKind::PushButton:
            return std::make_unique<PushButtonPeer>(form, layout,
                                                    static_cast<platform::ButtonControl&>(control));
        case platform::ControlKind::RadioButton:
            return std::make_unique<RadioPeer>(form, layout, static_cast<platform::ButtonControl&>(control));
        case platform::ControlKind::OwnerDrawButton:
            return std::make_unique<OwnerDrawPeer>(form, layout,
                                                   static_cast<platform::ButtonControl&>(control));
    }
    return nullptr;
}

}  // namespace qtbackend
