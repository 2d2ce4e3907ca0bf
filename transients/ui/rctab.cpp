#include "transients/ui/rctab.h"

namespace vorneta {

RcTab::RcTab(TableExporter &exporter, QWidget *parent) : QWidget(parent), exporter_(exporter)
{
    setObjectName(QStringLiteral("TabSheet6"));
}

void RcTab::drawActivationFrame()
{
}

void RcTab::writeHeadings()
{
}

}  // namespace vorneta
