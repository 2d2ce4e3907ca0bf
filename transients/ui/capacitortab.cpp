#include "transients/ui/capacitortab.h"

namespace vorneta {

CapacitorTab::CapacitorTab(TableExporter &exporter, QWidget *parent) : QWidget(parent), exporter_(exporter)
{
    setObjectName(QStringLiteral("TabSheet5"));
}

void CapacitorTab::drawActivationFrame()
{
}

void CapacitorTab::writeHeadings()
{
}

}  // namespace vorneta
