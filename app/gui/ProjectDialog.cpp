#include "app/gui/ProjectDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "messages/WindowTexts.h"

namespace {

// The longest text of a field: what a calculation file holds.
constexpr int kMaxLength = 1000;

}  // namespace

ProjectDialog::ProjectDialog(const ProjectHeader& header, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("projectDialog"));
    setWindowTitle(QString::fromUtf8(messages::Text(messages::WindowText::ProjectTitle)));
    auto* form = new QFormLayout;
    const std::array<std::pair<const char*, const std::string*>, 4> rows{{
        {messages::Text(messages::WindowText::ProjectLabel), &header.project},
        {messages::Text(messages::WindowText::SectionLabel), &header.section},
        {messages::Text(messages::WindowText::EngineerLabel), &header.engineer},
        {messages::Text(messages::WindowText::RemarkLabel), &header.remark},
    }};
    for (size_t i = 0; i < rows.size(); ++i) {
        auto* field = new QLineEdit(QString::fromStdString(*rows[i].second), this);
        field->setMaxLength(kMaxLength);
        field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 48);
        form->addRow(QString::fromUtf8(rows[i].first), field);
        m_fields[i] = field;
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QString::fromUtf8(messages::Text(messages::WindowText::Cancel)));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

ProjectHeader ProjectDialog::Header() const {
    // A pasted line break or tab is no part of a header line.
    const auto text = [this](int i) {
        QString value = Field(i)->text();
        for (QChar& c : value) {
            if (c.category() == QChar::Other_Control)
                c = u' ';
        }
        return value.toStdString();
    };
    return {text(0), text(1), text(2), text(3)};
}
