// The two transient tabs on screen: their controls, the plot areas before and after the
// activation, a press on each tab seen through the labels, the grid and the plot, and the
// error box of a failing press. VORNETA_SCREENSHOTS=<dir> saves pictures of both tabs.
#include "common/ui/decimalseparator.h"
#include "export/ui/tableexporter.h"
#include "transients/surface.h"
#include "transients/ui/capacitortab.h"
#include "transients/ui/rctab.h"
#include "transients/ui/resultgrid.h"
#include "transients/ui/surfaceview.h"
#include "tests/ui/shellsupport.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace vorneta;

namespace {

QString sep(const char *text)
{
    QString s = QString::fromUtf8(text);
    s.replace(QLatin1Char(','), QLatin1Char(decimalSeparator()));
    return s;
}

template <class T>
T *child(QWidget *tab, const char *name)
{
    T *w = tab->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QString labelText(QWidget *tab, const char *name) { return child<QLabel>(tab, name)->text(); }

void type(QWidget *tab, std::initializer_list<std::pair<const char *, const char *>> texts)
{
    for (const auto &[name, text] : texts)
        child<QLineEdit>(tab, name)->setText(QString::fromUtf8(text));
}

// Runs a press that fails and returns the error box's text, closing the box.
QString errorBoxOf(QPushButton *button)
{
    QString message;
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, &message] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        message = box->text();
        box->accept();
    });
    poll->start();
    button->click();
    return message;
}

void saveScreenshot(QWidget *tab, const char *name)
{
    const QByteArray dir = qgetenv("VORNETA_SCREENSHOTS");
    if (!dir.isEmpty())
        tab->grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name) + ".png");
}

QColor pixelOf(QWidget *view, int x, int y) { return view->grab().toImage().pixelColor(x, y); }

struct Placed
{
    const char *name;
    QRect geometry;
};

}  // namespace

class TransientTabs : public testing::Test
{
protected:
    static void SetUpTestSuite() { test::initialiseOnce(); }  // the program's font

    TransientTabs()
    {
        capacitor.resize(777, 509);
        rc.resize(777, 509);
    }

    void activate()
    {
        capacitor.drawActivationFrame();
        capacitor.writeHeadings();
        rc.writeHeadings();
        rc.drawActivationFrame();
    }

    TableExporter exporter;
    CapacitorTab capacitor{exporter};
    RcTab rc{exporter};
};

