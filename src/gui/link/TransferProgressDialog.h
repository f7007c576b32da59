#pragma once

#include "link/TransferObserver.h"

#include <QProgressDialog>

// The modal progress of a controller command: bytes sent and received, and a
// cancel button. Being application-modal, it keeps the user from starting
// other commands while the port and the buffers are in use.
class TransferProgressDialog : public QProgressDialog, public TransferObserver
{
    Q_OBJECT
public:
    TransferProgressDialog(const QString& title, QWidget* parent);

    void requestProgress(qint64 sent, qint64 total) override;
    void replyProgress(qint64 received, qint64 total) override;
    bool isCancelled() const override { return wasCanceled(); }

private:
    void showProgress(const QString& text, qint64 done, qint64 total);
};
