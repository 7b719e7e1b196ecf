#include "platform/languageid.h"

#include <utility>

namespace {

// The languages a translation of the interface is likeliest to be written in.
constexpr std::pair<QLocale::Language, int> PrimaryLanguages[] = {
    {QLocale::Arabic, 0x01},     {QLocale::Bulgarian, 0x02}, {QLocale::Chinese, 0x04},
    {QLocale::Czech, 0x05},      {QLocale::Danish, 0x06},    {QLocale::German, 0x07},
    {QLocale::Greek, 0x08},      {QLocale::English, 0x09},   {QLocale::Spanish, 0x0A},
    {QLocale::Finnish, 0x0B},    {QLocale::French, 0x0C},    {QLocale::Hebrew, 0x0D},
    {QLocale::Hungarian, 0x0E},  {QLocale::Italian, 0x10},   {QLocale::Japanese, 0x11},
    {QLocale::Korean, 0x12},     {QLocale::Dutch, 0x13},     {QLocale::Polish, 0x15},
    {QLocale::Portuguese, 0x16}, {QLocale::Romanian, 0x18},  {QLocale::Russian, 0x19},
    {QLocale::Swedish, 0x1D},    {QLocale::Turkish, 0x1F},   {QLocale::Ukrainian, 0x22},
    {QLocale::Belarusian, 0x23}, {QLocale::Estonian, 0x25},  {QLocale::Latvian, 0x26},
    {QLocale::Lithuanian, 0x27}, {QLocale::Armenian, 0x2B},  {QLocale::Azerbaijani, 0x2C},
    {QLocale::Georgian, 0x37},   {QLocale::Kazakh, 0x3F},    {QLocale::Kyrgyz, 0x40},
    {QLocale::Uzbek, 0x43},      {QLocale::Tatar, 0x44},     {QLocale::Tajik, 0x28},
};

} // namespace

std::optional<int> primaryLanguageId(const QLocale &locale)
{
    for (const auto &[language, id] : PrimaryLanguages) {
        if (language == locale.language())
            return id;
    }
    return std::nullopt;
}

std::optional<QLocale::Language> languageOfId(qint32 langId)
{
    for (const auto &[language, id] : PrimaryLanguages) {
        if (id == primaryLanguageOf(langId))
            return language;
    }
    return std::nullopt;
}
