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
          m_edit(new QLineEdit(&form)),
          m_focusPolicy(FocusPolicyFor(layout, Qt::StrongFocus)) {
        m_edit->setObjectName(ObjectName(layout.id));
        m_edit->setFont(NumberFieldFont(form.font()));
        m_edit->setGeometry(form.Units().Rect(layout.rect));
        m_edit->setFocusPolicy(m_focusPolicy);
        QObject::connect(m_edit, &QLineEdit::textEdited, m_edit, [this](const QString& text) {
            m_form.Dispatch([&] {
                if (m_form.FocusOn(m_control.Id()))
                    Edit().TextEditedByUser(ToStdString(text));
            });
            if (m_form.IsAttached())
                Synchronise();
        });
        QObject::connect(m_edit, &QLineEdit::returnPressed, m_edit, [this] {
            const int button = m_form.DefaultButton();
            if (button == 0 || !m_control.IsEnabled())
                return;
            m_form.Dispatch([&] { m_form.Controls().UserClick(button); });
        });
    }

    QWidget* Widget() const override { return m_edit; }

    void Synchronise() override {
        const platform::EditControl& control = Edit();
        const QSignalBlocker blocker(m_edit);
        const QString text = ToQString(control.GetText());
        if (m_edit->text() != text) {
            m_edit->setText(text);
            if (!m_edit->hasFocus())
                m_edit->setCursorPosition(0);  // show the start, as a new text does
        }
        if (m_edit->isReadOnly() == control.IsEnabled()) {
            m_edit->setReadOnly(!control.IsEnabled());
            m_edit->setFocusPolicy(control.IsEnabled() ? m_focusPolicy : Qt::ClickFocus);
            Repaint();
        }
    }

    // The field's own colour, locked or not.
    void Repaint() override {
        m_edit->setPalette(FieldPalette(Edit().Background(), m_edit->isReadOnly()));
        m_edit->update();
    }

  private:
    platform::EditControl& Edit() const { return static_cast<platform::EditControl&>(m_control); }

    QLineEdit* m_edit;
    Qt::FocusPolicy m_focusPolicy;
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
        : Peer(form, control), m_list(new DropDownList(&form)) {
        m_list->setObjectName(ObjectName(layout.id));
        m_list->setEditable(true);
        m_list->setInsertPolicy(QComboBox::NoInsert);
        m_list->setDuplicatesEnabled(true);
        m_list->setCompleter(nullptr);
        // Qt would pick a matching entry itself when an edit finishes; the controls decide instead.
        QObject::disconnect(m_list->lineEdit(), &QLineEdit::editingFinished, m_list, nullptr);
        m_list->setFocusPolicy(FocusPolicyFor(layout, Qt::StrongFocus));

        const DialogUnits& units = form.Units();
        QRect area = units.Rect(layout.rect);
        const int closedHeight = units.Y(kListHeight);
        const int itemHeight = std::max(1, QFontMetrics(form.font()).height() + 2);
        m_list->setMaxVisibleItems(std::max(1, (area.height() - closedHeight) / itemHeight));
        area.setHeight(closedHeight);
        m_list->setGeometry(area);

        const int id = layout.id;
        QObject::connect(m_list, qOverload<int>(&QComboBox::activated), m_list, [this, id](int index) {
            m_form.Dispatch([&] { m_form.Controls().UserPick(id, index); });
            if (m_form.IsAttached())
                Synchronise();
        });
        QObject::connect(m_list->lineEdit(), &QLineEdit::textEdited, m_list, [this, id](const QString& text) {
            m_form.Dispatch([&] { m_form.Controls().UserEditListText(id, ToStdString(text)); });
            if (m_form.IsAttached())
                Synchronise();
        });
        // Return takes or refuses the typed text, as leaving the list does.
        QObject::connect(m_list->lineEdit(), &QLineEdit::returnPressed, m_list, [this, id] {
            m_form.Dispatch([&] { m_form.Controls().UserConfirmListText(id); });
            if (m_form.IsAttached())
                Synchronise();
        });
    }

    QWidget* Widget() const override { return m_list; }

    void Synchronise() override {
        const auto& control = static_cast<platform::ListControl&>(m_control);
        QLineEdit* line = m_list->lineEdit();
        const QSignalBlocker listBlocker(m_list);
        const QSignalBlocker lineBlocker(line);
        const QString shownText = line->text();
        const int cursor = line->cursorPosition();

        if (!SameEntries(control.Entries())) {
            m_list->clear();
            for (const std::string& entry : control.Entries()) m_list->addItem(ToQString(entry));
        }
        if (m_list->currentIndex() != control.GetCurSel())
            m_list->setCurrentIndex(control.GetCurSel());
        const QString text = ToQString(control.GetEditText());
        if (line->text() != text)
            line->setText(text);
        if (text == shownText)
            line->setCursorPosition(cursor);
        m_list->setEnabled(control.IsEnabled());
    }

  private:
    bool SameEntries(const std::vector<std::string>& entries) const {
        if (m_list->count() != static_cast<int>(entries.size()))
            return false;
        for (int i = 0; i < m_list->count(); ++i) {
            if (m_list->itemText(i) != ToQString(entries[static_cast<size_t>(i)]))
                return false;
        }
        return true;
    }

    DropDownList* m_list;
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
        : Peer(form, control), m_row(new ButtonRow(&form)), m_mnemonics(layout.itemMnemonics) {
        m_row->setObjectName(ObjectName(layout.id));
        m_row->setGeometry(form.Units().Rect(layout.rect));
        m_row->setFocusPolicy(FocusPolicyFor(layout, Qt::TabFocus));
        m_row->onArrow = [this](int step) { Choose(Tabs().GetCurSel() + step); };
        m_row->chosen = [this] {
            const int index = Tabs().GetCurSel();
            return index >= 0 && index < static_cast<int>(m_buttons.size())
                       ? m_buttons[static_cast<size_t>(index)]->geometry()
                       : QRect();
        };
    }

    QWidget* Widget() const override { return m_row; }

    void Synchronise() override {
        const platform::TabControl& tabs = Tabs();
        if (!SameItems(tabs.Items()))
            Rebuild(tabs.Items());
        for (size_t i = 0; i < m_buttons.size(); ++i) {
            const QSignalBlocker blocker(m_buttons[i]);
            m_buttons[i]->setChecked(static_cast<int>(i) == tabs.GetCurSel());
        }
        m_row->setEnabled(tabs.IsEnabled());
        m_row->update();
    }

  private:
    platform::TabControl& Tabs() const { return static_cast<platform::TabControl&>(m_control); }

    void Choose(int index) {
        if (index < 0 || index >= Tabs().GetItemCount())
            return;
        const int id = m_control.Id();
        m_form.Dispatch([&] { m_form.Controls().UserSelectTab(id, index); });
        if (m_form.IsAttached())
            Synchronise();
    }

    // The tab's text with its key marked: the first character equal to its mnemonic, in any case.
    QString Caption(const std::string& item, size_t index) const {
        const QString text = ToQString(item);
        if (index >= m_mnemonics.size())
            return WindowCaption(item, -1);
        const QString key = QString(QChar(m_mnemonics[index]));
        return WindowCaption(item, static_cast<int>(text.indexOf(key, 0, Qt::CaseInsensitive)));
    }

    bool SameItems(const std::vector<std::string>& items) const {
        if (m_buttons.size() != items.size())
            return false;
        for (size_t i = 0; i < items.size(); ++i) {
            if (m_buttons[i]->text() != Caption(items[i], i))
                return false;
        }
        return true;
    }

    // Each button is as wide as its text with a little padding, next to each other from the left.
    void Rebuild(const std::vector<std::string>& items) {
        for (QPushButton* old : m_buttons) {
            old->hide();
            old->deleteLater();  // the button may be the one whose click is being handled
        }
        m_buttons.clear();
        const QFontMetrics metrics(m_row->font());
        const int padding = m_form.Units().X(4);
        const int gap = m_form.Units().X(1);
        int left = kFocusFrame;
        for (size_t i = 0; i < items.size(); ++i) {
            auto* button = new QPushButton(Caption(items[i], i), m_row);
            button->setObjectName(QStringLiteral("tab%1").arg(i));
            button->setCheckable(true);
            button->setAutoExclusive(false);
            button->setFocusPolicy(Qt::NoFocus);
            const int width = metrics.horizontalAdvance(ToQString(items[i])) + 2 * padding;
            button->setGeometry(left, kFocusFrame, width, m_row->height() - 2 * kFocusFrame);
            button->show();
            const int index = static_cast<int>(i);
            QObject::connect(button, &QPushButton::clicked, button, [this, index] { Choose(index); });
            m_buttons.push_back(button);
            left += width + gap;
        }
    }

    ButtonRow* m_row;
    std::string m_mnemonics;
    std::vector<QPushButton*> m_buttons;
};

