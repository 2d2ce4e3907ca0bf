// The four slider tabs as the user meets them: sliders moved, readouts read back, each
// handler writing only its own labels, the shared look, and every readout staying inside
// its meter box or gap at the widest text its sliders can produce.
#include "app/fonts.h"
#include "circuits/kirchhoff.h"
#include "circuits/ohm.h"
#include "circuits/power.h"
#include "circuits/quantities.h"
#include "circuits/ui/kirchhoffcurrenttab.h"
#include "circuits/ui/kirchhoffvoltagetab.h"
#include "circuits/ui/ohmtab.h"
#include "circuits/ui/powertab.h"
#include "circuits/ui/sliderlook.h"
#include "common/ui/decimalseparator.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace vorneta;

namespace {

void resetQuantities()
{
    for (Quantity *q : {&PradOhm, &RezystancjaOhm, &PradJ1Wezel, &PradJ2Wezel,
                        &RezystancjaR1Wezel, &RezystancjaR2Wezel, &RezystancjaR3Wezel,
                        &NapiecieU1Oczko, &NapiecieU2Oczko, &RezystancjaR1Oczko,
                        &RezystancjaR2Oczko, &RezystancjaR3Oczko, &SemMoc, &ImpedancjaMoc,
                        &KatMoc})
        *q = 0.0L;
    setStartQuantities();
}

std::unique_ptr<QWidget> makeTab(int number)
{
    switch (number) {
    case 1: return std::make_unique<OhmTab>();
    case 2: return std::make_unique<KirchhoffCurrentTab>();
    case 3: return std::make_unique<KirchhoffVoltageTab>();
    default: return std::make_unique<PowerTab>();
    }
}

QString text(QWidget *tab, const char *label)
{
    auto *l = tab->findChild<QLabel *>(QString::fromLatin1(label));
    return l ? l->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(label));
}

QSlider *slider(QWidget *tab, const char *name)
{
    return tab->findChild<QSlider *>(QString::fromLatin1(name));
}

// Each tab's readouts and, for each slider, the readouts its handler writes.
struct TabReadouts {
    int tab;
    std::vector<const char *> readouts;
    std::map<std::string, std::set<std::string>> writes;
};

const TabReadouts kTabs[] = {
    {1, {"Label3", "Label4", "Label5"},
     {{"TrackBar1", {"Label3", "Label5"}}, {"TrackBar2", {"Label4", "Label5"}}}},
    {2, {"Label16", "Label18", "Label22", "Label23", "Label24", "Label37", "Label38", "Label39"},
     {{"TrackBar3", {"Label16", "Label37", "Label38", "Label39"}},
      {"TrackBar4", {"Label18", "Label37", "Label38", "Label39"}},
      {"TrackBar5", {"Label22", "Label37", "Label38", "Label39"}},
      {"TrackBar6", {"Label23", "Label37", "Label38", "Label39"}},
      {"TrackBar7", {"Label24", "Label37", "Label38", "Label39"}}}},
    {3, {"Label72", "Label73", "Label74", "Label75", "Label76", "Label77", "Label78", "Label79"},
     {{"TrackBar10", {"Label72", "Label74", "Label75", "Label76"}},
      {"TrackBar11", {"Label73", "Label74", "Label75", "Label76"}},
      {"TrackBar12", {"Label77", "Label74", "Label75", "Label76"}},
      {"TrackBar13", {"Label78", "Label74", "Label75", "Label76"}},
      {"TrackBar14", {"Label79", "Label74", "Label75", "Label76"}}}},
    {4, {"Label46", "Label47", "Label48", "Label49", "Label84", "Label85", "Label86"},
     {{"TrackBar8", {"Label46", "Label48", "Label49", "Label85", "Label86"}},
      {"TrackBar9", {"Label47", "Label48", "Label49", "Label85", "Label86"}},
      {"TrackBar15", {"Label84", "Label48", "Label49", "Label85", "Label86"}}}},
};

