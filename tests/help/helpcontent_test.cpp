// The help file: its sources hang together, and the collection the build made from them answers
// every keyword the program and a pupil ask for with a page that exists.

#include "app/assistanthelpviewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUrl>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

namespace {

const QString kSourceDir = QStringLiteral(VORNETA_HELP_SOURCE_DIR);
const QString kBuildDir = QStringLiteral(VORNETA_HELP_BUILD_DIR);

// The keywords the program asks for (the window's "1" and TrackBar1's "gdgdgdg") and the words
// a pupil looks up, each with the page it must lead to.
const std::map<QString, QString> kRequiredKeywords = {
    {QStringLiteral("1"), QStringLiteral("index.html")},
    {QStringLiteral("gdgdgdg"), QStringLiteral("prawo-ohma.html")},
    {QStringLiteral("prawo Ohma"), QStringLiteral("prawo-ohma.html")},
    {QStringLiteral("węzeł"), QStringLiteral("prawo-kirchhoffa-1.html")},
    {QStringLiteral("I prawo Kirchhoffa"), QStringLiteral("prawo-kirchhoffa-1.html")},
    {QStringLiteral("oczko"), QStringLiteral("prawo-kirchhoffa-2.html")},
    {QStringLiteral("II prawo Kirchhoffa"), QStringLiteral("prawo-kirchhoffa-2.html")},
    {QStringLiteral("moc czynna"), QStringLiteral("pomiar-mocy.html")},
    {QStringLiteral("moc bierna"), QStringLiteral("pomiar-mocy.html")},
    {QStringLiteral("moc pozorna"), QStringLiteral("pomiar-mocy.html")},
    {QStringLiteral("stała czasowa"), QStringLiteral("ladowanie-kondensatora.html")},
    {QStringLiteral("kondensator"), QStringLiteral("ladowanie-kondensatora.html")},
    {QStringLiteral("obwód RC"), QStringLiteral("obwod-rc.html")},
    {QStringLiteral("wykres"), QStringLiteral("wykresy.html")},
    {QStringLiteral("CSV"), QStringLiteral("zapis-tabeli.html")},
    {QStringLiteral("Zapis tabeli"), QStringLiteral("zapis-tabeli.html")},
    {QStringLiteral("separator dziesiętny"), QStringLiteral("liczby.html")},
    {QStringLiteral("is not a valid floating point value"), QStringLiteral("komunikaty.html")},
    {QStringLiteral("Floating point division by zero"), QStringLiteral("komunikaty.html")},
    {QStringLiteral("File access denied"), QStringLiteral("zapis-tabeli.html")},
};

// One page of each tab, in the order of the tabs.
const QStringList kTabPages = {
    QStringLiteral("prawo-ohma.html"),        QStringLiteral("prawo-kirchhoffa-1.html"),
    QStringLiteral("prawo-kirchhoffa-2.html"), QStringLiteral("pomiar-mocy.html"),
    QStringLiteral("ladowanie-kondensatora.html"), QStringLiteral("obwod-rc.html"),
};

struct Link
{
    QString file;
    QString anchor;
};

Link splitRef(const QString &ref)
{
    const qsizetype hash = ref.indexOf(QLatin1Char('#'));
    if (hash < 0)
        return {ref, {}};
    return {ref.left(hash), ref.mid(hash + 1)};
}

// What the help project declares.
struct Project
{
    QString helpNamespace;
    QString virtualFolder;
    QStringList tocRefs;
    std::vector<std::pair<QString, QString>> keywords;  // name, ref
    QStringList files;
};

Project readProject()
{
    QFile file(kSourceDir + QStringLiteral("/vorneta.qhp"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "vorneta.qhp";
    Project project;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("namespace"))
            project.helpNamespace = xml.readElementText();
        else if (name == QLatin1String("virtualFolder"))
            project.virtualFolder = xml.readElementText();
        else if (name == QLatin1String("section"))
            project.tocRefs << xml.attributes().value(QLatin1String("ref")).toString();
        else if (name == QLatin1String("keyword"))
            project.keywords.emplace_back(xml.attributes().value(QLatin1String("name")).toString(),
                                          xml.attributes().value(QLatin1String("ref")).toString());
        else if (name == QLatin1String("file"))
            project.files << xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return project;
}

QString readPage(const QString &name)
{
    QFile file(kSourceDir + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QSet<QString> anchorsOf(const QString &html)
{
    QSet<QString> anchors;
    static const QRegularExpression id(QStringLiteral(R"re(\s(?:id|name)="([^"]+)")re"));
    for (const auto &match : id.globalMatch(html))
        anchors.insert(match.captured(1));
    return anchors;
}

QStringList hrefsOf(const QString &html)
{
    QStringList hrefs;
    static const QRegularExpression href(QStringLiteral(R"re(\shref="([^"]*)")re"));
    for (const auto &match : href.globalMatch(html))
        hrefs << match.captured(1);
    return hrefs;
}

// Whether ref names a page of the project and, when it has an anchor, an anchor in that page.
::testing::AssertionResult resolves(const Project &project, const QString &ref)
{
    const Link link = splitRef(ref);
    if (!project.files.contains(link.file))
        return ::testing::AssertionFailure() << "no page " << link.file.toStdString();
    if (!link.anchor.isEmpty() && !anchorsOf(readPage(link.file)).contains(link.anchor))
        return ::testing::AssertionFailure()
               << "no anchor " << link.anchor.toStdString() << " in " << link.file.toStdString();
    return ::testing::AssertionSuccess();
}

TEST(HelpSources, EveryFileOfTheProjectExistsAndEveryPageIsInIt)
{
    const Project project = readProject();
    for (const QString &file : project.files)
        EXPECT_TRUE(QFileInfo(kSourceDir + QLatin1Char('/') + file).isFile()) << file.toStdString();
    const QStringList pages = QDir(kSourceDir).entryList({QStringLiteral("*.html"), QStringLiteral("*.css")},
                                                         QDir::Files);
    for (const QString &page : pages)
        EXPECT_TRUE(project.files.contains(page)) << page.toStdString() << " is not in vorneta.qhp";
    EXPECT_EQ(project.helpNamespace + QLatin1Char('/') + project.virtualFolder,
              QUrl(vorneta::AssistantHelpViewer::startPage()).host() + QLatin1String("/doc"));
}

TEST(HelpSources, ContentsAndKeywordsLeadToPagesAndAnchorsThatExist)
{
    const Project project = readProject();
    ASSERT_FALSE(project.tocRefs.isEmpty());
    for (const QString &ref : project.tocRefs)
        EXPECT_TRUE(resolves(project, ref)) << "contents entry " << ref.toStdString();
    ASSERT_FALSE(project.keywords.empty());
    for (const auto &[name, ref] : project.keywords)
        EXPECT_TRUE(resolves(project, ref)) << "keyword " << name.toStdString();
}

TEST(HelpSources, EveryKeywordIsOneEntrySoThatItNeverAsksToChooseATopic)
{
    QSet<QString> seen;
    for (const auto &[name, ref] : readProject().keywords) {
        EXPECT_FALSE(name.trimmed().isEmpty());
        EXPECT_FALSE(seen.contains(name.toCaseFolded())) << "twice: " << name.toStdString();
        seen.insert(name.toCaseFolded());
    }
}

TEST(HelpSources, TheProgramsKeywordsAndThePupilsWordsLeadToTheirPages)
{
    std::map<QString, QString> keywords;
    for (const auto &[name, ref] : readProject().keywords)
        keywords[name] = splitRef(ref).file;
    for (const auto &[name, page] : kRequiredKeywords) {
        ASSERT_TRUE(keywords.count(name)) << "missing keyword " << name.toStdString();
        EXPECT_EQ(keywords[name], page) << name.toStdString();
    }
}

TEST(HelpSources, NoPageLinksToAPageOrAnchorThatDoesNotExist)
{
    const Project project = readProject();
    for (const QString &file : project.files) {
        if (!file.endsWith(QLatin1String(".html")))
            continue;
        const QString html = readPage(file);
        EXPECT_TRUE(html.contains(QLatin1String("<meta charset=\"utf-8\">"))) << file.toStdString();
        for (QString href : hrefsOf(html)) {
            ASSERT_FALSE(href.startsWith(QLatin1String("http"))) << file.toStdString()
                << " links outside the help: " << href.toStdString();
            if (href.startsWith(QLatin1Char('#')))
                href.prepend(file);
            EXPECT_TRUE(resolves(project, href)) << "in " << file.toStdString();
        }
    }
}

TEST(HelpSources, TheStartPageLeadsToEveryTabsPageAndEachTabPageBackToIt)
{
    const QStringList fromStart = hrefsOf(readPage(QStringLiteral("index.html")));
    for (const QString &page : kTabPages) {
        EXPECT_TRUE(fromStart.contains(page)) << page.toStdString();
        EXPECT_TRUE(hrefsOf(readPage(page)).contains(QStringLiteral("index.html"))) << page.toStdString();
        // Every tab's page says what can go wrong there.
        EXPECT_TRUE(anchorsOf(readPage(page)).contains(QStringLiteral("komunikaty"))) << page.toStdString();
    }
}

// The built files: SQLite databases written by qhelpgenerator.
class HelpCollection : public ::testing::Test
{
protected:
    static QSqlDatabase open(const QString &path, const QString &connection)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString() << " was not built";
        EXPECT_TRUE(db.open()) << path.toStdString();
        return db;
    }

    static QString setting(QSqlDatabase &db, const QString &key)
    {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("SELECT Value FROM SettingsTable WHERE Key = ?"));
        query.addBindValue(key);
        if (!query.exec() || !query.next())
            return {};
        return query.value(0).toString();
    }
};

TEST_F(HelpCollection, EveryRequiredKeywordResolvesToAPageWithContent)
{
    {
        QSqlDatabase qch = open(kBuildDir + QStringLiteral("/vorneta.qch"), QStringLiteral("qch"));
        for (const auto &[name, page] : kRequiredKeywords) {
            QSqlQuery query(qch);
            query.prepare(QStringLiteral(
                "SELECT f.Name, length(d.Data) FROM IndexTable i "
                "JOIN FileNameTable f ON f.FileId = i.FileId "
                "JOIN FileDataTable d ON d.Id = f.FileId WHERE i.Name = ?"));
            query.addBindValue(name);
            ASSERT_TRUE(query.exec());
            ASSERT_TRUE(query.next()) << "keyword " << name.toStdString() << " is not in the index";
            EXPECT_EQ(query.value(0).toString(), page) << name.toStdString();
            EXPECT_GT(query.value(1).toInt(), 100) << name.toStdString();
            EXPECT_FALSE(query.next()) << "keyword " << name.toStdString() << " has two topics";
        }
        // The start page, the topic of context 0 and the viewer's home.
        QSqlQuery start(qch);
        ASSERT_TRUE(start.exec(QStringLiteral(
            "SELECT n.Name, fo.Name FROM FileNameTable f JOIN FolderTable fo ON fo.Id = f.FolderId "
            "JOIN NamespaceTable n ON n.Id = fo.NamespaceId WHERE f.Name = 'index.html'")));
        ASSERT_TRUE(start.next());
        EXPECT_EQ(QStringLiteral("qthelp://%1/%2/index.html")
                      .arg(start.value(0).toString(), start.value(1).toString()),
                  vorneta::AssistantHelpViewer::startPage());
    }
    QSqlDatabase::removeDatabase(QStringLiteral("qch"));
}

TEST_F(HelpCollection, TheViewerFindsThePageOfEachKeywordInTheCollection)
{
    for (const QString &dir : {kBuildDir, kBuildDir + QStringLiteral("/install")}) {
        const QString collection = dir + QStringLiteral("/vorneta.qhc");
        EXPECT_EQ(vorneta::AssistantHelpViewer::pageForKeyword(collection, QStringLiteral("1")),
                  vorneta::AssistantHelpViewer::startPage());
        EXPECT_EQ(vorneta::AssistantHelpViewer::pageForKeyword(collection, QStringLiteral("gdgdgdg")),
                  QStringLiteral("qthelp://vorneta.pomoc/doc/prawo-ohma.html#regulacja-pradu"));
        for (const auto &[name, page] : kRequiredKeywords) {
            const QUrl url(vorneta::AssistantHelpViewer::pageForKeyword(collection, name));
            EXPECT_EQ(url.path(), QStringLiteral("/doc/") + page) << name.toStdString();
        }
        EXPECT_EQ(vorneta::AssistantHelpViewer::pageForKeyword(collection, QStringLiteral("nieznane")), QString());
    }
    EXPECT_EQ(vorneta::AssistantHelpViewer::pageForKeyword(kBuildDir + QStringLiteral("/brak.qhc"),
                                                           QStringLiteral("1")),
              QString());
    EXPECT_FALSE(QFileInfo::exists(kBuildDir + QStringLiteral("/brak.qhc")));
    // Not a collection at all.
    EXPECT_EQ(vorneta::AssistantHelpViewer::pageForKeyword(kSourceDir + QStringLiteral("/index.html"),
                                                           QStringLiteral("1")),
              QString());
}

TEST_F(HelpCollection, BothCollectionsRegisterTheHelpFileWithTheirOwnCacheFolders)
{
    QString caches[2];
    const QString dirs[2] = {kBuildDir, kBuildDir + QStringLiteral("/install")};
    for (int i = 0; i < 2; ++i) {
        const QString connection = QStringLiteral("qhc%1").arg(i);
        {
            QSqlDatabase qhc = open(dirs[i] + QStringLiteral("/vorneta.qhc"), connection);
            QSqlQuery query(qhc);
            ASSERT_TRUE(query.exec(QStringLiteral("SELECT Name, FilePath FROM NamespaceTable")));
            ASSERT_TRUE(query.next());
            EXPECT_EQ(query.value(0).toString(), QStringLiteral("vorneta.pomoc"));
            // Registered beside the collection, so that the two can be installed together.
            EXPECT_EQ(query.value(1).toString(), QStringLiteral("vorneta.qch"));
            EXPECT_TRUE(QFileInfo(dirs[i] + QStringLiteral("/vorneta.qch")).isFile());
            EXPECT_EQ(setting(qhc, QStringLiteral("defaultHomepage")),
                      vorneta::AssistantHelpViewer::startPage());
            caches[i] = setting(qhc, QStringLiteral("CacheDirectory"));
        }
        QSqlDatabase::removeDatabase(connection);
    }
    EXPECT_FALSE(caches[0].isEmpty());
    EXPECT_NE(caches[0], caches[1]);
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
