#include "app/splashscreen.h"

#include "app/mainwindow.h"
#include "app/pictures.h"
#include "common/ui/controls.h"
#include "common/ui/errorbox.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace vorneta {

TForm3::TForm3(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Vorneta"));
    setFixedSize(409, 402);

    // The timer counts from here, while the rest of the program is being created.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
    connect(Timer1, &QTimer::timeout, this, [this] { guarded([this] { Timer1Timer(); }, this); });
    Timer1->start();

    setColour(this, QPalette::Window, QColor(0, 255, 0));
    setAutoFillBackground(true);

    Image1 = makePicture(this, "Image1", {8, 0, 401, 401}, drawSplashPicture());
}

void TForm3::setMainWindow(TForm1 *form1)
{
    form1_ = form1;
}

void TForm3::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        if (const QScreen *s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
    QWidget::setVisible(visible);
}

void TForm3::Timer1Timer()
{
    Timer1->stop();
    hide();
    if (form1_)
        form1_->showModal();
    close();
}

void TForm3::closeEvent(QCloseEvent *event)
{
    // Closed before its tick, the splash screen ends the program without the main window.
    Timer1->stop();
    event->accept();
    emit closed();
}

}  // namespace vorneta