class SliderTabsTest : public testing::Test
{
protected:
    void SetUp() override { resetQuantities(); }
    void TearDown() override { resetQuantities(); }
};

// One slider move and the readouts it must show afterwards ("" = not checked).
struct Move {
    const char *slider;
    int position;
    std::map<std::string, std::string> shows;
};

// Moves the sliders in order. Before each move every readout gets a marker text, so that
// afterwards exactly the labels of the moved slider's handler must have been rewritten.
void play(int tabNumber, const std::vector<Move> &moves)
{
    const TabReadouts &info = kTabs[tabNumber - 1];
    auto tab = makeTab(tabNumber);
    for (const Move &move : moves) {
        SCOPED_TRACE(testing::Message() << move.slider << " to " << move.position);
        QSlider *s = slider(tab.get(), move.slider);
        ASSERT_NE(s, nullptr);
        const auto &written = info.writes.at(move.slider);
        std::map<std::string, QString> before;
        for (const char *name : info.readouts)
            before[name] = text(tab.get(), name);
        if (s->value() == move.position)
            continue;  // no change, no handler
        for (const char *name : info.readouts)
            tab->findChild<QLabel *>(QString::fromLatin1(name))->setText(QStringLiteral("#"));
        s->setValue(move.position);
        for (const char *name : info.readouts) {
            if (written.count(name))
                EXPECT_NE(text(tab.get(), name), QStringLiteral("#")) << name << " not written";
            else
                EXPECT_EQ(text(tab.get(), name), QStringLiteral("#")) << name << " written";
        }
        for (const auto &[name, expected] : move.shows)
            EXPECT_EQ(text(tab.get(), name.c_str()).toStdString(), expected) << name;
        // The release after a drag calls the handler again with the same position.
        std::map<std::string, QString> shown;
        for (const char *name : info.readouts)
            shown[name] = text(tab.get(), name);
        emit s->sliderReleased();
        for (const char *name : info.readouts)
            EXPECT_EQ(text(tab.get(), name), shown[name]) << name << " changed on release";
    }
}

// Readings as the tab shows them: with the program's decimal separator.
std::string sep(std::string reading)
{
    for (char &c : reading) {
        if (c == '.')
            c = decimalSeparator();
    }
    return reading;
}

}  // namespace

TEST_F(SliderTabsTest, OhmReadouts)
{
    auto tab = makeTab(1);
    EXPECT_EQ(text(tab.get(), "Label3"), "0");
    EXPECT_EQ(text(tab.get(), "Label4"), "0");
    EXPECT_EQ(text(tab.get(), "Label5"), "0");
    play(1, {
                {"TrackBar1", -50, {{"Label3", "-5"}, {"Label5", "0"}}},  // R = 0: never "-0"
                {"TrackBar2", 100, {{"Label4", "10"}, {"Label5", "-50"}}},
                {"TrackBar1", 3, {{"Label3", sep("0.3")}, {"Label5", "3"}}},
                {"TrackBar2", 7, {{"Label4", sep("0.7")}, {"Label5", sep("0.21")}}},
                {"TrackBar1", 50, {{"Label3", "5"}, {"Label5", sep("3.5")}}},
                {"TrackBar2", 0, {{"Label4", "0"}, {"Label5", "0"}}},
                {"TrackBar1", -1, {{"Label3", sep("-0.1")}, {"Label5", "0"}}},
            });
}

