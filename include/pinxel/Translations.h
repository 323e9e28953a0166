#pragma once
/// \file
/// \brief The library's own translations: German texts, chosen from the system's locale.
///
/// The library's own translations. The library carries its German texts in
/// itself and installs a translator for them when the host's application
/// object is made (or at once, when the library is loaded after it) and the
/// system's messages locale (LC_ALL, LC_MESSAGES, LANG) is German, of any
/// region. Any other locale, an unreadable one (taken as the C locale) and
/// PINXEL_TRANSLATE=off in the environment leave every text in English. A
/// host's QLocale::setDefault() does not change the library's language: the
/// default locale formats the host's numbers and dates and may be set at any
/// time, while the texts an editor shows are chosen once, from the system.

namespace pinxel {

/// Turns the library's translations on or off for the whole process.
///
/// Off removes the library's translator at once, or keeps it from being
/// installed when called before the application object exists; on installs
/// it again if the system's messages locale is German and PINXEL_TRANSLATE is
/// not "off". Windows already open keep the texts they were built with; an
/// editor opened afterwards shows the new ones. Nothing fails: a translation
/// that cannot be loaded leaves the texts in English.
///
/// Call it on the thread that made (or will make) the application object.
void setTranslationsEnabled(bool enabled);

/// Whether the library's German texts are in use now: false before the
/// application object exists, after setTranslationsEnabled(false), for any
/// locale that is not German and when the translation could not be loaded.
///
/// Any thread may ask.
bool translationsActive();

}  // namespace pinxel
