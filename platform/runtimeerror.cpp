#include "platform/runtimeerror.h"

#include <QDir>

RuntimeError::RuntimeError(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toUtf8())
{
}

RuntimeError invalidDateError(const QString &text)
{
    return RuntimeError(QStringLiteral("''%1'' is not a valid date").arg(text));
}

RuntimeError cannotOpenFileError(const QString &fileName, const QString &reason)
{
    return RuntimeError(QStringLiteral("Cannot open file \"%1\". %2")
                            .arg(QDir::toNativeSeparators(fileName), reason));
}

RuntimeError unableToWriteError(const QString &fileName)
{
    return RuntimeError(
        QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(fileName)));
}

RuntimeError invalidDataTypeError(const QString &valueName)
{
    return RuntimeError(QStringLiteral("Invalid data type for '%1'").arg(valueName));
}

RuntimeError failedToSetDataError(const QString &valueName)
{
    return RuntimeError(QStringLiteral("Failed to set data for '%1'").arg(valueName));
}

RuntimeError failedToSetCalendarDateError()
{
    return RuntimeError(QStringLiteral("Failed to set calendar date or time"));
}

RuntimeError damagedRecordFileError(const QString &fileName, const QString &detail)
{
    return RuntimeError(QStringLiteral("The file \"%1\" is damaged: %2")
                            .arg(QDir::toNativeSeparators(fileName), detail));
}