TEST_F(SliderTabsTest, KirchhoffCurrentReadouts)
{
    const std::map<std::string, std::string> none;
    auto branches = [](const char *a, const char *b, const char *c) {
        return std::map<std::string, std::string>{
            {"Label37", sep(a)}, {"Label38", sep(b)}, {"Label39", sep(c)}};
    };
    auto with = [](std::map<std::string, std::string> m, const char *label, const char *t) {
        m[label] = sep(t);
        return m;
    };
    play(2, {
                {"TrackBar3", 10, with(branches("0.33", "0.33", "0.33"), "Label16", "1")},
                {"TrackBar4", -10, with(branches("0", "0", "0"), "Label18", "-1")},
                {"TrackBar4", 0, branches("0.33", "0.33", "0.33")},
                {"TrackBar3", 50, branches("1.7", "1.7", "1.7")},
                {"TrackBar6", 100, with(branches("2.4", "0.24", "2.4"), "Label23", "10")},
                {"TrackBar7", 100, with(branches("4.2", "0.42", "0.42"), "Label24", "10")},
                {"TrackBar5", 55, with(branches("2.4", "1.3", "1.3"), "Label22", "5.5")},
                {"TrackBar3", -50, branches("-2.4", "-1.3", "-1.3")},
                {"TrackBar4", -50, with(branches("-4.8", "-2.6", "-2.6"), "Label18", "-5")},
                {"TrackBar3", 50, branches("0", "0", "0")},
            });
}

TEST_F(SliderTabsTest, KirchhoffVoltageReadouts)
{
    auto drops = [](const char *r1, const char *r2, const char *r3) {
        return std::map<std::string, std::string>{
            {"Label74", sep(r1)}, {"Label76", sep(r2)}, {"Label75", sep(r3)}};
    };
    auto with = [](std::map<std::string, std::string> m, const char *label, const char *t) {
        m[label] = sep(t);
        return m;
    };
    play(3, {
                {"TrackBar10", 100, with(drops("3.33", "3.33", "3.33"), "Label72", "10")},
                {"TrackBar11", -100, with(drops("0", "0", "0"), "Label73", "-10")},
                {"TrackBar11", 0, drops("3.33", "3.33", "3.33")},
                {"TrackBar10", 400, drops("13.3", "13.3", "13.3")},
                {"TrackBar12", 20, with(drops("20", "10", "10"), "Label77", "2")},
                {"TrackBar13", 55, with(drops("9.41", "25.9", "4.71"), "Label78", "5.5")},
                {"TrackBar14", 100, with(drops("4.57", "12.6", "22.9"), "Label79", "10")},
                {"TrackBar10", -200, drops("-2.29", "-6.29", "-11.4")},
                {"TrackBar11", -500, drops("-8", "-22", "-40")},
            });
}

TEST_F(SliderTabsTest, PowerReadouts)
{
    auto meters = [](const char *i, const char *s, const char *q, const char *p) {
        return std::map<std::string, std::string>{
            {"Label48", sep(i)}, {"Label49", sep(s)}, {"Label85", sep(q)}, {"Label86", sep(p)}};
    };
    auto with = [](std::map<std::string, std::string> m, const char *label, const char *t) {
        m[label] = sep(t);
        return m;
    };
    play(4, {
                {"TrackBar8", 100, with(meters("10", "100", "0", "100"), "Label46", "10")},
                {"TrackBar15", 90, with(meters("10", "100", "100", "0"), "Label84", "90")},
                {"TrackBar15", 180, with(meters("10", "100", "0", "-100"), "Label84", "180")},
                {"TrackBar9", 20, with(meters("5", "50", "0", "-50"), "Label47", "2")},
                {"TrackBar15", 60, meters("5", "50", "43.3", "25")},
                {"TrackBar8", 0, meters("0", "0", "0", "0")},
                {"TrackBar15", 120, meters("0", "0", "0", "0")},  // -0 shows as 0
                {"TrackBar15", 45, with(meters("0", "0", "0", "0"), "Label84", "45")},
                {"TrackBar8", 45, with(meters("2.3", "10.1", "7.16", "7.16"), "Label46", "4.5")},
            });
}

TEST_F(SliderTabsTest, KeysMoveBySingleAndPageSteps)
{
    auto tab = makeTab(1);
    QSlider *s = slider(tab.get(), "TrackBar2");
    QTest::keyClick(s, Qt::Key_Right);
    EXPECT_EQ(s->value(), 1);
    EXPECT_EQ(text(tab.get(), "Label4"), QString::fromStdString(sep("0.1")));
    QTest::keyClick(s, Qt::Key_PageUp);
    EXPECT_EQ(s->value(), 3);
    EXPECT_EQ(text(tab.get(), "Label4"), QString::fromStdString(sep("0.3")));
    QTest::keyClick(s, Qt::Key_Left);
    EXPECT_EQ(text(tab.get(), "Label4"), QString::fromStdString(sep("0.2")));
    EXPECT_EQ(text(tab.get(), "Label3"), "0");
}

