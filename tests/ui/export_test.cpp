#include "common/errors.h"
#include "export/tableencoding.h"
#include "export/ui/tableexporter.h"
#include "transients/texttable.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

#include <ostream>

using namespace vorneta;

// Readable failures for Qt's strings.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '{' << list.join(QStringLiteral(", ")).toStdString() << '}';
}
inline void PrintTo(const QByteArray &bytes, std::ostream *out)
{
    *out << bytes.size() << " bytes: " << testing::PrintToString(bytes.left(80).toStdString());
}
QT_END_NAMESPACE

namespace {

TextTable capacitorTable()
{
    TextTable table(3, 420);
    const char *headings[] = {"t [s]", "U [V]", "I [A]"};
    for (int column = 0; column < 3; ++column)
        table.setCell(column, 0, headings[column]);
    for (int row = 1; row < 420; ++row) {
        table.setCell(0, row, "0," + std::to_string(row));
        table.setCell(1, row, "1E3");
        table.setCell(2, row, "-0,00" + std::to_string(row % 10));
    }
    return table;
}

TextTable rcTable()
{
    TextTable table(4, 420);
    const char *headings[] = {"t [s]", "Uz [V]", "Uc [V]", "Ur [V]"};
    for (int column = 0; column < 4; ++column)
        table.setCell(column, 0, headings[column]);
    return table;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "(missing)";
    return file.readAll();
}

QByteArray bytesOf(const TextTable &table)
{
    const std::string bytes = encodeTable(table);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Types a name into the dialog's file name box, as a user does, optionally after picking a
// filter entry; false when the dialog lacks its usual widgets.
bool type(QFileDialog &dialog, const QString &folder, const QString &name, int filterEntry = -1)
{
    if (filterEntry >= 0) {
        auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        if (!types)
            return false;
        // What the combo box does when the user picks an entry.
        types->setCurrentIndex(filterEntry);
        emit types->activated(filterEntry);
        emit types->textActivated(types->currentText());
    }
    dialog.setDirectory(folder);
    auto *nameBox = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (!nameBox)
        return false;
    nameBox->setText(name);
    return true;
}

// ... and presses Save; true when the dialog closed as accepted.
bool typeAndAccept(QFileDialog &dialog, const QString &folder, const QString &name, int filterEntry = -1)
{
    if (!type(dialog, folder, name, filterEntry))
        return false;
    static_cast<QDialog &>(dialog).accept();  // as the Save button does
    return dialog.result() == QDialog::Accepted;
}

class Export : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
    QString path(const QString &name) const { return folder_.filePath(name); }
    QStringList files() const { return QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System); }

    QTemporaryDir folder_;
    QWidget tab_;
};

}  // namespace

TEST_F(Export, DialogAtFirstUse)
{
    // A home of our own, first without a documents folder, then with one.
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", folder_.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    QStringList folders;
    int runs = 0;
    TableExporter exporter([&](QFileDialog &dialog) {
        ++runs;
        EXPECT_EQ(dialog.objectName(), "SaveDialog1");
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.defaultSuffix(), "csv");
        EXPECT_EQ(dialog.nameFilters(), (QStringList{"Dzielony przecinkami (*.csv)", "Tekstowy (*.txt)"}));
        EXPECT_TRUE(dialog.selectedNameFilter().startsWith("Dzielony przecinkami")) << dialog.selectedNameFilter().toStdString();
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_TRUE(dialog.testOption(QFileDialog::HideNameFilterDetails));
        EXPECT_TRUE(dialog.isSizeGripEnabled());
        EXPECT_FALSE(dialog.windowTitle().isEmpty());  // the toolkit's own "save" title
        if (auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))) {
            EXPECT_EQ(types->currentText(), "Dzielony przecinkami");
        }
        folders << QDir(dialog.directory()).absolutePath();
        return false;
    });
    exporter.save(capacitorTable(), &tab_);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_TRUE(QDir().mkpath(documents));
    exporter.save(capacitorTable(), &tab_);
    qputenv("HOME", home);
    if (!config.isNull())
        qputenv("XDG_CONFIG_HOME", config);

    EXPECT_EQ(runs, 2);
    EXPECT_EQ(folders, (QStringList{QDir(folder_.path()).absolutePath(), QDir(documents).absolutePath()}));
    EXPECT_TRUE(exporter.lastFileName().isEmpty());
    EXPECT_TRUE(exporter.lastFilter().isEmpty());
}

TEST_F(Export, NameWithoutExtensionGetsTheFiltersOne)
{
    TableExporter exporter([&](QFileDialog &dialog) { return typeAndAccept(dialog, folder_.path(), "wyniki"); });
    exporter.save(capacitorTable(), &tab_);
    EXPECT_EQ(contents(path("wyniki.csv")), bytesOf(capacitorTable()));

    TableExporter text([&](QFileDialog &dialog) { return typeAndAccept(dialog, folder_.path(), "tekst", 1); });
    text.save(capacitorTable(), &tab_);
    EXPECT_EQ(contents(path("tekst.txt")), bytesOf(capacitorTable()));

    TableExporter own([&](QFileDialog &dialog) { return typeAndAccept(dialog, folder_.path(), "dane.dat"); });
    own.save(capacitorTable(), &tab_);
    EXPECT_EQ(contents(path("dane.dat")), bytesOf(capacitorTable()));
    EXPECT_EQ(files(), (QStringList{"dane.dat", "tekst.txt", "wyniki.csv"}));
}

