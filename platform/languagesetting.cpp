#include "platform/languagesetting.h"

#include "platform/runtimeerror.h"

namespace {

const QString ValueName = QStringLiteral("Lang");
const QString Group = QStringLiteral("Settings");

std::unique_ptr<QSettings> openUserSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Brindlewick"), QStringLiteral("Kovrant"));
}

} // namespace

LanguageSetting::LanguageSetting()
    : LanguageSetting(&openUserSettings)
{
}

LanguageSetting::LanguageSetting(SettingsOpener opener)
    : m_open(std::move(opener))
{
}

QString LanguageSetting::read() const
{
    const std::unique_ptr<QSettings> settings = m_open();
    settings->beginGroup(Group);
    const QVariant value = settings->value(ValueName);
    if (!value.isValid())
        return {};
    if (value.typeId() != QMetaType::QString)
        throw invalidDataTypeError(ValueName);
    return value.toString();
}

void LanguageSetting::write(const QString &name) const
{
    const std::unique_ptr<QSettings> settings = m_open();
    settings->beginGroup(Group);
    settings->setValue(ValueName, name);
    settings->endGroup();
    settings->sync();
    if (settings->status() != QSettings::NoError)
        throw failedToSetDataError(ValueName);
}

void LanguageSetting::touch() const
{
    m_open();
}
