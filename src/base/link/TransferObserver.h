#pragma once

#include <QtGlobal>

// Watches a running controller command: told how far the transfer is, asked
// whether the user has cancelled it.
class TransferObserver
{
public:
    virtual ~TransferObserver();

    // Bytes of the request handed to the line so far, of `total`.
    virtual void requestProgress(qint64 sent, qint64 total) = 0;
    // Bytes of the reply received so far; `total` is -1 until the reply's
    // header has told the size.
    virtual void replyProgress(qint64 received, qint64 total) = 0;
    virtual bool isCancelled() const = 0;
};