// --- push buttons and radio buttons ---

class PushButtonPeer : public Peer {
  public:
    PushButtonPeer(FormWidget& form, const platform::ControlTemplate& layout,
                   platform::ButtonControl& control)
        : Peer(form, control),
          m_button(new QPushButton(WindowCaption(control.GetCaption(), layout.mnemonic), &form)) {
        m_button->setObjectName(ObjectName(layout.id));
        m_button->setGeometry(form.Units().Rect(layout.rect));
        m_button->setAutoDefault(false);
        // A click does not take the focus on its own: the click's action moves it, after the leave.
        m_button->setFocusPolicy(FocusPolicyFor(layout, Qt::TabFocus));
        new EnterPresses(m_button);
        const int id = layout.id;
        QObject::connect(m_button, &QPushButton::clicked, m_button,
                         [this, id] { m_form.Dispatch([&] { m_form.Controls().UserClick(id); }); });
    }

    QWidget* Widget() const override { return m_button; }

    void Synchronise() override { m_button->setEnabled(m_control.IsEnabled()); }

    // The owner of the form may choose the button's colour.
    void Repaint() override {
        m_button->setPalette(PaletteWith(QPalette::Button, m_form.Sink().ControlBrush(m_control.Id())));
        m_button->update();
    }

  private:
    QPushButton* m_button;
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
          m_radio(new ArrowRadio(WindowCaption(control.GetCaption(), layout.mnemonic), &form)) {
        m_radio->setObjectName(ObjectName(layout.id));
        m_radio->setGeometry(form.Units().Rect(layout.rect));
        m_radio->setAutoExclusive(false);  // the control set moves the check mark within the group
        m_radio->setFocusPolicy(FocusPolicyFor(layout, Qt::TabFocus));
        new EnterPresses(m_radio);
        m_radio->onArrow = [this](int step) { ChooseNeighbour(step); };
        const int id = layout.id;
        QObject::connect(m_radio, &QRadioButton::clicked, m_radio, [this, id] {
            m_form.Dispatch([&] { m_form.Controls().UserClick(id); });
            if (m_form.IsAttached())
                Synchronise();
        });
    }

