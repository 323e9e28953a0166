#pragma once
// Shared by the control tests: a container that records what the control
// tells it, and a fixture with scripted host services, a standard screen and
// a temporary folder with picture files.

#include "pinxel/Container.h"
#include "pinxel/DabblerWidget.h"
#include "pinxel/Screen.h"
#include "pinxel/ScriptedHostServices.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace pinxel::test {

class RecordingContainer : public Container {
public:
    struct Event {
        QString name;
        QVariantList arguments;
    };

    bool userMode = true;
    QStringList notices;
    std::vector<Event> events;

    bool ambientUserMode() const override { return userMode; }
    void propertyChanged(const QString &name) override { notices << name; }
    void raiseEvent(const QString &name, QVariantList &arguments) override { events.push_back({name, arguments}); }
};

class ControlFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        setTwipsPerPixelOverride(15.0);
        HostServices::setCurrent(&host);
        control = std::make_unique<Dabbler>();
        control->setContainer(&container);
        // Shown (offscreen), so that resizes reach the control at once.
        control->show();
    }
    void TearDown() override
    {
        control.reset();
        HostServices::setCurrent(nullptr);
        setTwipsPerPixelOverride(0.0);
    }

    // Writes a picture file into the temporary folder and returns its path.
    QString pictureFile(const QString &name, const QImage &picture)
    {
        const QString path = m_dir.filePath(name);
        host.SavePicture(picture, path);
        return path;
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    ScriptedHostServices host;
    RecordingContainer container;
    std::unique_ptr<Dabbler> control;

private:
    QTemporaryDir m_dir;
};

}  // namespace pinxel::test
