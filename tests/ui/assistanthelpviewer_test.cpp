// The help viewer behind the help layer: Qt Assistant, started on the first request and driven
// through its standard input. A stand-in script records how it is started and what it is told;
// the real Assistant, where installed, must start, take the commands and end on quit.

#include "app/assistanthelpviewer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

using vorneta::AssistantHelpViewer;

namespace {

bool waitFor(const std::function<bool()> &condition, int ms = 5000)
{
    QDeadlineTimer deadline(ms);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
}

QStringList linesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

class AssistantViewer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        collection_ = dir_.filePath(QStringLiteral("vorneta.qhc"));
        QFile collection(collection_);
        ASSERT_TRUE(collection.open(QIODevice::WriteOnly));
        // Like Assistant, the stand-ins read commands until they are ended; "dying" reads one.
        writeScript(QStringLiteral("viewer"), "exec cat >> \"$dir/commands\"\n");
        writeScript(QStringLiteral("dying"), "head -n 1 >> \"$dir/commands\"\nexit 0\n");
    }

    void writeScript(const QString &name, const char *body)
    {
        QFile script(dir_.filePath(name));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\ndir=$(dirname \"$0\")\necho \"$*\" >> \"$dir/starts\"\n");
        script.write(body);
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString program(const QString &name = QStringLiteral("viewer")) const { return dir_.filePath(name); }
    QStringList starts() const { return linesOf(dir_.filePath(QStringLiteral("starts"))); }
    QStringList commands() const { return linesOf(dir_.filePath(QStringLiteral("commands"))); }

    QTemporaryDir dir_;
    QString collection_;
};

TEST_F(AssistantViewer, StartsOnTheFirstRequestAndPassesEachRequestAsACommand)
{
    AssistantHelpViewer viewer(program(), collection_);
    EXPECT_FALSE(viewer.isRunning());
    EXPECT_TRUE(starts().isEmpty());

    viewer.showKeyword(QStringLiteral("gdgdgdg"));
    viewer.showContents();
    viewer.showContext(0);
    viewer.showKeyword(QStringLiteral("1"));
    ASSERT_TRUE(waitFor([&] { return commands().size() == 4; })) << commands().join('|').toStdString();

    EXPECT_TRUE(viewer.isRunning());
    EXPECT_EQ(starts(), QStringList{QStringLiteral("-collectionFile ") + collection_
                                    + QStringLiteral(" -enableRemoteControl")});
    EXPECT_EQ(commands(), (QStringList{
                              QStringLiteral("activateKeyword gdgdgdg;"),
                              QStringLiteral("show contents;expandToc -1;"),
                              QStringLiteral("setSource qthelp://vorneta.pomoc/doc/index.html;"),
                              QStringLiteral("activateKeyword 1;"),
                          }));
}

TEST_F(AssistantViewer, AKeywordCannotEndItsCommandOrStartAnother)
{
    AssistantHelpViewer viewer(program(), collection_);
    viewer.showKeyword(QStringLiteral("moc;show index\nczynna"));
    viewer.showKeyword(QStringLiteral(" ; "));
    ASSERT_TRUE(waitFor([&] { return commands().size() == 2; }));
    EXPECT_EQ(commands(), (QStringList{QStringLiteral("activateKeyword moc show index czynna;"),
                                       QStringLiteral("show contents;expandToc -1;")}));
}

TEST_F(AssistantViewer, QuitEndsTheViewerAndALaterRequestStartsItAgain)
{
    AssistantHelpViewer viewer(program(), collection_);
    viewer.showContents();
    ASSERT_TRUE(waitFor([&] { return commands().size() == 1; }));

    viewer.quit();  // the viewer ignores the end of its input: it must be ended
    EXPECT_FALSE(viewer.isRunning());
    viewer.quit();  // "Koniec" and the shutdown both send it
    EXPECT_FALSE(viewer.isRunning());
    EXPECT_EQ(starts().size(), 1);

    // A request that starts the viewer names its page on the command line.
    viewer.showContext(0);
    ASSERT_TRUE(waitFor([&] { return starts().size() == 2; }));
    EXPECT_TRUE(viewer.isRunning());
    EXPECT_EQ(starts().last(), QStringLiteral("-collectionFile ") + collection_
                                   + QStringLiteral(" -enableRemoteControl -showUrl qthelp://vorneta.pomoc/doc/index.html"));
    viewer.showContext(0);
    ASSERT_TRUE(waitFor([&] { return commands().size() == 2; }));
    EXPECT_EQ(commands().last(), QStringLiteral("setSource qthelp://vorneta.pomoc/doc/index.html;"));
    EXPECT_EQ(starts().size(), 2);
}

TEST_F(AssistantViewer, AViewerThatEndedByItselfIsStartedAgainByTheNextRequest)
{
    AssistantHelpViewer viewer(program(QStringLiteral("dying")), collection_);
    viewer.showContents();
    ASSERT_TRUE(waitFor([&] { return !viewer.isRunning(); }));
    EXPECT_EQ(commands(), QStringList{QStringLiteral("show contents;expandToc -1;")});

    viewer.showKeyword(QStringLiteral("oczko"));
    ASSERT_TRUE(waitFor([&] { return commands().size() == 2; }));
    EXPECT_EQ(starts().size(), 2);
    EXPECT_EQ(commands().last(), QStringLiteral("activateKeyword oczko;"));
}

