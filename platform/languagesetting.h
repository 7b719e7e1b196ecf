// The one stored setting: the display name of the chosen language, the value
// "Lang" of the per-user settings key. Each access opens the store and closes it
// again at once.
#pragma once

#include <QSettings>
#include <QString>

#include <functional>
#include <memory>

// Opens the settings store; tests give one over a file of their own.
using SettingsOpener = std::function<std::unique_ptr<QSettings>()>;

class LanguageSetting
{
public:
    // The user's store: organisation "Brindlewick", application "Kovrant", group
    // "Settings" (on Windows, HKCU\Software\Brindlewick\Kovrant\Settings).
    LanguageSetting();
    explicit LanguageSetting(SettingsOpener opener);

    // Empty when the value is absent; raises "Invalid data type for 'Lang'" when the
    // stored value is not a string.
    QString read() const;
    // Raises "Failed to set data for 'Lang'" when the value cannot be stored; the
    // store then holds what it held (a store's file byte for byte).
    void write(const QString &name) const;
    // Opens and closes the key, which creates it when it is missing.
    void touch() const;

private:
    SettingsOpener m_open;
};