TEST_F(SliderTabsTest, SlidersTheirRangesAndTabOrder)
{
    struct Expect {
        int tab;
        const char *name;
        QRect geometry;
        int minimum, maximum, position, tick;
    };
    const Expect sliders[] = {
        {1, "TrackBar1", {16, 432, 361, 33}, -50, 50, 0, 10},
        {1, "TrackBar2", {400, 432, 361, 33}, 0, 100, 0, 10},
        {2, "TrackBar3", {16, 384, 233, 33}, -50, 50, 0, 10},
        {2, "TrackBar4", {272, 384, 233, 33}, -50, 50, 0, 10},
        {2, "TrackBar5", {16, 456, 233, 33}, 10, 100, 10, 10},
        {2, "TrackBar6", {272, 456, 233, 33}, 10, 100, 10, 10},
        {2, "TrackBar7", {528, 456, 233, 33}, 10, 100, 10, 10},
        {3, "TrackBar10", {16, 384, 233, 33}, -500, 500, 0, 100},
        {3, "TrackBar11", {272, 384, 233, 33}, -500, 500, 0, 100},
        {3, "TrackBar12", {16, 456, 233, 33}, 10, 100, 10, 10},
        {3, "TrackBar13", {272, 456, 233, 33}, 10, 100, 10, 10},
        {3, "TrackBar14", {528, 456, 233, 33}, 10, 100, 10, 10},
        {4, "TrackBar8", {16, 432, 233, 33}, 0, 100, 0, 10},
        {4, "TrackBar9", {272, 432, 233, 33}, 10, 100, 10, 10},
        {4, "TrackBar15", {528, 432, 233, 33}, 0, 180, 0, 10},
    };
    std::unique_ptr<QWidget> tabs[4] = {makeTab(1), makeTab(2), makeTab(3), makeTab(4)};
    QSlider *previous = nullptr;
    int previousTab = 0;
    for (const Expect &e : sliders) {
        SCOPED_TRACE(e.name);
        QSlider *s = slider(tabs[e.tab - 1].get(), e.name);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->geometry(), e.geometry);
        EXPECT_EQ(s->minimum(), e.minimum);
        EXPECT_EQ(s->maximum(), e.maximum);
        EXPECT_EQ(s->value(), e.position);
        EXPECT_EQ(s->tickInterval(), e.tick);
        EXPECT_EQ(s->tickPosition(), QSlider::TicksBelow);
        EXPECT_EQ(s->orientation(), Qt::Horizontal);
        EXPECT_EQ(s->singleStep(), 1);
        EXPECT_EQ(s->pageStep(), 2);
        EXPECT_EQ(s->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(s->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
        // Tab order: each slider follows the one before it on its tab.
        if (previous && previousTab == e.tab) {
            EXPECT_EQ(previous->nextInFocusChain(), s);
        }
        previous = s;
        previousTab = e.tab;
    }
    EXPECT_EQ(slider(tabs[0].get(), "TrackBar1")->property("helpKeyword").toString(), "gdgdgdg");
    EXPECT_FALSE(slider(tabs[0].get(), "TrackBar2")->property("helpKeyword").isValid());
}

TEST_F(SliderTabsTest, ReadoutLookAndStartTexts)
{
    for (const TabReadouts &info : kTabs) {
        auto tab = makeTab(info.tab);
        for (const char *name : info.readouts) {
            SCOPED_TRACE(name);
            auto *label = tab->findChild<QLabel *>(QString::fromLatin1(name));
            ASSERT_NE(label, nullptr);
            EXPECT_TRUE(label->autoFillBackground());
            EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::white));
            EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
            EXPECT_EQ(label->font().pixelSize(), 11);
            // Sized to its text.
            EXPECT_EQ(label->width(), label->sizeHint().width());
            const bool resistance = label->text() == "1";
            EXPECT_TRUE(label->text() == "0" || resistance);
        }
    }
    auto power = makeTab(4);
    EXPECT_EQ(text(power.get(), "Label47"), "1");
    EXPECT_EQ(text(power.get(), "Label46"), "0");
}