TEST_F(TransientTabs, ControlsStandWhereTheyBelong)
{
    const Placed capacitorControls[] = {
        {"Image5", {8, 8, 600, 400}},        {"StringGrid1", {616, 264, 161, 209}}, {"Image6", {612, 8, 165, 124}},
        {"Bevel23", {612, 136, 165, 121}},   {"Label107", {616, 144, 153, 104}},    {"Bevel21", {8, 416, 601, 89}},
        {"Button1", {616, 480, 75, 25}},     {"Button2", {696, 480, 75, 25}},       {"Czas", {144, 425, 81, 21}},
        {"Napiecie", {144, 450, 81, 21}},    {"Rezystancja", {384, 425, 81, 21}},   {"pojemnosc", {384, 450, 81, 21}},
    };
    for (const Placed &p : capacitorControls)
        EXPECT_EQ(child<QWidget>(&capacitor, p.name)->geometry(), p.geometry) << p.name;
    const Placed rcControls[] = {
        {"Image7", {8, 8, 553, 377}},          {"StringGrid2", {568, 224, 209, 249}},
        {"Image8", {568, 8, 209, 124}},        {"Bevel22", {568, 136, 209, 81}},
        {"Label126", {576, 144, 174, 65}},     {"Bevel24", {8, 392, 553, 113}},
        {"Button3", {568, 480, 75, 25}},       {"Button4", {648, 480, 75, 25}},
        {"CzasRC", {136, 400, 73, 21}},        {"RezystancjaRC", {408, 400, 73, 21}},
        {"PojemnoscRC", {136, 425, 73, 21}},   {"Nap_PoczRC", {408, 425, 73, 21}},
        {"Sklad_StalaRC", {136, 450, 73, 21}}, {"Sklad_ZmiennaRC", {408, 450, 73, 21}},
        {"OkresRC", {136, 475, 73, 21}},       {"KatRC", {408, 475, 73, 21}},
    };
    for (const Placed &p : rcControls)
        EXPECT_EQ(child<QWidget>(&rc, p.name)->geometry(), p.geometry) << p.name;

    struct Caption
    {
        QWidget *tab;
        const char *name;
        QPoint place;
        const char *text;
        int pixelSize;
        QColor colour;
    };
    const QColor blue(0, 0, 255), red(255, 0, 0), green(0, 128, 0), black(0, 0, 0);
    const QColor plain = QApplication::palette().color(QPalette::WindowText);
    const Caption captions[] = {
        {&capacitor, "Label90", {16, 425}, "Czas ładowania [s]", 13, blue},
        {&capacitor, "Label91", {16, 450}, "Napięcie U [V]", 13, blue},
        {&capacitor, "Label92", {272, 425}, "Rezystancja R [", 13, blue},
        {&capacitor, "Label93", {366, 425}, "Ω]", 13, blue},
        {&capacitor, "Label94", {272, 450}, "Pojemność C [F]", 13, blue},
        {&capacitor, "Label110", {16, 475}, "Stała czasowa =", 13, blue},
        {&capacitor, "Label111", {112, 475}, "", 13, blue},
        {&capacitor, "Label87", {10, 10}, "U [V]", 11, blue},
        {&capacitor, "Label102", {50, 10}, "I [A]", 11, red},
        {&capacitor, "Label103", {90, 10}, "Q [C]", 11, green},
        {&capacitor, "Label95", {10, 30}, "", 11, blue},
        {&capacitor, "Label97", {10, 250}, "", 11, blue},
        {&capacitor, "Label105", {50, 140}, "", 11, red},
        {&capacitor, "Label109", {90, 250}, "", 11, green},
        {&capacitor, "Label89", {112, 375}, "0", 11, plain},
        {&capacitor, "Label101", {540, 375}, "", 11, plain},
        {&capacitor, "Label88", {584, 392}, "t [s]", 11, plain},
        {&rc, "Label112", {16, 400}, "Czas symulacji [s]", 13, blue},
        {&rc, "Label113", {248, 400}, "Rezystancja R [", 13, blue},
        {&rc, "Label114", {342, 400}, "Ω]", 13, blue},
        {&rc, "Label115", {16, 425}, "Pojemność C [F]", 13, blue},
        {&rc, "Label116", {248, 425}, "Nap. początkowe na C [V]", 13, blue},
        {&rc, "Label117", {16, 450}, "Składowa stała [ V ]", 13, blue},
        {&rc, "Label118", {248, 450}, "Składowa zmienna [V]", 13, blue},
        {&rc, "Label119", {16, 475}, "Okres napięcia [Hz]", 13, blue},
        {&rc, "Label120", {248, 475}, "Kąt napięcia [deg]", 13, blue},
        {&rc, "Label121", {10, 10}, "U [V]", 11, black},
        {&rc, "Label122", {10, 32}, "", 11, plain},
        {&rc, "Label123", {10, 360}, "", 11, plain},
        {&rc, "Label124", {472, 208}, "", 11, plain},
        {&rc, "Label125", {33, 203}, "0", 11, plain},
        {&rc, "Label127", {504, 264}, "--- Uz", 11, blue},
        {&rc, "Label128", {504, 296}, "--- Ur", 11, green},
        {&rc, "Label129", {504, 328}, "--- Uc", 11, red},
    };
    for (const Caption &c : captions) {
        auto *l = child<QLabel>(c.tab, c.name);
        EXPECT_EQ(l->pos(), c.place) << c.name;
        EXPECT_EQ(l->text(), QString::fromUtf8(c.text)) << c.name;
        EXPECT_EQ(l->font().pixelSize(), c.pixelSize) << c.name;
        EXPECT_EQ(l->palette().color(QPalette::WindowText), c.colour) << c.name;
        if (l->text().isEmpty()) {
            EXPECT_EQ(l->width(), 0) << c.name;  // an empty readout hides nothing under it
        }
    }
    // the plot labels stand on white, over the plot
    EXPECT_TRUE(child<QLabel>(&capacitor, "Label95")->autoFillBackground());
    EXPECT_EQ(child<QLabel>(&rc, "Label127")->palette().color(QPalette::Window), QColor(Qt::white));

    EXPECT_EQ(child<QPushButton>(&capacitor, "Button1")->text(), "Wykres");
    EXPECT_EQ(child<QPushButton>(&capacitor, "Button1")->palette().color(QPalette::ButtonText), blue);
    EXPECT_EQ(child<QPushButton>(&capacitor, "Button1")->font().pixelSize(), 13);
    EXPECT_EQ(child<QPushButton>(&rc, "Button3")->font().pixelSize(), 13);
    EXPECT_EQ(child<QPushButton>(&rc, "Button3")->palette().color(QPalette::ButtonText),
              QApplication::palette().color(QPalette::ButtonText));
    EXPECT_EQ(child<QPushButton>(&rc, "Button4")->text(), "Zapis tabeli");
    EXPECT_TRUE(labelText(&capacitor, "Label107").startsWith("Proces ładowania kondensatora opisuje równanie: "));
    EXPECT_TRUE(labelText(&rc, "Label126").endsWith(QString(23, QLatin1Char(' ')) + "R * C * U'wy(t) + Uwy(t) = Uwe(t)"));
    EXPECT_EQ(child<QFrame>(&rc, "Bevel24")->frameShadow(), QFrame::Raised);
}

