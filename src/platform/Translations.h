#pragma once
// The library's translator, behind the public switch of pinxel/Translations.h:
// loaded from the translations built into the library, or from another
// folder for the tests.

#include <QLocale>
#include <QString>

namespace pinxel::translations {

// Where the library's own .qm files are: its resources.
inline constexpr const char *BuiltInFolder = ":/pinxel/translations";

// Installs the library's translator for the locale's language (pinxel_de.qm
// for any German locale), replacing the one installed before; for a language
// the library has no texts in, or a file that is missing or damaged, removes
// it. True when one is installed.
bool install(const QLocale &locale, const QString &folder = QString::fromLatin1(BuiltInFolder));
void remove();
// The locale the library's texts are in, for the dates and numbers inside
// them: the translation's, else the C locale of the English texts.
QLocale textLocale();

}  // namespace pinxel::translations
