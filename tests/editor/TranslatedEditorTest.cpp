// The editor and the property page in German and in English: the menus, a
// tool's tooltip and hint, a message and the page's captions follow the
// library's translator, and the English ones stay as they always were.

#include "control/EditProperties.h"
#include "platform/Translations.h"
#include "support/EditorFixture.h"
#include "tools/ToolTable.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>

namespace pinxel::test {
namespace {

std::string lines(const QStringList &texts) { return texts.join('\n').toStdString(); }

class TranslatedEditor : public EditorFixture {
protected:
    void TearDown() override
    {
        EditorFixture::TearDown();
        translations::remove();
    }
};

TEST_F(TranslatedEditor, ShowsTheTextsOfItsLanguage)
{
    struct Texts {
        QLocale locale;
        QStringList menus;   // Edit, Format, its Border Style and Fill Style's first items, Undo
        QStringList pencil;  // tooltip, hint
        QString question;
        QStringList page;  // a label and a check box
    };
    const Texts languages[] = {
        {QLocale::c(),
         {"&Edit", "F&ormat", "&Solid", "&Solid", "&Undo"},
         {"Pencil", "Draws using a pencil with the selected dot size"},
         "Do you want to save the changes?",
         {"Appearance:", "EditMenuFile"}},
        {QLocale(QLocale::German, QLocale::Germany),
         {"&Bearbeiten", "F&ormat", "&Durchgezogen", "Ausge&füllt", "&Rückgängig"},
         {"Bleistift", "Zeichnet mit einem Bleistift in der gewählten Punktgröße"},
         "Möchten Sie die Änderungen speichern?",
         {"Darstellung:", "Menü „Datei“ zeigen"}},
    };
    for (const Texts &language : languages) {
        SCOPED_TRACE(language.locale.name().toStdString());
        translations::install(language.locale);
        frmPaint &window = openCanvas(40, 30);
        const auto action = [&](const char *name) { return window.findChild<QAction *>(name)->text(); };
        EXPECT_EQ(lines({window.menu("mnuEdit")->title(), window.menu("mnuFormat")->title(), action("mnuBS(0)"),
                         action("mnuFS(0)"), action("mnuUndo")}),
                  lines(language.menus));
        selectTool(ToolPencil);
        EXPECT_EQ(lines({window.optTools[ToolPencil]->toolTip(), window.model().statusText(1)}),
                  lines(language.pencil));
        click(5, 5);
        host.clearShown();
        newPicture();
        EXPECT_EQ(lines(host.messages()), language.question.toStdString());

        EditProperties page;
        EXPECT_EQ(lines({page.lblAppearance->text(), page.chkEditMenuFile->text()}), lines(language.page));
        TearDown();
    }
}

}  // namespace
}  // namespace pinxel::test
