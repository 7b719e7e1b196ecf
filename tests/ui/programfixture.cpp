#include "programfixture.h"

#include <QTableView>

#include "catalogue/interfacekeys.h"
#include "ui/convictiontable.h"
#include "ui/errorhandler.h"
#include "ui/languageselector.h"
#include "ui/startup.h"

#include <QDir>
#include <QSettings>
#include <QWindow>
#include <QtTest>

namespace {
const QString Group = QStringLiteral("Settings");
const QString ValueName = QStringLiteral("Lang");
const QLocale RussianLocale(QLocale::Russian, QLocale::Russia);
} // namespace

ShortDateFormat ProgramFixture::dateFormat() const
{
    return ShortDateFormat(m_dateLocale, &ProgramFixture::today);
}

ProgramFixture::ProgramFixture()
{
    m_folder.copyShippedLanguages();
    m_opener = iniOpener();
    setErrorPresenter([this](QWidget *, const QString &shown) { errors.append(shown); });
}

ProgramFixture::~ProgramFixture()
{
    m_form.reset();
    // With no fixture left to record them, errors must still never open a box.
    setErrorPresenter([](QWidget *, const QString &shown) {
        qWarning("error shown outside a fixture: %s", qPrintable(shown));
    });
}

QString ProgramFixture::settingsPath() const
{
    return QDir(m_settingsDir.path()).filePath(QStringLiteral("kovrant.ini"));
}

SettingsOpener ProgramFixture::iniOpener() const
{
    return
        [path = settingsPath()] { return std::make_unique<QSettings>(path, QSettings::IniFormat); };
}

void ProgramFixture::storeLanguage(const QVariant &value) const
{
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.beginGroup(Group);
    settings.setValue(ValueName, value);
    settings.endGroup();
    settings.sync();
    QCOMPARE(settings.status(), QSettings::NoError);
}

QVariant ProgramFixture::storedLanguage() const
{
    const QSettings settings(settingsPath(), QSettings::IniFormat);
    return settings.value(Group + u'/' + ValueName);
}

TForm1 &ProgramFixture::start()
{
    m_catalogue.emplace(m_folder.programFolder(), RussianLocale);
    m_context.emplace(ProgramContext{m_folder.programFolder(), &*m_catalogue,
                                     LanguageSetting(m_opener), dateFormat(), &shell, &fileChooser,
                                     m_userLocale});
    m_form = startKovrant(*m_context);
    return *m_form;
}

TForm1 &ProgramFixture::startShown()
{
    TForm1 &started = start();
    started.show();
    QCoreApplication::processEvents();
    return started;
}

QString ProgramFixture::text(const char *key) const
{
    return m_catalogue->Translate(QString::fromLatin1(key));
}

LanguageTexts::LanguageTexts(const LanguageFolder &folder, const QString &languageName)
    : m_catalogue(folder.programFolder(), RussianLocale)
{
    QVERIFY(m_catalogue.SelectDefaultLanguage(QStringLiteral("English")));
    QVERIFY2(m_catalogue.SelectLanguage(languageName), qPrintable(languageName));
}

QString LanguageTexts::operator()(const char *key) const
{
    return m_catalogue.Translate(QString::fromLatin1(key));
}

int languageEntry(const TForm1 &form, const QString &fileBase)
{
    const std::optional<TLangItemRec> language = form.catalogue().findLanguage(fileBase);
    return language ? child<LanguageSelector>(form, "CmbBxLang").findText(language->Name) : -1;
}

void pickLanguage(TForm1 &form, const QString &fileBase)
{
    pickEntry(child<LanguageSelector>(form, "CmbBxLang"), languageEntry(form, fileBase));
}

void pickEntry(QComboBox &selector, int index)
{
    selector.setCurrentIndex(index);
    emit selector.activated(index);
}

ConvictionRecord windowConviction(const ProgramFixture &fixture, const QString &date,
                                  const QString &severity)
{
    return windowConviction(fixture, date, severity, fixture.text("String.Yes"),
                            fixture.text("String.No"), fixture.text("String.No"));
}

ConvictionRecord windowConviction(const ProgramFixture &fixture, const QString &date,
                                  const QString &severity, const QString &custody,
                                  const QString &juvenile, const QString &reprieve)
{
    ConvictionGravity gravity = ConvictionGravity::unrecognised(severity);
    for (std::size_t index = CategoryTextKeys.size(); index-- > 0;) {
        if (severity == fixture.text(QString::fromUtf16(CategoryTextKeys[index]).toLatin1())) {
            gravity = Gravity(index);
            break;
        }
    }
    const QString yes = fixture.text("String.Yes");
    return ConvictionRecord{fixture.dateFormat().tryParse(date).value_or(QDate()),
                            gravity,
                            custody == yes,
                            juvenile == yes,
                            reprieve == yes,
                            {}};
}

QModelIndex shownCell(const TForm1 &form, int row, int column)
{
    return child<QTableView>(form, "ListView1").model()->index(row, column);
}

QString shownText(const TForm1 &form, int row, int column)
{
    return shownCell(form, row, column).data().toString();
}

QString shownNote(const TForm1 &form, int row)
{
    const auto *table =
        qobject_cast<const ConvictionTable *>(child<QTableView>(form, "ListView1").model());
    return table ? table->rowNote(row) : QString();
}

QString shownTitle(QWidget &window)
{
    window.winId();
    return window.windowHandle()->title();
}
