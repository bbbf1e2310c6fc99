#include "Platform/UserDefaults.h"

namespace quillorbitex {

bool UserDefaults::boolValue(const QString& key) const {
    const auto stored = value(key);
    if (!stored) {
        return false;
    }
    if (const bool* flag = std::get_if<bool>(&*stored)) {
        return *flag;
    }
    if (const double* number = std::get_if<double>(&*stored)) {
        return *number != 0;
    }
    if (const QString* text = std::get_if<QString>(&*stored)) {
        for (const QChar c : *text) {
            if (c.isSpace()) {
                continue;
            }
            return QStringLiteral("YyTt123456789").contains(c);
        }
    }
    return false;
}

std::optional<QByteArray> UserDefaults::storedBytes(const QString& key) const {
    const auto stored = value(key);
    if (!stored) {
        return std::nullopt;
    }
    if (const auto* data = std::get_if<QByteArray>(&*stored)) {
        return *data;
    }
    if (const auto* text = std::get_if<QString>(&*stored)) {
        return text->toUtf8();
    }
    if (const auto* flag = std::get_if<bool>(&*stored)) {
        return *flag ? QByteArrayLiteral("true") : QByteArrayLiteral("false");
    }
    return QByteArray::number(std::get<double>(*stored), 'g', 17);
}

std::optional<QByteArray> UserDefaults::dataValue(const QString& key) const {
    const auto stored = value(key);
    if (stored && std::holds_alternative<QByteArray>(*stored)) {
        return std::get<QByteArray>(*stored);
    }
    return std::nullopt;
}

std::optional<QString> UserDefaults::stringValue(const QString& key) const {
    const auto stored = value(key);
    if (stored && std::holds_alternative<QString>(*stored)) {
        return std::get<QString>(*stored);
    }
    return std::nullopt;
}

std::optional<double> UserDefaults::numberValue(const QString& key) const {
    const auto stored = value(key);
    if (stored && std::holds_alternative<double>(*stored)) {
        return std::get<double>(*stored);
    }
    return std::nullopt;
}

}  // namespace quillorbitex
