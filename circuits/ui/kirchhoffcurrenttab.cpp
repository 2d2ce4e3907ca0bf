#include "circuits/ui/kirchhoffcurrenttab.h"

namespace vorneta {

KirchhoffCurrentTab::KirchhoffCurrentTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet2"));
}

}  // namespace vorneta
