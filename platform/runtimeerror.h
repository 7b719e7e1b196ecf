// The error every command raises: it carries the message the user reads, in the
// system's own words, and the application's handler shows it.
#pragma once

#include <QString>

#include <exception>

class RuntimeError : public std::exception
{
public:
    explicit RuntimeError(QString message);

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// The system's messages, one factory each, so their wording lives in one place.
RuntimeError invalidDateError(const QString &text);
RuntimeError cannotOpenFileError(const QString &fileName, const QString &reason);
RuntimeError unableToWriteError(const QString &fileName);
RuntimeError invalidDataTypeError(const QString &valueName);
RuntimeError failedToSetDataError(const QString &valueName);
RuntimeError failedToSetCalendarDateError();

// A record file that cannot come from a saved list; the detail says why.
RuntimeError damagedRecordFileError(const QString &fileName, const QString &detail);
