#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace reelcatch::StoreValues {

// A text as the store binds it: a null QString would be bound as NULL.
inline QVariant text(const QString& value)
{
    return value.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(value);
}

// NULL for none.
inline QVariant orNull(const std::optional<QString>& value)
{
    return value ? text(*value) : QVariant(QMetaType(QMetaType::QString));
}

} // namespace reelcatch::StoreValues
