// Saves screenshots of Kovrant's windows in English, Russian and French into the
// folder named on the command line: the main window with sample convictions, first
// before a category is chosen for the new crime (the result asks for it), the
// record dialog filled in, then with every fact given, the record dialog with a
// date typed and with a typed text that is not a date, the about box with its
// readme, and the question about an unsaved list; then the main window with a
// result that rests on doubt, its warnings under it, and its timeline with one
// conviction, with ten, and with thirty years of them. With "--dark" or "--2x" it
// saves the main window, the question about an unsaved list, the record dialog
// with every fact and with a text that is not a date, the result with warnings
// and the timeline of ten convictions in a dark palette or at twice the scale
// instead, named main_dark_en.png, main_2x_en.png and so on.
#include "catalogue/uLocalize.h"
#include "document/recordlist.h"
#include "localisation/assessmenttexts.h"
#include "localisation/filenotes.h"
#include "platform/languagesetting.h"
#include "platform/shortdateformat.h"
#include "platform/typeddate.h"
#include "records/recordfile.h"
#include "ui/about.h"
#include "ui/addedit_unit.h"
#include "ui/datepicker.h"
#include "ui/errorhandler.h"
#include "ui/languageselector.h"
#include "ui/main.h"
#include "ui/programcontext.h"
#include "ui/startup.h"
#include "ui/timeline.h"
#include "windowchild.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>

#include <array>
#include <cstdio>
#include <functional>