TEST_F(TransientTabs, GridsShowTheTablesWithAFixedHeadingRow)
{
    activate();
    for (auto [tab, name, columns] : {std::tuple<QWidget *, const char *, int>{&capacitor, "StringGrid1", 3},
                                      {&rc, "StringGrid2", 4}}) {
        SCOPED_TRACE(name);
        auto *grid = child<ResultGrid>(tab, name);
        QAbstractItemModel *model = grid->model();
        EXPECT_EQ(model->rowCount(), 419);
        EXPECT_EQ(model->columnCount(), columns);
        EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "t [s]");
        EXPECT_FALSE(grid->verticalHeader()->isVisible());
        EXPECT_EQ(grid->horizontalHeader()->height(), 24);
        EXPECT_EQ(grid->columnWidth(0), 46);
        EXPECT_EQ(grid->rowHeight(5), 24);
        EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        EXPECT_FALSE(model->flags(model->index(3, 1)) & Qt::ItemIsEditable);
        EXPECT_EQ(grid->selectionMode(), QAbstractItemView::ContiguousSelection);
        EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectItems);
        EXPECT_EQ(model->data(model->index(0, 0)).toString(), "");  // no sample before a press
    }
    EXPECT_EQ(child<ResultGrid>(&rc, "StringGrid2")->model()->headerData(3, Qt::Horizontal).toString(), "Ur [V]");
    EXPECT_EQ(child<ResultGrid>(&capacitor, "StringGrid1")->model()->headerData(2, Qt::Horizontal).toString(),
              "I [A]");
}

TEST_F(TransientTabs, PlotAreasShowNothingBeforeTheActivation)
{
    auto *image5 = child<SurfaceView>(&capacitor, "Image5");
    auto *image7 = child<SurfaceView>(&rc, "Image7");
    EXPECT_EQ(image5->surface(), nullptr);
    EXPECT_EQ(image7->surface(), nullptr);
    EXPECT_NE(pixelOf(&capacitor, 300, 200), QColor(Qt::white));
    activate();
    ASSERT_NE(capacitor.surface(), nullptr);
    EXPECT_EQ(pixelOf(&capacitor, 8 + 300, 8 + 200), QColor(Qt::white));
    EXPECT_EQ(pixelOf(&capacitor, 8 + 120, 8 + 200), QColor(Qt::black));  // value axis
    EXPECT_EQ(pixelOf(&rc, 8 + 300, 8 + 195), QColor(Qt::black));         // time axis
    EXPECT_EQ(pixelOf(&rc, 8 + 300, 8 + 100), QColor(Qt::white));
    // The whole frame shows on the tab: no empty readout covers any of it.
    const QImage shot5 = capacitor.grab().toImage();
    for (int y = 10; y <= 363; ++y)
        ASSERT_EQ(shot5.pixelColor(8 + 120, 8 + y), QColor(Qt::black)) << y;
    for (int x = 117; x <= 590; ++x)
        ASSERT_EQ(shot5.pixelColor(8 + x, 8 + 360), QColor(Qt::black)) << x;
    const QImage shot7 = rc.grab().toImage();
    for (int y = 10; y <= 363; ++y)
        ASSERT_EQ(shot7.pixelColor(8 + 40, 8 + y), QColor(Qt::black)) << y;
    for (int x = 37; x <= 510; ++x)
        ASSERT_EQ(shot7.pixelColor(8 + x, 8 + 195), QColor(Qt::black)) << x;
}

