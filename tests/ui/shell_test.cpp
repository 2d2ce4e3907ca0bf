// The application shell: start-up, the hand-over from the splash screen to the main window,
// the menu, help requests and shutdown.

#include "shellsupport.h"

#include "app/aboutbox.h"
#include "app/helplayer.h"
#include "app/mainwindow.h"
#include "app/splashscreen.h"
#include "circuits/quantities.h"
#include "circuits/ui/kirchhoffcurrenttab.h"
#include "circuits/ui/kirchhoffvoltagetab.h"
#include "circuits/ui/ohmtab.h"
#include "circuits/ui/powertab.h"
#include "transients/ui/capacitortab.h"
#include "transients/ui/rctab.h"
#include "common/accesskeys.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vorneta;
using vorneta::test::RecordingViewer;
using vorneta::test::whenModal;

namespace {

class Shell : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::initialiseOnce();
        program = std::make_unique<Program>(std::make_unique<RecordingViewer>(help));
    }

    void TearDown() override { program.reset(); }

    // Shows the main window the way the splash screen's tick does, runs `inside` once it is up,
    // and returns when the tick handler has finished.
    void tickWith(std::function<void(TForm1 &)> inside)
    {
        TForm1 &form1 = program->form1();
        QTimer::singleShot(0, &form1, [&form1, inside] { inside(form1); });
        program->form3().Timer1Timer();
    }

    QStringList help;
    std::unique_ptr<Program> program;
};

}  // namespace

TEST(StartQuantities, TheSevenResistancesAndTheImpedanceStartAtOne)
{
    // Before start-up every quantity is zero; afterwards exactly the seven are 1.0.
    const std::vector<std::pair<const char *, Quantity *>> ones = {
        {"RezystancjaR1Wezel", &RezystancjaR1Wezel}, {"RezystancjaR2Wezel", &RezystancjaR2Wezel},
        {"RezystancjaR3Wezel", &RezystancjaR3Wezel}, {"RezystancjaR1Oczko", &RezystancjaR1Oczko},
        {"RezystancjaR2Oczko", &RezystancjaR2Oczko}, {"RezystancjaR3Oczko", &RezystancjaR3Oczko},
        {"ImpedancjaMoc", &ImpedancjaMoc}};
    const std::vector<std::pair<const char *, Quantity *>> zeros = {
        {"PradOhm", &PradOhm},         {"RezystancjaOhm", &RezystancjaOhm},
        {"PradJ1Wezel", &PradJ1Wezel}, {"PradJ2Wezel", &PradJ2Wezel},
        {"NapiecieU1Oczko", &NapiecieU1Oczko}, {"NapiecieU2Oczko", &NapiecieU2Oczko},
        {"SemMoc", &SemMoc},           {"KatMoc", &KatMoc}};
    setStartQuantities();
    for (const auto &[name, q] : ones)
        EXPECT_EQ(*q, 1.0L) << name;
    for (const auto &[name, q] : zeros)
        EXPECT_EQ(*q, 0.0L) << name;
}

TEST_F(Shell, WindowsAreCreatedHiddenAndTheTimerCountsFromTheStart)
{
    EXPECT_EQ(program->form3().objectName(), "Form3");
    EXPECT_EQ(program->form1().objectName(), "Form1");
    EXPECT_EQ(program->form2().objectName(), "Form2");
    EXPECT_FALSE(program->form3().isVisible());
    EXPECT_FALSE(program->form1().isVisible());
    EXPECT_FALSE(program->form2().isVisible());
    EXPECT_TRUE(program->form3().Timer1->isActive());
    EXPECT_EQ(program->form3().Timer1->interval(), 5000);
    EXPECT_EQ(program->help().applicationHelpFile(), "Help.hlp");
    EXPECT_EQ(program->form1().windowTitle(), "Vorneta 1.9");
    EXPECT_TRUE(help.isEmpty());
}

TEST_F(Shell, SplashLooksAsDesigned)
{
    TForm3 &splash = program->form3();
    splash.show();
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.size(), QSize(409, 402));
    EXPECT_EQ(splash.Image1->geometry(), QRect(8, 0, 401, 401));
    const QImage shot = splash.grab().toImage();
    // Lime left of the picture, right of it and below it, and the picture's own lime ground.
    for (const QPoint p : {QPoint(3, 200), QPoint(408, 5), QPoint(200, 401), QPoint(12, 4)})
        EXPECT_EQ(shot.pixelColor(p), QColor(0, 255, 0)) << p.x() << "," << p.y();
}

