#pragma once

#include "export/ui/tableexporter.h"

#include <QMainWindow>

class QAction;
class QEventLoop;
class QMenu;
class QScrollArea;
class QTabWidget;

namespace vorneta {

class CapacitorTab;
class HelpLayer;
class KirchhoffCurrentTab;
class KirchhoffVoltageTab;
class OhmTab;
class PowerTab;
class RcTab;
class TForm2;

// The main window, Form1: the six tabs in PageControl1 and the menu MainMenu1. It is shown
// modally by the splash screen's timer; when it closes, the program ends.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(HelpLayer &help, QWidget *parent = nullptr);
    ~TForm1() override;

    // The about box that "O programie" shows; created after the main window.
    void setAboutBox(TForm2 *form2);

    // Shows the window centred and application-modal; returns when it has closed.
    void showModal();

    // How many times FormActivate has run (once in the life of the program).
    int activationCount() const { return activations_; }

    QScrollArea *ScrollBox;
    QTabWidget *PageControl1;
    OhmTab *TabSheet1;
    KirchhoffCurrentTab *TabSheet2;
    KirchhoffVoltageTab *TabSheet3;
    PowerTab *TabSheet4;
    CapacitorTab *TabSheet5;
    RcTab *TabSheet6;

    QMenu *Menu1;
    QAction *PrawoOhma1;
    QAction *IprawoKirch1;
    QAction *IIprawoKirchoffa1;
    QAction *Pomiarmocy1;
    QAction *adowaniekondensatora1;
    QAction *Koniec1;
    QAction *K1;
    QMenu *Pomoc1;
    QAction *Pomoc2;
    QAction *Oprogramie1;

public slots:
    void PrawoOhma1Click();
    void IprawoKirch1Click();
    void IIprawoKirchoffa1Click();
    void Pomiarmocy1Click();
    void adowaniekondensatora1Click();
    void Koniec1Click();
    void K1Click();
    void Pomoc2Click();
    void Oprogramie1Click();
    void FormActivate();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildMenu();
    void activateOnce();

    HelpLayer &help_;
    TableExporter exporter_;
    TForm2 *form2_ = nullptr;
    QEventLoop *modalLoop_ = nullptr;
    bool activated_ = false;
    int activations_ = 0;
};

}  // namespace vorneta
