// The four slider tabs' computations: each handler's stored setting and the readout texts it
// returns, for slider positions that catch real faults (signs, zero, order of operations,
// the exact angles of the power tab, the separator).
#include "circuits/kirchhoff.h"
#include "circuits/ohm.h"
#include "circuits/power.h"
#include "circuits/quantities.h"
#include "circuits/sliders.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace vorneta;

namespace {

// Every test starts from the program's start-up values.
class CircuitsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (Quantity *q : {&PradOhm, &RezystancjaOhm, &PradJ1Wezel, &PradJ2Wezel,
                            &RezystancjaR1Wezel, &RezystancjaR2Wezel, &RezystancjaR3Wezel,
                            &NapiecieU1Oczko, &NapiecieU2Oczko, &RezystancjaR1Oczko,
                            &RezystancjaR2Oczko, &RezystancjaR3Oczko, &SemMoc, &ImpedancjaMoc,
                            &KatMoc})
            *q = 0.0L;
        setStartQuantities();
    }
};

using Three = std::array<std::string, 3>;

}  // namespace

TEST_F(CircuitsTest, SliderSettingsAreTenthsExceptWholeDegrees)
{
    EXPECT_EQ(sliderValue(7), 0.7L);
    EXPECT_EQ(sliderValue(-50), -5.0L);
    EXPECT_EQ(sliderValue(45, SliderScale::Whole), 45.0L);
    Quantity q = 0;
    EXPECT_EQ(storeSetting(q, 7, ','), "0,7");
    EXPECT_EQ(q, 0.7L);
    EXPECT_EQ(storeSetting(q, -1, '.'), "-0.1");
    EXPECT_EQ(storeSetting(q, 100, '.'), "10");
}

TEST_F(CircuitsTest, OhmReadouts)
{
    struct Case {
        int current, resistance;
        char separator;
        const char *currentText, *resistanceText, *voltage;
    };
    const Case cases[] = {
        {0, 0, '.', "0", "0", "0"},
        {-50, 0, '.', "-5", "0", "0"},  // -5 * 0 is -0: shown without a sign
        {-1, 0, '.', "-0.1", "0", "0"},
        {-50, 100, '.', "-5", "10", "-50"},
        {50, 100, '.', "5", "10", "50"},
        {3, 7, '.', "0.3", "0.7", "0.21"},
        {3, 7, ',', "0,3", "0,7", "0,21"},
        {-49, 99, ',', "-4,9", "9,9", "-48,51"},
        {-1, 1, '.', "-0.1", "0.1", "-0.01"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.current << " / " << c.resistance);
        SetUp();
        const OhmReadings byCurrent = ohmSliderChanged(OhmSlider::Current, c.current, c.separator);
        EXPECT_EQ(byCurrent.setting, c.currentText);
        const OhmReadings byResistance =
            ohmSliderChanged(OhmSlider::Resistance, c.resistance, c.separator);
        EXPECT_EQ(byResistance.setting, c.resistanceText);
        EXPECT_EQ(byResistance.voltage, c.voltage);
        // Called again with the same position (the release after a drag): the same texts.
        const OhmReadings again = ohmSliderChanged(OhmSlider::Current, c.current, c.separator);
        EXPECT_EQ(again.setting, c.currentText);
        EXPECT_EQ(again.voltage, c.voltage);
    }
}

