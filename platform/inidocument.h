// An INI document as the profile-file service reads it. Parsing keeps the text
// and where each section and key lies in it, so that writing can later change one
// value and leave every other line as it was.
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

class IniDocument
{
public:
    // Every line is trimmed of characters with a code of 32 or less; empty lines
    // and lines beginning with ";" are ignored; "[name]" starts a section; inside
    // a section, a line with "=" is a key (name before the first "=", value after
    // it, both trimmed). Lines before the first section are ignored.
    static IniDocument parse(const QString &text);

    // Names match without regard to case. When a key occurs twice in a section the
    // later one counts; when a section header occurs twice the later block alone
    // counts.
    std::optional<QString> value(QStringView section, QStringView key) const;
    QString value(QStringView section, QStringView key, const QString &fallback) const;

    // Whether the document has the section (its last block counts).
    bool hasSection(QStringView section) const;

private:
    struct Span
    {
        qsizetype start = 0;
        qsizetype length = 0;
    };
    struct Entry
    {
        Span key;
        Span value;
        int line = 0;
    };
    struct Section
    {
        Span name;
        int headerLine = 0;
        QList<Entry> entries;
    };

    QStringView view(Span span) const { return QStringView(m_text).mid(span.start, span.length); }
    const Section *findSection(QStringView name) const;

    QString m_text;
    QList<Section> m_sections;
};
