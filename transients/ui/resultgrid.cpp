#include "transients/ui/resultgrid.h"

#include "transients/texttable.h"

#include <QHeaderView>

namespace vorneta {

namespace {

constexpr int kColumnWidth = 46;
constexpr int kRowHeight = 24;

QString text(const std::string &s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

TextTableModel::TextTableModel(const TextTable &table, QObject *parent) : QAbstractTableModel(parent), table_(table)
{
}

int TextTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : table_.rowCount() - 1;
}

int TextTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : table_.columnCount();
}

QVariant TextTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return text(table_.cell(index.column(), index.row() + 1));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= table_.columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return text(table_.cell(section, 0));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

Qt::ItemFlags TextTableModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void TextTableModel::headingsChanged()
{
    emit headerDataChanged(Qt::Horizontal, 0, table_.columnCount() - 1);
}

void TextTableModel::samplesChanged()
{
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

ResultGrid::ResultGrid(QWidget *parent, const char *name, const QRect &geometry, const TextTable &table)
    : QTableView(parent), model_(new TextTableModel(table, this))
{
    setObjectName(QString::fromLatin1(name));
    setModel(model_);
    setGeometry(geometry);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);  // a long text is cut at the cell's edge
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);

    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);

    QHeaderView *headings = horizontalHeader();
    headings->setMinimumSectionSize(kColumnWidth);
    headings->setSectionResizeMode(QHeaderView::Fixed);
    headings->setDefaultSectionSize(kColumnWidth);
    headings->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    headings->setSectionsClickable(false);
    headings->setHighlightSections(false);
    headings->setStretchLastSection(false);
    headings->setFixedHeight(kRowHeight);
}

}  // namespace vorneta
