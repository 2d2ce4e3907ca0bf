#include "circuits/ui/ohmtab.h"

namespace vorneta {

OhmTab::OhmTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));
}

}  // namespace vorneta