namespace {

// The day the screenshots pretend to be taken, so that they do not change daily.
const QDate Today(2025, 3, 14);

struct Language
{
    QString name;   // as the language selector lists it
    QString suffix; // of the PNG file names
    QLocale locale; // the user's date format
};

// One previous conviction as the record dialog takes it; the category by index.
struct SampleConviction
{
    int category; // 0 small, 1 medium, 2 grave, 3 especially grave
    QDate date;
    bool custody;
    bool minor;
    bool deferred;
    ConvictionDetails details{};
};

// A grave conviction still in force (dangerous recidivism for a grave crime), one
// expunged, one committed as a minor and one without custody.
const std::array Samples = {
    SampleConviction{2, QDate(2021, 9, 14), true, false, false,
                     ConvictionDetails{.crimeDate = QDate(2020, 11, 2),
                                       .punishment = PunishmentKind::Custody,
                                       .served = QDate(2023, 3, 15)}},
    SampleConviction{1, QDate(2018, 4, 3), true, false, false},
    SampleConviction{3, QDate(2016, 11, 22), true, true, false},
    SampleConviction{0, QDate(2023, 6, 5), false, false, true},
};

// Every fact the record dialog asks, for the dialog alone: a negligent crime of
// medium gravity, a conditional sentence with a driving ban, revoked, served in
// custody, one of the rows of sentence no. 1, and removed by a court.
const SampleConviction EveryFact{1,
                                 QDate(2017, 5, 23),
                                 false,
                                 false,
                                 false,
                                 ConvictionDetails{.crimeDate = QDate(2016, 12, 4),
                                                   .punishment = PunishmentKind::Conditional,
                                                   .served = QDate(2020, 2, 18),
                                                   .probationEnd = QDate(2020, 5, 22),
                                                   .revoked = true,
                                                   .negligent = true,
                                                   .inForce = QDate(2017, 6, 6),
                                                   .revokedOn = QDate(2018, 8, 20),
                                                   .sentence = 1,
                                                   .additionalEnd = QDate(2022, 2, 18),
                                                   .removed = QDate(2023, 9, 12)}};

// A result that rests on doubt: a grave conviction expunged on the day of the new
// crime, and two medium-gravity priors with custody before an especially grave
// new crime (where courts differ on part 2 (a)); both warnings under the result.
const QDate DoubtfulCrimeDate(2025, 3, 1);
const std::array DoubtfulResult = {
    SampleConviction{2, QDate(2015, 6, 1), true, false, false,
                     ConvictionDetails{.crimeDate = QDate(2014, 11, 10),
                                       .punishment = PunishmentKind::Custody,
                                       .served = QDate(2017, 3, 1)}},
    SampleConviction{1, QDate(2023, 5, 5), true, false, false},
    SampleConviction{1, QDate(2023, 6, 6), true, false, false},
};

// The timeline's cases: one grave conviction in force; ten, some overlapping,
// of every kind of bar (counted, excluded, expunged, one after the new crime);
// and a record from 1994 to 2024.
const std::array OneConviction = {
    SampleConviction{2, QDate(2021, 9, 14), true, false, false},
};
const std::array TenConvictions = {
    SampleConviction{1, QDate(2009, 2, 17), true, true, false},
    SampleConviction{2, QDate(2011, 5, 30), true, false, false},
    SampleConviction{0, QDate(2013, 10, 8), true, false, false},
    SampleConviction{3, QDate(2015, 3, 2), true, false, false},
    SampleConviction{1, QDate(2017, 7, 21), false, false, false},
    SampleConviction{2, QDate(2019, 1, 15), true, false, true},
    SampleConviction{1, QDate(2020, 6, 9), true, false, false},
    SampleConviction{2, QDate(2021, 9, 14), true, false, false},
    SampleConviction{0, QDate(2023, 6, 5), false, false, true},
    SampleConviction{1, QDate(2025, 8, 1), true, false, false},
};
const std::array ThirtyYears = {
    SampleConviction{3, QDate(1994, 4, 12), true, true, false},
    SampleConviction{2, QDate(1999, 11, 3), true, false, false},
    SampleConviction{1, QDate(2004, 6, 25), true, false, false},
    SampleConviction{3, QDate(2009, 12, 1), true, false, false},
    SampleConviction{2, QDate(2016, 2, 19), true, false, false},
    SampleConviction{2, QDate(2024, 1, 10), true, false, false},
};

void fillDialog(TEdit_frm &dialog, const SampleConviction &sample)
{
    child<QComboBox>(dialog, "ComboBox1").setCurrentIndex(sample.category);
    child<DatePicker>(dialog, "DateTimePicker1").setCheckedDate(sample.date);
    child<QCheckBox>(dialog, "CheckBox1").setChecked(sample.custody);
    child<QCheckBox>(dialog, "CheckBox2").setChecked(sample.minor);
    child<QCheckBox>(dialog, "CheckBox3").setChecked(sample.deferred);
    dialog.setDetails(sample.details);
}

// Types over the whole text of the record dialog's date field as a user does:
// Ctrl+A, then one key event a character.
void typeDate(TEdit_frm &dialog, const QString &text)
{
    DatePicker *picker = &child<DatePicker>(dialog, "DateTimePicker1");
    const auto press = [picker](int key, Qt::KeyboardModifiers modifiers, const QString &typed) {
        QKeyEvent down(QEvent::KeyPress, key, modifiers, typed);
        QCoreApplication::sendEvent(picker, &down);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, typed);
        QCoreApplication::sendEvent(picker, &up);
    };
    press(Qt::Key_A, Qt::ControlModifier, QString());
    for (const QChar character : text)
        press(character.unicode(), Qt::NoModifier, QString(character));
}

// A day, a month and a year in the order of the format, with its separator.
QString inFormatOrder(const ShortDateFormat &format, const QString &day, const QString &month,
                      const QString &year)
{
    QStringList parts;
    for (int place = 0; place < TypedDate::PartCount; ++place) {
        switch (TypedDate::partAt(place, format)) {
        case TypedDate::Part::Day: parts.append(day); break;
        case TypedDate::Part::Month: parts.append(month); break;
        case TypedDate::Part::Year: parts.append(year); break;
        }
    }
    return parts.join(format.separator());
}

