// The report of an assessment laid out with QTextDocument, drawn as a PDF by
// QPdfWriter in memory, then written over the file in one step.
#include "ui/report.h"

#include "catalogue/labeltext.h"
#include "catalogue/uLocalize.h"
#include "platform/atomicwrite.h"
#include "platform/runtimeerror.h"
#include "ui/errorhandler.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>
#include <numeric>

namespace {

// Stands in a cell or line that has nothing to show.
const QString Dash = QStringLiteral("\u2014");

QString orDash(const QString &text)
{
    return text.trimmed().isEmpty() ? Dash : text;
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// Landscape: nine columns of titles such as "Несовершеннолетний" do not fit
// across a portrait page at a readable size.
const QPageLayout PageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                             QMarginsF(15, 12, 15, 10), QPageLayout::Millimeter);
constexpr qreal BodyPointSize = 9;
constexpr int CellPadding = 3; // in the pixels of a 96 dpi screen, as HTML sizes are
constexpr int TableColumns = ReportContent::ColumnCount + 1; // the row number first
// The counted note takes the width the other columns leave, at least this share.
constexpr qreal NoteShare = 0.3;

using TableRow = std::array<QString, TableColumns>;

// The table's texts as the report shows them: the column titles, then the rows.
QList<TableRow> tableTexts(const ReportContent &content)
{
    QList<TableRow> table;
    TableRow titles;
    titles[0] = content.numberTitle;
    std::copy(content.columnTitles.begin(), content.columnTitles.end(), titles.begin() + 1);
    table.append(titles);
    for (qsizetype row = 0; row < content.rows.size(); ++row) {
        const ReportRow &shown = content.rows[row];
        TableRow cells;
        cells[0] = QString::number(row + 1);
        for (std::size_t field = 0; field < shown.fields.size(); ++field)
            cells[field + 1] = orDash(shown.fields[field]);
        cells[TableColumns - 2] = shown.expiry;
        cells[TableColumns - 1] = shown.counted;
        table.append(cells);
    }
    return table;
}

// The share of the table's width of each column, in percent. Qt's table layout
// gives a column less than its longest word when the texts are long and then
// breaks the word ("Несовершенно-летний", "07.04.202-3"): every column gets at
// least its longest word, the short columns as much as keeps their cells on one
// line when there is room, and the counted note the rest.
std::array<qreal, TableColumns> columnPercents(const QList<TableRow> &table, const QFont &body,
                                               QPaintDevice *device, qreal tableWidth)
{
    QFont bold = body;
    bold.setBold(true);
    const QFontMetricsF bodyMetrics(body, device);
    const QFontMetricsF titleMetrics(bold, device);
    const qreal pixel = device->logicalDpiX() / 96.0;
    // Padding on both sides and the borders, and the table's own border taken
    // from the columns' shares: three points keep a word off the cell's edge.
    const qreal frame = (2 * CellPadding + 2) * pixel + 3 * device->logicalDpiX() / 72.0;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));

    std::array<qreal, TableColumns> least{};
    std::array<qreal, TableColumns> wanted{};
    for (qsizetype row = 0; row < table.size(); ++row) {
        const QFontMetricsF &metrics = row == 0 ? titleMetrics : bodyMetrics;
        for (int column = 0; column < TableColumns; ++column) {
            const QString &text = table[row][column];
            for (const QString &word : text.split(blanks, Qt::SkipEmptyParts))
                least[column] = std::max(least[column], metrics.horizontalAdvance(word) + frame);
            // Titles may wrap between words; cells stay on one line if they can.
            if (row > 0)
                wanted[column] = std::max(wanted[column], metrics.horizontalAdvance(text) + frame);
        }
    }
    constexpr int Note = TableColumns - 1;
    wanted[Note] = std::max(least[Note], NoteShare * tableWidth);

    std::array<qreal, TableColumns> widths = least;
    qreal spare = tableWidth - std::accumulate(least.begin(), least.end(), 0.0);
    if (spare > 0) {
        // The note first up to its share, then the others in proportion to what
        // they lack, then the note again.
        const qreal toNote = std::min(spare, wanted[Note] - least[Note]);
        widths[Note] += toNote;
        spare -= toNote;
        qreal lacking = 0;
        for (int column = 0; column < Note; ++column)
            lacking += std::max(0.0, wanted[column] - least[column]);
        const qreal given = std::min(spare, lacking);
        for (int column = 0; column < Note && lacking > 0; ++column)
            widths[column] += std::max(0.0, wanted[column] - least[column]) * given / lacking;
        widths[Note] += spare - given;
    }
    const qreal total = std::accumulate(widths.begin(), widths.end(), 0.0);
    std::array<qreal, TableColumns> percents{};
    for (int column = 0; column < TableColumns; ++column)
        percents[column] = 100 * widths[column] / total;
    return percents;
}

