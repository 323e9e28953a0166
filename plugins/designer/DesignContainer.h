#pragma once
// The container of a control placed in Qt Designer: it answers design mode,
// and ignores events and change notices (Designer reads the properties itself).

#include "pinxel/Container.h"

class DesignContainer : public pinxel::Container {
public:
    // One for every control Designer makes; it lives as long as the plugin's library.
    static DesignContainer &instance()
    {
        static DesignContainer container;
        return container;
    }

    bool ambientUserMode() const override { return false; }
    void propertyChanged(const QString &) override {}
    void raiseEvent(const QString &, QVariantList &) override {}
};
