#pragma once

#include "transients/texttable.h"

class QWidget;

namespace vorneta {

// "Zapis tabeli": asks for a file name through the one save dialog that both result tables
// share, and writes the table there. Failures are thrown as FileError.
class TableExporter
{
public:
    void save(const TextTable &table, QWidget *parent);
};

}  // namespace vorneta