bool save(QWidget &window, const QDir &folder, const QString &name)
{
    window.show();
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    if (!window.grab().save(path, "PNG")) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The main window with the tooltip of a row's category cell, as a user sees it
// on hovering: the tooltip is a window of its own, drawn onto the window's image.
bool saveWithTooltip(TForm1 &form, const QDir &folder, const QString &name)
{
    const QTableView &list = child<QTableView>(form, "ListView1");
    const QModelIndex cell = list.model()->index(1, RecordColumn::Severity);
    const QRect rect = list.visualRect(cell);
    const QPoint at = list.viewport()->mapToGlobal(rect.center());
    QToolTip::showText(at, cell.data(Qt::ToolTipRole).toString(), list.viewport());
    QApplication::processEvents();
    QImage image = form.grab().toImage();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->inherits("QTipLabel") && window->isVisible()) {
            QPainter painter(&image);
            painter.drawPixmap(form.mapFromGlobal(window->pos()), window->grab());
        }
    }
    QToolTip::hideText();
    const QString path = folder.filePath(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Clear data as the user does it, the question about the unsaved list, when it
// comes, handed to answer.
void clearDataAnswering(TForm1 &form, const std::function<void(QMessageBox &)> &answer)
{
    if (form.hasUnsavedChanges()) {
        QTimer::singleShot(0, &form, [answer] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                answer(*box);
        });
    }
    runCommand(&form, [&] { form.N11Click(); });
}

// Clear data, discarding the unsaved list.
void clearData(TForm1 &form)
{
    clearDataAnswering(form, [](QMessageBox &box) { box.button(QMessageBox::Discard)->click(); });
}

// The question Clear data asks over a list with unsaved changes, answered with
// Cancel once saved.
bool shootUnsavedQuestion(TForm1 &form, const QDir &folder, const QString &name)
{
    bool saved = false;
    clearDataAnswering(form, [&](QMessageBox &box) {
        saved = save(box, folder, name);
        box.button(QMessageBox::Cancel)->click();
    });
    if (!saved)
        std::fprintf(stderr, "Clear data did not ask about the unsaved list\n");
    return saved;
}

// Each row goes through the record dialog as the user enters it.
template<std::size_t Count>
void enterRows(TForm1 &form, const std::array<SampleConviction, Count> &samples)
{
    for (const SampleConviction &sample : samples) {
        QTimer::singleShot(0, &form, [&form, sample] {
            runCommand(&form, [&] { fillDialog(*form.Edit_frm, sample); });
            child<QPushButton>(*form.Edit_frm, "Button1").click();
        });
        runCommand(&form, [&] { form.Button1Click(); });
    }
}

// A grave new crime punished with actual imprisonment.
void describeGraveCrime(TForm1 &form)
{
    child<QComboBox>(form, "ComboBox1").setCurrentIndex(2);
    runCommand(&form, [&] { form.ComboBox1Change(); });
    child<QCheckBox>(form, "CheckBox1").setChecked(true);
    child<QTableView>(form, "ListView1").clearSelection();
}

// The main window over a fresh list of the samples, its timeline in view, with
// a row selected when one is given.
template<std::size_t Count>
bool shootTimeline(TForm1 &form, const std::array<SampleConviction, Count> &samples,
                   const QDir &output, const QString &name, int selectedRow = -1)
{
    clearData(form);
    enterRows(form, samples);
    describeGraveCrime(form);
    if (selectedRow >= 0)
        child<QTableView>(form, "ListView1").selectRow(selectedRow);
    QTabWidget &pages = child<QTabWidget>(form, "PageControl1");
    pages.setCurrentWidget(&child<Timeline>(form, "Timeline1"));
    const bool saved = save(form, output, name);
    pages.setCurrentIndex(0);
    return saved;
}

// The main window over a fresh list whose result carries warning lines.
bool shootDoubtfulResult(TForm1 &form, const QDir &output, const QString &name)
{
    clearData(form);
    enterRows(form, DoubtfulResult);
    child<QComboBox>(form, "ComboBox1").setCurrentIndex(3);
    runCommand(&form, [&] { form.ComboBox1Change(); });
    child<QCheckBox>(form, "CheckBox1").setChecked(true);
    DatePicker &crimeDate = child<DatePicker>(form, "DateTimePicker1");
    runCommand(&form, [&] { crimeDate.setDate(DoubtfulCrimeDate); });
    child<QTableView>(form, "ListView1").clearSelection();
    const bool saved = save(form, output, name);
    crimeDate.setDate(Today);
    return saved;
}

