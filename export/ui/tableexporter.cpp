#include "export/ui/tableexporter.h"

#include "export/tablefile.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace vorneta {

namespace {

QString initialFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists())
        return documents;
    return QDir::homePath();
}

// The full filter entry for what the dialog reports as selected: with the entries' details
// hidden, the toolkit reports the shown name alone ("Tekstowy").
QString fullFilter(const QString &selected)
{
    const QString text = TableExporter::txtFilter();
    if (selected == text || selected == text.left(text.indexOf(QLatin1String(" ("))))
        return text;
    return TableExporter::csvFilter();
}

QString suffixFor(const QString &filter)
{
    return fullFilter(filter) == TableExporter::txtFilter() ? QStringLiteral("txt") : QStringLiteral("csv");
}

}  // namespace

QString TableExporter::csvFilter()
{
    return QStringLiteral("Dzielony przecinkami (*.csv)");
}

QString TableExporter::txtFilter()
{
    return QStringLiteral("Tekstowy (*.txt)");
}

TableExporter::TableExporter()
    : TableExporter([](QFileDialog &dialog) { return dialog.exec() == QDialog::Accepted; })
{
}

TableExporter::TableExporter(DialogRunner runner) : runner_(std::move(runner)) {}

void TableExporter::prepare(QFileDialog &dialog) const
{
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // No overwrite prompt: choosing an existing file replaces it. The filter list shows the
    // entries' names alone, as "Dzielony przecinkami" and "Tekstowy".
    dialog.setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters({csvFilter(), txtFilter()});
    dialog.setSizeGripEnabled(true);
    // The window title stays the platform's own for a save dialog.

    const QString filter = filter_.isEmpty() ? csvFilter() : filter_;
    dialog.selectNameFilter(filter);
    dialog.setDefaultSuffix(suffixFor(filter));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString &selected) { dialog.setDefaultSuffix(suffixFor(selected)); });

    const QFileInfo last(fileName_);
    if (fileName_.isEmpty()) {
        dialog.setDirectory(initialFolder());
    } else if (last.dir().exists()) {
        dialog.selectFile(fileName_);
    } else {
        // The last name's folder is gone (or never was): its name alone, in the first folder.
        dialog.setDirectory(initialFolder());
        dialog.selectFile(last.fileName());
    }
}

void TableExporter::save(const TextTable &table, QWidget *parent)
{
    QFileDialog dialog(parent);
    prepare(dialog);
    if (!runner_(dialog))
        return;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return;

    // The confirmed name and filter are offered next time, even if writing fails, so that the
    // user can correct the name.
    fileName_ = chosen.first();
    filter_ = fullFilter(dialog.selectedNameFilter());

    writeTableFile(QFile::encodeName(fileName_).toStdString(), table);
}

}  // namespace vorneta
