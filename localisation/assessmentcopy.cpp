#include "localisation/assessmentcopy.h"

#include <QStringList>

#include <algorithm>

namespace {

// The table the copy gives: the rows' numbers, dates, categories, the day the
// conviction is in force, its expungement, and the notes when all are short.
struct CopyTable
{
    QStringList titles;
    QList<QStringList> rows;
};

QString oneLine(const QString &note)
{
    return note.split(u'\n', Qt::SkipEmptyParts).join(QStringLiteral("; "));
}

CopyTable copyTable(const ReportContent &content)
{
    const auto &titles = content.columnTitles;
    constexpr int ExpiryColumn = RecordColumn::Expiry;
    constexpr int NotesColumn = RecordColumn::Count; // after the list's own columns
    const bool notesShort =
        std::all_of(content.rows.begin(), content.rows.end(), [](const ReportRow &row) {
            return oneLine(row.counted).size() <= ShortNoteLength;
        });

    CopyTable table;
    table.titles = {content.numberTitle, titles[RecordColumn::Date], titles[RecordColumn::Severity],
                    titles[RecordColumn::InForce], titles[ExpiryColumn]};
    if (notesShort)
        table.titles.append(titles[NotesColumn]);
    for (qsizetype i = 0; i < content.rows.size(); ++i) {
        const ReportRow &row = content.rows[i];
        QStringList cells{QString::number(i + 1), row.fields[RecordColumn::Date],
                          row.fields[RecordColumn::Severity], row.fields[RecordColumn::InForce],
                          row.expiry};
        if (notesShort)
            cells.append(oneLine(row.counted));
        table.rows.append(cells);
    }
    return table;
}

// The lines over the table, each one paragraph: empty ones are left out.
QStringList leadLines(const ReportContent &content)
{
    QStringList lines{content.result, content.grounds, content.horizon, content.notices,
                      content.consequences};
    lines.removeAll(QString());
    return lines;
}

QString htmlText(const QString &text)
{
    return text.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"));
}

QString htmlOf(const ReportContent &content, const CopyTable &table)
{
    QString html;
    const QStringList lines = leadLines(content);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString text = htmlText(lines[i]);
        html += i == 0 ? QStringLiteral("<p><b>%1</b></p>\n").arg(text)
                       : QStringLiteral("<p>%1</p>\n").arg(text);
    }
    if (table.rows.isEmpty())
        return html;
    // Attributes, not styles: word processors keep them and drop most CSS.
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n<tr>");
    for (const QString &title : table.titles)
        html += QStringLiteral("<th>%1</th>").arg(htmlText(title));
    html += QStringLiteral("</tr>\n");
    for (const QStringList &cells : table.rows) {
        html += QStringLiteral("<tr>");
        for (const QString &cell : cells)
            html += QStringLiteral("<td>%1</td>").arg(htmlText(cell));
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
    return html;
}

QString plainOf(const ReportContent &content, const CopyTable &table)
{
    QString plain = leadLines(content).join(u'\n') + u'\n';
    if (table.rows.isEmpty())
        return plain;
    QList<qsizetype> widths(table.titles.size(), 0);
    const auto measure = [&](const QStringList &cells) {
        for (qsizetype column = 0; column < cells.size(); ++column)
            widths[column] = std::max(widths[column], cells[column].size());
    };
    measure(table.titles);
    for (const QStringList &cells : table.rows)
        measure(cells);
    const auto line = [&](const QStringList &cells) {
        QString text;
        for (qsizetype column = 0; column < cells.size(); ++column)
            text += column + 1 < cells.size() ? cells[column].leftJustified(widths[column] + 2)
                                              : cells[column];
        return text + u'\n';
    };
    plain += u'\n' + line(table.titles);
    for (const QStringList &cells : table.rows)
        plain += line(cells);
    return plain;
}

} // namespace

AssessmentCopy assessmentCopy(const ReportContent &content)
{
    const CopyTable table = copyTable(content);
    return AssessmentCopy{htmlOf(content, table), plainOf(content, table)};
}
