#include "link/TransferProgressDialog.h"

TransferProgressDialog::TransferProgressDialog(const QString& title, QWidget* parent)
    : QProgressDialog(parent)
{
    setWindowTitle(title);
    setLabelText(QStringLiteral("Связь с контроллером..."));
    setCancelButtonText(QStringLiteral("Отмена"));
    setWindowModality(Qt::ApplicationModal);
    setAutoClose(false);
    setAutoReset(false);
    setMinimumDuration(0);
    setRange(0, 0);
    show();
}

void TransferProgressDialog::requestProgress(qint64 sent, qint64 total)
{
    showProgress(QStringLiteral("Передано %1 из %2 байт").arg(sent).arg(total), sent, total);
}

void TransferProgressDialog::replyProgress(qint64 received, qint64 total)
{
    const QString text = total < 0
                             ? QStringLiteral("Получено %1 байт").arg(received)
                             : QStringLiteral("Получено %1 из %2 байт").arg(received).arg(total);
    showProgress(text, received, total);
}

void TransferProgressDialog::showProgress(const QString& text, qint64 done, qint64 total)
{
    // A cancelled dialog stays hidden; setting a value could show it again.
    if (wasCanceled())
        return;
    setLabelText(text);
    if (total <= 0 || total > INT_MAX) {
        setRange(0, 0);
        return;
    }
    setRange(0, int(total));
    setValue(int(qMin(done, total)));
}