QString reportHtml(const ReportContent &content, const QList<TableRow> &table,
                   const std::array<qreal, TableColumns> &percents)
{
    QString html = QStringLiteral("<html><body>");
    html += QStringLiteral("<p style=\"font-size: 15pt; font-weight: bold; margin-bottom: 8pt\">"
                           "%1</p>")
                .arg(escaped(content.title));

    // Only bottom margins: Qt drops a paragraph's top margin after a table.
    html += QStringLiteral("<p style=\"font-weight: bold; margin-bottom: 2pt\">%1</p>")
                .arg(escaped(content.crimeHeading));
    html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\" "
                           "style=\"margin-bottom: 12pt\">");
    for (const ReportLine &line :
         {content.severity, content.custody, content.negligent, content.calculationDate}) {
        html += QStringLiteral("<tr><td>%1:</td><td>%2</td></tr>")
                    .arg(escaped(line.label), escaped(line.value));
    }
    html += QStringLiteral("</table>");

    html += QStringLiteral("<p style=\"font-weight: bold; margin-bottom: 4pt\">%1</p>")
                .arg(escaped(content.convictionsHeading));
    // The title row (thead) repeats at the top of every page the table runs onto.
    html += QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" "
                           "cellpadding=\"%1\" style=\"border-collapse: collapse; "
                           "border-color: #7f7f7f; margin-bottom: 12pt\">")
                .arg(CellPadding);
    for (qsizetype row = 0; row < table.size(); ++row) {
        html += row == 0 ? QStringLiteral("<thead><tr>") : QStringLiteral("<tr>");
        for (int column = 0; column < TableColumns; ++column) {
            const QString text = escaped(table[row][column]);
            html += row == 0 ? QStringLiteral("<th width=\"%1%\" align=\"left\" "
                                              "bgcolor=\"#e6e6e6\">%2</th>")
                                   .arg(percents[column], 0, 'f', 2)
                                   .arg(text)
                             : QStringLiteral("<td>%1</td>")
                                   .arg(QString(text).replace(u'\n', QStringLiteral("<br>")));
        }
        html += row == 0 ? QStringLiteral("</tr></thead>") : QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");

    html += QStringLiteral("<p style=\"font-weight: bold; margin-bottom: 2pt\">%1</p>")
                .arg(escaped(content.resultHeading));
    html += QStringLiteral("<p style=\"font-size: 11pt; font-weight: bold; margin-bottom: 3pt\">"
                           "%1</p>")
                .arg(escaped(content.result));
    // The grounds, the horizon, the notices and the consequences as lines of one
    // paragraph: a paragraph's top margin is lost after another block, so the gap
    // is this one's bottom margin.
    QStringList lines;
    for (const QString &text :
         {content.grounds, content.horizon, content.notices, content.consequences}) {
        for (const QString &line : text.split(u'\n', Qt::SkipEmptyParts))
            lines.append(escaped(line));
    }
    html += QStringLiteral("<p style=\"margin-bottom: 12pt\">%1</p>")
                .arg(lines.join(QStringLiteral("<br>")));
    html += QStringLiteral("<p style=\"font-size: 8pt; color: #404040\"><i>%1</i></p>")
                .arg(escaped(content.assumptions));
    html += QStringLiteral("</body></html>");
    return html;
}

// Draws the laid-out document page by page, each with a footer line: the
// report's title on the left, "page / pages" on the right.
void paintPages(QPainter &painter, QPdfWriter &writer, const QTextDocument &document,
                const QString &footer, qreal footerHeight, const QFont &footerFont)
{
    const qreal width = document.pageSize().width();
    const qreal pageHeight = document.pageSize().height();
    const int pages = document.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.save();
        painter.translate(0, -page * pageHeight);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * pageHeight, width, pageHeight);
        context.palette.setColor(QPalette::Text, Qt::black);
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(footerFont);
        painter.setPen(Qt::darkGray);
        const QRectF line(0, pageHeight, width, footerHeight);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignBottom, footer);
        painter.drawText(line, Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("%1 / %2").arg(page + 1).arg(pages));
    }
}

} // namespace

FileDialogSetup reportFileDialogSetup(const LanguageCatalogue &catalogue)
{
    static const QRegularExpression dots(QStringLiteral("\\s*(\\.\\.\\.|\u2026)\\s*$"));
    return FileDialogSetup{
        withoutAccessKey(catalogue.Translate(QStringLiteral("Menu.ExportReport")))
            .remove(dots)
            .trimmed(),
        catalogue.Translate(QStringLiteral("String.ReportFileFilter")),
        QStringLiteral("pdf"),
    };
}

void writeReport(const QString &path, const ReportContent &content)
{
    // Drawn into memory: QPdfWriter does not say when a write to its device
    // fails, and the file is replaced only once the whole document is there.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(content.title);
        writer.setCreator(ApplicationTitle);
        writer.setPageLayout(PageLayout);
        QPainter painter;
        if (!painter.begin(&writer))
            throw unableToWriteError(path);

        QFont body = QGuiApplication::font();
        body.setPointSizeF(BodyPointSize);
        // Without shaping there are no ligatures: "effacement" copied or searched
        // in the PDF stays those letters, not an "ff" sign.
        body.setStyleStrategy(QFont::PreferNoShaping);
        QFont footerFont = body;
        footerFont.setPointSizeF(BodyPointSize - 1);
        const qreal footerHeight = 2 * QFontMetricsF(footerFont, &writer).height();

        // Laid out at the writer's resolution, pages the size of its paint area
        // less the footer.
        QTextDocument document;
        document.documentLayout()->setPaintDevice(&writer);
        document.setDefaultFont(body);
        document.setDocumentMargin(0);
        document.setPageSize(QSizeF(writer.width(), writer.height() - footerHeight));
        const QList<TableRow> table = tableTexts(content);
        document.setHtml(
            reportHtml(content, table, columnPercents(table, body, &writer, writer.width())));

        paintPages(painter, writer, document,
                   content.title + QStringLiteral(" \u2014 ") + content.calculationDate.value,
                   footerHeight, footerFont);
        painter.end();
    }
    replaceFileAtomically(path, pdf);
}
