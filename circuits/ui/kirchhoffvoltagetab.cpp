#include "circuits/ui/kirchhoffvoltagetab.h"

#include "circuits/kirchhoff.h"
#include "circuits/ui/diagram.h"
#include "circuits/ui/sliderlook.h"
#include "common/ui/decimalseparator.h"

#include <QSlider>

namespace vorneta {

KirchhoffVoltageTab::KirchhoffVoltageTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet3"));
    const QString zero = QStringLiteral("0"), one = QStringLiteral("1");
    const QString ten = QStringLiteral("10"), minusFifty = QStringLiteral("-50");
    const QString fifty = QStringLiteral("50");

    Image3 = makePicture(this, "Image3", {8, 8, 593, 353}, kirchhoffVoltageDiagram());
    Bevel5 = makeBevel(this, "Bevel5", {608, 8, 161, 129}, Bevel::Raised);
    Bevel15 = makeBevel(this, "Bevel15", {8, 368, 249, 65}, Bevel::Lowered);
    Bevel16 = makeBevel(this, "Bevel16", {264, 368, 249, 65}, Bevel::Lowered);
    Bevel17 = makeBevel(this, "Bevel17", {8, 440, 249, 65}, Bevel::Lowered);
    Bevel18 = makeBevel(this, "Bevel18", {264, 440, 249, 65}, Bevel::Lowered);
    Bevel19 = makeBevel(this, "Bevel19", {520, 440, 249, 65}, Bevel::Lowered);
    Label52 = makeCaption(this, "Label52", 24, 368, QStringLiteral("Regulacja napięcia U1"), kSmallFont);
    Label53 = makeCaption(this, "Label53", 280, 368, QStringLiteral("Regulacja napięcia U2"), kSmallFont);
    Label54 = makeCaption(this, "Label54", 24, 440, QStringLiteral("Regulacja rezystancji R1"),
                          kSmallFont);
    Label55 = makeCaption(this, "Label55", 280, 440, QStringLiteral("Regulacja rezystancji R2"),
                          kSmallFont);
    Label56 = makeCaption(this, "Label56", 536, 440, QStringLiteral("Regulacja rezystancji R3"),
                          kSmallFont);
    Label57 = makeCaption(this, "Label57", 16, 416, minusFifty, kSmallFont);
    Label58 = makeCaption(this, "Label58", 128, 416, zero, kSmallFont);
    Label59 = makeCaption(this, "Label59", 232, 416, fifty, kSmallFont);
    Label60 = makeCaption(this, "Label60", 272, 416, minusFifty, kSmallFont);
    Label61 = makeCaption(this, "Label61", 384, 416, zero, kSmallFont);
    Label62 = makeCaption(this, "Label62", 488, 416, fifty, kSmallFont);
    Label63 = makeCaption(this, "Label63", 24, 488, one, kSmallFont);
    Label64 = makeCaption(this, "Label64", 232, 488, ten, kSmallFont);
    Label65 = makeCaption(this, "Label65", 280, 488, one, kSmallFont);
    Label66 = makeCaption(this, "Label66", 488, 488, ten, kSmallFont);
    Label67 = makeCaption(this, "Label67", 536, 488, one, kSmallFont);
    Label68 = makeCaption(this, "Label68", 744, 488, ten, kSmallFont);
    Label69 = makeExplanation(
        this, "Label69", {616, 16, 143, 91},
        QStringLiteral("2) Suma spadków napięć na elementach odbiornikowych oczka jest równa "
                       "sumie algebraicznej sił elektromotorycznych zródeł napieciowych "
                       "umieszczonych w tym oczku."));
    Label70 = makeExplanation(this, "Label70", {616, 112, 118, 13},
                              QStringLiteral("U1 + U2 = U3 + U4 + U5"));
    Label72 = new ReadoutLabel(this, "Label72", 165, 188, zero);
    Label73 = new ReadoutLabel(this, "Label73", 453, 155, zero);
    Label74 = new ReadoutLabel(this, "Label74", 224, 124, zero);
    Label75 = new ReadoutLabel(this, "Label75", 232, 267, zero);
    Label76 = new ReadoutLabel(this, "Label76", 453, 254, zero);
    Label77 = new ReadoutLabel(this, "Label77", 256, 64, one);
    Label78 = new ReadoutLabel(this, "Label78", 364, 252, one);
    Label79 = new ReadoutLabel(this, "Label79", 255, 317, one);
    TrackBar10 = makeSlider(this, "TrackBar10", {16, 384, 233, 33}, -500, 500, 0, 100);
    TrackBar11 = makeSlider(this, "TrackBar11", {272, 384, 233, 33}, -500, 500, 0, 100);
    TrackBar12 = makeSlider(this, "TrackBar12", {16, 456, 233, 33}, 10, 100, 10, 10);
    TrackBar13 = makeSlider(this, "TrackBar13", {272, 456, 233, 33}, 10, 100, 10, 10);
    TrackBar14 = makeSlider(this, "TrackBar14", {528, 456, 233, 33}, 10, 100, 10, 10);
    setTabChain({TrackBar10, TrackBar11, TrackBar12, TrackBar13, TrackBar14});

    onSliderChange(TrackBar10, this, [this] { TrackBar10Change(); });
    onSliderChange(TrackBar11, this, [this] { TrackBar11Change(); });
    onSliderChange(TrackBar12, this, [this] { TrackBar12Change(); });
    onSliderChange(TrackBar13, this, [this] { TrackBar13Change(); });
    onSliderChange(TrackBar14, this, [this] { TrackBar14Change(); });
}

void KirchhoffVoltageTab::show(const LoopReadings &readings, ReadoutLabel *setting)
{
    setting->showReading(readings.setting);
    Label74->showReading(readings.drops[0]);
    Label76->showReading(readings.drops[1]);
    Label75->showReading(readings.drops[2]);
}

void KirchhoffVoltageTab::TrackBar10Change()
{
    show(loopSliderChanged(LoopSlider::U1, TrackBar10->value(), decimalSeparator()), Label72);
}

void KirchhoffVoltageTab::TrackBar11Change()
{
    show(loopSliderChanged(LoopSlider::U2, TrackBar11->value(), decimalSeparator()), Label73);
}

void KirchhoffVoltageTab::TrackBar12Change()
{
    show(loopSliderChanged(LoopSlider::R1, TrackBar12->value(), decimalSeparator()), Label77);
}

void KirchhoffVoltageTab::TrackBar13Change()
{
    show(loopSliderChanged(LoopSlider::R2, TrackBar13->value(), decimalSeparator()), Label78);
}

void KirchhoffVoltageTab::TrackBar14Change()
{
    show(loopSliderChanged(LoopSlider::R3, TrackBar14->value(), decimalSeparator()), Label79);
}

}  // namespace vorneta
