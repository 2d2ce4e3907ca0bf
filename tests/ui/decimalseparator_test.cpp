#include "common/ui/decimalseparator.h"

#include <QApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <string>

using namespace vorneta;

namespace {

// Sets the locale variables for one test and puts the old ones back afterwards.
class LocaleEnvironment : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *name : kNames)
            saved_.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        for (const char *name : kNames)
            qunsetenv(name);
    }
    void TearDown() override
    {
        for (const Saved &s : saved_) {
            if (s.set)
                qputenv(s.name, s.value);
            else
                qunsetenv(s.name);
        }
        refreshDecimalSeparator();
    }

    static void sendLocaleChange()
    {
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(qApp, &change);
    }

private:
    static constexpr const char *kNames[] = {"LC_ALL", "LC_NUMERIC", "LANG"};
    struct Saved {
        const char *name;
        QByteArray value;
        bool set;
    };
    std::vector<Saved> saved_;
};

}  // namespace

TEST_F(LocaleEnvironment, SeparatorFollowsTheNumericLocale)
{
    struct Case {
        const char *all, *numeric, *lang;
        char separator;
    };
    for (const Case c : {Case{nullptr, nullptr, "pl_PL.UTF-8", ','},
                         Case{nullptr, "pl_PL.UTF-8", "en_US.UTF-8", ','},
                         Case{nullptr, "en_US.UTF-8", "pl_PL.UTF-8", '.'},
                         Case{"C", "pl_PL.UTF-8", "pl_PL.UTF-8", '.'},
                         Case{"de_DE.UTF-8", nullptr, nullptr, ','},
                         Case{nullptr, nullptr, "C.UTF-8", '.'},
                         Case{nullptr, "garbage", nullptr, '.'},
                         // a decimal point outside ASCII: the plain point instead
                         Case{"ar_EG.UTF-8", nullptr, nullptr, '.'}}) {
        const auto set = [](const char *name, const char *value) {
            if (value)
                qputenv(name, value);
            else
                qunsetenv(name);
        };
        set("LC_ALL", c.all);
        set("LC_NUMERIC", c.numeric);
        set("LANG", c.lang);
        refreshDecimalSeparator();
        EXPECT_EQ(decimalSeparator(), c.separator)
            << "LC_ALL " << (c.all ? c.all : "-") << ", LC_NUMERIC "
            << (c.numeric ? c.numeric : "-") << ", LANG " << (c.lang ? c.lang : "-");
    }
}

TEST_F(LocaleEnvironment, WatcherReadsTheSeparatorAgainOnALocaleChange)
{
    DecimalSeparatorWatcher watcher;
    qApp->installEventFilter(&watcher);

    qputenv("LC_NUMERIC", "pl_PL.UTF-8");
    refreshDecimalSeparator();
    ASSERT_EQ(decimalSeparator(), ',');

    qputenv("LC_NUMERIC", "en_US.UTF-8");
    EXPECT_EQ(decimalSeparator(), ',');  // nothing read until the change is announced
    sendLocaleChange();
    EXPECT_EQ(decimalSeparator(), '.');

    qputenv("LC_NUMERIC", "pl_PL.UTF-8");
    QEvent other(QEvent::FontChange);
    QCoreApplication::sendEvent(qApp, &other);
    EXPECT_EQ(decimalSeparator(), '.');
    sendLocaleChange();
    EXPECT_EQ(decimalSeparator(), ',');

    qApp->removeEventFilter(&watcher);
}
