// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/columnlanguage.h"

#include <QLocale>
#include <utility>

QString ScriptLanguage(int CodePage)
{
    switch (CodePage) {
    case 1251: return QStringLiteral("ru");
    case 1253: return QStringLiteral("el");
    case 1254: return QStringLiteral("tr");
    case 1255: return QStringLiteral("he");
    case 1256: return QStringLiteral("ar");
    default: return {};
    }
}

QString LanguageTag(const QString& Locale)
{
    const QString Trimmed = Locale.trimmed();
    if (Trimmed.isEmpty())
        return {};
    const QLocale Language(Trimmed);
    if (Language.language() == QLocale::C)
        return {};
    return Language.bcp47Name();
}

namespace {

// Languages a Dutch learner is likely to drill, by their ISO 639 code.
constexpr std::pair<const char*, const char*> DutchNames[] = {
    {"af", "Afrikaans"}, {"ar", "Arabisch"},   {"bg", "Bulgaars"},    {"ca", "Catalaans"},
    {"cs", "Tsjechisch"}, {"cy", "Welsh"},     {"da", "Deens"},       {"de", "Duits"},
    {"el", "Grieks"},    {"en", "Engels"},     {"eo", "Esperanto"},   {"es", "Spaans"},
    {"et", "Estisch"},   {"fa", "Perzisch"},   {"fi", "Fins"},        {"fr", "Frans"},
    {"fy", "Fries"},     {"ga", "Iers"},       {"he", "Hebreeuws"},   {"hi", "Hindi"},
    {"hr", "Kroatisch"}, {"hu", "Hongaars"},   {"id", "Indonesisch"}, {"is", "IJslands"},
    {"it", "Italiaans"}, {"ja", "Japans"},     {"ko", "Koreaans"},    {"la", "Latijn"},
    {"lt", "Litouws"},   {"lv", "Lets"},       {"nb", "Noors"},       {"nl", "Nederlands"},
    {"no", "Noors"},     {"pl", "Pools"},      {"pt", "Portugees"},   {"ro", "Roemeens"},
    {"ru", "Russisch"},  {"sk", "Slowaaks"},   {"sl", "Sloveens"},    {"sr", "Servisch"},
    {"sv", "Zweeds"},    {"sw", "Swahili"},    {"th", "Thai"},        {"tr", "Turks"},
    {"uk", "Oekra\u00EFens"}, {"vi", "Vietnamees"}, {"zh", "Chinees"},
};

} // namespace

QString DutchLanguageName(const QString& Tag)
{
    const QLocale Language(Tag);
    const QString Code = Tag.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
    QString Name;
    for (const auto& [Iso, Dutch] : DutchNames)
        if (Code == QLatin1StringView(Iso))
            Name = QString::fromUtf8(Dutch);
    if (Name.isEmpty())
        Name = Language.language() == QLocale::C ? Tag : Language.nativeLanguageName();
    const QString Region = Tag.section(u'-', 1);
    return Region.isEmpty() ? Name : QStringLiteral("%1 (%2)").arg(Name, Region);
}