TEST_F(TransientTabs, CapacitorPressFillsLabelsGridAndPlot)
{
    activate();
    auto *grid = child<ResultGrid>(&capacitor, "StringGrid1");
    QSignalSpy changes(grid->model(), &QAbstractItemModel::dataChanged);
    QSignalSpy resets(grid->model(), &QAbstractItemModel::modelReset);
    type(&capacitor, {{"Czas", "1"}, {"Napiecie", "10"}, {"Rezystancja", "1000"}, {"pojemnosc", "1E-4"}});
    child<QPushButton>(&capacitor, "Button1")->click();

    EXPECT_EQ(labelText(&capacitor, "Label111"), sep(" 0,1 [s]"));
    EXPECT_EQ(labelText(&capacitor, "Label96"), sep("6,667"));
    EXPECT_EQ(labelText(&capacitor, "Label101"), "1");
    EXPECT_EQ(labelText(&capacitor, "Label105"), sep("0,0067"));
    EXPECT_EQ(labelText(&capacitor, "Label109"), sep("0,0005"));
    EXPECT_EQ(changes.count() + resets.count(), 1);  // one update of the view per press
    QAbstractItemModel *model = grid->model();
    EXPECT_EQ(model->data(model->index(0, 1)).toString(), sep("0,235"));
    EXPECT_EQ(model->data(model->index(418, 0)).toString(), sep("0,998"));
    EXPECT_EQ(model->data(model->index(1, 2)).toString(), sep("0,009530"));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "U [V]");
    // sample 42 (t = tau) of the voltage, on screen 8 pixels right of and below the surface's
    EXPECT_EQ(pixelOf(&capacitor, 8 + 161, 8 + 151), QColor(0, 0, 255));
    EXPECT_EQ(pixelOf(&capacitor, 8 + 161, 8 + 221), QColor(0, 128, 0));
    // the label of the time axis grows with its text, over the plot
    EXPECT_GT(child<QLabel>(&capacitor, "Label111")->width(), 0);
    saveScreenshot(&capacitor, "capacitor");
}

TEST_F(TransientTabs, RcPressFillsLabelsGridAndPlot)
{
    activate();
    auto *grid = child<ResultGrid>(&rc, "StringGrid2");
    QSignalSpy changes(grid->model(), &QAbstractItemModel::dataChanged);
    type(&rc, {{"CzasRC", " 0,2 "},
               {"RezystancjaRC", "100"},
               {"PojemnoscRC", "1E-3"},
               {"Nap_PoczRC", "-2"},
               {"Sklad_StalaRC", "3"},
               {"Sklad_ZmiennaRC", "5"},
               {"OkresRC", "10"},
               {"KatRC", "30"}});
    child<QLineEdit>(&rc, "CzasRC")->setText(sep(" 0,2 "));
    child<QPushButton>(&rc, "Button3")->click();
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(labelText(&rc, "Label124"), sep(" 0,2 "));
    const QString full = labelText(&rc, "Label122");
    EXPECT_FALSE(full.isEmpty());
    EXPECT_EQ(labelText(&rc, "Label123"), "-" + full);
    QAbstractItemModel *model = grid->model();
    EXPECT_EQ(model->data(model->index(418, 0)).toString(), sep("0,200000"));
    const QImage shot = rc.grab().toImage();
    const auto count = [&](QColor c) {
        int n = 0;
        for (int y = 8; y < 8 + 377; ++y)
            for (int x = 8; x < 8 + 553; ++x)
                n += shot.pixelColor(x, y) == c;
        return n;
    };
    EXPECT_GT(count(QColor(0, 0, 255)), 400);
    EXPECT_GT(count(QColor(255, 0, 0)), 400);
    EXPECT_GT(count(QColor(0, 128, 0)), 400);
    saveScreenshot(&rc, "rc");
}

TEST_F(TransientTabs, FailingPressShowsTheErrorBoxAndKeepsWhatItDid)
{
    activate();
    type(&capacitor, {{"Czas", "2"}, {"Napiecie", "0"}, {"Rezystancja", "1000"}, {"pojemnosc", "1E-3"}});
    EXPECT_EQ(errorBoxOf(child<QPushButton>(&capacitor, "Button1")), "Floating point division by zero.");
    EXPECT_EQ(labelText(&capacitor, "Label111"), " 1 [s]");  // written before the failure
    EXPECT_EQ(labelText(&capacitor, "Label95"), "");
    EXPECT_EQ(pixelOf(&capacitor, 8 + 120, 8 + 200), QColor(Qt::white));  // cleared, axis not yet back

    type(&rc, {{"CzasRC", "1"},
               {"RezystancjaRC", "1"},
               {"PojemnoscRC", "1"},
               {"Nap_PoczRC", "0"},
               {"Sklad_StalaRC", "x"},
               {"Sklad_ZmiennaRC", "0"},
               {"OkresRC", "1"},
               {"KatRC", "0"}});
    EXPECT_EQ(errorBoxOf(child<QPushButton>(&rc, "Button3")), "'x' is not a valid floating point value.");
    EXPECT_EQ(labelText(&rc, "Label124"), "");
}
