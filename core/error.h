#pragma once

#include <QString>
#include <stdexcept>

namespace core {

// Every failure of the question bank (and of the page view) surfaces as this exception,
// carrying the engine's own message.
class Error : public std::runtime_error {
  public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

}  // namespace core
