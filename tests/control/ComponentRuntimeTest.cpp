// The component runtime: registration in a temporary registry, creating the
// control and its page by name, and DllCanUnloadNow.

#include "pinxel/ComponentRuntime.h"
#include "control/ComponentServer.h"
#include "pinxel/Dabbler.h"
#include "pinxel/Error.h"
#include "pinxel/PropertyPage.h"
#include "platform/component/ComponentRegistry.h"
#include "platform/files/IniDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include <sys/stat.h>

namespace pinxel::test {
namespace {

class ComponentRuntimeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_previous = qgetenv("PINXEL_REGISTRY");
        registry = m_dir.filePath(QStringLiteral("config/components.ini"));
        qputenv("PINXEL_REGISTRY", registry.toLocal8Bit());
    }
    void TearDown() override
    {
        if (m_previous.isEmpty())
            qunsetenv("PINXEL_REGISTRY");
        else
            qputenv("PINXEL_REGISTRY", m_previous);
    }

    QString registry;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};

TEST_F(ComponentRuntimeTest, RegistrationRoundTripKeepsOtherClasses)
{
    EXPECT_EQ(ComponentRuntime::registryPath(), registry);
    {
        // Another component's class, registered before.
        ComponentRegistry other(registry);
        other.add({QStringLiteral("{11111111-2222-3333-4444-555555555555}"),
                   QStringLiteral("Other.Thing"),
                   QStringLiteral("/opt/other/libother.so"),
                   {}});
        other.save();
    }
    ASSERT_EQ(DllRegisterServer(), PINXEL_S_OK);

    const ComponentClass control = ComponentRuntime::findClass(QStringLiteral("Pinxel.Dabbler"));
    EXPECT_EQ(control.classId, QLatin1String(DabblerClassId));
    EXPECT_EQ(control.propertyPages, QStringList{QLatin1String(EditPropertiesClassId)});
    EXPECT_TRUE(QFileInfo(control.library).isAbsolute());
    EXPECT_TRUE(QFileInfo::exists(control.library)) << qPrintable(control.library);
    EXPECT_EQ(control.library, ComponentServer::libraryPath());
    // By class identifier, in any case, with or without braces.
    const QString bare = QString::fromLatin1(DabblerClassId).mid(1, 36).toLower();
    EXPECT_EQ(ComponentRuntime::findClass(bare).name, QStringLiteral("Pinxel.Dabbler"));
    EXPECT_EQ(ComponentRuntime::findClass(QLatin1String(EditPropertiesClassId)).name,
              QStringLiteral("Pinxel.EditProperties"));

    // Registering twice leaves one entry per class.
    ASSERT_EQ(DllRegisterServer(), PINXEL_S_OK);
    EXPECT_EQ(ComponentRegistry(registry).classes().size(), 3);

    ASSERT_EQ(DllUnregisterServer(), PINXEL_S_OK);
    const ComponentRegistry after(registry);
    EXPECT_FALSE(after.find(QStringLiteral("Pinxel.Dabbler")));
    EXPECT_FALSE(after.find(QStringLiteral("Pinxel.EditProperties")));
    ASSERT_TRUE(after.find(QStringLiteral("Other.Thing")));
    try {
        ComponentRuntime::createInstance(QStringLiteral("Pinxel.Dabbler"));
        FAIL() << "an unregistered class was created";
    } catch (const Error &error) {
        EXPECT_EQ(error.number(), ErrCannotCreateObject);
        EXPECT_TRUE(error.description().contains(QStringLiteral("not registered")));
    }
}

