#include "circuits/ui/ohmtab.h"

#include "circuits/ohm.h"
#include "circuits/ui/diagram.h"
#include "circuits/ui/sliderlook.h"
#include "common/ui/decimalseparator.h"

#include <QSlider>

namespace vorneta {

OhmTab::OhmTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));

    Image1 = makePicture(this, "Image1", {8, 8, 593, 393}, ohmDiagram());
    Label3 = new ReadoutLabel(this, "Label3", 192, 149, QStringLiteral("0"));
    Label4 = new ReadoutLabel(this, "Label4", 360, 164, QStringLiteral("0"));
    Label5 = new ReadoutLabel(this, "Label5", 344, 96, QStringLiteral("0"));
    Bevel1 = makeBevel(this, "Bevel1", {8, 416, 377, 81}, Bevel::Lowered);
    Label1 = makeCaption(this, "Label1", 24, 416, QStringLiteral("Regulacja prądu"), kLargeFont);
    Bevel2 = makeBevel(this, "Bevel2", {392, 416, 377, 81}, Bevel::Lowered);
    Label2 = makeCaption(this, "Label2", 408, 416, QStringLiteral("Regulacja rezystancji"),
                         kLargeFont);
    Label6 = makeCaption(this, "Label6", 192, 464, QStringLiteral("0"), kLargeFont);
    Label7 = makeExplanation(
        this, "Label7", {616, 16, 135, 65},
        QStringLiteral("Związek miedzy napięciem, prądem i rezystancją został ustalony "
                       "doświadczalnie przez G.S. Ohma w 1826 r. i nosi nazwe prawa Ohma. "));
    Bevel3 = makeBevel(this, "Bevel3", {608, 8, 161, 193}, Bevel::Raised);
    Label8 = makeExplanation(
        this, "Label8", {616, 88, 139, 104},
        QStringLiteral("Napięcie U mierzone na końcach przewodnika o rezystancji R podczas "
                       "przepływu prądu I jest równe iloczynowi rezystancji i prądu. Prawo "
                       "Ohma zapisujemy w  postaci:")
            + QString(52, QLatin1Char(' ')) + QStringLiteral("U = R * I")
            + QString(4, QLatin1Char(' ')));
    Label9 = makeCaption(this, "Label9", 24, 464, QStringLiteral("-5"), kSmallFont);
    Label10 = makeCaption(this, "Label10", 360, 464, QStringLiteral("5"), kSmallFont);
    Label11 = makeCaption(this, "Label11", 408, 464, QStringLiteral("0"), kSmallFont);
    Label12 = makeCaption(this, "Label12", 744, 464, QStringLiteral("10"), kSmallFont);
    TrackBar1 = makeSlider(this, "TrackBar1", {16, 432, 361, 33}, -50, 50, 0, 10);
    TrackBar1->setProperty("helpKeyword", QStringLiteral("gdgdgdg"));
    TrackBar2 = makeSlider(this, "TrackBar2", {400, 432, 361, 33}, 0, 100, 0, 10);
    setTabOrder(TrackBar1, TrackBar2);

    onSliderChange(TrackBar1, this, [this] { TrackBar1Change(); });
    onSliderChange(TrackBar2, this, [this] { TrackBar2Change(); });
}

void OhmTab::show(const OhmReadings &readings, ReadoutLabel *setting)
{
    setting->showReading(readings.setting);
    Label5->showReading(readings.voltage);
}

void OhmTab::TrackBar1Change()
{
    show(ohmSliderChanged(OhmSlider::Current, TrackBar1->value(), decimalSeparator()), Label3);
}

void OhmTab::TrackBar2Change()
{
    show(ohmSliderChanged(OhmSlider::Resistance, TrackBar2->value(), decimalSeparator()), Label4);
}

}  // namespace vorneta
