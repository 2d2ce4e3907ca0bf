#include "circuits/ui/kirchhoffcurrenttab.h"

#include "circuits/kirchhoff.h"
#include "circuits/ui/diagram.h"
#include "circuits/ui/sliderlook.h"
#include "common/ui/decimalseparator.h"

#include <QSlider>

namespace vorneta {

KirchhoffCurrentTab::KirchhoffCurrentTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet2"));
    const QString zero = QStringLiteral("0"), one = QStringLiteral("1");
    const QString ten = QStringLiteral("10"), minusFive = QStringLiteral("-5");
    const QString five = QStringLiteral("5");

    Image2 = makePicture(this, "Image2", {8, 8, 593, 353}, kirchhoffCurrentDiagram());
    Bevel4 = makeBevel(this, "Bevel4", {608, 8, 161, 153}, Bevel::Raised);
    Label13 = makeExplanation(
        this, "Label13", {616, 16, 140, 65},
        QStringLiteral("Kirchoff Gustaw Robert, fizyk niemiecki ( 1824-1887 ) sformułował dwa "
                       "podstawowe prawa obwodów elektrycznych:"));
    Label14 = makeExplanation(
        this, "Label14", {616, 88, 142, 65},
        QStringLiteral("1) dla każdego węzła obwodu elektrycznego, suma algebraiczna prądów "
                       "jest równa zeru.")
            + QString(31, QLatin1Char(' ')) + QStringLiteral("J1 + J2 = J3 + J4 + J5"));
    Bevel8 = makeBevel(this, "Bevel8", {8, 368, 249, 65}, Bevel::Lowered);
    Bevel9 = makeBevel(this, "Bevel9", {8, 440, 249, 65}, Bevel::Lowered);
    Bevel10 = makeBevel(this, "Bevel10", {264, 368, 249, 65}, Bevel::Lowered);
    Bevel11 = makeBevel(this, "Bevel11", {264, 440, 249, 65}, Bevel::Lowered);
    Bevel12 = makeBevel(this, "Bevel12", {520, 440, 249, 65}, Bevel::Lowered);
    Label15 = makeCaption(this, "Label15", 24, 368, QStringLiteral("Regulacja prądu J1"), kSmallFont);
    Label16 = new ReadoutLabel(this, "Label16", 185, 107, zero);
    Label17 = makeCaption(this, "Label17", 280, 368, QStringLiteral("Regilacja prądu J2"), kSmallFont);
    Label18 = new ReadoutLabel(this, "Label18", 184, 162, zero);
    Label19 = makeCaption(this, "Label19", 24, 440, QStringLiteral("Regulacja rezystancji R1"),
                          kSmallFont);
    Label20 = makeCaption(this, "Label20", 280, 440, QStringLiteral("Regulacja rezystancji R2"),
                          kSmallFont);
    Label21 = makeCaption(this, "Label21", 536, 440, QStringLiteral("Regulacja rezystancji R3"),
                          kSmallFont);
    Label22 = new ReadoutLabel(this, "Label22", 454, 95, one);
    Label23 = new ReadoutLabel(this, "Label23", 457, 149, one);
    Label24 = new ReadoutLabel(this, "Label24", 460, 208, one);
    Label25 = makeCaption(this, "Label25", 24, 416, minusFive, kSmallFont);
    Label26 = makeCaption(this, "Label26", 128, 416, zero, kSmallFont);
    Label27 = makeCaption(this, "Label27", 232, 416, five, kSmallFont);
    Label28 = makeCaption(this, "Label28", 280, 416, minusFive, kSmallFont);
    Label29 = makeCaption(this, "Label29", 384, 416, zero, kSmallFont);
    Label30 = makeCaption(this, "Label30", 488, 416, five, kSmallFont);
    Label31 = makeCaption(this, "Label31", 24, 488, one, kSmallFont);
    Label32 = makeCaption(this, "Label32", 232, 488, ten, kSmallFont);
    Label33 = makeCaption(this, "Label33", 280, 488, one, kSmallFont);
    Label34 = makeCaption(this, "Label34", 488, 488, ten, kSmallFont);
    Label35 = makeCaption(this, "Label35", 536, 488, one, kSmallFont);
    Label36 = makeCaption(this, "Label36", 744, 488, ten, kSmallFont);
    Label37 = new ReadoutLabel(this, "Label37", 320, 108, zero);
    Label38 = new ReadoutLabel(this, "Label38", 320, 161, zero);
    Label39 = new ReadoutLabel(this, "Label39", 320, 222, zero);
    TrackBar3 = makeSlider(this, "TrackBar3", {16, 384, 233, 33}, -50, 50, 0, 10);
    TrackBar4 = makeSlider(this, "TrackBar4", {272, 384, 233, 33}, -50, 50, 0, 10);
    TrackBar5 = makeSlider(this, "TrackBar5", {16, 456, 233, 33}, 10, 100, 10, 10);
    TrackBar6 = makeSlider(this, "TrackBar6", {272, 456, 233, 33}, 10, 100, 10, 10);
    TrackBar7 = makeSlider(this, "TrackBar7", {528, 456, 233, 33}, 10, 100, 10, 10);
    setTabChain({TrackBar3, TrackBar4, TrackBar5, TrackBar6, TrackBar7});

    onSliderChange(TrackBar3, this, [this] { TrackBar3Change(); });
    onSliderChange(TrackBar4, this, [this] { TrackBar4Change(); });
    onSliderChange(TrackBar5, this, [this] { TrackBar5Change(); });
    onSliderChange(TrackBar6, this, [this] { TrackBar6Change(); });
    onSliderChange(TrackBar7, this, [this] { TrackBar7Change(); });
}

void KirchhoffCurrentTab::show(const NodeReadings &readings, ReadoutLabel *setting)
{
    setting->showReading(readings.setting);
    Label37->showReading(readings.branchCurrents[0]);
    Label38->showReading(readings.branchCurrents[1]);
    Label39->showReading(readings.branchCurrents[2]);
}

void KirchhoffCurrentTab::TrackBar3Change()
{
    show(nodeSliderChanged(NodeSlider::J1, TrackBar3->value(), decimalSeparator()), Label16);
}

void KirchhoffCurrentTab::TrackBar4Change()
{
    show(nodeSliderChanged(NodeSlider::J2, TrackBar4->value(), decimalSeparator()), Label18);
}

void KirchhoffCurrentTab::TrackBar5Change()
{
    show(nodeSliderChanged(NodeSlider::R1, TrackBar5->value(), decimalSeparator()), Label22);
}

void KirchhoffCurrentTab::TrackBar6Change()
{
    show(nodeSliderChanged(NodeSlider::R2, TrackBar6->value(), decimalSeparator()), Label23);
}

void KirchhoffCurrentTab::TrackBar7Change()
{
    show(nodeSliderChanged(NodeSlider::R3, TrackBar7->value(), decimalSeparator()), Label24);
}

}  // namespace vorneta