TEST_F(Export, SecondTableIsOfferedTheFirstNameAndCancelChangesNothing)
{
    // A longer earlier file stands under the chosen name.
    {
        QFile earlier(path("tabela.txt"));
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write(QByteArray(50000, 'x'));
    }
    std::function<bool(QFileDialog &)> next;
    TableExporter exporter([&](QFileDialog &dialog) { return next(dialog); });

    next = [&](QFileDialog &dialog) { return typeAndAccept(dialog, folder_.path(), "tabela", 1); };
    const TextTable capacitor = capacitorTable();
    exporter.save(capacitor, &tab_);
    EXPECT_EQ(contents(path("tabela.txt")), bytesOf(capacitor));
    EXPECT_EQ(exporter.lastFileName(), path("tabela.txt"));
    EXPECT_EQ(exporter.lastFilter(), "Tekstowy (*.txt)");

    // A cancel, after the user had typed another name and picked another filter.
    next = [&](QFileDialog &dialog) {
        EXPECT_EQ(dialog.selectedFiles(), QStringList{path("tabela.txt")});
        EXPECT_TRUE(type(dialog, folder_.path(), "inna", 0));
        dialog.reject();
        return false;
    };
    const TextTable rc = rcTable();
    const TextTable rcBefore = rc;
    exporter.save(rc, &tab_);
    EXPECT_EQ(contents(path("tabela.txt")), bytesOf(capacitor));
    EXPECT_EQ(files(), QStringList{"tabela.txt"});
    EXPECT_EQ(rc, rcBefore);

    // The RC table's dialog offers the capacitor table's name and filter; accepting replaces it.
    next = [&](QFileDialog &dialog) {
        EXPECT_EQ(dialog.selectedFiles(), QStringList{path("tabela.txt")});
        EXPECT_TRUE(dialog.selectedNameFilter().startsWith("Tekstowy")) << dialog.selectedNameFilter().toStdString();
        EXPECT_EQ(dialog.defaultSuffix(), "txt");
        static_cast<QDialog &>(dialog).accept();  // as the Save button does
        return dialog.result() == QDialog::Accepted;
    };
    exporter.save(rc, &tab_);
    EXPECT_EQ(contents(path("tabela.txt")), bytesOf(rc));
    EXPECT_EQ(files(), QStringList{"tabela.txt"});
    EXPECT_EQ(rc, rcBefore);
}

TEST_F(Export, FailureIsThrownAndTheNameIsOfferedAgain)
{
    ASSERT_TRUE(QDir(folder_.path()).mkdir("dane.csv"));
    std::function<bool(QFileDialog &)> next;
    TableExporter exporter([&](QFileDialog &dialog) { return next(dialog); });
    const auto failureOf = [&](const QString &typed) -> std::string {
        next = [&](QFileDialog &dialog) { return typeAndAccept(dialog, folder_.path(), typed); };
        try {
            exporter.save(capacitorTable(), &tab_);
        } catch (const FileError &error) {
            return error.message();
        }
        return "(no failure)";
    };

    // Typing a folder's name opens that folder, as in any save dialog; nothing is saved.
    EXPECT_EQ(failureOf("dane.csv"), "(no failure)");
    EXPECT_TRUE(exporter.lastFileName().isEmpty());
    EXPECT_EQ(failureOf("brak/tabela"), "Invalid filename");
    EXPECT_EQ(exporter.lastFileName(), path("brak/tabela.csv"));
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList{"dane.csv"});

    // The next dialog offers the name again; its folder does not exist, so the name alone.
    next = [&](QFileDialog &dialog) {
        const QStringList offered = dialog.selectedFiles();
        EXPECT_EQ(offered.size(), 1);
        EXPECT_TRUE(offered.value(0).endsWith("/tabela.csv")) << offered.value(0).toStdString();
        EXPECT_FALSE(offered.value(0).contains("brak")) << offered.value(0).toStdString();
        return false;
    };
    exporter.save(capacitorTable(), &tab_);
}

TEST_F(Export, RealDialogShownModallyAndDrivenByTheUser)
{
    // The program's own exporter: its dialog runs its event loop until the user answers.
    TableExporter exporter;
    bool seen = false;
    const auto answer = [&](bool save) {
        QTimer::singleShot(0, [&, save] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = true;
            EXPECT_EQ(dialog->objectName(), "SaveDialog1");
            if (save)
                typeAndAccept(*dialog, folder_.path(), "z_okna");
            else
                dialog->reject();
        });
    };
    answer(false);
    exporter.save(capacitorTable(), &tab_);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(files().isEmpty());

    seen = false;
    answer(true);
    exporter.save(capacitorTable(), &tab_);
    EXPECT_TRUE(seen);
    EXPECT_EQ(contents(path("z_okna.csv")), bytesOf(capacitorTable()));
}
