#include "app/mainwindow.h"

#include "app/aboutbox.h"
#include "app/helplayer.h"
#include "circuits/ui/kirchhoffcurrenttab.h"
#include "circuits/ui/kirchhoffvoltagetab.h"
#include "circuits/ui/ohmtab.h"
#include "circuits/ui/powertab.h"
#include "common/accesskeys.h"
#include "common/ui/controls.h"
#include "common/ui/errorbox.h"
#include "transients/ui/capacitortab.h"
#include "transients/ui/rctab.h"

#include <QAction>
#include <QCloseEvent>
#include <QEventLoop>
#include <QHideEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>

namespace vorneta {

namespace {

// The tab control's place and size, and the extent of the window's contents: the client area
// is 800 wide and holds them with a margin; anything smaller scrolls.
constexpr QRect kPageControl(8, 24, 785, 537);
constexpr QSize kContents(793, 561);
constexpr QSize kClient(800, 563);

}  // namespace

TForm1::TForm1(HelpLayer &help, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                              | Qt::WindowCloseButtonHint),
      help_(help)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vorneta 1.9"));
    setProperty(HelpLayer::keywordProperty, QStringLiteral("1"));

    setColour(this, QPalette::Window, palette().color(QPalette::Button));

    // The contents keep their size; the scroll area shows scroll bars when the window is
    // smaller than they are, and empty margin when it is larger.
    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setWidgetResizable(false);
    ScrollBox->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox->setBackgroundRole(QPalette::Window);
    ScrollBox->viewport()->setBackgroundRole(QPalette::Window);
    ScrollBox->setFocusPolicy(Qt::NoFocus);
    auto *contents = new QWidget;
    contents->setObjectName(QStringLiteral("Contents"));
    contents->setFixedSize(kContents);
    ScrollBox->setWidget(contents);
    setCentralWidget(ScrollBox);

    PageControl1 = new QTabWidget(contents);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(kPageControl);
    PageControl1->setUsesScrollButtons(false);

    TabSheet1 = new OhmTab;
    TabSheet2 = new KirchhoffCurrentTab;
    TabSheet3 = new KirchhoffVoltageTab;
    TabSheet4 = new PowerTab;
    TabSheet5 = new CapacitorTab(exporter_);
    TabSheet6 = new RcTab(exporter_);
    PageControl1->addTab(TabSheet1, QStringLiteral("Prawo Ohma"));
    PageControl1->addTab(TabSheet2, QStringLiteral("I prawo Kirchhoffa"));
    PageControl1->addTab(TabSheet3, QStringLiteral("II prawo Kirchhoffa"));
    PageControl1->addTab(TabSheet4, QStringLiteral("Pomiar mocy"));
    PageControl1->addTab(TabSheet5, QStringLiteral("Ładowanie kondensatora"));
    PageControl1->addTab(TabSheet6, QStringLiteral("Obwód RC"));
    PageControl1->setCurrentIndex(0);

    buildMenu();
    resize(kClient.width(), kClient.height() + menuBar()->sizeHint().height());
}

TForm1::~TForm1()
{
    // The pages go before the exporter they hold on to.
    delete takeCentralWidget();
}