TEST_F(SliderTabsTest, ExplanatoryTextsKeepTheirSpaces)
{
    auto ohm = makeTab(1);
    const QString label8 = text(ohm.get(), "Label8");
    EXPECT_TRUE(label8.startsWith("Napięcie U mierzone"));
    EXPECT_TRUE(label8.contains("zapisujemy w  postaci:" + QString(52, ' ') + "U = R * I    "));
    EXPECT_TRUE(label8.endsWith("U = R * I    "));
    EXPECT_EQ(text(ohm.get(), "Label7"),
              "Związek miedzy napięciem, prądem i rezystancją został ustalony doświadczalnie "
              "przez G.S. Ohma w 1826 r. i nosi nazwe prawa Ohma. ");
    auto current = makeTab(2);
    EXPECT_EQ(text(current.get(), "Label17"), "Regilacja prądu J2");
    EXPECT_TRUE(text(current.get(), "Label13").startsWith("Kirchoff Gustaw Robert"));
    EXPECT_TRUE(text(current.get(), "Label14").endsWith("zeru." + QString(31, ' ') +
                                                        "J1 + J2 = J3 + J4 + J5"));
    auto power = makeTab(4);
    EXPECT_EQ(text(power.get(), "Label50"),
              "Jednostka mocy jest 1 wat      ( 1W = 1J / 1s ). Jak wynika ze wzoru:    P = W / "
              "t = U * I moc elektryczna jast równa iloczynowi napiecia i pradu.");
}

// ---------------------------------------------------------------------------------------
// Geometry: the readouts over the diagrams.

