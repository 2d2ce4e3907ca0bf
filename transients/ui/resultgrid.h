#pragma once

#include <QAbstractTableModel>
#include <QTableView>

namespace vorneta {

class TextTable;

// A result table's cells as a Qt model: the table's row 0 is the horizontal header, its
// rows 1 and on are the model's rows 0 and on. Read only.
class TextTableModel : public QAbstractTableModel
{
public:
    TextTableModel(const TextTable &table, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The heading row has changed.
    void headingsChanged();
    // The sample rows may have changed: one notification for all of them.
    void samplesChanged();

private:
    const TextTable &table_;
};

// A result table on screen (StringGrid1, StringGrid2): the heading row fixed on top, no
// fixed column, 46-pixel columns and 24-pixel rows, scroll bars where the cells do not fit,
// cells selectable singly or as a rectangle, never editable.
class ResultGrid : public QTableView
{
public:
    ResultGrid(QWidget *parent, const char *name, const QRect &geometry, const TextTable &table);

    TextTableModel *tableModel() const { return model_; }

private:
    TextTableModel *model_;
};

}  // namespace vorneta
