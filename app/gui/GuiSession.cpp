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

GuiSession::GuiSession() : app_({printer_, shell_, clock_}), frame_(std::make_unique<CMainFrame>(app_, printer_)) {
    prompt_.SetParentWindow(frame_.get());
    prompt_.SetDialogPicture(AboutBoxTemplate().id, {PipePicture(kAboutPictureSize), kAboutPicture});
    printer_.SetParentWindow(frame_.get());
}

GuiSession::~GuiSession() {
    frame_.reset();
}

bool GuiSession::Start(const std::string& fileToOpen) {
    if (!app_.Start(fileToOpen))
        return false;  // an opened file entered the recent-file list
    frame_->ShowForm(app_.View());
    frame_->showNormal();
    frame_->repaint();
    return true;
}