TEST_F(ComponentRuntimeTest, CreatesTheControlAndItsPageByNameThroughTheLibrary)
{
    ASSERT_EQ(DllRegisterServer(), PINXEL_S_OK);
    const QString library = ComponentRuntime::findClass(QStringLiteral("Pinxel.Dabbler")).library;
    ASSERT_EQ(DllCanUnloadNow(), PINXEL_S_OK) << "no instance lives before the test";
    EXPECT_TRUE(ComponentRuntime::canUnloadNow(library));

    std::unique_ptr<QWidget> widget(ComponentRuntime::createInstance(QStringLiteral("Pinxel.Dabbler")));
    ASSERT_NE(widget, nullptr);
    auto *control = qobject_cast<DabblerInterface *>(widget.get());
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->widget(), widget.get());
    EXPECT_EQ(control->EditWidth(), 10000);
    EXPECT_EQ(DllCanUnloadNow(), PINXEL_S_FALSE);
    EXPECT_FALSE(ComponentRuntime::canUnloadNow(library));

    std::unique_ptr<QWidget> pageWidget(ComponentRuntime::createInstance(QLatin1String(EditPropertiesClassId)));
    ASSERT_NE(qobject_cast<PropertyPageInterface *>(pageWidget.get()), nullptr);
    EXPECT_EQ(qobject_cast<DabblerInterface *>(pageWidget.get()), nullptr);

    widget.reset();
    EXPECT_EQ(DllCanUnloadNow(), PINXEL_S_FALSE) << "the page still lives";
    pageWidget.reset();
    EXPECT_EQ(DllCanUnloadNow(), PINXEL_S_OK);
}

TEST_F(ComponentRuntimeTest, ClassObjectsLockTheServerAndRefuseUnknownClasses)
{
    PinxelClassObject *classObject = nullptr;
    EXPECT_EQ(DllGetClassObject("{00000000-0000-0000-0000-000000000000}", &classObject), PINXEL_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(classObject, nullptr);
    EXPECT_EQ(DllGetClassObject(DabblerClassId, nullptr), PINXEL_E_POINTER);
    ASSERT_EQ(DllGetClassObject(DabblerClassId, &classObject), PINXEL_S_OK);
    ASSERT_NE(classObject, nullptr);

    EXPECT_EQ(classObject->LockServer(classObject, 1), PINXEL_S_OK);
    EXPECT_EQ(DllCanUnloadNow(), PINXEL_S_FALSE);
    EXPECT_EQ(classObject->LockServer(classObject, 0), PINXEL_S_OK);
    EXPECT_EQ(DllCanUnloadNow(), PINXEL_S_OK);
    // An unlock too many does not leave the count below zero.
    classObject->LockServer(classObject, 0);
    classObject->LockServer(classObject, 1);
    EXPECT_EQ(DllCanUnloadNow(), PINXEL_S_FALSE);
    classObject->LockServer(classObject, 0);

    void *instance = nullptr;
    ASSERT_EQ(classObject->CreateInstance(classObject, nullptr, &instance), PINXEL_S_OK);
    std::unique_ptr<QWidget> widget(static_cast<QWidget *>(instance));
    EXPECT_NE(qobject_cast<DabblerInterface *>(widget.get()), nullptr);
}

TEST_F(ComponentRuntimeTest, MissingLibrariesAndBrokenRegistriesGiveClearErrors)
{
    {
        ComponentRegistry broken(registry);
        broken.add({QLatin1String(DabblerClassId),
                    QStringLiteral("Pinxel.Dabbler"),
                    QStringLiteral("/nonexistent/libpinxel.so"),
                    {}});
        broken.save();
    }
    try {
        ComponentRuntime::createInstance(QStringLiteral("Pinxel.Dabbler"));
        FAIL();
    } catch (const Error &error) {
        EXPECT_EQ(error.number(), ErrCannotCreateObject);
        EXPECT_TRUE(error.description().contains(QStringLiteral("/nonexistent/libpinxel.so")));
    }

    QFile file(registry);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[{B6FB87A8-7CCA-4F1D-9617-172BBC573E5A}]\nName=Pinxel.Dabbler\nthis line has no value\n");
    file.close();
    try {
        ComponentRuntime::findClass(QStringLiteral("Pinxel.Dabbler"));
        FAIL();
    } catch (const Error &error) {
        EXPECT_EQ(error.number(), ErrBadFileFormat);
        EXPECT_TRUE(error.description().contains(QStringLiteral("line 3"))) << qPrintable(error.description());
    }
    // Registering over a broken registry fails instead of losing its contents.
    EXPECT_EQ(DllRegisterServer(), PINXEL_SELFREG_E_CLASS);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("this line has no value"));
}

