#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

namespace pelorin::app {

// The second start tells the running instance to come to the front. Only the
// guard's holder listens, so the channel needs no protocol of its own: a
// connection is the request.
bool AskRunningInstanceToRaise(const QString& channel);

class RaiseListener : public QObject {
public:
    RaiseListener(const QString& channel, std::function<void()> raise, QObject* parent = nullptr);

private:
    QLocalServer* server_;
    std::function<void()> raise_;
};

} // namespace pelorin::app
