#pragma once

#include <QWidget>

namespace vorneta {

class OhmTab : public QWidget
{
    Q_OBJECT

public:
    explicit OhmTab(QWidget *parent = nullptr);
};

}  // namespace vorneta