// A list saved by an older program in the Russian interface (category texts
// alone, no new crime, one row of a text that is no category), opened in the
// window's language.
bool shootRussianFile(TForm1 &form, const QDir &output, const QString &name)
{
    clearData(form);
    describeGraveCrime(form);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("list.har"));
    QByteArray bytes = "\xEF\xBB\xBF[previous_conviction]\r\ncount=3\r\n";
    const std::array<std::pair<const char *, const char *>, 3> rows = {
        std::pair{"14.09.2021", "Тяжкое преступление"},
        std::pair{"03.04.2018", "Преступление средней тяжести"},
        std::pair{"05.06.2023", "Кража"},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QByteArray n = QByteArray::number(qulonglong(i));
        bytes += "date" + n + "=" + rows[i].first + "\r\nheaviness" + n + "=" + rows[i].second +
                 "\r\ndeprivation" + n + "=1\r\ninfancy" + n + "=0\r\nrespite" + n + "=0\r\n";
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    file.close();
    runCommand(&form, [&] {
        form.open_har(path);
        form.calc_rec();
    });
    return save(form, output, name);
}

// A list Kovrant saved, then changed in a text editor (the second conviction's
// date): opened, its second row is marked and the result names the details to
// check; the row's tooltip, and its dialog with the note over the details.
bool shootOutsideEdit(TForm1 &form, const QDir &output, const QString &suffix)
{
    clearData(form);
    const ShortDateFormat &format = form.context().dateFormat;
    const QString written = format.format(QDate(2017, 9, 5));
    const QString edited = format.format(QDate(2019, 9, 5));
    ConvictionRecord second{QDate(2017, 9, 5), Gravity::Grave, true, false, false, {}};
    second.details = {
        .punishment = PunishmentKind::Custody, .served = QDate(2020, 3, 4), .sentence = 3};
    const QList<ConvictionRecord> records{
        {QDate(2009, 4, 7), Gravity::Grave, true, false, false, {}}, second};
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("list.har"));
    bool saved = false;
    runCommand(&form, [&] {
        saveRecordFile(path, records, {Gravity::Grave, true, QDate(2021, 6, 1), false},
                       form.crimeCategories, installedCategories(form.catalogue()), format);
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite))
            return;
        QByteArray bytes = file.readAll();
        bytes.replace("date1=" + written.toUtf8(), "date1=" + edited.toUtf8());
        file.resize(0);
        saved = file.write(bytes) == bytes.size();
    });
    if (!saved) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    form.openGivenFile(path);
    saved = save(form, output, QStringLiteral("outside_edit_%1.png").arg(suffix));
    saved =
        saveWithTooltip(form, output, QStringLiteral("outside_edit_tooltip_%1.png").arg(suffix)) &&
        saved;
    TEdit_frm &dialog = *form.Edit_frm;
    runCommand(&form, [&] { dialog.showRecord(form.records().at(1)); });
    saved = save(dialog, output, QStringLiteral("outside_edit_record_%1.png").arg(suffix)) && saved;
    dialog.hide();
    return saved;
}

// The main window, the record dialog with every fact and with a typed text that
// is not a date, the result with warnings and the timeline again, in
// a variant of the desktop ("dark", "2x"), their names carrying it.
bool shootVariant(TForm1 &form, const ShortDateFormat &format, const QDir &output,
                  const QString &variant, const QString &suffix)
{
    const auto name = [&](const char *base) {
        return QStringLiteral("%1_%2_%3.png").arg(QLatin1String(base), variant, suffix);
    };
    bool saved = save(form, output, name("main"));
    saved = shootUnsavedQuestion(form, output, name("unsaved")) && saved;
    TEdit_frm &dialog = *form.Edit_frm;
    runCommand(&form, [&] { fillDialog(dialog, EveryFact); });
    saved = save(dialog, output, name("record_every_fact")) && saved;
    dialog.hide();
    typeDate(dialog, inFormatOrder(format, "31", "02", "2019"));
    saved = save(dialog, output, name("typed_date_invalid")) && saved;
    dialog.hide();
    saved = shootDoubtfulResult(form, output, name("warning")) && saved;
    saved = shootTimeline(form, TenConvictions, output, name("timeline_ten"), 3) && saved;
    saved = shootOutsideEdit(form, output, variant + u'_' + suffix) && saved;
    return saved;
}

