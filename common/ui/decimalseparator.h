#pragma once

#include <QObject>

namespace vorneta {

// The decimal separator of the user's numeric settings, as the number text uses it:
// the decimal point of the process's numeric locale (LC_ALL, else LC_NUMERIC, else LANG),
// "." when it cannot be read or is not one plain ASCII character that a number could
// hold as its separator. Read at start-up and again whenever the application sees a
// locale change.
char decimalSeparator();

// Reads the separator again now (called on a locale change).
void refreshDecimalSeparator();

// Reads the separator again when the application object receives a LocaleChange (the
// widgets' own copies of the event are passed over). Start-up installs one on the
// application object (qApp->installEventFilter).
class DecimalSeparatorWatcher : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

}  // namespace vorneta
