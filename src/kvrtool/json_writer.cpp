#include "json_writer.h"

namespace kinvarro {

void JsonWriter::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_)
        out_.append(',');
    first_ = false;
}

void JsonWriter::open(char bracket) {
    separate();
    out_.append(bracket);
    first_ = true;
}

void JsonWriter::close(char bracket) {
    out_.append(bracket);
    first_ = false;
}

void JsonWriter::key(const char *name) {
    separate();
    appendString(QString::fromLatin1(name));
    out_.append(':');
    afterKey_ = true;
}

void JsonWriter::value(std::int64_t number) {
    separate();
    out_.append(QByteArray::number(qlonglong(number)));
}

void JsonWriter::value(bool flag) {
    separate();
    out_.append(flag ? "true" : "false");
}

void JsonWriter::value(const QString &text) {
    separate();
    appendString(text);
}

void JsonWriter::appendString(const QString &text) {
    QString escaped;
    escaped.reserve(text.size() + 2);
    escaped.append(QLatin1Char('"'));
    for (QChar c : text) {
        switch (c.unicode()) {
            case '"':
                escaped.append(QLatin1String("\\\""));
                break;
            case '\\':
                escaped.append(QLatin1String("\\\\"));
                break;
            case '\n':
                escaped.append(QLatin1String("\\n"));
                break;
            case '\r':
                escaped.append(QLatin1String("\\r"));
                break;
            case '\t':
                escaped.append(QLatin1String("\\t"));
                break;
            default:
                if (c.unicode() < 0x20) {
                    escaped.append(
                        QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0')));
                } else {
                    escaped.append(c);
                }
        }
    }
    escaped.append(QLatin1Char('"'));
    out_.append(escaped.toUtf8());
}

}  // namespace kinvarro
