#pragma once

#include <QWidget>

namespace vorneta {

class KirchhoffCurrentTab : public QWidget
{
    Q_OBJECT

public:
    explicit KirchhoffCurrentTab(QWidget *parent = nullptr);
};

}  // namespace vorneta
