#include "platform/runtimeerror.h"

#include <QDir>

MessageText::MessageText(const MessageWording &wording, std::vector<MessageText> values)
    : m_key(QString::fromUtf16(wording.key))
    , m_wording(QString::fromUtf16(wording.english))
    , m_values(std::move(values))
{
}

MessageText::MessageText(QString plain)
    : m_wording(std::move(plain))
{
}

QString MessageText::inEnglish() const
{
    return filled([](const QString &, const QString &english) { return english; });
}

QString MessageText::fillPlaceholders(const QString &wording, const QStringList &values)
{
    QString filled;
    filled.reserve(wording.size());
    for (qsizetype i = 0; i < wording.size(); ++i) {
        const QChar mark = wording[i];
        const QChar next = i + 1 < wording.size() ? wording[i + 1] : QChar();
        if (mark == u'%' && next >= u'1' && next <= u'9' && next.unicode() - u'1' < values.size()) {
            filled += values[next.unicode() - u'1'];
            ++i;
        } else if (mark == u'%' && next == u's' && values.size() == 1) {
            filled += values.front();
            ++i;
        } else {
            filled += mark;
        }
    }
    return filled;
}

RuntimeError::RuntimeError(QString message)
    : RuntimeError(MessageText(std::move(message)))
{
}

RuntimeError::RuntimeError(MessageText text)
    : m_text(std::move(text))
    , m_message(m_text.inEnglish())
    , m_utf8(m_message.toUtf8())
{
}

RuntimeError invalidDateError(const QString &text)
{
    return RuntimeError(MessageText(ErrorWording::InvalidDate, {text}));
}

RuntimeError cannotOpenFileError(const QString &fileName, MessageText reason)
{
    return RuntimeError(MessageText(ErrorWording::CannotOpenFile,
                                    {QDir::toNativeSeparators(fileName), std::move(reason)}));
}

RuntimeError unableToWriteError(const QString &fileName)
{
    return RuntimeError(
        MessageText(ErrorWording::UnableToWrite, {QDir::toNativeSeparators(fileName)}));
}

RuntimeError invalidDataTypeError(const QString &valueName)
{
    return RuntimeError(MessageText(ErrorWording::InvalidDataType, {valueName}));
}

RuntimeError failedToSetDataError(const QString &valueName)
{
    return RuntimeError(MessageText(ErrorWording::FailedToSetData, {valueName}));
}

RuntimeError failedToSetCalendarDateError()
{
    return RuntimeError(MessageText(ErrorWording::FailedToSetCalendarDate));
}

RuntimeError damagedRecordFileError(const QString &fileName, MessageText detail)
{
    return RuntimeError(MessageText(ErrorWording::DamagedRecordFile,
                                    {QDir::toNativeSeparators(fileName), std::move(detail)}));
}
