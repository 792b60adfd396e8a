#pragma once

#include <QString>
#include <stdexcept>

namespace host {

// A failure of the host services, with a message for the user in Portuguese.
class HostError : public std::runtime_error {
public:
    explicit HostError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message)
    {
    }
    const QString& message() const { return message_; }

private:
    QString message_;
};

}  // namespace host