void TForm1::buildMenu()
{
    struct Item
    {
        QAction *TForm1::*action;
        const char *name;
        QString caption;
        void (TForm1::*handler)();
    };
    struct Level
    {
        QMenu *TForm1::*menu;
        const char *name;
        QString caption;
        std::vector<Item> items;
    };
    const std::vector<Level> levels = {
        {&TForm1::Menu1, "Menu1", QStringLiteral("Menu"),
         {{&TForm1::PrawoOhma1, "PrawoOhma1", QStringLiteral("Prawo Ohma"), &TForm1::PrawoOhma1Click},
          {&TForm1::IprawoKirch1, "IprawoKirch1", QStringLiteral("I prawo Kirchhoffa"),
           &TForm1::IprawoKirch1Click},
          {&TForm1::IIprawoKirchoffa1, "IIprawoKirchoffa1", QStringLiteral("II prawo Kirchoffa"),
           &TForm1::IIprawoKirchoffa1Click},
          {&TForm1::Pomiarmocy1, "Pomiarmocy1", QStringLiteral("Pomiar mocy"),
           &TForm1::Pomiarmocy1Click},
          {&TForm1::adowaniekondensatora1, "adowaniekondensatora1",
           QStringLiteral("Ładowanie kondensatora"), &TForm1::adowaniekondensatora1Click},
          {&TForm1::Koniec1, "Koniec1", QStringLiteral("Obwód RC"), &TForm1::Koniec1Click},
          {&TForm1::K1, "K1", QStringLiteral("Koniec"), &TForm1::K1Click}}},
        {&TForm1::Pomoc1, "Pomoc1", QStringLiteral("Pomoc"),
         {{&TForm1::Pomoc2, "Pomoc2", QStringLiteral("Pomoc"), &TForm1::Pomoc2Click},
          {&TForm1::Oprogramie1, "Oprogramie1", QStringLiteral("O programie"),
           &TForm1::Oprogramie1Click}}},
    };

    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setNativeMenuBar(false);

    // Access keys are chosen per level from the captions; the captions carry no marks.
    QStringList topCaptions;
    for (const Level &level : levels)
        topCaptions << level.caption;
    const std::vector<int> topKeys = accessKeyPositions(topCaptions);

    for (size_t l = 0; l < levels.size(); ++l) {
        const Level &level = levels[l];
        QMenu *menu = bar->addMenu(withAccessKeyMark(level.caption, topKeys[l]));
        menu->setObjectName(QString::fromLatin1(level.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(level.name));
        this->*level.menu = menu;

        QStringList captions;
        for (const Item &item : level.items)
            captions << item.caption;
        const std::vector<int> keys = accessKeyPositions(captions);
        for (size_t i = 0; i < level.items.size(); ++i) {
            const Item &item = level.items[i];
            QAction *action = menu->addAction(withAccessKeyMark(item.caption, keys[i]));
            action->setObjectName(QString::fromLatin1(item.name));
            const auto handler = item.handler;
            connect(action, &QAction::triggered, this,
                    [this, handler] { guarded([this, handler] { (this->*handler)(); }, this); });
            this->*item.action = action;
        }
    }
}

void TForm1::setAboutBox(TForm2 *form2)
{
    form2_ = form2;
}

void TForm1::showModal()
{
    if (const QScreen *s = screen()) {
        const QRect frame = frameGeometry();
        const QPoint offset = geometry().topLeft() - frame.topLeft();
        move(s->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2) + offset);
    }
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    PageControl1->setFocus(Qt::OtherFocusReason);
    // The first activation belongs to the start of the modal show, whether or not the
    // desktop hands the window the focus at once.
    activateOnce();

    QEventLoop loop;
    modalLoop_ = &loop;
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    modalLoop_ = nullptr;
}

void TForm1::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && modalLoop_)
        modalLoop_->quit();
}

void TForm1::hideEvent(QHideEvent *event)
{
    QMainWindow::hideEvent(event);
    // However the window went away, its modal show is over.
    if (modalLoop_ && !event->spontaneous())
        modalLoop_->quit();
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        activateOnce();
    return QMainWindow::event(event);
}

void TForm1::activateOnce()
{
    if (activated_)
        return;
    activated_ = true;
    guarded([this] { FormActivate(); }, this);
}

void TForm1::FormActivate()
{
    ++activations_;
    TabSheet5->drawActivationFrame();
    TabSheet5->writeHeadings();
    TabSheet6->writeHeadings();
    TabSheet6->drawActivationFrame();
}

void TForm1::PrawoOhma1Click()
{
    PageControl1->setCurrentWidget(TabSheet1);
}

void TForm1::IprawoKirch1Click()
{
    PageControl1->setCurrentWidget(TabSheet2);
}

void TForm1::IIprawoKirchoffa1Click()
{
    PageControl1->setCurrentWidget(TabSheet3);
}

void TForm1::Pomiarmocy1Click()
{
    PageControl1->setCurrentWidget(TabSheet4);
}

void TForm1::adowaniekondensatora1Click()
{
    PageControl1->setCurrentWidget(TabSheet5);
}

void TForm1::Koniec1Click()
{
    PageControl1->setCurrentWidget(TabSheet6);
}

void TForm1::K1Click()
{
    help_.quit();
    close();
}

void TForm1::Pomoc2Click()
{
    help_.setApplicationHelpFile(QStringLiteral("Help.hlp"));
    help_.showContents();
}

void TForm1::Oprogramie1Click()
{
    if (form2_)
        form2_->exec();
}

}  // namespace vorneta
