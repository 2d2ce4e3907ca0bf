#include "circuits/ui/powertab.h"

#include "circuits/power.h"
#include "circuits/ui/diagram.h"
#include "circuits/ui/sliderlook.h"
#include "common/ui/decimalseparator.h"

#include <QSlider>

namespace vorneta {

PowerTab::PowerTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet4"));
    const QString zero = QStringLiteral("0"), one = QStringLiteral("1");
    const QString ten = QStringLiteral("10");

    Image4 = makePicture(this, "Image4", {8, 8, 593, 393}, powerDiagram());
    Bevel6 = makeBevel(this, "Bevel6", {608, 8, 161, 153}, Bevel::Raised);
    Bevel13 = makeBevel(this, "Bevel13", {8, 416, 249, 81}, Bevel::Lowered);
    Bevel14 = makeBevel(this, "Bevel14", {264, 416, 249, 81}, Bevel::Lowered);
    Label40 = makeCaption(this, "Label40", 24, 416,
                          QStringLiteral("Regulacja siły elektromotorycznej"), kLargeFont);
    Label41 = makeCaption(this, "Label41", 280, 416, QStringLiteral("Regulacja rezystancji"),
                          kLargeFont);
    Label42 = makeCaption(this, "Label42", 24, 464, zero, kLargeFont);
    Label43 = makeCaption(this, "Label43", 232, 464, ten, kLargeFont);
    Label44 = makeCaption(this, "Label44", 280, 464, one, kLargeFont);
    Label45 = makeCaption(this, "Label45", 488, 464, ten, kLargeFont);
    Label46 = new ReadoutLabel(this, "Label46", 145, 205, zero);
    Label47 = new ReadoutLabel(this, "Label47", 492, 201, one);
    Label48 = new ReadoutLabel(this, "Label48", 376, 133, zero);
    Label49 = new ReadoutLabel(this, "Label49", 195, 133, zero);
    Label50 = makeExplanation(
        this, "Label50", {616, 16, 137, 65},
        QStringLiteral("Jednostka mocy jest 1 wat") + QString(6, QLatin1Char(' '))
            + QStringLiteral("( 1W = 1J / 1s ). Jak wynika ze wzoru:")
            + QString(4, QLatin1Char(' '))
            + QStringLiteral("P = W / t = U * I moc elektryczna jast równa iloczynowi "
                             "napiecia i pradu."));
    Label51 = makeExplanation(
        this, "Label51", {616, 88, 132, 65},
        QStringLiteral("Przy przepływie prądu sinusoidalnie zmiennego przez odbiornik "
                       "rozróżniamy: moc pozorną, moc czynną i moc bierną."));
    Bevel20 = makeBevel(this, "Bevel20", {520, 416, 249, 81}, Bevel::Lowered);
    Label80 = makeCaption(this, "Label80", 536, 464, zero, kLargeFont);
    Label81 = makeCaption(this, "Label81", 736, 464, QStringLiteral("180"), kLargeFont);
    Label82 = makeCaption(this, "Label82", 536, 416, QStringLiteral("Przesunięcie fazowe"),
                          kLargeFont);
    Label83 = makeCaption(this, "Label83", 640, 464, QStringLiteral("90"), kLargeFont);
    Label84 = new ReadoutLabel(this, "Label84", 115, 133, zero);
    Label85 = new ReadoutLabel(this, "Label85", 250, 133, zero);
    Label86 = new ReadoutLabel(this, "Label86", 305, 133, zero);
    TrackBar8 = makeSlider(this, "TrackBar8", {16, 432, 233, 33}, 0, 100, 0, 10);
    TrackBar9 = makeSlider(this, "TrackBar9", {272, 432, 233, 33}, 10, 100, 10, 10);
    TrackBar15 = makeSlider(this, "TrackBar15", {528, 432, 233, 33}, 0, 180, 0, 10);
    setTabChain({TrackBar8, TrackBar9, TrackBar15});

    onSliderChange(TrackBar8, this, [this] { TrackBar8Change(); });
    onSliderChange(TrackBar9, this, [this] { TrackBar9Change(); });
    onSliderChange(TrackBar15, this, [this] { TrackBar15Change(); });
}

void PowerTab::show(const PowerReadings &readings, ReadoutLabel *setting)
{
    setting->showReading(readings.setting);
    Label48->showReading(readings.current);
    Label49->showReading(readings.apparent);
    Label85->showReading(readings.reactive);
    Label86->showReading(readings.active);
}

void PowerTab::TrackBar8Change()
{
    show(powerSliderChanged(PowerSlider::Emf, TrackBar8->value(), decimalSeparator()), Label46);
}

void PowerTab::TrackBar9Change()
{
    show(powerSliderChanged(PowerSlider::Impedance, TrackBar9->value(), decimalSeparator()),
         Label47);
}

void PowerTab::TrackBar15Change()
{
    show(powerSliderChanged(PowerSlider::Phase, TrackBar15->value(), decimalSeparator()),
         Label84);
}

}  // namespace vorneta
