// The library installs its own translator: an embedded component is never
// started on its own, so no host would know to load its texts.

#include "platform/Translations.h"

#include "pinxel/Translations.h"

#include <QCoreApplication>
#include <QMutex>
#include <QTranslator>

#include <atomic>
#include <memory>

static void initTranslationResources()
{
    // The startup function may run before the resource's own static
    // registration has: registering twice is harmless.
    Q_INIT_RESOURCE(pinxel_translations);
}

namespace pinxel {

namespace {

QMutex g_lock;
std::unique_ptr<QTranslator> g_translator;  // the one installed, if any
std::atomic<bool> g_enabled{true};
std::atomic<bool> g_active{false};
QLocale g_locale = QLocale::c();  // the installed translation's language

bool environmentSaysOff()
{
    return qEnvironmentVariable("PINXEL_TRANSLATE").compare(QLatin1String("off"), Qt::CaseInsensitive) == 0;
}

void removeLocked()
{
    if (g_translator && QCoreApplication::instance())
        QCoreApplication::removeTranslator(g_translator.get());
    g_translator.reset();
    g_active = false;
}

void installAtStart()
{
    if (g_enabled && !environmentSaysOff())
        translations::install(QLocale::system());
}
Q_COREAPP_STARTUP_FUNCTION(installAtStart)

}  // namespace

namespace translations {

bool install(const QLocale &locale, const QString &folder)
{
    const QMutexLocker locker(&g_lock);
    removeLocked();
    if (!QCoreApplication::instance() || locale.language() == QLocale::C)
        return false;
    initTranslationResources();
    auto translator = std::make_unique<QTranslator>();
    // load() finds pinxel_de.qm for de_AT and refuses a file that is missing
    // or not a translation; a damaged one it accepts must still translate a
    // text every translation has.
    if (!translator->load(locale, QStringLiteral("pinxel"), QStringLiteral("_"), folder)
        || translator->translate("MenuTable", "&Edit").isEmpty())
        return false;
    if (!QCoreApplication::installTranslator(translator.get()))
        return false;
    g_locale = QLocale(translator->language());
    g_translator = std::move(translator);
    g_active = true;
    return true;
}

void remove()
{
    const QMutexLocker locker(&g_lock);
    removeLocked();
}

QLocale textLocale()
{
    const QMutexLocker locker(&g_lock);
    return g_active ? g_locale : QLocale::c();
}

}  // namespace translations

void setTranslationsEnabled(bool enabled)
{
    g_enabled = enabled;
    if (!enabled)
        translations::remove();
    else if (!environmentSaysOff())
        translations::install(QLocale::system());
}

bool translationsActive() { return g_active; }

}  // namespace pinxel
