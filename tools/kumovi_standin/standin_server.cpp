#include "tools/kumovi_standin/standin_server.h"

#include "text/cp932_codec.h"
#include "tools/kumovi_standin/pages.h"

#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>

namespace pelorin::standin {
namespace {

constexpr qsizetype kMaxHeader = 64 * 1024;
constexpr qsizetype kMaxBody = 4 * 1024 * 1024;

QByteArray Response(QByteArray status, QByteArray contentType, const QByteArray& body) {
    QByteArray out = "HTTP/1.0 " + status + "\r\n";
    out += "Content-Type: " + contentType + "\r\n";
    out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    out += "Cache-Control: no-cache\r\nConnection: close\r\n\r\n";
    return out + body;
}

QByteArray ShiftJisPage(QByteArray status, const std::string& utf8) {
    const std::string bytes = text::Utf8ToCp932(utf8);
    return Response(std::move(status), "text/html; charset=Shift_JIS",
                    QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QJsonObject ToJson(const FormFields& fields) {
    QJsonObject object;
    for (const auto& [name, value] : fields)
        object.insert(QString::fromStdString(name), QString::fromStdString(value));
    return object;
}

} // namespace

StandinServer::StandinServer(QString recordFile, QObject* parent)
    : QObject(parent), recordFile_(std::move(recordFile)) {
    connect(&server_, &QTcpServer::newConnection, this, &StandinServer::OnConnection);
}

bool StandinServer::Listen(quint16 port) {
    return server_.listen(QHostAddress::LocalHost, port);
}

void StandinServer::OnConnection() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        pending_.insert(socket, {});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { OnReadable(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            pending_.remove(socket);
            socket->deleteLater();
        });
    }
}

void StandinServer::OnReadable(QTcpSocket* socket) {
    auto found = pending_.find(socket);
    if (found == pending_.end())
        return;
    QByteArray& buffer = *found;
    buffer += socket->readAll();

    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        if (buffer.size() > kMaxHeader)
            socket->abort();
        return;
    }
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    qsizetype contentLength = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.toLower().startsWith("content-length:"))
            contentLength = line.mid(15).trimmed().toLongLong();
    }
    if (contentLength < 0 || contentLength > kMaxBody || requestLine.size() < 2) {
        socket->abort();
        return;
    }
    if (buffer.size() < headerEnd + 4 + contentLength)
        return; // the body is still on its way

    Request request;
    request.method = requestLine[0];
    const QByteArray target = requestLine[1];
    const qsizetype question = target.indexOf('?');
    request.path = question < 0 ? target : target.left(question);
    request.query = question < 0 ? QByteArray() : target.mid(question + 1);
    request.body = buffer.mid(headerEnd + 4, contentLength);
    pending_.remove(socket);

    socket->write(Answer(request));
    socket->disconnectFromHost();
}

QByteArray StandinServer::Answer(const Request& request) {
    const auto fieldsOf = [](const QByteArray& encoded) {
        return DecodeForm(std::string_view(encoded.constData(), encoded.size()));
    };
    if (request.path == "/kumovi/submit.asp") {
        if (request.method == "POST") {
            const FormFields fields = fieldsOf(request.body);
            Record(request, fields);
            return ShiftJisPage("200 OK", ThanksPage(fields));
        }
        return ShiftJisPage("200 OK", PostingPage());
    }
    if (request.path == "/kumovi/search.asp")
        return ShiftJisPage("200 OK", SearchPage(fieldsOf(request.query)));
    if (request.path == "/kumovi/submissions") {
        return Response("200 OK", "application/json; charset=utf-8",
                        QJsonDocument(submissions_).toJson(QJsonDocument::Compact));
    }
    return ShiftJisPage("404 Not Found", NotFoundPage());
}

void StandinServer::Record(const Request& request, const FormFields& fields) {
    QJsonObject entry;
    entry.insert("path", QString::fromLatin1(request.path));
    entry.insert("fields", ToJson(fields));
    entry.insert("received", QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    submissions_.append(entry);
    if (recordFile_.isEmpty())
        return;
    QFile file(recordFile_);
    if (file.open(QIODevice::Append))
        file.write(QJsonDocument(entry).toJson(QJsonDocument::Compact) + "\n");
}

} // namespace pelorin::standin
