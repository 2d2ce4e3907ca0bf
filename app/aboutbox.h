#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;

namespace vorneta {

// The about box, Form2: the program's title and version, the icon and a contact address that
// opens a new mail message. Shown modally by "O programie"; closing it only hides it, and it
// comes back centred on the screen every time.
class TForm2 : public QDialog
{
    Q_OBJECT

public:
    // Hands a link to the desktop; returns whether it was taken (the box ignores it).
    using UrlOpener = std::function<bool(const QUrl &)>;

    explicit TForm2(QWidget *parent = nullptr);

    // Tests put in an opener that records the link instead of starting a mail program.
    void setUrlOpener(UrlOpener opener);

    static QString contactAddress();

    QFrame *Bevel1;
    QLabel *Image1;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label1;
    QLabel *Label2;
    QPushButton *Button1;

    void setVisible(bool visible) override;

public slots:
    void Label2Click();
    void Button1Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    UrlOpener opener_;
};

}  // namespace vorneta
