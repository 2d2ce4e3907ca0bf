#include "transients/ui/capacitortab.h"

#include "common/ui/decimalseparator.h"
#include "common/ui/errorbox.h"
#include "export/ui/tableexporter.h"
#include "transients/plotframes.h"
#include "transients/ui/circuitpictures.h"
#include "transients/ui/resultgrid.h"
#include "transients/ui/surfaceview.h"
#include "transients/ui/tablook.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vorneta {

using namespace tablook;

CapacitorTab::CapacitorTab(TableExporter &exporter, QWidget *parent)
    : QWidget(parent), exporter_(exporter), grid1_(makeCapacitorTable())
{
    setObjectName(QStringLiteral("TabSheet5"));

    Image5 = new SurfaceView(this, "Image5", {8, 8, kCapacitorPlotWidth, kCapacitorPlotHeight});

    Image6 = makePicture(this, "Image6", {612, 8, 165, 124}, capacitorCircuitPicture());

    Bevel23 = makeBevel(this, "Bevel23", {612, 136, 165, 121}, Bevel::Raised);
    Label107 = makeExplanation(this, "Label107", {616, 144, 153, 104},
                           QStringLiteral("Proces ładowania kondensatora opisuje równanie: C(dU/dt) = (Uwe - U)/R "
                                          "Napięcie U na kondensatorze dąży wykładniczo do wartości Uwe. Obserwujemy "
                                          "również wyprzedzenie fazy prądu o 90 stopni w stosunku do napięcia."));

    StringGrid1 = new ResultGrid(this, "StringGrid1", {616, 264, 161, 209}, grid1_);

    Bevel21 = makeBevel(this, "Bevel21", {8, 416, 601, 89}, Bevel::Raised);
    Label90 = label(this, "Label90", 16, 425, QStringLiteral("Czas ładowania [s]"), kLargeFont, kBlueText);
    Label91 = label(this, "Label91", 16, 450, QStringLiteral("Napięcie U [V]"), kLargeFont, kBlueText);
    Label92 = label(this, "Label92", 272, 425, QStringLiteral("Rezystancja R ["), kLargeFont, kBlueText);
    Label93 = label(this, "Label93", 366, 425, QStringLiteral("Ω]"), kLargeFont, kBlueText);
    Label94 = label(this, "Label94", 272, 450, QStringLiteral("Pojemność C [F]"), kLargeFont, kBlueText);
    Czas = edit(this, "Czas", {144, 425, 81, 21});
    Napiecie = edit(this, "Napiecie", {144, 450, 81, 21});
    Rezystancja = edit(this, "Rezystancja", {384, 425, 81, 21});
    pojemnosc = edit(this, "pojemnosc", {384, 450, 81, 21});
    Label110 = label(this, "Label110", 16, 475, QStringLiteral("Stała czasowa ="), kLargeFont, kBlueText);
    Label111 = label(this, "Label111", 112, 475, QString(), kLargeFont, kBlueText);

    Button1 = button(this, "Button1", {616, 480, 75, 25}, QStringLiteral("Wykres"), kLargeFont, kBlueText);
    Button2 = button(this, "Button2", {696, 480, 75, 25}, QStringLiteral("Zapis tabeli"));

    // The labels over the plot.
    const auto plotLabel = [this](const char *name, int left, int top, const QString &text, QColor colour) {
        return label(this, name, left, top, text, kSmallFont, colour, Background::White);
    };
    Label87 = plotLabel("Label87", 10, 10, QStringLiteral("U [V]"), kBlueText);
    Label102 = plotLabel("Label102", 50, 10, QStringLiteral("I [A]"), kRedText);
    Label103 = plotLabel("Label103", 90, 10, QStringLiteral("Q [C]"), kGreenText);
    Label95 = plotLabel("Label95", 10, 30, {}, kBlueText);
    Label96 = plotLabel("Label96", 10, 140, {}, kBlueText);
    Label97 = plotLabel("Label97", 10, 250, {}, kBlueText);
    Label104 = plotLabel("Label104", 50, 30, {}, kRedText);
    Label105 = plotLabel("Label105", 50, 140, {}, kRedText);
    Label106 = plotLabel("Label106", 50, 250, {}, kRedText);
    Label108 = plotLabel("Label108", 90, 140, {}, kGreenText);
    Label109 = plotLabel("Label109", 90, 250, {}, kGreenText);
    Label89 = plotLabel("Label89", 112, 375, QStringLiteral("0"), QColor());
    Label98 = plotLabel("Label98", 225, 375, {}, QColor());
    Label99 = plotLabel("Label99", 330, 375, {}, QColor());
    Label100 = plotLabel("Label100", 435, 375, {}, QColor());
    Label101 = plotLabel("Label101", 540, 375, {}, QColor());
    Label88 = plotLabel("Label88", 584, 392, QStringLiteral("t [s]"), QColor());

    setTabChain({Czas, Napiecie, Rezystancja, pojemnosc, Button1, Button2, StringGrid1});

    connect(Button1, &QPushButton::clicked, this, &CapacitorTab::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &CapacitorTab::Button2Click);
}

Surface &CapacitorTab::surface5()
{
    if (!image5_) {
        image5_.emplace(makeCapacitorSurface());
        Image5->setSurface(&*image5_);
    }
    return *image5_;
}

void CapacitorTab::drawActivationFrame()
{
    drawCapacitorFrame(surface5());
    Image5->refresh();
}

void CapacitorTab::writeHeadings()
{
    writeCapacitorHeadings(grid1_);
    StringGrid1->tableModel()->headingsChanged();
}

void CapacitorTab::Button1Click()
{
    guarded(
        [this] {
            const CapacitorInputs inputs = {Czas->text().toStdString(), Napiecie->text().toStdString(),
                                            Rezystancja->text().toStdString(), pojemnosc->text().toStdString()};
            // What the press wrote and drew before a failure stays on screen too.
            try {
                capacitorPress(inputs, decimalSeparator(), surface5(), grid1_, readouts_);
            } catch (...) {
                showResults();
                throw;
            }
            showResults();
        },
        this);
}

void CapacitorTab::Button2Click()
{
    guarded([this] { exporter_.save(grid1_, this); }, this);
}

void CapacitorTab::showResults()
{
    const CapacitorReadouts &r = readouts_;
    showText(Label111, r.label111);
    showText(Label95, r.label95);
    showText(Label96, r.label96);
    showText(Label97, r.label97);
    showText(Label98, r.label98);
    showText(Label99, r.label99);
    showText(Label100, r.label100);
    showText(Label101, r.label101);
    showText(Label104, r.label104);
    showText(Label105, r.label105);
    showText(Label106, r.label106);
    showText(Label108, r.label108);
    showText(Label109, r.label109);
    Image5->refresh();
    StringGrid1->tableModel()->samplesChanged();
}

}  // namespace vorneta
