#pragma once

#include <QString>
#include <utility>

namespace kinvarro {

/// Outcome of an operation that can fail with a message for the user.
class [[nodiscard]] Status {
  public:
    static Status success() { return Status(); }
    static Status failure(QString message) { return Status(std::move(message)); }

    bool ok() const { return message_.isEmpty(); }
    explicit operator bool() const { return ok(); }
    const QString &message() const { return message_; }

  private:
    Status() = default;
    explicit Status(QString message) : message_(std::move(message)) {
        if (message_.isEmpty())
            message_ = QStringLiteral("unknown error");
    }
    QString message_;
};

}  // namespace kinvarro
