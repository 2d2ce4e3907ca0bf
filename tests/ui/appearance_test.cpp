// The error box and guard, the program's font, Qt's Polish texts and the drawn pictures.

#include "shellsupport.h"

#include "app/fonts.h"
#include "app/pictures.h"
#include "common/errors.h"
#include "common/ui/errorbox.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace vorneta;
using vorneta::test::whenModal;

namespace {

struct BoxSeen
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat format = Qt::AutoText;
    Qt::WindowModality modality = Qt::NonModal;
};

// Runs a guarded handler that throws, reads the error box it shows and presses OK.
BoxSeen guardedFailure(const std::function<void()> &throwing, bool *reachedAfterThrow)
{
    BoxSeen seen;
    whenModal([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                box->textFormat(), box->windowModality()};
        box->button(QMessageBox::Ok)->click();
    });
    guarded([&] {
        throwing();
        *reachedAfterThrow = true;  // never: the failure ends the handler where it happened
    });
    return seen;
}

}  // namespace

TEST(ErrorBox, ReportsTheFailureAndTheProgramGoesOn)
{
    test::initialiseOnce();
    struct Case
    {
        std::function<void()> thrower;
        QString text;
    };
    const std::vector<Case> cases = {
        {[] { throw FloatDivideByZero(); }, "Floating point division by zero."},
        {[] { throw FloatOverflow(); }, "Floating point overflow."},
        {[] { throw ConversionError("<b>1,5x</b>"); }, "'<b>1,5x</b>' is not a valid floating point value."},
        {[] { throw FileError(32); }, "I/O error 32."},
        {[] { throw Failure("Already ends with a full stop."); }, "Already ends with a full stop."},
        {[] { throw std::runtime_error("Unexpected"); }, "Unexpected."},
        {[] { throw 42; }, "Unknown error."},
    };
    for (const Case &c : cases) {
        bool reachedAfterThrow = false;
        const BoxSeen seen = guardedFailure(c.thrower, &reachedAfterThrow);
        EXPECT_FALSE(reachedAfterThrow);
        EXPECT_EQ(seen.title, "Współpraca aplikacji z pomocą Windows");
        EXPECT_EQ(seen.text, c.text);
        EXPECT_EQ(seen.icon, QMessageBox::Critical);
        EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(seen.format, Qt::PlainText) << "typed text is never markup";
        EXPECT_EQ(seen.modality, Qt::ApplicationModal);
    }
    // Still here, and a handler that does not fail shows nothing.
    bool ran = false;
    guarded([&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ProgramFont, BitmapStrikesAtTheThreeCharacterHeights)
{
    if (!QFile::exists(wineSansSerifPath()))
        GTEST_SKIP() << "fonts-wine is not installed";
    const QString family = loadBitmapSansSerif();
    ASSERT_FALSE(family.isEmpty());
    EXPECT_EQ(programFontFamily(), family);

    // Character height (ascent) and cell height of 8, 10 and 12 pt.
    const std::vector<std::tuple<int, int, int>> strikes = {{11, 11, 13}, {13, 13, 16}, {16, 16, 20}};
    for (const auto &[pixels, ascent, height] : strikes) {
        const QFont font = programFont(pixels);
        EXPECT_EQ(QFontInfo(font).family(), family);
        const QFontMetrics metrics(font);
        EXPECT_EQ(metrics.ascent(), ascent) << pixels;
        EXPECT_EQ(metrics.height(), height) << pixels;
        for (const QChar c : QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻΩ"))
            EXPECT_TRUE(metrics.inFont(c)) << pixels << " U+" << std::hex << int(c.unicode());
    }
}

TEST(ProgramFont, DataThatIsNoBitmapFontIsRefused)
{
    const QString family = programFontFamily();
    EXPECT_TRUE(loadBitmapSansSerif(QStringLiteral("/nonexistent/ms_sans_serif.ttf")).isEmpty());
    EXPECT_EQ(programFontFamily(), family) << "a failed load keeps the font in use";
    EXPECT_TRUE(strikeVariants(QByteArray()).isEmpty());
    EXPECT_TRUE(strikeVariants(QByteArray(100, 'x')).isEmpty());
    QFile liberation(QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"));
    if (liberation.open(QIODevice::ReadOnly))
        EXPECT_TRUE(strikeVariants(liberation.readAll()).isEmpty());
    // A cut-off file must not be read past its end.
    QFile wine(wineSansSerifPath());
    if (wine.open(QIODevice::ReadOnly)) {
        const QByteArray data = wine.readAll();
        EXPECT_EQ(strikeVariants(data).size(), 3);
        EXPECT_TRUE(strikeVariants(data.left(32000)).isEmpty());
    }
}

TEST(QtTexts, StandardButtonsSpeakPolish)
{
    test::initialiseOnce();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Anuluj");
}

TEST(Pictures, SplashOnLimeWithSunNameAndPylon)
{
    const QImage splash = drawSplashPicture();
    ASSERT_EQ(splash.size(), QSize(400, 400));
    const QColor lime(0, 255, 0);
    EXPECT_EQ(splash.pixelColor(0, 0), lime);
    EXPECT_EQ(splash.pixelColor(399, 399), lime);
    auto count = [&](QRect area, auto match) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += match(splash.pixelColor(x, y)) ? 1 : 0;
        return n;
    };
    // The sun, about 95 pixels across, in the upper left of the pylon.
    const int sun = count(QRect(100, 0, 200, 200), [](QColor c) { return c == QColor(255, 255, 0); });
    EXPECT_GT(sun, 4000);
    EXPECT_LT(sun, 7100);
    // "Vorneta" in blue in the lower-left corner.
    EXPECT_GT(count(QRect(0, 330, 170, 70), [](QColor c) { return c == QColor(0, 0, 255); }), 1000);
    // The pylon reaches the top edge and stands on the bottom edge right of the centre.
    auto dark = [](QColor c) { return c.green() < 100 && c.red() < 100; };
    EXPECT_GT(count(QRect(200, 0, 200, 3), dark), 0);
    EXPECT_GT(count(QRect(201, 396, 199, 4), dark), 0);
}

TEST(Pictures, IconDrawnAtEverySize)
{
    for (int size : {16, 24, 32, 48, 64, 256}) {
        const QImage icon = drawProgramIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(icon.pixelColor(0, 0), QColor(255, 255, 0)) << size;            // yellow ground
        EXPECT_EQ(icon.pixelColor(size / 2, size * 3 / 4), QColor(0, 0, 255)) << size;  // blue body
        EXPECT_EQ(icon.pixelColor(size * 7 / 32, size * 6 / 32), QColor(Qt::white)) << size;  // display
        EXPECT_EQ(icon.pixelColor(size * 9 / 32, size * 24 / 32), QColor(255, 0, 0)) << size;  // terminal
    }
}
