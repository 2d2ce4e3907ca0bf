#include "common/errors.h"
#include "export/tableencoding.h"
#include "export/tablefile.h"
#include "transients/texttable.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <iconv.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vorneta;
namespace fs = std::filesystem;

namespace {

TextTable capacitorTable()
{
    TextTable table(3, 420);
    table.setCell(0, 0, "t [s]");
    table.setCell(1, 0, "U [V]");
    table.setCell(2, 0, "I [A]");
    return table;
}

TextTable rcTable()
{
    TextTable table(4, 420);
    table.setCell(0, 0, "t [s]");
    table.setCell(1, 0, "Uz [V]");
    table.setCell(2, 0, "Uc [V]");
    table.setCell(3, 0, "Ur [V]");
    return table;
}

std::string repeat(const std::string &line, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += line;
    return text;
}

// The file cut into its lines; every line must end with CR LF and hold no other CR or LF.
std::vector<std::string> crlfLines(const std::string &file)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < file.size()) {
        const auto end = file.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "the file's end is not CR LF";
            break;
        }
        const std::string line = file.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::set<std::string> namesIn(const fs::path &folder)
{
    std::set<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

std::string messageOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const FileError &error) {
        return error.message();
    }
    return "(no failure)";
}

}  // namespace

// ---- The file's bytes -------------------------------------------------------------------------

TEST(TableEncoding, ExampleTableUnderCommaAndFullStop)
{
    TextTable comma = capacitorTable();
    comma.setCell(0, 1, "0,010");
    comma.setCell(1, 1, "0,100");
    comma.setCell(2, 1, "0,009900");
    EXPECT_EQ(encodeTable(comma),
        "\"t [s]\",\"U [V]\",\"I [A]\"\r\n"
        "\"0,010\",\"0,100\",\"0,009900\"\r\n" + repeat(",,\r\n", 418));

    TextTable stop = capacitorTable();
    stop.setCell(0, 1, "0.010");
    stop.setCell(1, 1, "0.100");
    stop.setCell(2, 1, "0.009900");
    EXPECT_EQ(encodeTable(stop),
        "\"t [s]\",\"U [V]\",\"I [A]\"\r\n"
        "0.010,0.100,0.009900\r\n" + repeat(",,\r\n", 418));
}

TEST(TableEncoding, TablesBeforeAnyPress)
{
    EXPECT_EQ(encodeTable(capacitorTable()),
        "\"t [s]\",\"U [V]\",\"I [A]\"\r\n" + repeat(",,\r\n", 419));
    EXPECT_EQ(encodeTable(rcTable()),
        "\"t [s]\",\"Uz [V]\",\"Uc [V]\",\"Ur [V]\"\r\n" + repeat(",,,\r\n", 419));
}

TEST(TableEncoding, FilledTableHasOneLinePerRowMatchingItsCells)
{
    // Texts the formats make under both separators, each with the form it takes in the file.
    const std::vector<std::pair<std::string, std::string>> texts = {
        {"0,010", "\"0,010\""}, {"-0,001", "\"-0,001\""}, {"1E3", "1E3"}, {"1,5E-5", "\"1,5E-5\""},
        {"0.25", "0.25"}, {"-3.125E-7", "-3.125E-7"}, {"0", "0"}, {"12,300", "\"12,300\""},
    };
    TextTable table = rcTable();
    for (int row = 1; row < 420; ++row)
        for (int column = 0; column < 4; ++column)
            table.setCell(column, row, texts[static_cast<std::size_t>(row + column) % texts.size()].first);

    const std::string file = encodeTable(table);
    ASSERT_NE(file.substr(0, 3), "\xEF\xBB\xBF");
    const auto lines = crlfLines(file);
    ASSERT_EQ(lines.size(), 420u);
    EXPECT_EQ(lines[0], "\"t [s]\",\"Uz [V]\",\"Uc [V]\",\"Ur [V]\"");
    for (int row = 1; row < 420; ++row) {
        std::string expected;
        for (int column = 0; column < 4; ++column)
            expected += (column ? "," : "") + texts[static_cast<std::size_t>(row + column) % texts.size()].second;
        ASSERT_EQ(lines[static_cast<std::size_t>(row)], expected) << "row " << row;
    }
}

