#pragma once

#include <string>
#include <vector>

namespace vorneta {

// A result table: a grid of text cells addressed by (column, row); row 0 holds the headings.
class TextTable
{
public:
    TextTable(int columns, int rows)
        : columns_(columns), rows_(rows), cells_(static_cast<std::size_t>(columns * rows))
    {
    }

    int columnCount() const { return columns_; }
    int rowCount() const { return rows_; }

    const std::string &cell(int column, int row) const { return cells_[index(column, row)]; }
    void setCell(int column, int row, std::string text) { cells_[index(column, row)] = std::move(text); }

    friend bool operator==(const TextTable &, const TextTable &) = default;

private:
    std::size_t index(int column, int row) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_)
            + static_cast<std::size_t>(column);
    }

    int columns_;
    int rows_;
    std::vector<std::string> cells_;
};

}  // namespace vorneta
