#include "web/qt/script_literal.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace pelorin::browser {

QString ScriptStringLiteral(const QString& text) {
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    QString literal = QString::fromUtf8(json.mid(1, json.size() - 2));
    // Valid in JSON, but line terminators in older JavaScript.
    literal.replace(QChar(0x2028), QLatin1String("\\u2028"));
    literal.replace(QChar(0x2029), QLatin1String("\\u2029"));
    return literal;
}

} // namespace pelorin::browser
