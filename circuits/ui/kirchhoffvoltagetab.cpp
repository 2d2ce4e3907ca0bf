#include "circuits/ui/kirchhoffvoltagetab.h"

namespace vorneta {

KirchhoffVoltageTab::KirchhoffVoltageTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet3"));
}

}  // namespace vorneta
