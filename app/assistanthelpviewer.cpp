#include "app/assistanthelpviewer.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

namespace vorneta {

namespace {

// The help file's namespace and virtual folder, as help/vorneta.qhp declares them.
constexpr auto kHelpRoot = "qthelp://vorneta.pomoc/doc/";

// How long the viewer gets to end on a terminate request before it is killed.
constexpr int kTerminateWaitMs = 3000;

const QString kShowContents = QStringLiteral("show contents;expandToc -1");

// A remote-control argument must not end the command early or start another one.
QString sanitizedArgument(const QString &text)
{
    QString result = text;
    result.replace(QLatin1Char(';'), QLatin1Char(' '));
    result.replace(QLatin1Char('\n'), QLatin1Char(' '));
    result.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return result.trimmed();
}

// The results of one query on the SQLite file at path, opened read-only; nothing when the file
// cannot be read as such.
QList<QStringList> querySqlite(const QString &path, const QString &sql, const QString &argument)
{
    static QAtomicInteger<int> serial;
    QList<QStringList> rows;
    if (!QFileInfo(path).isFile() || !QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return rows;
    const QString connection = QStringLiteral("vorneta-help-%1").arg(serial.fetchAndAddRelaxed(1));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare(sql);
            if (!argument.isNull())
                query.addBindValue(argument);
            if (query.exec()) {
                const int columns = query.record().count();
                while (query.next()) {
                    QStringList row;
                    for (int i = 0; i < columns; ++i)
                        row << query.value(i).toString();
                    rows << row;
                }
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return rows;
}

}  // namespace

AssistantHelpViewer::AssistantHelpViewer(QString program, QString collection)
    : program_(std::move(program)), collection_(std::move(collection))
{
}

AssistantHelpViewer::~AssistantHelpViewer()
{
    quit();
}

QString AssistantHelpViewer::defaultProgram()
{
    return QDir(QLibraryInfo::path(QLibraryInfo::BinariesPath)).filePath(QStringLiteral("assistant"));
}

QString AssistantHelpViewer::findCollection()
{
    if (!QCoreApplication::instance())
        return {};
    const QDir appDir(QCoreApplication::applicationDirPath());
    const QString candidates[] = {
        appDir.filePath(QStringLiteral("../share/vorneta/help/vorneta.qhc")),
        appDir.filePath(QStringLiteral("help/vorneta.qhc")),
    };
    for (const QString &candidate : candidates) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isReadable())
            return info.canonicalFilePath();
    }
    return {};
}

QString AssistantHelpViewer::startPage()
{
    return QLatin1String(kHelpRoot) + QStringLiteral("index.html");
}

QString AssistantHelpViewer::pageForKeyword(const QString &collection, const QString &keyword)
{
    // A collection registers its help files by path, relative to itself; each help file holds
    // the index (keyword, file, anchor) of its pages.
    const QDir collectionDir = QFileInfo(collection).absoluteDir();
    QStringList pages;
    const auto helpFiles = querySqlite(collection, QStringLiteral("SELECT FilePath FROM NamespaceTable"), {});
    for (const QStringList &helpFile : helpFiles) {
        const auto found = querySqlite(
            collectionDir.absoluteFilePath(helpFile.value(0)),
            QStringLiteral("SELECT n.Name, fo.Name, f.Name, i.Anchor FROM IndexTable i "
                           "JOIN FileNameTable f ON f.FileId = i.FileId "
                           "JOIN FolderTable fo ON fo.Id = f.FolderId "
                           "JOIN NamespaceTable n ON n.Id = fo.NamespaceId WHERE i.Name = ?"),
            keyword);
        for (const QStringList &row : found) {
            QString page = QStringLiteral("qthelp://%1/%2/%3").arg(row.value(0), row.value(1), row.value(2));
            if (!row.value(3).isEmpty())
                page += QLatin1Char('#') + row.value(3);
            if (!pages.contains(page))
                pages << page;
        }
    }
    return pages.size() == 1 ? pages.first() : QString();
}

bool AssistantHelpViewer::isRunning() const
{
    return process_ && process_->state() != QProcess::NotRunning;
}

bool AssistantHelpViewer::startIfNeeded(const QStringList &startArguments)
{
    if (isRunning())
        return false;
    process_.reset();

    const QFileInfo program(program_);
    if (program_.isEmpty() || !program.isFile() || !program.isExecutable())
        return false;
    const QFileInfo collection(collection_);
    if (collection_.isEmpty() || !collection.isFile())
        return false;

    auto process = std::make_unique<QProcess>();
    process->setProgram(program.absoluteFilePath());
    process->setArguments(QStringList{QStringLiteral("-collectionFile"), collection.absoluteFilePath(),
                                      QStringLiteral("-enableRemoteControl")}
                          + startArguments);
    // Whatever the viewer says is its own business.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted())
        return false;
    process_ = std::move(process);
    return true;
}

void AssistantHelpViewer::send(const QString &command)
{
    if (!isRunning())
        return;
    // Assistant reads one line at a time and runs the commands in it separated by ';'.
    process_->write((command + QStringLiteral(";\n")).toLocal8Bit());
}

void AssistantHelpViewer::showContents()
{
    startIfNeeded();
    send(kShowContents);
}

void AssistantHelpViewer::showKeyword(const QString &keyword)
{
    const QString argument = sanitizedArgument(keyword);
    if (argument.isEmpty()) {
        showContents();
        return;
    }
    if (!isRunning()) {
        const QString page = pageForKeyword(collection_, argument);
        if (!page.isEmpty()) {
            startIfNeeded({QStringLiteral("-showUrl"), page});
            return;
        }
        startIfNeeded();
    }
    send(QStringLiteral("activateKeyword ") + argument);
}

void AssistantHelpViewer::showContext(int)
{
    // The help file has one context topic: the start page, context 0. Any other number finds
    // nothing better than it.
    if (startIfNeeded({QStringLiteral("-showUrl"), startPage()}))
        return;
    send(QStringLiteral("setSource ") + startPage());
}

void AssistantHelpViewer::quit()
{
    if (!process_)
        return;
    // Assistant ignores the end of its input, so it is asked to end and then made to.
    if (process_->state() != QProcess::NotRunning) {
        process_->terminate();
        if (!process_->waitForFinished(kTerminateWaitMs)) {
            process_->kill();
            process_->waitForFinished(kTerminateWaitMs);
        }
    }
    process_.reset();
}

}  // namespace vorneta
