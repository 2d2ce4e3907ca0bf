#include "app/program.h"

#include "app/aboutbox.h"
#include "app/fonts.h"
#include "app/mainwindow.h"
#include "app/pictures.h"
#include "app/splashscreen.h"
#include "common/ui/decimalseparator.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vorneta {

bool installQtTranslations(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_pl"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QApplication::installTranslator(translator);
    return true;
}

void initialiseApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("vorneta"));
    QApplication::setApplicationVersion(QStringLiteral("1.9"));
    QApplication::setDesktopFileName(QStringLiteral("vorneta"));
    // The program ends when the splash screen closes, not when the last window does.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(programIcon());

    loadBitmapSansSerif();
    QApplication::setFont(programFont(11));
    installQtTranslations(app);
    refreshDecimalSeparator();
    app.installEventFilter(new DecimalSeparatorWatcher(&app));
}

Program::Program(std::unique_ptr<HelpViewer> viewer) : help_(std::move(viewer))
{
    help_.setApplicationHelpFile(QStringLiteral("Help.hlp"));

    form3_ = std::make_unique<TForm3>();
    form1_ = std::make_unique<TForm1>(help_);
    form2_ = std::make_unique<TForm2>();

    form3_->setMainWindow(form1_.get());
    form1_->setAboutBox(form2_.get());
    help_.watchF1(form1_->menuBar());
    QObject::connect(form3_.get(), &TForm3::closed, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
}

Program::~Program()
{
    help_.quit();
}

int Program::run()
{
    form3_->show();
    return QApplication::exec();
}

}  // namespace vorneta
