#pragma once

#include "transients/texttable.h"

#include <QString>

#include <functional>

class QFileDialog;
class QWidget;

namespace vorneta {

// "Zapis tabeli": asks for a file name through the one save dialog that both result tables
// share, and writes the table there. Failures are thrown as FileError.
//
// The dialog, SaveDialog1, is prepared anew for every press from what the exporter remembers:
// at first use it opens in the user's documents folder (the home folder when there is none)
// with "Dzielony przecinkami" selected; afterwards it offers the last confirmed full file name
// and filter, whichever table is being saved. A cancelled dialog changes nothing and writes
// nothing. A name typed without extension gets the selected filter's one ("csv" or "txt").
// An existing file is replaced without a question.
class TableExporter
{
public:
    // Shows the prepared dialog modally; true when the user confirmed a file name. Tests put
    // in a runner that fills in and accepts the dialog instead of showing it.
    using DialogRunner = std::function<bool(QFileDialog &dialog)>;

    TableExporter();
    explicit TableExporter(DialogRunner runner);

    void save(const TextTable &table, QWidget *parent);

    // What the dialog offers at its next use; empty before the first confirmed name.
    const QString &lastFileName() const { return fileName_; }
    const QString &lastFilter() const { return filter_; }

    static QString csvFilter();
    static QString txtFilter();

private:
    void prepare(QFileDialog &dialog) const;

    DialogRunner runner_;
    QString fileName_;
    QString filter_;
};

}  // namespace vorneta
