#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace kinvarro {

/// Builds compact UTF-8 JSON with keys in the order they are written.
class JsonWriter {
  public:
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    /// Starts a member of the enclosing object; its value comes next.
    void key(const char *name);
    void value(std::int64_t number);
    void value(bool flag);
    void value(const QString &text);

    const QByteArray &bytes() const { return out_; }

  private:
    void open(char bracket);
    void close(char bracket);
    void separate();
    void appendString(const QString &text);

    QByteArray out_;
    bool first_ = true;
    bool afterKey_ = false;
};

}  // namespace kinvarro
