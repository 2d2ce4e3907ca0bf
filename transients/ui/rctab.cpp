#include "transients/ui/rctab.h"

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

RcTab::RcTab(TableExporter &exporter, QWidget *parent)
    : QWidget(parent), exporter_(exporter), grid2_(makeRcTable())
{
    setObjectName(QStringLiteral("TabSheet6"));

    Image7 = new SurfaceView(this, "Image7", {8, 8, kRcPlotWidth, kRcPlotHeight});

    Image8 = makePicture(this, "Image8", {568, 8, 209, 124}, rcCircuitPicture());

    Bevel22 = makeBevel(this, "Bevel22", {568, 136, 209, 81}, Bevel::Raised);
    Label126 = makeExplanation(this, "Label126", {576, 144, 174, 65},
                           QStringLiteral("Szybkość zmian napięcia w czasie na kondensatorze C, w obwodzie prądu "
                                          "przemiennego opisuje równanie różniczkowe:")
                               + QString(23, QLatin1Char(' ')) + QStringLiteral("R * C * U'wy(t) + Uwy(t) = Uwe(t)"));

    StringGrid2 = new ResultGrid(this, "StringGrid2", {568, 224, 209, 249}, grid2_);

    Bevel24 = makeBevel(this, "Bevel24", {8, 392, 553, 113}, Bevel::Raised);
    Label112 = label(this, "Label112", 16, 400, QStringLiteral("Czas symulacji [s]"), kLargeFont, kBlueText);
    Label113 = label(this, "Label113", 248, 400, QStringLiteral("Rezystancja R ["), kLargeFont, kBlueText);
    Label114 = label(this, "Label114", 342, 400, QStringLiteral("Ω]"), kLargeFont, kBlueText);
    Label115 = label(this, "Label115", 16, 425, QStringLiteral("Pojemność C [F]"), kLargeFont, kBlueText);
    Label116 = label(this, "Label116", 248, 425, QStringLiteral("Nap. początkowe na C [V]"), kLargeFont, kBlueText);
    Label117 = label(this, "Label117", 16, 450, QStringLiteral("Składowa stała [ V ]"), kLargeFont, kBlueText);
    Label118 = label(this, "Label118", 248, 450, QStringLiteral("Składowa zmienna [V]"), kLargeFont, kBlueText);
    Label119 = label(this, "Label119", 16, 475, QStringLiteral("Okres napięcia [Hz]"), kLargeFont, kBlueText);
    Label120 = label(this, "Label120", 248, 475, QStringLiteral("Kąt napięcia [deg]"), kLargeFont, kBlueText);
    CzasRC = edit(this, "CzasRC", {136, 400, 73, 21});
    RezystancjaRC = edit(this, "RezystancjaRC", {408, 400, 73, 21});
    PojemnoscRC = edit(this, "PojemnoscRC", {136, 425, 73, 21});
    Nap_PoczRC = edit(this, "Nap_PoczRC", {408, 425, 73, 21});
    Sklad_StalaRC = edit(this, "Sklad_StalaRC", {136, 450, 73, 21});
    Sklad_ZmiennaRC = edit(this, "Sklad_ZmiennaRC", {408, 450, 73, 21});
    OkresRC = edit(this, "OkresRC", {136, 475, 73, 21});
    KatRC = edit(this, "KatRC", {408, 475, 73, 21});

    Button3 = button(this, "Button3", {568, 480, 75, 25}, QStringLiteral("Wykres"), kLargeFont);
    Button4 = button(this, "Button4", {648, 480, 75, 25}, QStringLiteral("Zapis tabeli"));

    const auto plotLabel = [this](const char *name, int left, int top, const QString &text, QColor colour) {
        return label(this, name, left, top, text, kSmallFont, colour, Background::White);
    };
    Label121 = plotLabel("Label121", 10, 10, QStringLiteral("U [V]"), kBlackText);
    Label122 = plotLabel("Label122", 10, 32, {}, QColor());
    Label123 = plotLabel("Label123", 10, 360, {}, QColor());
    Label125 = plotLabel("Label125", 33, 203, QStringLiteral("0"), QColor());
    Label124 = plotLabel("Label124", 472, 208, {}, QColor());
    Label127 = plotLabel("Label127", 504, 264, QStringLiteral("--- Uz"), kBlueText);
    Label128 = plotLabel("Label128", 504, 296, QStringLiteral("--- Ur"), kGreenText);
    Label129 = plotLabel("Label129", 504, 328, QStringLiteral("--- Uc"), kRedText);

    setTabChain({CzasRC, RezystancjaRC, PojemnoscRC, Nap_PoczRC, Sklad_StalaRC, Sklad_ZmiennaRC, OkresRC, KatRC,
                 Button3, Button4, StringGrid2});

    connect(Button3, &QPushButton::clicked, this, &RcTab::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &RcTab::Button4Click);
}

Surface &RcTab::surface7()
{
    if (!image7_) {
        image7_.emplace(makeRcSurface());
        Image7->setSurface(&*image7_);
    }
    return *image7_;
}

void RcTab::drawActivationFrame()
{
    drawRcFrame(surface7());
    Image7->refresh();
}

void RcTab::writeHeadings()
{
    writeRcHeadings(grid2_);
    StringGrid2->tableModel()->headingsChanged();
}

void RcTab::Button3Click()
{
    guarded(
        [this] {
            const RcInputs inputs = {CzasRC->text().toStdString(),          RezystancjaRC->text().toStdString(),
                                     PojemnoscRC->text().toStdString(),     Nap_PoczRC->text().toStdString(),
                                     Sklad_StalaRC->text().toStdString(),   Sklad_ZmiennaRC->text().toStdString(),
                                     OkresRC->text().toStdString(),         KatRC->text().toStdString()};
            // What the press wrote and drew before a failure stays on screen too.
            try {
                rcPress(inputs, decimalSeparator(), surface7(), grid2_, readouts_);
            } catch (...) {
                showResults();
                throw;
            }
            showResults();
        },
        this);
}

void RcTab::Button4Click()
{
    guarded([this] { exporter_.save(grid2_, this); }, this);
}

void RcTab::showResults()
{
    showText(Label122, readouts_.label122);
    showText(Label123, readouts_.label123);
    showText(Label124, readouts_.label124);
    Image7->refresh();
    StringGrid2->tableModel()->samplesChanged();
}

}  // namespace vorneta