TEST(TableEncoding, QuotingTriggersAndCharacters)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"abc", "abc"},
        {"a,b", "\"a,b\""},
        {"a b", "\"a b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"\"", "\"\"\"\""},
        {"\x01", "\"\x01\""},
        {"a\tb", "\"a\tb\""},
        {"a\r\nb", "\"a\r\nb\""},
        {"\x1F", "\"\x1F\""},
        {"\x7F", "\x7F"},                       // DEL is not a control character here
        {"a;b'c", "a;b'c"},
        {"\xC5\x82\xC3\xB3\xC5\xBC", "\xB3\xF3\xBF"},        // "łóż": no quotes, Windows-1250 bytes
        {"\xC4\x84\xC4\x99", "\xA5\xEA"},                    // "Ąę"
        {"\xC5\x81 \xC5\x9A", "\"\xA3 \x8C\""},              // "Ł Ś": quoted for the space only
        {"\xC2\xA0", "\xA0"},                                // no-break space is no trigger
        {"\xE2\x82\xAC", "\x80"},                            // euro sign
        {"\xCE\xA9", "?"},                                   // Ω is not in the code page
        {"\xF0\x9F\x99\x82", "?"},                           // nor anything beyond the BMP
        {std::string("a\xFF" "b"), "a?b"},                   // a broken sequence
        {"\xC3", "?"},                                       // cut short at the end
        {"\xE2\x82", "??"},
        {"\xC0\xAF", "??"},                                  // over-long "/"
        {"\xED\xA0\x80", "???"},                             // a surrogate
    };
    for (const auto &[cell, written] : cases)
        EXPECT_EQ(encodeCell(cell), written) << "cell " << testing::PrintToString(cell);
}

TEST(TableEncoding, SingleEmptyCellIsNotAnEmptyLine)
{
    TextTable table(1, 2);
    table.setCell(0, 0, "x");
    EXPECT_EQ(encodeTable(table), "x\r\n\"\"\r\n");
}

TEST(TableEncoding, CodePageAgreesWithTheCLibrary)
{
    iconv_t converter = iconv_open("UTF-8", "WINDOWS-1250");
    if (converter == reinterpret_cast<iconv_t>(-1))
        GTEST_SKIP() << "the C library has no Windows-1250 converter here";
    int compared = 0;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        char in = static_cast<char>(byte);
        char out[8] = {};
        char *inPointer = &in;
        char *outPointer = out;
        std::size_t inLeft = 1, outLeft = sizeof out;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        const bool known = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) != static_cast<std::size_t>(-1);
        if (!known) {
            EXPECT_EQ(fromWindows1250(static_cast<unsigned char>(byte)), 0u) << std::hex << byte;
            continue;
        }
        const std::string utf8(out, static_cast<std::size_t>(outPointer - out));
        EXPECT_EQ(toWindows1250(utf8), std::string(1, in)) << std::hex << byte;
        ++compared;
    }
    iconv_close(converter);
    EXPECT_EQ(compared, 123);
}

// ---- Writing the file -------------------------------------------------------------------------

namespace {

class TableFile : public testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/vorneta-export-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder_ = pattern;
        earlier_ = "an earlier file, longer than nothing, which must survive every failure\r\n";
    }
    void TearDown() override
    {
        for (const auto &mounted : mounts_)
            ::umount2(mounted.c_str(), MNT_DETACH);
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, ignored);
        fs::remove_all(folder_, ignored);
    }

    // Creates the folder point and mounts a small tmpfs of its own there; false (the folder
    // left as an ordinary one) where this machine allows no mounts. The test process first
    // takes a private mount namespace, so nothing leaks out even if it dies before unmounting.
    bool mountTmpfs(const fs::path &point, const char *options)
    {
        static const bool privateNamespace = ::unshare(CLONE_NEWNS) == 0
            && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        (void)privateNamespace;
        fs::create_directory(point);
        if (::mount("tmpfs", point.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options) != 0)
            return false;
        mounts_.push_back(point.string());
        return true;
    }

    bool remountReadOnly(const fs::path &point)
    {
        return ::mount(nullptr, point.c_str(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0;
    }

    fs::path folder_;
    std::string earlier_;
    std::vector<std::string> mounts_;
};

FileCalls failing(std::function<void(FileCalls &)> change)
{
    FileCalls calls = FileCalls::system();
    change(calls);
    return calls;
}

}  // namespace

TEST_F(TableFile, NewFileHoldsTheTableAndOrdinaryPermissions)
{
    const fs::path file = folder_ / "wykres.csv";
    TextTable table = capacitorTable();
    table.setCell(0, 1, "0,010");
    writeTableFile(file, table);
    EXPECT_EQ(readFile(file), encodeTable(table));
    EXPECT_EQ(namesIn(folder_), std::set<std::string>{"wykres.csv"});

    const mode_t mask = ::umask(022);
    ::umask(mask);
    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0666 & ~mask);
}

TEST_F(TableFile, LongerEarlierFileLeavesNoTailAndKeepsItsMode)
{
    const fs::path file = folder_ / "stary.txt";
    writeFile(file, std::string(100000, 'x'));
    ::chmod(file.c_str(), 0640);
    writeTableFile(file, rcTable());
    EXPECT_EQ(readFile(file), encodeTable(rcTable()));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(namesIn(folder_), std::set<std::string>{"stary.txt"});
}

