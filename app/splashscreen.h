#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace vorneta {

class TForm1;

// The splash screen, Form3: a borderless lime square with the splash picture. It is the
// program's main form: closing it ends the program. Its timer starts counting when it is
// created and, on its first tick, hands over to the main window.
class TForm3 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);

    // The window the timer shows; created after the splash screen.
    void setMainWindow(TForm1 *form1);

    QLabel *Image1;
    QTimer *Timer1;

    void setVisible(bool visible) override;

public slots:
    // The first tick: stop the timer for good, hide the splash screen, show the main window
    // modally and, when it has closed, close the splash screen, which ends the program.
    void Timer1Timer();

signals:
    // The splash screen has closed: the program is to end.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    TForm1 *form1_ = nullptr;
};

}  // namespace vorneta
