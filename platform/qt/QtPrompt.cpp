#include "platform/qt/QtPrompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/Text.h"

namespace qtbackend {

QWidget* QtPrompt::Parent() const {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return m_parent && m_parent->isVisible() ? m_parent.data() : nullptr;
}

void QtPrompt::Message(const std::string& text, platform::MessageIcon icon) {
    QMessageBox box(icon == platform::MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QString::fromUtf8(platform::kApplicationTitle), ToQString(text), QMessageBox::Ok,
                    Parent());
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("&OK"));
    box.exec();
}

int QtPrompt::RunDialog(const platform::DialogTemplate& dialog) {
    const auto picture = m_pictures.find(dialog.id);
    TemplateDialog window(dialog, picture == m_pictures.end() ? nullptr : &picture->second, Parent());
    return window.exec();
}

std::optional<std::string> QtPrompt::ChooseFile(const platform::FileDialog& dialog) {
    const bool saving = dialog.kind == platform::FileDialog::Kind::Save;
    QFileDialog window(Parent(), ToQString(dialog.caption));
    window.setObjectName(QStringLiteral("fileDialog"));
    window.setOption(QFileDialog::DontUseNativeDialog);
    window.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    window.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    window.setNameFilter(ToQString(dialog.filter));
    window.setDefaultSuffix(ToQString(dialog.suffix));
    if (!dialog.suggested.empty())
        window.selectFile(ToQString(dialog.suggested));
    if (window.exec() != QDialog::Accepted || window.selectedFiles().isEmpty())
        return std::nullopt;
    return window.selectedFiles().front().toStdString();
}

void QtPrompt::SetDialogPicture(int dialogId, DialogPicture picture) {
    m_pictures[dialogId] = std::move(picture);
}

}  // namespace qtbackend