namespace {

// Where a readout may lie, in picture coordinates (the tab adds 8 to each).
// Meter: inside the inner frame (l, t)-(r, b) of its meter box.
// Gap: right of the caption drawn from captionX (or, without a caption text, of the
// caption whose ink ends on column captionX) and left of the sign drawn at signX (or of
// column r), between the rows t and b.
struct Room {
    const char *label;
    enum { Meter, Gap, Field } kind;
    int l, t, r, b;           // inner frame, or the rows and columns bounding the gap/field
    const char *caption = nullptr;
    int captionX = 0;
    const char *sign = nullptr;
    int signX = 0;
};

QRect meterInterior(const Room &room)
{
    return QRect(QPoint(room.l + 1, room.t + 1), QPoint(room.r - 1, room.b - 1));
}

const std::vector<Room> kRooms[4] = {
    {
        {"Label3", Room::Meter, 170, 138, 228, 156},
        {"Label5", Room::Meter, 322, 85, 380, 102},
        {"Label4", Room::Gap, 0, 148, 413, 272, nullptr, 346},
    },
    {
        {"Label16", Room::Meter, 166, 97, 224, 114},
        {"Label18", Room::Meter, 166, 151, 224, 168},
        {"Label37", Room::Meter, 297, 97, 355, 114},
        {"Label38", Room::Meter, 297, 151, 355, 168},
        {"Label39", Room::Meter, 299, 211, 357, 228},
        {"Label22", Room::Gap, 0, 80, 0, 99, "R1 =", 421, "Ω", 466},
        {"Label23", Room::Gap, 0, 110, 0, 154, "R2 =", 424, "Ω", 469},
        {"Label24", Room::Gap, 0, 165, 0, 214, "R3 =", 427, "Ω", 472},
    },
    {
        {"Label72", Room::Meter, 152, 177, 209, 195},
        {"Label73", Room::Meter, 440, 144, 497, 161},
        {"Label74", Room::Meter, 211, 113, 269, 130},
        {"Label76", Room::Meter, 440, 243, 497, 260},
        {"Label75", Room::Meter, 218, 257, 276, 274},
        {"Label77", Room::Gap, 0, 40, 0, 68, nullptr, 244, "Ω", 268},
        {"Label78", Room::Gap, 0, 200, 0, 300, nullptr, 352, "Ω", 376},
        {"Label79", Room::Gap, 0, 280, 0, 324, nullptr, 243, "Ω", 266},
    },
    {
        {"Label84", Room::Gap, 0, 124, 0, 139, "α =", 86, "°", 133},
        // The three fields of the power meter, each ending where the next reading starts.
        {"Label49", Room::Field, 179, 124, 233, 142},
        {"Label85", Room::Field, 234, 124, 288, 142},
        {"Label86", Room::Field, 289, 124, 346, 142},
        {"Label48", Room::Meter, 363, 123, 421, 140},
        {"Label46", Room::Meter, 130, 194, 187, 212},
        {"Label47", Room::Gap, 0, 150, 0, 270, nullptr, 479, "Ω", 503},
    },
};

// Every text each readout can show, from a sweep of the sliders through the tab's own
// computations: full ranges where cheap, otherwise the full range of the sources against
// resistances that include both ends of their range.
std::map<std::string, std::set<std::string>> sweepReadouts(int tab)
{
    const char s = decimalSeparator();
    std::map<std::string, std::set<std::string>> texts;
    const int resistances[] = {10, 11, 13, 17, 23, 29, 37, 50, 71, 91, 99, 100};
    resetQuantities();
    if (tab == 1) {
        for (int i = -50; i <= 50; ++i) {
            texts["Label3"].insert(ohmSliderChanged(OhmSlider::Current, i, s).setting);
            for (int r = 0; r <= 100; ++r) {
                const OhmReadings o = ohmSliderChanged(OhmSlider::Resistance, r, s);
                texts["Label4"].insert(o.setting);
                texts["Label5"].insert(o.voltage);
            }
        }
    } else if (tab == 2) {
        for (int j = -50; j <= 50; ++j) {
            texts["Label16"].insert(nodeSliderChanged(NodeSlider::J1, j, s).setting);
            texts["Label18"].insert(nodeSliderChanged(NodeSlider::J2, j, s).setting);
        }
        for (int r = 10; r <= 100; ++r) {
            texts["Label22"].insert(nodeSliderChanged(NodeSlider::R1, r, s).setting);
            texts["Label23"].insert(nodeSliderChanged(NodeSlider::R2, r, s).setting);
            texts["Label24"].insert(nodeSliderChanged(NodeSlider::R3, r, s).setting);
        }
        for (int j2 : {-50, 0, 50}) {
            nodeSliderChanged(NodeSlider::J2, j2, s);
            for (int j1 = -50; j1 <= 50; ++j1) {
                nodeSliderChanged(NodeSlider::J1, j1, s);
                for (int r1 : resistances)
                    for (int r2 : resistances) {
                        nodeSliderChanged(NodeSlider::R1, r1, s);
                        nodeSliderChanged(NodeSlider::R2, r2, s);
                        for (int r3 : resistances) {
                            const NodeReadings n = nodeSliderChanged(NodeSlider::R3, r3, s);
                            texts["Label37"].insert(n.branchCurrents[0]);
                            texts["Label38"].insert(n.branchCurrents[1]);
                            texts["Label39"].insert(n.branchCurrents[2]);
                        }
                    }
            }
        }
    } else if (tab == 3) {
        for (int u = -500; u <= 500; ++u) {
            texts["Label72"].insert(loopSliderChanged(LoopSlider::U1, u, s).setting);
            texts["Label73"].insert(loopSliderChanged(LoopSlider::U2, u, s).setting);
        }
        for (int r = 10; r <= 100; ++r) {
            texts["Label77"].insert(loopSliderChanged(LoopSlider::R1, r, s).setting);
            texts["Label78"].insert(loopSliderChanged(LoopSlider::R2, r, s).setting);
            texts["Label79"].insert(loopSliderChanged(LoopSlider::R3, r, s).setting);
        }
        for (int u2 : {-500, 0, 500}) {
            loopSliderChanged(LoopSlider::U2, u2, s);
            for (int u1 = -500; u1 <= 500; u1 += (u1 >= -30 && u1 <= 30) ? 1 : 13) {
                loopSliderChanged(LoopSlider::U1, u1, s);
                for (int r1 : resistances)
                    for (int r2 : resistances) {
                        loopSliderChanged(LoopSlider::R1, r1, s);
                        loopSliderChanged(LoopSlider::R2, r2, s);
                        for (int r3 : resistances) {
                            const LoopReadings l = loopSliderChanged(LoopSlider::R3, r3, s);
                            texts["Label74"].insert(l.drops[0]);
                            texts["Label76"].insert(l.drops[1]);
                            texts["Label75"].insert(l.drops[2]);
                        }
                    }
            }
        }
    } else {
        for (int z = 10; z <= 100; ++z)
            texts["Label47"].insert(powerSliderChanged(PowerSlider::Impedance, z, s).setting);
        for (int e = 0; e <= 100; ++e) {
            texts["Label46"].insert(powerSliderChanged(PowerSlider::Emf, e, s).setting);
            for (int z : resistances) {
                powerSliderChanged(PowerSlider::Impedance, z, s);
                for (int phi = 0; phi <= 180; ++phi) {
                    const PowerReadings p = powerSliderChanged(PowerSlider::Phase, phi, s);
                    texts["Label84"].insert(p.setting);
                    texts["Label48"].insert(p.current);
                    texts["Label49"].insert(p.apparent);
                    texts["Label85"].insert(p.reactive);
                    texts["Label86"].insert(p.active);
                }
            }
        }
    }
    resetQuantities();
    return texts;
}

const std::map<std::string, std::set<std::string>> &readoutTexts(int tab)
{
    static std::map<int, std::map<std::string, std::set<std::string>>> swept;
    if (!swept.count(tab))
        swept[tab] = sweepReadouts(tab);
    return swept[tab];
}

class ReadoutGeometryTest : public testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        saved_ = QApplication::font();
        QFont font;
        if (GetParam()) {
            const QString family = loadBitmapSansSerif();
            if (family.isEmpty())
                GTEST_SKIP() << "the bitmap sans-serif font is not installed";
            font = QFont(family);
        } else {
            font = QFont(QStringLiteral("Liberation Sans"));
        }
        font.setPixelSize(11);
        QApplication::setFont(font);
    }
    void TearDown() override { QApplication::setFont(saved_); }

    QFont saved_;
};

}  // namespace

