#include "app/assistanthelpviewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>

namespace vorneta {

namespace {

// The help file's namespace and virtual folder, as help/vorneta.qhp declares them.
constexpr auto kHelpRoot = "qthelp://vorneta.pomoc/doc/";

// How long the viewer gets to end on a terminate request before it is killed.
constexpr int kTerminateWaitMs = 3000;

// A remote-control argument must not end the command early or start another one.
QString sanitizedArgument(const QString &text)
{
    QString result = text;
    result.replace(QLatin1Char(';'), QLatin1Char(' '));
    result.replace(QLatin1Char('\n'), QLatin1Char(' '));
    result.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return result.trimmed();
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

bool AssistantHelpViewer::isRunning() const
{
    return process_ && process_->state() != QProcess::NotRunning;
}

bool AssistantHelpViewer::ensureRunning()
{
    if (isRunning())
        return true;
    process_.reset();

    const QFileInfo program(program_);
    if (program_.isEmpty() || !program.isFile() || !program.isExecutable())
        return false;
    const QFileInfo collection(collection_);
    if (collection_.isEmpty() || !collection.isFile())
        return false;

    auto process = std::make_unique<QProcess>();
    process->setProgram(program.absoluteFilePath());
    process->setArguments({QStringLiteral("-collectionFile"), collection.absoluteFilePath(),
                           QStringLiteral("-enableRemoteControl")});
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
    if (!ensureRunning())
        return;
    // Assistant reads one line at a time and runs the commands in it separated by ';'.
    process_->write((command + QStringLiteral(";\n")).toLocal8Bit());
}

void AssistantHelpViewer::showContents()
{
    send(QStringLiteral("show contents"));
}

void AssistantHelpViewer::showKeyword(const QString &keyword)
{
    const QString argument = sanitizedArgument(keyword);
    if (argument.isEmpty()) {
        showContents();
        return;
    }
    send(QStringLiteral("activateKeyword ") + argument);
}

void AssistantHelpViewer::showContext(int)
{
    // The help file has one context topic: the start page, context 0. Any other number finds
    // nothing better than it.
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