// Registries that must not be written or read: each is refused before the
// lock is taken, with a reason, and left exactly as it was.
TEST_F(ComponentRuntimeTest, SpecialOrOversizedOrReadOnlyRegistriesAreRefusedAndKept)
{
    const QString folder = QFileInfo(registry).absolutePath();
    ASSERT_TRUE(QDir().mkpath(folder));
    const auto add = [](const QString &path) {
        ComponentRegistry::update(path, [](ComponentRegistry &r) {
            r.add({QLatin1String(DabblerClassId), QStringLiteral("Pinxel.Dabbler"), QStringLiteral("/x.so"), {}});
        });
    };
    const QString pipe = folder + QStringLiteral("/pipe.ini");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    const QString bigPath = folder + QStringLiteral("/big.ini");
    QByteArray big = "[Other]\n";
    while (big.size() < IniDocument::MaxFileSize - 40)
        big += "K" + QByteArray::number(big.size()) + "=v\n";
    const QString lockedPath = folder + QStringLiteral("/locked.ini");
    for (const auto &[file, bytes] : {std::pair{bigPath, big}, std::pair{lockedPath, QByteArray("[Other]\nA=1\n")}}) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    ASSERT_EQ(::chmod(QFile::encodeName(lockedPath).constData(), 0444), 0);
    const QString shutFolder = folder + QStringLiteral("/shut");
    ASSERT_TRUE(QDir().mkpath(shutFolder));
    ASSERT_EQ(::chmod(QFile::encodeName(shutFolder).constData(), 0555), 0);

    const struct {
        QString path;
        const char *says;
    } cases[] = {{pipe, "not a regular file"},
                 {folder, "is a folder"},
                 {bigPath, "would be larger than"},
                 {lockedPath, "is read-only"},
                 {shutFolder + QStringLiteral("/components.ini"), "is not writable"}};
    for (const auto &c : cases) {
        const QByteArray before = QFileInfo(c.path).isFile() ? [&] {
            QFile in(c.path);
            return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
        }() : QByteArray();
        const QFile::Permissions mode = QFile::permissions(c.path);
        try {
            add(c.path);
            ADD_FAILURE() << "written: " << c.path.toStdString();
        } catch (const Error &error) {
            EXPECT_TRUE(error.description().contains(QLatin1String(c.says))) << error.description().toStdString();
        }
        EXPECT_FALSE(QFile::exists(c.path + QStringLiteral(".lock"))) << c.path.toStdString();
        EXPECT_EQ(QFile::permissions(c.path), mode);
        if (!before.isEmpty()) {
            QFile in(c.path);
            ASSERT_TRUE(in.open(QIODevice::ReadOnly));
            EXPECT_EQ(in.readAll(), before);
        }
    }
    // Reading the pipe is refused too, at once; a folder is named as one.
    EXPECT_THROW(ComponentRegistry{pipe}, Error);
    try {
        ComponentRegistry{folder};
        ADD_FAILURE();
    } catch (const Error &error) {
        EXPECT_TRUE(error.description().contains(QLatin1String("is a folder"))) << error.description().toStdString();
    }
    // The large registry is still read whole, in linear time: 100,000 keys.
    EXPECT_GT(ComponentRegistry(bigPath).classes().size()
                  + IniDocument::load(bigPath).sections().front().entries.size(),
              size_t(70000));
    ::chmod(QFile::encodeName(shutFolder).constData(), 0755);
}

}  // namespace
}  // namespace pinxel::test
