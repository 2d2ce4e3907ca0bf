#include "app/aboutbox.h"

#include "app/fonts.h"
#include "app/pictures.h"
#include "common/ui/controls.h"
#include "common/ui/errorbox.h"

#include <QDesktopServices>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

namespace vorneta {

namespace {

const QColor kBlue(0, 0, 255);

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    setTextColour(label, kBlue);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

TForm2::TForm2(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      opener_([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("O programie"));
    setFixedSize(321, 200);
    setSizeGripEnabled(false);

    setColour(this, QPalette::Window, palette().color(QPalette::Button));

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(56, 8, 257, 153);
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);

    Image1 = makePicture(this, "Image1", {8, 8, 33, 33}, drawProgramIcon(32));

    Label3 = makeLabel(this, "Label3",
                       QStringLiteral("Obwody elektryczne w ćwiczeniach. "
                                      "Dla wszystkich, którzy uczą się elektrotechniki"),
                       programFont(16));
    Label3->setGeometry(64, 16, 238, 60);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label4 = makeLabel(this, "Label4", QStringLiteral("Wersja 1.9"), programFont(11));
    Label4->move(64, 88);
    Label4->adjustSize();

    QFont arial(QStringLiteral("Arial"));
    arial.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    arial.setStyleHint(QFont::SansSerif);
    arial.setPixelSize(13);
    Label1 = makeLabel(this, "Label1", QStringLiteral("Wydanie 2026, Zespół Vorneta"), arial);
    Label1->setGeometry(64, 112, 243, 16);

    QFont link = programFont(13);
    link.setUnderline(true);
    Label2 = makeLabel(this, "Label2", contactAddress(), link);
    Label2->move(64, 136);
    Label2->adjustSize();
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->installEventFilter(this);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(56, 168, 75, 25);
    Button1->setDefault(false);
    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }, this); });
    Button1->setFocus();
}

QString TForm2::contactAddress()
{
    return QStringLiteral("kontakt@vorneta.example");
}

void TForm2::setUrlOpener(UrlOpener opener)
{
    opener_ = std::move(opener);
}

void TForm2::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        // Centred every time it opens, wherever the user left it last time.
        if (const QScreen *s = screen()) {
            const QRect frame = frameGeometry();  // the client area alone before the first show
            move(s->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
        }
        Button1->setFocus();
    }
    QDialog::setVisible(visible);
}

void TForm2::Label2Click()
{
    // Whether a mail program took the link is the desktop's business; the box stays open.
    if (opener_)
        opener_(QUrl(QStringLiteral("mailto:") + contactAddress()));
}

void TForm2::Button1Click()
{
    reject();
}

void TForm2::keyPressEvent(QKeyEvent *event)
{
    // No button is the cancel button: Escape does nothing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label2 && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && Label2->rect().contains(mouse->position().toPoint())) {
            guarded([this] { Label2Click(); }, this);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vorneta
