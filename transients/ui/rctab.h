#pragma once

#include "transients/rcpress.h"
#include "transients/surface.h"
#include "transients/texttable.h"

#include <QWidget>

#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vorneta {

class ResultGrid;
class SurfaceView;
class TableExporter;

// TabSheet6, "Obwód RC": a series RC circuit switched onto a source with a DC and an AC
// component. "Wykres" lists source, capacitor and resistor voltage in StringGrid2 and plots
// them on Image7; "Zapis tabeli" saves the table.
class RcTab : public QWidget
{
    Q_OBJECT

public:
    RcTab(TableExporter &exporter, QWidget *parent = nullptr);

    // The two steps of the main window's first activation that belong to this tab:
    // the empty axis frame on the plot area, and the table's heading row.
    void drawActivationFrame();
    void writeHeadings();

    const TextTable &table() const { return grid2_; }
    const Surface *surface() const { return image7_ ? &*image7_ : nullptr; }

    SurfaceView *Image7;
    ResultGrid *StringGrid2;
    QLabel *Image8;
    QFrame *Bevel22, *Bevel24;
    QLabel *Label126;
    QLabel *Label112, *Label113, *Label114, *Label115, *Label116, *Label117, *Label118, *Label119, *Label120;
    QLineEdit *CzasRC, *RezystancjaRC, *PojemnoscRC, *Nap_PoczRC, *Sklad_StalaRC, *Sklad_ZmiennaRC, *OkresRC,
        *KatRC;
    QPushButton *Button3, *Button4;
    QLabel *Label121, *Label122, *Label123, *Label124, *Label125, *Label127, *Label128, *Label129;

public slots:
    void Button3Click();
    void Button4Click();

private:
    Surface &surface7();
    void showResults();

    TableExporter &exporter_;
    std::optional<Surface> image7_;
    TextTable grid2_;
    RcReadouts readouts_;
};

}  // namespace vorneta