bool shootLanguage(const Language &language, const QDir &output, const QString &settingsFile,
                   const QString &variant)
{
    QLocale::setDefault(language.locale);
    LanguageCatalogue catalogue(QCoreApplication::applicationDirPath());
    ProgramContext context{
        QCoreApplication::applicationDirPath(), &catalogue, LanguageSetting([settingsFile] {
            return std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
        }),
        ShortDateFormat(language.locale, [] { return Today; })};

    const std::unique_ptr<TForm1> form = startKovrant(context);
    // The selector lists each language by its own name; language.name is its file's.
    const std::optional<TLangItemRec> listed = catalogue.findLanguage(language.name);
    LanguageSelector &selector = child<LanguageSelector>(*form, "CmbBxLang");
    const int entry = listed ? selector.findText(listed->Name) : -1;
    if (entry < 0) {
        std::fprintf(stderr, "The language selector does not list %s\n", qPrintable(language.name));
        return false;
    }
    selector.setCurrentIndex(entry);
    runCommand(form.get(), [&] { form->CmbBxLangChange(); });
    form->show();
    QApplication::processEvents();

    enterRows(*form, Samples);
    if (!variant.isEmpty()) {
        describeGraveCrime(*form);
        return shootVariant(*form, context.dateFormat, output, variant, language.suffix);
    }
    bool saved = save(*form, output, QStringLiteral("no_category_%1.png").arg(language.suffix));
    describeGraveCrime(*form);

    saved = save(*form, output, QStringLiteral("main_%1.png").arg(language.suffix)) && saved;
    saved = saveWithTooltip(*form, output, QStringLiteral("tooltip_%1.png").arg(language.suffix)) &&
            saved;

    TEdit_frm &dialog = *form->Edit_frm;
    runCommand(form.get(), [&] { fillDialog(dialog, Samples.front()); });
    saved =
        save(dialog, output, QStringLiteral("record_details_%1.png").arg(language.suffix)) && saved;
    dialog.hide();
    runCommand(form.get(), [&] { fillDialog(dialog, EveryFact); });
    saved = save(dialog, output, QStringLiteral("record_every_fact_%1.png").arg(language.suffix)) &&
            saved;
    dialog.hide();
    runCommand(form.get(), [&] { fillDialog(dialog, Samples.front()); });
    runCommand(form.get(), [&] { dialog.resetDetails(); });
    saved = save(dialog, output, QStringLiteral("record_%1.png").arg(language.suffix)) && saved;
    dialog.hide();

    // 12 March 2019 typed without separators, then 31 February typed in full.
    typeDate(dialog, inFormatOrder(context.dateFormat, "12", "03", "2019")
                         .remove(context.dateFormat.separator()));
    saved = save(dialog, output, QStringLiteral("typed_date_%1.png").arg(language.suffix)) && saved;
    dialog.hide();
    typeDate(dialog, inFormatOrder(context.dateFormat, "31", "02", "2019"));
    saved =
        save(dialog, output, QStringLiteral("typed_date_invalid_%1.png").arg(language.suffix)) &&
        saved;
    dialog.hide();

    TAboutFrm &about = *form->AboutFrm;
    runCommand(form.get(), [&] { about.loadReadme(form->selectedFileBase()); });
    saved = save(about, output, QStringLiteral("about_%1.png").arg(language.suffix)) && saved;
    about.hide();

    const QString suffix = language.suffix;
    saved =
        shootUnsavedQuestion(*form, output, QStringLiteral("unsaved_%1.png").arg(suffix)) && saved;
    saved =
        shootDoubtfulResult(*form, output, QStringLiteral("warning_%1.png").arg(suffix)) && saved;
    saved = shootTimeline(*form, OneConviction, output,
                          QStringLiteral("timeline_one_%1.png").arg(suffix)) &&
            saved;
    saved = shootTimeline(*form, TenConvictions, output,
                          QStringLiteral("timeline_ten_%1.png").arg(suffix), 3) &&
            saved;
    saved = shootTimeline(*form, ThirtyYears, output,
                          QStringLiteral("timeline_thirty_%1.png").arg(suffix)) &&
            saved;
    saved = shootOutsideEdit(*form, output, suffix) && saved;
    if (suffix != u"ru")
        saved =
            shootRussianFile(*form, output, QStringLiteral("russian_file_%1.png").arg(suffix)) &&
            saved;
    return saved;
}

} // namespace