TEST_F(CircuitsTest, KirchhoffCurrentReadouts)
{
    struct Case {
        std::array<int, 5> positions;  // J1, J2, R1, R2, R3
        char separator;
        std::array<const char *, 5> settings;
        Three branches;
    };
    const Case cases[] = {
        {{10, -10, 10, 10, 10}, '.', {"1", "-1", "1", "1", "1"}, {"0", "0", "0"}},
        {{37, -37, 55, 23, 81}, '.', {"3.7", "-3.7", "5.5", "2.3", "8.1"}, {"0", "0", "0"}},
        {{10, 0, 10, 10, 10}, ',', {"1", "0", "1", "1", "1"}, {"0,33", "0,33", "0,33"}},
        {{50, 0, 10, 100, 100}, ',', {"5", "0", "1", "10", "10"}, {"4,2", "0,42", "0,42"}},
        {{-50, -50, 10, 10, 10}, '.', {"-5", "-5", "1", "1", "1"}, {"-3.3", "-3.3", "-3.3"}},
        {{50, 50, 10, 100, 100}, '.', {"5", "5", "1", "10", "10"}, {"8.3", "0.83", "0.83"}},
        // The smallest non-zero branch current: 0.1 A, the branch at 10, the others at 1.
        {{-1, 0, 100, 10, 10}, '.', {"-0.1", "0", "10", "1", "1"}, {"-0.0048", "-0.048", "-0.048"}},
    };
    const NodeSlider sliders[] = {NodeSlider::J1, NodeSlider::J2, NodeSlider::R1,
                                  NodeSlider::R2, NodeSlider::R3};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.positions[0] << " " << c.positions[1] << " "
                                        << c.positions[2] << " " << c.positions[3] << " "
                                        << c.positions[4]);
        SetUp();
        NodeReadings last;
        for (int i = 0; i < 5; ++i) {
            last = nodeSliderChanged(sliders[i], c.positions[i], c.separator);
            EXPECT_EQ(last.setting, c.settings[i]);
        }
        EXPECT_EQ(last.branchCurrents, c.branches);
        // Any handler gives the same branch currents for the settings now shown.
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(nodeSliderChanged(sliders[i], c.positions[i], c.separator).branchCurrents,
                      c.branches);
    }
}

TEST_F(CircuitsTest, KirchhoffCurrentStartsFromTheStartUpResistances)
{
    // Only J1 moved: R1 = R2 = R3 = 1.0 come from the start-up sequence.
    EXPECT_EQ(nodeSliderChanged(NodeSlider::J1, 30, '.').branchCurrents, (Three{"1", "1", "1"}));
}

TEST_F(CircuitsTest, KirchhoffVoltageReadouts)
{
    struct Case {
        std::array<int, 5> positions;  // U1, U2, R1, R2, R3
        char separator;
        std::array<const char *, 5> settings;
        Three drops;  // across R1, R2, R3
    };
    const Case cases[] = {
        {{100, 0, 10, 10, 10}, ',', {"10", "0", "1", "1", "1"}, {"3,33", "3,33", "3,33"}},
        {{250, -250, 37, 12, 99}, '.', {"25", "-25", "3.7", "1.2", "9.9"}, {"0", "0", "0"}},
        {{-100, -200, 10, 10, 10}, '.', {"-10", "-20", "1", "1", "1"}, {"-10", "-10", "-10"}},
        {{-1, 0, 10, 10, 20}, '.', {"-0.1", "0", "1", "1", "2"}, {"-0.025", "-0.025", "-0.05"}},
        {{500, 500, 100, 10, 10}, '.', {"50", "50", "10", "1", "1"}, {"83.3", "8.33", "8.33"}},
        // The smallest non-zero drop: 0.1 V, the resistor at 1, the others at 10.
        {{1, 0, 10, 100, 100}, '.', {"0.1", "0", "1", "10", "10"}, {"0.00476", "0.0476", "0.0476"}},
    };
    const LoopSlider sliders[] = {LoopSlider::U1, LoopSlider::U2, LoopSlider::R1,
                                  LoopSlider::R2, LoopSlider::R3};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.positions[0] << " " << c.positions[1] << " "
                                        << c.positions[2] << " " << c.positions[3] << " "
                                        << c.positions[4]);
        SetUp();
        LoopReadings last;
        for (int i = 0; i < 5; ++i) {
            last = loopSliderChanged(sliders[i], c.positions[i], c.separator);
            EXPECT_EQ(last.setting, c.settings[i]);
        }
        EXPECT_EQ(last.drops, c.drops);
    }
}

