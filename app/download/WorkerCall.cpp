#include "download/WorkerCall.h"

#include <QEventLoop>
#include <QThread>

#include <thread>

namespace kirvo {

void RunBesideEvents(const std::function<void()>& work)
{
    QEventLoop loop;
    std::thread worker([&work, &loop] {
        work();
        // Queued, so the loop quits from its own thread once it runs, never before.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
}

MessageSink SinkForAnyThread(QObject* context, MessageSink sink)
{
    return [context, sink = std::move(sink)](const MessageRequest& request) {
        if (QThread::currentThread() == context->thread())
            return sink(request);
        MessageAnswer answer = MessageAnswer::Cancel;
        QMetaObject::invokeMethod(
            context, [&] { answer = sink(request); }, Qt::BlockingQueuedConnection);
        return answer;
    };
}

}  // namespace kirvo