TEST_F(Shell, TheTickHidesTheSplashShowsTheMainWindowOnceAndClosesTheSplashAfterwards)
{
    TForm3 &splash = program->form3();
    QSignalSpy ended(&splash, &TForm3::closed);
    splash.show();

    bool seen = false;
    tickWith([&](TForm1 &form1) {
        seen = true;
        EXPECT_TRUE(form1.isVisible());
        EXPECT_FALSE(splash.isVisible());
        EXPECT_FALSE(splash.Timer1->isActive()) << "a second tick would show the window again";
        EXPECT_EQ(form1.PageControl1->currentWidget(), static_cast<QWidget *>(form1.TabSheet1));
        EXPECT_EQ(form1.activationCount(), 1);
        EXPECT_TRUE(form1.isModal() || form1.windowModality() == Qt::ApplicationModal);
        EXPECT_EQ(ended.count(), 0);
        form1.close();  // the title-bar close button
    });
    EXPECT_TRUE(seen);
    EXPECT_FALSE(program->form1().isVisible());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(program->form1().activationCount(), 1);
    EXPECT_TRUE(help.isEmpty());

    program.reset();  // shutdown
    EXPECT_EQ(help, QStringList{"quit"});
}

TEST_F(Shell, TheRealTimerFiresOnceAndHandsOver)
{
    TForm3 &splash = program->form3();
    QSignalSpy ended(&splash, &TForm3::closed);
    splash.Timer1->start(1);
    splash.show();
    int shown = 0;
    whenModal([&](QWidget *modal) {
        ++shown;
        EXPECT_EQ(modal, &program->form1());
        QTest::qWait(30);  // long enough for many more ticks if the timer still ran
        modal->close();
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended.count() == 1; }, 5000));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(program->form1().activationCount(), 1);
}

TEST_F(Shell, ClosingTheSplashFirstEndsWithoutTheMainWindow)
{
    TForm3 &splash = program->form3();
    QSignalSpy ended(&splash, &TForm3::closed);
    splash.Timer1->setInterval(1);
    splash.show();
    splash.close();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(splash.Timer1->isActive());
    QTest::qWait(20);
    EXPECT_FALSE(program->form1().isVisible());
    EXPECT_EQ(program->form1().activationCount(), 0);
    program.reset();
    EXPECT_EQ(help, QStringList{"quit"});
}

