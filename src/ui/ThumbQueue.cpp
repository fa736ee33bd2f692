#include "ui/ThumbQueue.h"

#include <QAtomicInt>
#include <QRunnable>
#include <QThread>
#include <algorithm>

#include "persist/ThumbCache.h"
#include "ui/Thumbnail.h"

// What the tasks of one run share: they look at it before they begin.
struct TThumbQueue::TBatch {
    QAtomicInt Cancelled{0};
};

TThumbQueue::TThumbQueue(QObject *parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(Workers());
}

TThumbQueue::~TThumbQueue()
{
    Cancel();
    m_pool.waitForDone();
}

int TThumbQueue::Workers() { return std::clamp(QThread::idealThreadCount(), 1, 4); }

void TThumbQueue::Start(const QStringList &files, int from)
{
    Cancel();
    m_batch = std::make_shared<TBatch>();
    m_running = true;
    m_next = std::max(0, from);
    m_end = int(files.size());
    const unsigned generation = m_generation;
    for (int i = m_next; i < m_end; ++i) {
        const QString path = files.at(i);
        m_pool.start([this, batch = m_batch, generation, i, path] {
            if (batch->Cancelled.loadRelaxed())
                return;
            QImage decoded;
            QImage thumb;
            const bool ok = DecodeForThumb(path, decoded) && decoded.width() > 0 && decoded.height() > 0;
            if (ok) {
                thumb = QImage(ThumbWidth, ThumbHeight, QImage::Format_RGB32);
                DrawThumb(decoded, thumb);
            }
            // Queued to the GUI thread; dropped there if the queue is gone.
            QMetaObject::invokeMethod(
                this, [this, generation, i, thumb, ok] { Arrived(generation, i, thumb, ok); },
                Qt::QueuedConnection);
        });
    }
    if (m_next >= m_end) {
        m_running = false;
        QMetaObject::invokeMethod(
            this, [this, generation] {
                if (generation == m_generation)
                    emit Finished();
            },
            Qt::QueuedConnection);
    }
}

void TThumbQueue::Cancel()
{
    ++m_generation;
    if (m_batch)
        m_batch->Cancelled.storeRelaxed(1);
    m_batch.reset();
    m_pool.clear();
    m_waiting.clear();
    m_running = false;
}

void TThumbQueue::Arrived(unsigned generation, int index, const QImage &thumb, bool ok)
{
    if (generation != m_generation)
        return;
    m_waiting[index] = {thumb, ok};
    // A receiver may cancel or start another run from within Made.
    while (generation == m_generation && !m_waiting.empty() && m_waiting.begin()->first == m_next) {
        const TResult r = std::move(m_waiting.begin()->second);
        m_waiting.erase(m_waiting.begin());
        const int i = m_next++;
        emit Made(i, r.Thumb, r.Ok);
    }
    if (generation == m_generation && m_next >= m_end) {
        m_running = false;
        emit Finished();
    }
}
