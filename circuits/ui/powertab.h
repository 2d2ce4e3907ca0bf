#pragma once

#include <QWidget>

namespace vorneta {

class PowerTab : public QWidget
{
    Q_OBJECT

public:
    explicit PowerTab(QWidget *parent = nullptr);
};

}  // namespace vorneta