TEST_F(TableFile, SymbolicLinkReplacesTheFileItPointsTo)
{
    fs::create_directory(folder_ / "dane");
    writeFile(folder_ / "dane" / "tabela.csv", earlier_);
    fs::create_symlink("dane/tabela.csv", folder_ / "skrot.csv");
    fs::create_symlink(folder_ / "skrot.csv", folder_ / "skrot2.csv");  // a link to a link
    writeTableFile(folder_ / "skrot2.csv", capacitorTable());

    EXPECT_TRUE(fs::is_symlink(folder_ / "skrot.csv"));
    EXPECT_TRUE(fs::is_symlink(folder_ / "skrot2.csv"));
    EXPECT_EQ(readFile(folder_ / "dane" / "tabela.csv"), encodeTable(capacitorTable()));
    EXPECT_EQ(namesIn(folder_ / "dane"), std::set<std::string>{"tabela.csv"});

    // A link to nothing yet creates the file it names.
    fs::create_symlink("dane/nowy.csv", folder_ / "pusty.csv");
    writeTableFile(folder_ / "pusty.csv", rcTable());
    EXPECT_TRUE(fs::is_symlink(folder_ / "pusty.csv"));
    EXPECT_EQ(readFile(folder_ / "dane" / "nowy.csv"), encodeTable(rcTable()));
}

TEST_F(TableFile, NamesThatCannotBeWritten)
{
    fs::create_directory(folder_ / "folder.csv");
    writeFile(folder_ / "plik", "");
    fs::create_symlink("petla2", folder_ / "petla1");
    fs::create_symlink("petla1", folder_ / "petla2");
    const std::set<std::string> before = namesIn(folder_);
    const std::vector<std::pair<fs::path, std::string>> cases = {
        {folder_ / "brak" / "tabela.csv", "Invalid filename"},           // missing folder
        {folder_ / "plik" / "tabela.csv", "Invalid filename"},           // a file where a folder should be
        {folder_ / (std::string(300, 'n') + ".csv"), "Invalid filename"},
        {folder_ / "petla1", "Invalid filename"},                        // links in a circle
        {folder_ / "", "Invalid filename"},                              // no name at all
        {folder_ / "folder.csv", "File access denied"},                  // a folder in the file's place
        {"/dev/null", "File access denied"},                             // never swapped for a file
    };
    for (const auto &[path, message] : cases)
        EXPECT_EQ(messageOf([&] { writeTableFile(path.string(), capacitorTable()); }), message) << path;
    EXPECT_EQ(namesIn(folder_), before);
    EXPECT_TRUE(fs::is_directory(folder_ / "folder.csv"));
    EXPECT_TRUE(fs::is_empty(folder_ / "folder.csv"));
}