TEST_F(CircuitsTest, KirchhoffVoltageShowsTheSettingsNowShown)
{
    // R1 moved from 1 to 2 with U1 = 40: the drops of the new settings, 20, 10 and 10.
    EXPECT_EQ(loopSliderChanged(LoopSlider::U1, 400, '.').drops, (Three{"13.3", "13.3", "13.3"}));
    EXPECT_EQ(loopSliderChanged(LoopSlider::R1, 15, '.').drops, (Three{"17.1", "11.4", "11.4"}));
    const LoopReadings moved = loopSliderChanged(LoopSlider::R1, 20, '.');
    EXPECT_EQ(moved.setting, "2");
    EXPECT_EQ(moved.drops, (Three{"20", "10", "10"}));
}

TEST_F(CircuitsTest, PowerReadouts)
{
    struct Case {
        int emf, impedance, phase;
        char separator;
        const char *emfText, *impedanceText, *phaseText;
        const char *current, *apparent, *reactive, *active;
    };
    const Case cases[] = {
        {100, 10, 0, '.', "10", "1", "0", "10", "100", "0", "100"},
        // The two exact angles: a plain zero, never a tiny number in exponent form.
        {100, 10, 90, '.', "10", "1", "90", "10", "100", "100", "0"},
        {100, 10, 180, '.', "10", "1", "180", "10", "100", "0", "-100"},
        {100, 20, 60, '.', "10", "2", "60", "5", "50", "43.3", "25"},
        {100, 20, 60, ',', "10", "2", "60", "5", "50", "43,3", "25"},
        // E = 0 above 90 degrees: cos < 0 times 0 is -0, shown without a sign.
        {0, 10, 120, '.', "0", "1", "120", "0", "0", "0", "0"},
        {0, 10, 180, '.', "0", "1", "180", "0", "0", "0", "0"},
        {45, 10, 45, ',', "4,5", "1", "45", "4,5", "20,3", "14,3", "14,3"},
        {100, 30, 150, '.', "10", "3", "150", "3.3", "33.3", "16.7", "-28.9"},
        // The smallest non-zero powers: S = 0.001 at 1 and 91 degrees.
        {1, 100, 1, '.', "0.1", "10", "1", "0.01", "0.001", "1.75E-5", "0.001"},
        {1, 100, 91, '.', "0.1", "10", "91", "0.01", "0.001", "0.001", "-1.75E-5"},
        {1, 91, 0, '.', "0.1", "9.1", "0", "0.011", "0.0011", "0", "0.0011"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.emf << " " << c.impedance << " " << c.phase);
        SetUp();
        EXPECT_EQ(powerSliderChanged(PowerSlider::Emf, c.emf, c.separator).setting, c.emfText);
        EXPECT_EQ(powerSliderChanged(PowerSlider::Impedance, c.impedance, c.separator).setting,
                  c.impedanceText);
        const PowerReadings r = powerSliderChanged(PowerSlider::Phase, c.phase, c.separator);
        EXPECT_EQ(r.setting, c.phaseText);
        EXPECT_EQ(r.current, c.current);
        EXPECT_EQ(r.apparent, c.apparent);
        EXPECT_EQ(r.reactive, c.reactive);
        EXPECT_EQ(r.active, c.active);
        // The other two handlers give the same derived readings for the same settings.
        for (PowerSlider s : {PowerSlider::Emf, PowerSlider::Impedance}) {
            const PowerReadings o = powerSliderChanged(
                s, s == PowerSlider::Emf ? c.emf : c.impedance, c.separator);
            EXPECT_EQ(o.current, c.current);
            EXPECT_EQ(o.apparent, c.apparent);
            EXPECT_EQ(o.reactive, c.reactive);
            EXPECT_EQ(o.active, c.active);
        }
    }
}

TEST_F(CircuitsTest, PhaseIsStoredInWholeDegrees)
{
    EXPECT_EQ(powerSliderChanged(PowerSlider::Phase, 45, '.').setting, "45");
    EXPECT_EQ(KatMoc, 45.0L);
    EXPECT_EQ(powerSliderChanged(PowerSlider::Emf, 45, '.').setting, "4.5");
    EXPECT_EQ(SemMoc, 4.5L);
}
