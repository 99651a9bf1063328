#include "app/gui/GuiSession.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/AboutBox.h"
#include "app/gui/Pictures.h"

namespace {

// The picture of the about box, in dialog units.
constexpr platform::DialogRect kAboutPicture{14, 15, 56, 54};
constexpr int kAboutPictureSize = 112;

}  // namespace

void ConfigureApplication(QApplication& application) {
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QString::fromUtf8(platform::kApplicationTitle));
    QGuiApplication::setDesktopFileName(QStringLiteral("quellrix"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
    QApplication::setWindowIcon(ProgramIcon());
}

GuiSession::GuiSession()
    : m_app({m_printer, m_shell, m_clock}), m_frame(std::make_unique<CMainFrame>(m_app, m_printer)) {
    m_prompt.SetParentWindow(m_frame.get());
    m_prompt.SetDialogPicture(AboutBoxTemplate().id, {PipePicture(kAboutPictureSize), kAboutPicture});
    m_printer.SetParentWindow(m_frame.get());
}

GuiSession::~GuiSession() {
    m_frame.reset();
}

bool GuiSession::Start(const std::string& fileToOpen) {
    if (!m_app.Start(fileToOpen))
        return false;  // an opened file entered the recent-file list
    m_frame->ShowForm(m_app.View());
    m_frame->showNormal();
    m_frame->repaint();
    return true;
}
