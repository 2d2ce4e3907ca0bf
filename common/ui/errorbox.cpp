#include "common/ui/errorbox.h"

#include "common/errors.h"

#include <QMessageBox>

#include <exception>
#include <new>

namespace vorneta {

QString applicationTitle()
{
    return QStringLiteral("Współpraca aplikacji z pomocą Windows");
}

void showErrorBox(const QString &message, QWidget *parent)
{
    QMessageBox box(QMessageBox::Critical, applicationTitle(),
                    QString::fromStdString(errorBoxText(message.toStdString())),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ErrorBox"));
    // The message may quote what the user typed: show it as it stands, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void guarded(const std::function<void()> &handler, QWidget *parent)
{
    try {
        handler();
    } catch (const Failure &failure) {
        showErrorBox(QString::fromStdString(failure.message()), parent);
    } catch (const std::bad_alloc &) {
        showErrorBox(QStringLiteral("Out of memory"), parent);
    } catch (const std::exception &e) {
        showErrorBox(QString::fromUtf8(e.what()), parent);
    } catch (...) {
        showErrorBox(QStringLiteral("Unknown error"), parent);
    }
}

}  // namespace vorneta
