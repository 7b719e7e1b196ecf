// The error every command raises: it carries the message the user reads, in the
// system's own words, and the application's handler shows it.
#pragma once

#include <QString>
#include <QStringList>

#include <exception>
#include <vector>

// One of the system's messages: its key in the language files ("Error.Name") and
// its English wording, with %1, %2 ... for its values. The English wording is what
// a language without a text for the key shows.
struct MessageWording
{
    const char16_t *key;
    const char16_t *english;
};

// A message the user reads, kept as its wording and its values until it is shown,
// so that it can be shown in the interface's language. A value is itself a message:
// a keyed one (part of the wording), or a plain text shown as given (a file name,
// the typed date, the operating system's own reason).
class MessageText
{
public:
    MessageText(const MessageWording &wording, std::vector<MessageText> values = {});
    // A plain text without a key.
    MessageText(QString plain);

    // Empty for a plain text.
    const QString &key() const noexcept { return m_key; }
    const QString &english() const noexcept { return m_wording; }
    const std::vector<MessageText> &values() const noexcept { return m_values; }

    // The message filled in: each keyed part's wording is the one `wordingFor`
    // gives for its key and English wording; each value is filled the same way.
    template<typename WordingFor>
    QString filled(const WordingFor &wordingFor) const
    {
        if (m_key.isEmpty())
            return m_wording;
        QStringList filledValues;
        for (const MessageText &value : m_values)
            filledValues.append(value.filled(wordingFor));
        return fillPlaceholders(wordingFor(m_key, m_wording), filledValues);
    }
    // The message in English.
    QString inEnglish() const;

    // Fills %1 to %9 with the values in one pass: a value holding "%2" stays as it
    // is. A wording that marks its one value "%s", as older language files do, is
    // read as if it said "%1".
    static QString fillPlaceholders(const QString &wording, const QStringList &values);

private:
    QString m_key;
    QString m_wording;
    std::vector<MessageText> m_values;
};

class RuntimeError : public std::exception
{
public:
    // A message that has no key: shown as it is in every language.
    explicit RuntimeError(QString message);
    explicit RuntimeError(MessageText text);

    // The message in English.
    const QString &message() const noexcept { return m_message; }
    const MessageText &text() const noexcept { return m_text; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    MessageText m_text;
    QString m_message;
    QByteArray m_utf8;
};

// The wordings of the messages the system's lower layers raise.
namespace ErrorWording {
inline constexpr MessageWording InvalidDate{u"Error.InvalidDate", u"''%1'' is not a valid date"};
inline constexpr MessageWording CannotOpenFile{u"Error.CannotOpenFile",
                                               u"Cannot open file \"%1\". %2"};
inline constexpr MessageWording NotRegularFile{u"Error.NotRegularFile",
                                               u"It is not a regular file."};
inline constexpr MessageWording FileTooLarge{u"Error.FileTooLarge",
                                             u"The file is too large (more than %1 bytes)."};
inline constexpr MessageWording UnableToWrite{u"Error.UnableToWrite", u"Unable to write to %1"};
inline constexpr MessageWording InvalidDataType{u"Error.InvalidDataType",
                                                u"Invalid data type for '%1'"};
inline constexpr MessageWording FailedToSetData{u"Error.FailedToSetData",
                                                u"Failed to set data for '%1'"};
inline constexpr MessageWording FailedToSetCalendarDate{u"Error.FailedToSetCalendarDate",
                                                        u"Failed to set calendar date or time"};
inline constexpr MessageWording DamagedRecordFile{u"Error.DamagedRecordFile",
                                                  u"The file \"%1\" is damaged: %2"};
} // namespace ErrorWording

// The system's messages, one factory each, so their wording lives in one place.
RuntimeError invalidDateError(const QString &text);
RuntimeError cannotOpenFileError(const QString &fileName, MessageText reason);
RuntimeError unableToWriteError(const QString &fileName);
RuntimeError invalidDataTypeError(const QString &valueName);
RuntimeError failedToSetDataError(const QString &valueName);
RuntimeError failedToSetCalendarDateError();

// A record file that cannot come from a saved list; the detail says why.
RuntimeError damagedRecordFileError(const QString &fileName, MessageText detail);
