#pragma once

#include <QWidget>

namespace vorneta {

class KirchhoffVoltageTab : public QWidget
{
    Q_OBJECT

public:
    explicit KirchhoffVoltageTab(QWidget *parent = nullptr);
};

}  // namespace vorneta