TEST_F(Shell, MainWindowFrameAndTabs)
{
    TForm1 &form1 = program->form1();
    EXPECT_FALSE(form1.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form1.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form1.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(form1.PageControl1->geometry(), QRect(8, 24, 785, 537));

    const QStringList captions = {"Prawo Ohma", "I prawo Kirchhoffa", "II prawo Kirchhoffa",
                                  "Pomiar mocy", "Ładowanie kondensatora", "Obwód RC"};
    ASSERT_EQ(form1.PageControl1->count(), captions.size());
    for (int i = 0; i < captions.size(); ++i) {
        EXPECT_EQ(form1.PageControl1->tabText(i), captions[i]);
        EXPECT_EQ(form1.PageControl1->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
    }

    // Smaller than the contents: scroll bars, the tab control stays put; larger: none.
    form1.show();
    QScrollArea *scroll = form1.ScrollBox;
    form1.resize(500, 300);
    QTest::qWait(1);
    EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    EXPECT_EQ(form1.PageControl1->geometry(), QRect(8, 24, 785, 537));
    form1.resize(1000, 800);
    QTest::qWait(1);
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
    EXPECT_EQ(form1.PageControl1->geometry(), QRect(8, 24, 785, 537));
}

TEST(AccessKeys, EachTakesTheFirstFreeLetterOrDigit)
{
    struct Case
    {
        QStringList captions;
        std::vector<int> positions;
    };
    const std::vector<Case> cases = {
        {{"Prawo Ohma", "I prawo Kirchhoffa", "II prawo Kirchoffa", "Pomiar mocy",
          "Ładowanie kondensatora", "Obwód RC", "Koniec"},
         {0, 0, 4, 1, 1, 1, 0}},
        {{"Menu", "Pomoc"}, {0, 0}},
        {{"Pomoc", "O programie"}, {0, 0}},
        {{"ab", "AB", "ab"}, {0, 1, -1}},   // case does not matter; none left for the third
        {{"Żółw", "1 Ąb"}, {3, 0}},         // only A to Z and digits count
        {{"", "--"}, {-1, -1}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(accessKeyPositions(c.captions), c.positions) << c.captions.join('|').toStdString();

    EXPECT_EQ(withAccessKeyMark("II prawo Kirchoffa", 4), "II p&rawo Kirchoffa");
    EXPECT_EQ(withAccessKeyMark("R&C", 2), "R&&&C");
    EXPECT_EQ(withAccessKeyMark("Ab", -1), "Ab");
}

TEST_F(Shell, MenuItemsHaveTheirNamesCaptionsAndAccessKeys)
{
    TForm1 &form1 = program->form1();
    QMenuBar *bar = form1.menuBar();
    EXPECT_EQ(bar->objectName(), "MainMenu1");
    const QList<QAction *> top = bar->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->text(), "&Menu");
    EXPECT_EQ(top[0]->menu()->objectName(), "Menu1");
    EXPECT_EQ(top[1]->text(), "&Pomoc");
    EXPECT_EQ(top[1]->menu()->objectName(), "Pomoc1");

    const QList<std::pair<QString, QString>> menu = {
        {"PrawoOhma1", "&Prawo Ohma"},          {"IprawoKirch1", "&I prawo Kirchhoffa"},
        {"IIprawoKirchoffa1", "II p&rawo Kirchoffa"}, {"Pomiarmocy1", "P&omiar mocy"},
        {"adowaniekondensatora1", "Ł&adowanie kondensatora"}, {"Koniec1", "O&bwód RC"},
        {"K1", "&Koniec"}};
    const QList<std::pair<QString, QString>> pomoc = {{"Pomoc2", "&Pomoc"},
                                                      {"Oprogramie1", "&O programie"}};
    for (const auto &[level, expected] : {std::pair{top[0]->menu(), menu}, std::pair{top[1]->menu(), pomoc}}) {
        const QList<QAction *> items = level->actions();
        ASSERT_EQ(items.size(), expected.size());
        for (int i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i]->objectName(), expected[i].first);
            EXPECT_EQ(items[i]->text(), expected[i].second);
            EXPECT_TRUE(items[i]->shortcut().isEmpty());
            EXPECT_FALSE(items[i]->isCheckable());
            EXPECT_FALSE(items[i]->isSeparator());
        }
    }
}

TEST_F(Shell, MenuBringsEveryTabForwardAndKoniecEndsTheProgram)
{
    QSignalSpy ended(&program->form3(), &TForm3::closed);
    tickWith([&](TForm1 &form1) {
        const std::vector<std::pair<QAction *, QWidget *>> items = {
            {form1.Pomiarmocy1, form1.TabSheet4}, {form1.IprawoKirch1, form1.TabSheet2},
            {form1.IIprawoKirchoffa1, form1.TabSheet3}, {form1.adowaniekondensatora1, form1.TabSheet5},
            {form1.Koniec1, form1.TabSheet6}, {form1.Koniec1, form1.TabSheet6},  // again: no change
            {form1.PrawoOhma1, form1.TabSheet1}};
        for (const auto &[action, page] : items) {
            action->trigger();
            EXPECT_EQ(form1.PageControl1->currentWidget(), page) << action->objectName().toStdString();
            EXPECT_TRUE(form1.isVisible()) << action->objectName().toStdString();
        }
        EXPECT_EQ(ended.count(), 0);
        EXPECT_TRUE(help.isEmpty());
        form1.K1->trigger();
    });
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(help, QStringList{"quit"});
    program.reset();
    EXPECT_EQ(help, (QStringList{"quit", "quit"}));
}

TEST_F(Shell, HelpRequestsFromTheKeyboardAndTheMenu)
{
    TForm1 &form1 = program->form1();
    // The current slider of the Ohm tab carries its own keyword; a stand-in when it is absent.
    auto *slider = form1.findChild<QWidget *>(QStringLiteral("TrackBar1"));
    if (!slider) {
        slider = new QWidget(form1.TabSheet1);
        slider->setObjectName(QStringLiteral("TrackBar1"));
        slider->setProperty(HelpLayer::keywordProperty, QStringLiteral("gdgdgdg"));
    }
    slider->setFocusPolicy(Qt::StrongFocus);
    auto *child = new QWidget(slider);  // a part of the slider without a keyword of its own
    child->setFocusPolicy(Qt::StrongFocus);

    form1.show();
    form1.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form1));
    help.clear();

    form1.PageControl1->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    slider->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    child->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(help, (QStringList{"keyword:1", "keyword:gdgdgdg", "keyword:gdgdgdg"}));

    // F1 over an open menu asks for context 0.
    help.clear();
    form1.Menu1->popup(form1.mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form1.Menu1));
    QTest::keyClick(form1.Menu1, Qt::Key_F1);
    form1.Menu1->close();
    EXPECT_EQ(help, QStringList{"context:0"});

    help.clear();
    form1.Pomoc2->trigger();
    EXPECT_EQ(help, QStringList{"contents"});
    EXPECT_EQ(program->help().applicationHelpFile(), "Help.hlp");
}

TEST_F(Shell, FormActivateRunsOnceAlsoAfterTheAboutBox)
{
    tickWith([&](TForm1 &form1) {
        EXPECT_EQ(form1.activationCount(), 1);
        whenModal([](QWidget *box) { box->close(); }, &form1);
        form1.Oprogramie1->trigger();
        form1.activateWindow();
        QTest::qWait(10);
        EXPECT_EQ(form1.activationCount(), 1);
        form1.close();
    });
    EXPECT_EQ(program->form1().activationCount(), 1);
}

TEST(HelpLayer, ViewerFailuresStayInTheViewer)
{
    class Failing final : public HelpViewer
    {
    public:
        void showContents() override { throw std::runtime_error("no viewer"); }
        void showKeyword(const QString &) override { throw 1; }
        void showContext(int) override { throw std::runtime_error("no viewer"); }
        void quit() override { throw std::runtime_error("no viewer"); }
    };
    HelpLayer layer(std::make_unique<Failing>());
    EXPECT_NO_THROW(layer.showContents());
    EXPECT_NO_THROW(layer.showKeyword("1"));
    EXPECT_NO_THROW(layer.showContext(0));
    EXPECT_NO_THROW(layer.quit());
}
