#pragma once

#include "transients/capacitorpress.h"
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

// TabSheet5, "Ładowanie kondensatora": a capacitor charging through a resistor from a DC
// source. "Wykres" plots voltage, current and charge on Image5 and lists the samples in
// StringGrid1; "Zapis tabeli" saves the table.
class CapacitorTab : public QWidget
{
    Q_OBJECT

public:
    CapacitorTab(TableExporter &exporter, QWidget *parent = nullptr);

    // The two steps of the main window's first activation that belong to this tab:
    // the empty axis frame on the plot area, and the table's heading row.
    void drawActivationFrame();
    void writeHeadings();

    // The result table as the export sees it, and the plot's surface (none before the
    // activation).
    const TextTable &table() const { return grid1_; }
    const Surface *surface() const { return image5_ ? &*image5_ : nullptr; }

    SurfaceView *Image5;
    ResultGrid *StringGrid1;
    QLabel *Image6;
    QFrame *Bevel21, *Bevel23;
    QLabel *Label107;
    QLabel *Label90, *Label91, *Label92, *Label93, *Label94;
    QLineEdit *Czas, *Napiecie, *Rezystancja, *pojemnosc;
    QLabel *Label110, *Label111;
    QPushButton *Button1, *Button2;
    QLabel *Label87, *Label102, *Label103;
    QLabel *Label95, *Label96, *Label97;
    QLabel *Label104, *Label105, *Label106;
    QLabel *Label108, *Label109;
    QLabel *Label89, *Label98, *Label99, *Label100, *Label101, *Label88;

public slots:
    void Button1Click();
    void Button2Click();

private:
    Surface &surface5();
    void showResults();

    TableExporter &exporter_;
    std::optional<Surface> image5_;
    TextTable grid1_;
    CapacitorReadouts readouts_;
};

}  // namespace vorneta
