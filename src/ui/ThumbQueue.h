// The browser's thumbnails made on every core: each picture of a list is
// one task on a small pool of worker threads, which decodes it shrunk and
// draws it into the thumbnail box; the finished thumbnails are handed to
// the GUI thread in list order, whatever order the workers finish in.
// Cancelling drops the pictures not yet begun and throws away those being
// made when they come back.
#pragma once

#include <QImage>
#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <map>
#include <memory>

class TThumbQueue : public QObject {
    Q_OBJECT
public:
    explicit TThumbQueue(QObject *parent = nullptr);
    // Cancels, and waits for the pictures being made.
    ~TThumbQueue() override;

    // Makes the thumbnails of files[from] to the last, cancelling a run
    // still going.  Nothing is handed over before control returns to the
    // event loop.
    void Start(const QStringList &files, int from = 0);
    void Cancel();
    bool Running() const { return m_running; }
    // The first picture not yet handed over.
    int Next() const { return m_next; }

    // The worker threads: as many as the machine has cores, at most four.
    static int Workers();

signals:
    // The thumbnail of files[index], indices in rising order.  `ok` false:
    // the picture could not be decoded and `thumb` is null.
    void Made(int index, const QImage &thumb, bool ok);
    // After the last picture's Made; never after a Cancel.
    void Finished();

private:
    struct TBatch;
    void Arrived(unsigned generation, int index, const QImage &thumb, bool ok);

    QThreadPool m_pool;
    std::shared_ptr<TBatch> m_batch;
    unsigned m_generation = 0;
    bool m_running = false;
    int m_next = 0;
    int m_end = 0;
    struct TResult {
        QImage Thumb;
        bool Ok;
    };
    std::map<int, TResult> m_waiting; // made, but a picture before them is not
};
