#pragma once

#include <QWidget>

namespace vorneta {

class TableExporter;

class CapacitorTab : public QWidget
{
    Q_OBJECT

public:
    CapacitorTab(TableExporter &exporter, QWidget *parent = nullptr);

    // The two steps of the main window's first activation that belong to this tab:
    // the empty axis frame on the plot area, and the table's heading row.
    void drawActivationFrame();
    void writeHeadings();

private:
    TableExporter &exporter_;
};

}  // namespace vorneta