// A dark desktop palette: light text on dark grey, a blue selection.
QPalette darkPalette()
{
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x23, 0x23, 0x23);
    const QColor text(0xe8, 0xe8, 0xe8);
    QPalette palette(window, window);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    palette.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0x9a));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return palette;
}

int main(int argc, char *argv[])
{
    // "--dark": the windows again in a dark palette; "--2x": at twice the scale,
    // as on a high-density screen. Each saves only the windows that show it.
    QString variant;
    int scale = 1;
    if (argc == 3 && qstrcmp(argv[1], "--dark") == 0) {
        variant = QStringLiteral("dark");
    } else if (argc == 3 && qstrcmp(argv[1], "--2x") == 0) {
        variant = QStringLiteral("2x");
        scale = 2;
        qputenv("QT_SCALE_FACTOR", "2");
    }
    // Everything Qt and fontconfig would keep in the home folder goes to a
    // temporary folder instead.
    const QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "Cannot create a temporary folder\n");
        return 1;
    }
    for (const char *variable : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
        qputenv(variable, QDir(home.path()).filePath(QString::fromLatin1(variable)).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    // The offscreen platform's own screen is 800 x 600, narrower than a window may
    // start: give it a common desktop's instead.
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        const QString screens = QDir(home.path()).filePath(QStringLiteral("screens.json"));
        QFile file(screens);
        const QByteArray config = QStringLiteral(R"({"screens": [{"name": "desktop", "x": 0,)"
                                                 R"( "y": 0, "width": %1, "height": %2,)"
                                                 R"( "logicalDpi": 96}]})")
                                      .arg(1280 * scale)
                                      .arg(1024 * scale)
                                      .toLatin1();
        if (!file.open(QIODevice::WriteOnly) || file.write(config) < 0) {
            std::fprintf(stderr, "Cannot write %s\n", qPrintable(screens));
            return 1;
        }
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toLocal8Bit());
    }

    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Brindlewick"));
    QCoreApplication::setApplicationName(ApplicationTitle);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != (variant.isEmpty() ? 2 : 3)) {
        std::fprintf(stderr, "Usage: %s [--dark | --2x] <output folder>\n",
                     qPrintable(arguments.value(0)));
        return 2;
    }
    if (variant == u"dark")
        QApplication::setPalette(darkPalette());
    const QDir output(arguments.constLast());
    if (!output.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "Cannot create %s\n", qPrintable(output.path()));
        return 1;
    }

    // An error the windows raise is printed rather than shown in a message box.
    bool failed = false;
    setErrorPresenter([&failed](QWidget *, const QString &text) {
        std::fprintf(stderr, "Error: %s\n", qPrintable(text));
        failed = true;
    });

    const std::array languages = {
        Language{QStringLiteral("English"), QStringLiteral("en"),
                 QLocale(QLocale::English, QLocale::UnitedStates)},
        Language{QStringLiteral("Russian"), QStringLiteral("ru"),
                 QLocale(QLocale::Russian, QLocale::Russia)},
        Language{QStringLiteral("French"), QStringLiteral("fr"),
                 QLocale(QLocale::French, QLocale::France)},
    };
    const QString settingsFile = QDir(home.path()).filePath(QStringLiteral("kovrant.ini"));
    for (const Language &language : languages) {
        if (!shootLanguage(language, output, settingsFile, variant))
            failed = true;
    }
    return failed ? 1 : 0;
}