TEST_P(ReadoutGeometryTest, WidestReadingsStayInsideTheirBoxes)
{
    const QFontMetrics metrics(tabFont(kSmallFont));
    for (int tabNumber = 1; tabNumber <= 4; ++tabNumber) {
        auto tab = makeTab(tabNumber);
        const auto &texts = readoutTexts(tabNumber);
        for (const Room &room : kRooms[tabNumber - 1]) {
            SCOPED_TRACE(room.label);
            auto *label = tab->findChild<ReadoutLabel *>(QString::fromLatin1(room.label));
            ASSERT_NE(label, nullptr);
            ASSERT_TRUE(texts.count(room.label));
            std::string widest;
            for (const std::string &t : texts.at(room.label)) {
                if (metrics.horizontalAdvance(QString::fromStdString(t)) >
                    metrics.horizontalAdvance(QString::fromStdString(widest)))
                    widest = t;
            }
            label->showReading(widest);
            SCOPED_TRACE(widest);
            const QRect placed = label->geometry().translated(-8, -8);  // picture pixels
            QRect allowed;
            if (room.kind == Room::Meter) {
                allowed = meterInterior(room);
            } else if (room.kind == Room::Field) {
                allowed = QRect(QPoint(room.l, room.t), QPoint(room.r, room.b));
            } else {
                const int left = room.caption
                    ? room.captionX +
                          metrics.tightBoundingRect(QString::fromUtf8(room.caption)).right() + 1
                    : room.captionX + 1;
                int right = room.r;
                if (room.sign) {
                    const QRect sign = metrics.tightBoundingRect(QString::fromUtf8(room.sign));
                    right = room.signX + sign.left() - 1;
                }
                allowed = QRect(QPoint(left, room.t), QPoint(right, room.b));
            }
            EXPECT_TRUE(allowed.contains(placed)) << "placed " << placed.x() << "," << placed.y()
                                                   << " " << placed.width() << "x"
                                                   << placed.height() << " allowed "
                                                   << allowed.x() << "," << allowed.y() << " to "
                                                   << allowed.right() << "," << allowed.bottom();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, ReadoutGeometryTest, testing::Values(true, false),
                         [](const auto &info) {
                             return info.param ? std::string("BitmapSansSerif")
                                               : std::string("LiberationSans");
                         });

TEST_F(SliderTabsTest, MeterBoxesStandWhereTheReadoutsExpectThem)
{
    // The outer frame's corners and its 3-pixel right edge, for one box of each diagram.
    struct Box {
        int tab;
        const char *image;
        int l, t, r, b;
    };
    const Box boxes[] = {
        {1, "Image1", 166, 136, 232, 158}, {1, "Image1", 318, 83, 384, 104},
        {2, "Image2", 293, 95, 359, 116},  {2, "Image2", 162, 149, 228, 170},
        {3, "Image3", 436, 241, 501, 262}, {3, "Image3", 214, 255, 280, 276},
        {4, "Image4", 126, 192, 191, 214}, {4, "Image4", 80, 121, 146, 142},
    };
    for (const Box &box : boxes) {
        SCOPED_TRACE(testing::Message() << box.image << " " << box.l << "," << box.t);
        auto tab = makeTab(box.tab);
        auto *image = tab->findChild<QLabel *>(QString::fromLatin1(box.image));
        ASSERT_NE(image, nullptr);
        const QImage picture = image->pixmap().toImage();
        EXPECT_EQ(picture.size(), QSize(593, 393));
        for (QPoint p : {QPoint(box.l, box.t), QPoint(box.l, box.b), QPoint(box.r, box.t),
                         QPoint(box.r - 2, box.b), QPoint(box.l + 4, box.t + 2),
                         QPoint(box.r - 4, box.b - 2)})
            EXPECT_EQ(QColor(picture.pixel(p)), QColor(Qt::black)) << p.x() << "," << p.y();
        EXPECT_EQ(QColor(picture.pixel(box.l + 6, box.t + 4)), QColor(Qt::white));
    }
    auto current = makeTab(2);
    EXPECT_EQ(current->findChild<QLabel *>("Image2")->size(), QSize(593, 353));
}

TEST_F(SliderTabsTest, PolishSettingsShowTheComma)
{
    const QByteArray saved = qgetenv("LC_ALL");
    qputenv("LC_ALL", "pl_PL.UTF-8");
    refreshDecimalSeparator();
    const char separator = decimalSeparator();
    auto tab = makeTab(1);
    slider(tab.get(), "TrackBar1")->setValue(3);
    slider(tab.get(), "TrackBar2")->setValue(7);
    const QString current = text(tab.get(), "Label3"), resistance = text(tab.get(), "Label4");
    const QString voltage = text(tab.get(), "Label5");
    if (saved.isNull())
        qunsetenv("LC_ALL");
    else
        qputenv("LC_ALL", saved);
    refreshDecimalSeparator();
    ASSERT_EQ(separator, ',');
    EXPECT_EQ(current, "0,3");
    EXPECT_EQ(resistance, "0,7");
    EXPECT_EQ(voltage, "0,21");
}
