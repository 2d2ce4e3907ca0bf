#include "circuits/ui/powertab.h"

namespace vorneta {

PowerTab::PowerTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet4"));
}

}  // namespace vorneta