TEST_F(AssistantViewer, AMissingViewerOrCollectionChangesNothingAndShowsNothing)
{
    QFile notExecutable(dir_.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(notExecutable.open(QIODevice::WriteOnly));
    notExecutable.close();

    const struct
    {
        const char *what;
        QString program;
        QString collection;
    } cases[] = {
        {"no viewer", dir_.filePath(QStringLiteral("missing/assistant")), collection_},
        {"a viewer that cannot run", notExecutable.fileName(), collection_},
        {"a folder for a viewer", dir_.path(), collection_},
        {"no collection", program(), dir_.filePath(QStringLiteral("missing.qhc"))},
        {"nothing found", QString(), QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const auto windowsBefore = QApplication::topLevelWidgets().size();
        {
            AssistantHelpViewer viewer(c.program, c.collection);
            viewer.showContents();
            viewer.showKeyword(QStringLiteral("gdgdgdg"));
            viewer.showContext(0);
            EXPECT_FALSE(viewer.isRunning());
            viewer.quit();
            viewer.showKeyword(QStringLiteral("1"));
            EXPECT_FALSE(viewer.isRunning());
        }
        QTest::qWait(50);
        EXPECT_TRUE(starts().isEmpty());
        EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
        for (QWidget *w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
    }
}

// The help collection the build made, beside the tests' folder; empty when it is missing.
QString builtCollection()
{
    const QFileInfo collection(QCoreApplication::applicationDirPath() + QStringLiteral("/../help/vorneta.qhc"));
    return collection.isFile() ? collection.canonicalFilePath() : QString();
}

TEST_F(AssistantViewer, AKeywordThatStartsTheViewerOpensItsPageFromTheCommandLine)
{
    const QString collection = builtCollection();
    if (collection.isEmpty())
        GTEST_SKIP() << "the built help collection is missing";
    const QString started = QStringLiteral("-collectionFile ") + collection
                            + QStringLiteral(" -enableRemoteControl");
    AssistantHelpViewer viewer(program(), collection);

    viewer.showKeyword(QStringLiteral("gdgdgdg"));
    ASSERT_TRUE(waitFor([&] { return starts().size() == 1; }));
    EXPECT_EQ(starts().last(),
              started + QStringLiteral(" -showUrl qthelp://vorneta.pomoc/doc/prawo-ohma.html#regulacja-pradu"));
    viewer.showKeyword(QStringLiteral("1"));  // running: by remote control
    ASSERT_TRUE(waitFor([&] { return commands().size() == 1; }));
    EXPECT_EQ(commands().last(), QStringLiteral("activateKeyword 1;"));

    // A word the index does not know is left to Assistant's index.
    viewer.quit();
    viewer.showKeyword(QStringLiteral("nieznane słowo"));
    ASSERT_TRUE(waitFor([&] { return commands().size() == 2; }));
    EXPECT_EQ(starts().last(), started);
    EXPECT_EQ(commands().last(), QStringLiteral("activateKeyword nieznane słowo;"));
    EXPECT_EQ(starts().size(), 2);
}

TEST(AssistantViewerLookup, TheViewerIsQtsAssistantAndTheCollectionIsLookedUpBesideTheProgram)
{
    EXPECT_TRUE(AssistantHelpViewer::defaultProgram().endsWith(QLatin1String("/assistant")));
    // The tests run from a folder of the build tree that holds no help: nothing is found.
    const QString found = AssistantHelpViewer::findCollection();
    if (!found.isEmpty()) {
        EXPECT_TRUE(QFileInfo(found).isFile());
    }
    EXPECT_EQ(AssistantHelpViewer::startPage(), QStringLiteral("qthelp://vorneta.pomoc/doc/index.html"));
}

// The real Qt Assistant with the collection the build made, on the tests' own platform.
TEST(RealAssistant, StartsTakesTheRequestsStaysUpAndEndsOnQuit)
{
    const QString program = AssistantHelpViewer::defaultProgram();
    const QString collection = builtCollection();
    if (!QFileInfo(program).isExecutable() || collection.isEmpty())
        GTEST_SKIP() << "Qt Assistant or the built help collection is missing";

    // Assistant keeps its per-user copy of the collection under the data folder.
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());

    {
        AssistantHelpViewer viewer(program, collection);
        viewer.showKeyword(QStringLiteral("gdgdgdg"));
        ASSERT_TRUE(viewer.isRunning());
        QTest::qWait(3000);
        EXPECT_TRUE(viewer.isRunning()) << "Assistant ended after the keyword request";
        viewer.showContents();
        viewer.showContext(0);
        QTest::qWait(1000);
        EXPECT_TRUE(viewer.isRunning()) << "Assistant ended after the contents request";
        EXPECT_TRUE(QFileInfo::exists(home.filePath(QStringLiteral("data/vorneta/pomoc-build/vorneta.qhc"))));

        viewer.quit();
        EXPECT_FALSE(viewer.isRunning());
    }

    qputenv("XDG_DATA_HOME", oldData);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    if (oldData.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    if (oldConfig.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
