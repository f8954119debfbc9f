#pragma once

#include "tools/kumovi_standin/form_decoding.h"

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QObject>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

namespace pelorin::standin {

// A small HTTP/1.0 server on the loopback address only. Each connection
// carries one request and is closed after the answer.
class StandinServer : public QObject {
    Q_OBJECT
public:
    // `recordFile`, when not empty, receives each submitted form as one line
    // of JSON (UTF-8).
    explicit StandinServer(QString recordFile, QObject* parent = nullptr);

    bool Listen(quint16 port);
    quint16 Port() const { return server_.serverPort(); }

private:
    struct Request {
        QByteArray method;
        QByteArray path;
        QByteArray query;
        QByteArray body;
    };

    void OnConnection();
    void OnReadable(QTcpSocket* socket);
    QByteArray Answer(const Request& request);
    void Record(const Request& request, const FormFields& fields);

    QTcpServer server_;
    QString recordFile_;
    QJsonArray submissions_;
    QHash<QTcpSocket*, QByteArray> pending_;
};

} // namespace pelorin::standin
