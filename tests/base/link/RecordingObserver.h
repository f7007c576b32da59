#pragma once

#include "link/TransferObserver.h"

#include <QList>
#include <QPair>

// Records the progress it is told and cancels when told to.
class RecordingObserver : public TransferObserver
{
public:
    void requestProgress(qint64 sent, qint64 total) override { m_Sent.append({sent, total}); }
    void replyProgress(qint64 received, qint64 total) override
    {
        m_Received.append({received, total});
        if (m_CancelAfterReplyProgress >= 0 && m_Received.size() >= m_CancelAfterReplyProgress)
            m_Cancelled = true;
    }
    bool isCancelled() const override { return m_Cancelled; }

    // Cancels once `count` progress reports of the reply have been made.
    void cancelAfterReplyProgress(int count) { m_CancelAfterReplyProgress = count; }
    void cancel() { m_Cancelled = true; }

    QList<QPair<qint64, qint64>> m_Sent;
    QList<QPair<qint64, qint64>> m_Received;

private:
    int m_CancelAfterReplyProgress = -1;
    bool m_Cancelled = false;
};
