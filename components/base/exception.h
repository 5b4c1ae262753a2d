#pragma once
// Base of the library's exceptions. The message is kept as UTF-16 text for the user; what()
// gives it in UTF-8 for code that only knows std::exception.

#include <QByteArray>
#include <QString>
#include <exception>

class EWkException : public std::exception {
public:
    explicit EWkException(const QString& message) : text(message), utf8(message.toUtf8()) {}

    const QString& Message() const { return text; }
    const char* what() const noexcept override { return utf8.constData(); }

private:
    QString text;
    QByteArray utf8;
};