    QWidget* Widget() const override { return m_radio; }

    void Synchronise() override {
        const QSignalBlocker blocker(m_radio);
        m_radio->setChecked(static_cast<platform::ButtonControl&>(m_control).GetCheck());
        m_radio->setEnabled(m_control.IsEnabled());
    }

  private:
    // The radio buttons next to each other in tab order form one group, as the control set has it.
    void ChooseNeighbour(int step) {
        const std::vector<platform::Control*>& order = m_form.Controls().InTabOrder();
        const auto self = std::find(order.begin(), order.end(), &m_control);
        if (self == order.end())
            return;
        const auto index = static_cast<long>(self - order.begin()) + step;
        if (index < 0 || index >= static_cast<long>(order.size()))
            return;
        const platform::Control* neighbour = order[static_cast<size_t>(index)];
        if (neighbour->Kind() != platform::ControlKind::RadioButton || !neighbour->IsEnabled())
            return;
        const int id = neighbour->Id();
        m_form.Dispatch([&] { m_form.Controls().UserClick(id); });
    }

    ArrowRadio* m_radio;
};

// --- owner-drawn buttons: the form draws them ---

class OwnerDrawnButton : public QAbstractButton {
  public:
    OwnerDrawnButton(QWidget* parent, std::function<void(QPainter&)> draw)
        : QAbstractButton(parent), m_draw(std::move(draw)) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setFont(font());
        m_draw(painter);
    }

  private:
    std::function<void(QPainter&)> m_draw;
};

class OwnerDrawPeer : public Peer {
  public:
    OwnerDrawPeer(FormWidget& form, const platform::ControlTemplate& layout, platform::ButtonControl& control)
        : Peer(form, control),
          m_button(new OwnerDrawnButton(&form, [this](QPainter& painter) { Draw(painter); })) {
        m_button->setObjectName(ObjectName(layout.id));
        m_button->setGeometry(form.Units().Rect(layout.rect));
        m_button->setFocusPolicy(FocusPolicyFor(layout, Qt::TabFocus));
        m_button->setCursor(Qt::PointingHandCursor);
        new EnterPresses(m_button);
        const int id = layout.id;
        QObject::connect(m_button, &QAbstractButton::pressed, m_button, [this] {
            if (m_form.IsAttached())
                Button().SetPressed(true);
        });
        QObject::connect(m_button, &QAbstractButton::released, m_button, [this] {
            if (m_form.IsAttached())
                Button().SetPressed(false);
        });
        QObject::connect(m_button, &QAbstractButton::clicked, m_button,
                         [this, id] { m_form.Dispatch([&] { m_form.Controls().UserClick(id); }); });
    }

    QWidget* Widget() const override { return m_button; }

    void Synchronise() override { m_button->setEnabled(m_control.IsEnabled()); }

  private:
    void Draw(QPainter& painter) {
        if (!m_form.IsAttached())
            return;
        QtDrawingContext dc(painter);
        m_form.Sink().OnDrawItem(m_control.Id(), dc, 0, 0, Button().IsPressed());
    }

    platform::ButtonControl& Button() const { return static_cast<platform::ButtonControl&>(m_control); }

    OwnerDrawnButton* m_button;
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
