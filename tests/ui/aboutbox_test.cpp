// The about box: layout, the mail link, and the keys that close it or do not.

#include "shellsupport.h"

#include "app/aboutbox.h"
#include "app/mainwindow.h"
#include "app/pictures.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace vorneta;
using vorneta::test::RecordingViewer;
using vorneta::test::whenModal;

namespace {

class AboutBox : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::initialiseOnce();
        box.setUrlOpener([this](const QUrl &url) {
            opened << url.toString();
            return false;  // no mail program: the box must not care
        });
    }

    TForm2 box;
    QStringList opened;
};

}  // namespace

TEST_F(AboutBox, LayoutAsDesigned)
{
    EXPECT_EQ(box.windowTitle(), "O programie");
    EXPECT_EQ(box.size(), QSize(321, 200));
    EXPECT_EQ(box.minimumSize(), box.maximumSize()) << "not resizable";
    EXPECT_FALSE(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    const std::vector<std::pair<QWidget *, QRect>> places = {
        {box.Bevel1, QRect(56, 8, 257, 153)}, {box.Image1, QRect(8, 8, 33, 33)},
        {box.Label3, QRect(64, 16, 238, 60)}, {box.Button1, QRect(56, 168, 75, 25)}};
    for (const auto &[widget, place] : places)
        EXPECT_EQ(widget->geometry(), place) << widget->objectName().toStdString();
    EXPECT_EQ(box.Label4->pos(), QPoint(64, 88));
    EXPECT_EQ(box.Label1->pos(), QPoint(64, 112));
    EXPECT_EQ(box.Label2->pos(), QPoint(64, 136));

    EXPECT_EQ(box.Label4->text(), "Wersja 1.9");
    EXPECT_EQ(box.Button1->text(), "OK");
    EXPECT_TRUE(box.Label1->text().contains("Zespół Vorneta"));
    EXPECT_EQ(box.Label2->text(), TForm2::contactAddress());
    EXPECT_TRUE(TForm2::contactAddress().endsWith(".example"));
    for (QLabel *label : {box.Label1, box.Label2, box.Label3, box.Label4})
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(box.Label2->font().underline());
    EXPECT_EQ(box.Label2->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(box.Image1->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              drawProgramIcon(32).convertToFormat(QImage::Format_ARGB32));
    EXPECT_FALSE(box.Button1->isDefault());
}

TEST_F(AboutBox, EscapeKeepsItOpenTheAddressOpensMailAndEnterCloses)
{
    bool checked = false;
    whenModal([&](QWidget *modal) {
        EXPECT_EQ(modal, &box);
        EXPECT_EQ(QApplication::focusWidget(), box.Button1);
        QTest::keyClick(box.Button1, Qt::Key_Escape);
        EXPECT_TRUE(box.isVisible()) << "Escape must do nothing";

        QTest::mouseClick(box.Label2, Qt::LeftButton);
        QTest::mouseClick(box.Label2, Qt::LeftButton);
        EXPECT_EQ(opened, (QStringList{"mailto:kontakt@vorneta.example", "mailto:kontakt@vorneta.example"}));
        EXPECT_TRUE(box.isVisible());

        QTest::keyClick(box.Button1, Qt::Key_Return);
        checked = true;
    });
    box.exec();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(box.isVisible());
}

TEST_F(AboutBox, OkClosesAndTheBoxComesBackCentredAndUnchanged)
{
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    for (int round = 0; round < 2; ++round) {
        whenModal([&](QWidget *) {
            // Centred to within the frame's border, which the desktop reveals only once shown.
            EXPECT_LE((box.frameGeometry().center() - centre).manhattanLength(), 6) << "round " << round;
            box.move(0, 0);  // the user drags it away
            box.Button1->click();
        });
        box.exec();
        EXPECT_FALSE(box.isVisible());
    }
    EXPECT_EQ(box.Label4->text(), "Wersja 1.9");
}

TEST(AboutBoxInProgram, ShownModallyFromTheMenuWithoutHelpOnF1)
{
    test::initialiseOnce();
    QStringList help;
    Program program(std::make_unique<RecordingViewer>(help));
    TForm1 &form1 = program.form1();
    form1.show();
    bool seen = false;
    whenModal([&](QWidget *modal) {
        seen = true;
        EXPECT_EQ(modal, &program.form2());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);  // no keyword in the box
        program.form2().Button1->click();
    }, &form1);
    form1.Oprogramie1->trigger();
    EXPECT_TRUE(seen);
    EXPECT_TRUE(help.isEmpty());
    EXPECT_FALSE(program.form2().isVisible());
}