TEST_F(TableFile, ReadOnlyExistingFileIsRefusedAndKept)
{
    const fs::path file = folder_ / "tylko.csv";
    writeFile(file, earlier_);
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_EQ(messageOf([&] { writeTableFile(file, capacitorTable()); }), "File access denied");
    EXPECT_EQ(readFile(file), earlier_);
    EXPECT_EQ(namesIn(folder_), std::set<std::string>{"tylko.csv"});
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(TableFile, ReadOnlyFolderIsRefused)
{
    const fs::path folder = folder_ / "ro";
    FileCalls calls = FileCalls::system();
    const bool mounted = mountTmpfs(folder, "size=64k,mode=0755");
    writeFile(folder / "tabela.csv", earlier_);
    if (!mounted || !remountReadOnly(folder)) {
        // No mounts here (and the superuser ignores a folder's permission bits): the folder's
        // file system refuses, as a read-only one does, below the writer.
        calls.makeTemporary = [](char *) { errno = EROFS; return -1; };
    }
    EXPECT_EQ(messageOf([&] { writeTableFile(folder / "tabela.csv", capacitorTable(), calls); }),
        "File access denied");
    EXPECT_EQ(messageOf([&] { writeTableFile(folder / "nowa.csv", capacitorTable(), calls); }),
        "File access denied");
    EXPECT_EQ(readFile(folder / "tabela.csv"), earlier_);
    EXPECT_EQ(namesIn(folder), std::set<std::string>{"tabela.csv"});
}

TEST_F(TableFile, FullFileSystemKeepsTheEarlierFile)
{
    TextTable table = rcTable();
    for (int row = 1; row < 420; ++row)
        for (int column = 0; column < 4; ++column)
            table.setCell(column, row, "-1,23456789012346E-15");
    const fs::path folder = folder_ / "full";
    FileCalls calls = FileCalls::system();
    const bool mounted = mountTmpfs(folder, "size=64k,mode=0755");
    writeFile(folder / "tabela.csv", earlier_);
    if (mounted) {
        // Fill the rest of the file system.
        const int fd = ::open((folder / "wypelnienie").c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        const std::string block(4096, 'w');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        while (::write(fd, block.data(), 1) > 0) {
        }
        ::close(fd);
    } else {
        writeFile(folder / "wypelnienie", "");
        // No mounts here: the disk fills up below the writer after the first 1000 bytes.
        calls.write = [written = std::size_t(0)](int fd, const void *data, std::size_t size) mutable -> ssize_t {
            if (written >= 1000) {
                errno = ENOSPC;
                return -1;
            }
            const ssize_t n = ::write(fd, data, std::min<std::size_t>(size, 1000 - written));
            written += n > 0 ? static_cast<std::size_t>(n) : 0;
            return n;
        };
    }
    EXPECT_EQ(messageOf([&] { writeTableFile(folder / "tabela.csv", table, calls); }), "I/O error 28");
    EXPECT_EQ(readFile(folder / "tabela.csv"), earlier_);
    EXPECT_EQ(namesIn(folder), (std::set<std::string>{"tabela.csv", "wypelnienie"}));
}

TEST_F(TableFile, FailuresBelowTheWriterKeepTheEarlierFile)
{
    const auto fault = [](int number) { return [number](auto...) { errno = number; return -1; }; };
    const std::vector<std::tuple<std::string, FileCalls, std::string>> cases = {
        {"temporary file: too many files", failing([&](FileCalls &c) { c.makeTemporary = fault(EMFILE); }), "Too many open files"},
        {"temporary file: system table full", failing([&](FileCalls &c) { c.makeTemporary = fault(ENFILE); }), "Too many open files"},
        {"temporary file: no inodes", failing([&](FileCalls &c) { c.makeTemporary = fault(ENOSPC); }), "I/O error 28"},
        {"write: device error", failing([&](FileCalls &c) { c.write = fault(EIO); }), "I/O error 5"},
        {"write: quota", failing([&](FileCalls &c) { c.write = fault(EDQUOT); }), "I/O error 122"},
        {"sync: device error", failing([&](FileCalls &c) { c.sync = fault(EIO); }), "I/O error 5"},
        {"close: full disk", failing([&](FileCalls &c) {
             c.close = [](int fd) { ::close(fd); errno = ENOSPC; return -1; };
         }), "I/O error 28"},
        {"rename: refused", failing([&](FileCalls &c) { c.rename = fault(EACCES); }), "File access denied"},
        {"rename: busy", failing([&](FileCalls &c) { c.rename = fault(EBUSY); }), "I/O error 16"},
    };
    const fs::path file = folder_ / "tabela.csv";
    writeFile(file, earlier_);
    for (const auto &[name, calls, message] : cases) {
        EXPECT_EQ(messageOf([&] { writeTableFile(file, capacitorTable(), calls); }), message) << name;
        EXPECT_EQ(readFile(file), earlier_) << name;
        EXPECT_EQ(namesIn(folder_), std::set<std::string>{"tabela.csv"}) << name;
    }
}

TEST_F(TableFile, ShortWritesAndInterruptionsStillWriteEverything)
{
    int calls = 0;
    FileCalls slow = failing([&](FileCalls &c) {
        c.write = [&calls](int fd, const void *data, std::size_t size) -> ssize_t {
            if (++calls % 3 == 0) {
                errno = EINTR;
                return -1;
            }
            return ::write(fd, data, std::min<std::size_t>(size, 7));
        };
    });
    const fs::path file = folder_ / "tabela.csv";
    writeFile(file, earlier_);
    writeTableFile(file, rcTable(), slow);
    EXPECT_EQ(readFile(file), encodeTable(rcTable()));
    EXPECT_GT(calls, 100);
}

TEST(FileErrors, SystemNumbersBecomeTheirMessages)
{
    const std::vector<std::pair<int, std::string>> cases = {
        {ENOENT, "Invalid filename"}, {ENOTDIR, "Invalid filename"}, {ENAMETOOLONG, "Invalid filename"},
        {EACCES, "File access denied"}, {EPERM, "File access denied"}, {EROFS, "File access denied"},
        {EISDIR, "File access denied"}, {EMFILE, "Too many open files"}, {ENFILE, "Too many open files"},
        {ENOSPC, "I/O error 28"}, {EIO, "I/O error 5"}, {EDQUOT, "I/O error 122"},
    };
    for (const auto &[number, message] : cases)
        EXPECT_EQ(fileErrorFor(number).message(), message) << number;
}
