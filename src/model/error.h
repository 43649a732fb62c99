// The one failure type of the core: its message is ready to show to the user as it stands, in the
// user's language (model/messages.h).
#pragma once

#include <QString>
#include <stdexcept>

namespace vertiloom {

class Error : public std::runtime_error {
public:
    explicit Error(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace vertiloom
