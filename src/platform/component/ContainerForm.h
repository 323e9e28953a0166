#pragma once
// The form file of a container that holds one control: the control's
// properties in their own section (a FilePropertyBag), beside whatever else
// the host keeps in the file.
//
// A form that cannot be read, or whose values do not all restore, is never
// lost: the message says what failed, and the first save afterwards keeps
// the former file as FILE.bak before it replaces it.
//
// Compiled into the library and into hosts that do not link it.

#include "platform/component/FilePropertyBag.h"

#include <memory>

namespace pinxel {

class DabblerInterface;

class ContainerForm {
public:
    // Reads the form file; a file that cannot be read gives an empty form and loadError().
    ContainerForm(const QString &path, const QString &controlName);

    QString path() const { return m_bag->path(); }
    // Why the file could not be read; empty when it was read (or did not exist).
    QString loadError() const { return m_loadError; }
    // True when the file holds the control: it was saved before.
    bool holdsControl() const { return m_bag->hasSection(); }

    // Restores the control from the form, or, when the form does not hold it
    // yet, initialises it as a new instance showing firstPicture (if any).
    // Returns a message for the user when a value failed to restore or the
    // picture could not be shown; empty when all went well.
    QString restore(DabblerInterface &control, const QString &firstPicture = QString());
    // Keeps the control's properties in the form in memory (the file is not
    // written), as a designer does before it recreates a control.
    void keep(DabblerInterface &control);
    // Writes the control's properties and the form file. Raises pinxel::Error
    // when the file or its backup cannot be written; returns the backup made, if any.
    QString save(DabblerInterface &control);

    IniDocument &document() { return m_bag->document(); }
    FilePropertyBag &bag() { return *m_bag; }

private:
    std::unique_ptr<FilePropertyBag> m_bag;
    QString m_loadError;
    bool m_backupBeforeSave = false;
};

}  // namespace pinxel
