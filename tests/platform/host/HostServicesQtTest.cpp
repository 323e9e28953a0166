// The Qt services with their real dialogs, answered by the test from inside
// the dialog's own event loop, as a person would click.

#include "pinxel/Error.h"
#include "pinxel/QtHostServices.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace pinxel {
namespace {

// Once the modal window is up, act on it. A window that never appears
// cannot hang the test: every dialog left open is rejected.
void whenModal(std::function<void(QWidget *)> act, int triesLeft = 500)
{
    QTimer::singleShot(0, [act = std::move(act), triesLeft]() mutable {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            act(modal);
        } else if (triesLeft > 0) {
            whenModal(std::move(act), triesLeft - 1);
        } else {
            ADD_FAILURE() << "no modal window appeared";
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (auto *dialog = qobject_cast<QDialog *>(widget))
                    dialog->reject();
        }
    });
}

// The same for a colour dialog opened from a modal window already up.
void whenModalColorDialog(std::function<void(QColorDialog *)> act, int triesLeft = 500)
{
    QTimer::singleShot(0, [act = std::move(act), triesLeft]() mutable {
        if (auto *colors = qobject_cast<QColorDialog *>(QApplication::activeModalWidget())) {
            act(colors);
        } else if (triesLeft > 0) {
            whenModalColorDialog(std::move(act), triesLeft - 1);
        } else {
            ADD_FAILURE() << "no colour dialog appeared";
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (auto *dialog = qobject_cast<QDialog *>(widget))
                    dialog->reject();
        }
    });
}

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Shows a box of the style, records it and clicks the button with the text.
int answerBox(int style, const QString &click, SeenBox &seen)
{
    QtHostServices host;
    whenModal([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton *button : box->buttons()) {
            seen.buttons << button->text().remove(QLatin1Char('&'));
            if (button->text().remove(QLatin1Char('&')) == click)
                button->click();
        }
    });
    return host.MsgBox(QStringLiteral("Do you want to save the changes?"), style);
}

TEST(QtHostDialogTest, MessageBoxStylesGiveTheirIconsButtonsAndAnswers)
{
    SeenBox seen;
    EXPECT_EQ(answerBox(MsgCritical, QStringLiteral("OK"), seen), AnswerOk);
    EXPECT_EQ(seen.title, QStringLiteral("Pinxel"));
    EXPECT_EQ(seen.text, QStringLiteral("Do you want to save the changes?"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons.size(), 1);

    seen = {};
    EXPECT_EQ(answerBox(MsgQuestionYesNo, QStringLiteral("No"), seen), AnswerNo);
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons.size(), 2);

    seen = {};
    EXPECT_EQ(answerBox(MsgExclamationYesNoCancel, QStringLiteral("Yes"), seen), AnswerYes);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons.size(), 3);

    seen = {};
    EXPECT_EQ(answerBox(MsgExclamationYesNoCancel, QStringLiteral("Cancel"), seen), AnswerCancel);
}

TEST(QtHostDialogTest, AClosedWindowAwaitingDeletionDoesNotParentTheBox)
{
    auto *closed = new QWidget;
    closed->show();
    closed->close();
    // Qt may not have moved the activation on yet.
    QApplication::setActiveWindow(closed);
    closed->deleteLater();
    QtHostServices host;
    whenModal([&](QWidget *modal) {
        EXPECT_NE(modal->parentWidget(), closed);
        static_cast<QMessageBox *>(modal)->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(host.MsgBox(QStringLiteral("Saved."), MsgInformation), AnswerOk);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(QtHostDialogTest, CancelledFileDialogsRaiseCancel)
{
    QtHostServices host;
    CommonDialog dialog;
    dialog.Filter = QStringLiteral("Bitmap (*.bmp)|*.bmp|All Files|*.*");
    dialog.FileName = QStringLiteral("kept.bmp");
    QStringList filters;
    whenModal([&](QWidget *modal) {
        auto *box = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(box, nullptr);
        filters = box->nameFilters();
        box->reject();
    });
    int number = 0;
    try {
        host.ShowSave(dialog);
    } catch (const Error &error) {
        number = error.number();
        EXPECT_EQ(error.description(), QStringLiteral("Cancel was selected."));
    }
    EXPECT_EQ(number, ErrCancel);
    EXPECT_EQ(dialog.FileName, QStringLiteral("kept.bmp"));
    EXPECT_EQ(filters, (QStringList{QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("All Files (*.*)")}));
}

TEST(QtHostDialogTest, AcceptedOpenDialogGivesTheFileAndFilterIndex)
{
    QTemporaryDir dir;
    test::filledImage(2, 2, 0).save(dir.filePath("a.png"));
    QtHostServices host;
    CommonDialog dialog;
    dialog.Flags = 4100;
    dialog.Filter = QStringLiteral("Bitmap|*.bmp|Pictures|*.png;*.gif");
    dialog.InitDir = dir.path();
    whenModal([&](QWidget *modal) {
        auto *box = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(box, nullptr);
        box->selectNameFilter(box->nameFilters().at(1));
        box->selectFile(dir.filePath("a.png"));
        QMetaObject::invokeMethod(box, "accept");
    });
    host.ShowOpen(dialog);
    EXPECT_EQ(dialog.FileName, dir.filePath("a.png"));
    EXPECT_EQ(dialog.FilterIndex, 2);
}

TEST(QtHostDialogTest, CancelledColourDialogLeavesTheColour)
{
    QtHostServices host;
    CommonDialog dialog;
    dialog.Color = composeColor(10, 20, 30);
    QColor shown;
    whenModal([&](QWidget *modal) {
        auto *box = qobject_cast<QColorDialog *>(modal);
        ASSERT_NE(box, nullptr);
        shown = box->currentColor();
        box->reject();
    });
    host.ShowColor(dialog);
    EXPECT_EQ(dialog.Color, composeColor(10, 20, 30));
    EXPECT_EQ(shown, QColor(10, 20, 30));
}

// With the effects offered (flags 65795) the font dialog has a colour: the
// colour chosen comes back with the font; a cancel keeps both presets.
TEST(QtHostDialogTest, TheFontDialogOffersAColourWithTheEffects)
{
    QtHostServices host;
    CommonDialog dialog;
    dialog.Flags = 65795;
    dialog.FontName = test::knownFontFamily();
    dialog.FontSize = 10;
    dialog.Color = composeColor(10, 20, 30);
    whenModal([&](QWidget *modal) {
        QPushButton *color = nullptr;
        for (QPushButton *button : modal->findChildren<QPushButton *>())
            if (button->text() == QStringLiteral("&Color..."))
                color = button;
        ASSERT_NE(color, nullptr);
        whenModalColorDialog([modal](QColorDialog *colors) {
            EXPECT_EQ(colors->currentColor(), QColor(10, 20, 30));
            colors->setCurrentColor(QColor(200, 100, 50));
            colors->accept();
            whenModal([modal](QWidget *) { qobject_cast<QDialog *>(modal)->accept(); });
        });
        color->click();
    });
    host.ShowFont(dialog);
    EXPECT_EQ(dialog.Color, composeColor(200, 100, 50));
    EXPECT_EQ(dialog.FontName, test::knownFontFamily());

    dialog.Color = composeColor(1, 2, 3);
    whenModal([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
    host.ShowFont(dialog);
    EXPECT_EQ(dialog.Color, composeColor(1, 2, 3));
}

// The font dialog opens on exactly the presets, style included, and OK with
// nothing touched gives them back; what the user changes comes back changed.
TEST(QtHostDialogTest, TheFontDialogShowsThePresetsAndOkKeepsThem)
{
    // The machine's face as the editor finds it (a face the test loads itself
    // lists its styles in another order).
    const QString face = QStringLiteral("DejaVu Sans");
    struct Case {
        double size;
        bool bold, italic, underline, strikethru;
    };
    for (const Case c : {Case{9.75, false, false, false, false}, Case{12, true, false, true, false},
                         Case{8, false, true, false, true}, Case{14.5, true, true, true, true}}) {
        SCOPED_TRACE(::testing::Message() << c.size << c.bold << c.italic << c.underline << c.strikethru);
        QtHostServices host;
        CommonDialog dialog;
        dialog.FontName = face;
        dialog.FontSize = c.size;
        dialog.FontBold = c.bold;
        dialog.FontItalic = c.italic;
        dialog.FontUnderline = c.underline;
        dialog.FontStrikethru = c.strikethru;
        QFont shown;
        whenModal([&](QWidget *modal) {
            shown = modal->findChild<QFontDialog *>()->currentFont();
            qobject_cast<QDialog *>(modal)->accept();
        });
        host.ShowFont(dialog);
        EXPECT_EQ(shown.family(), face);
        EXPECT_EQ(shown.bold(), c.bold);
        EXPECT_EQ(shown.italic(), c.italic);
        EXPECT_EQ(shown.underline(), c.underline);
        EXPECT_EQ(shown.strikeOut(), c.strikethru);
        EXPECT_EQ(dialog.FontName, face);
        EXPECT_EQ(dialog.FontSize, c.size);
        EXPECT_EQ(dialog.FontBold, c.bold);
        EXPECT_EQ(dialog.FontItalic, c.italic);
        EXPECT_EQ(dialog.FontUnderline, c.underline);
        EXPECT_EQ(dialog.FontStrikethru, c.strikethru);

        whenModal([&](QWidget *modal) {
            QFont changed(face, 20);
            changed.setBold(!c.bold);
            modal->findChild<QFontDialog *>()->setCurrentFont(changed);
            qobject_cast<QDialog *>(modal)->accept();
        });
        host.ShowFont(dialog);
        EXPECT_EQ(dialog.FontSize, 20);
        EXPECT_EQ(dialog.FontBold, !c.bold);
    }
}

// The pop-up menu shows the check mark on the item asked for, and only there.
TEST(QtHostDialogTest, ThePopupMenuShowsTheCheckMarkOnTheCurrentItem)
{
    QtHostServices host;
    const QStringList items{"&Black && White", "&Light", "-", "&Dirty"};
    for (const int checked : {3, 0, -1}) {
        QStringList marked;
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction *action : menu->actions())
                if (action->isChecked())
                    marked << action->text();
            menu->close();
        });
        EXPECT_EQ(host.PopupMenu(items, checked), -1);
        EXPECT_EQ(marked, checked < 0 ? QStringList() : QStringList{items[checked]}) << checked;
    }
}

// A picture put on the desktop's clipboard is there for other programs.
TEST(QtHostClipboardTest, APictureGoesToTheDesktopClipboard)
{
    QtHostServices host;
    const QImage picture = test::randomImage(9, 4, 3);
    host.SetClipboardPicture(picture);
    EXPECT_TRUE(test::sameImage(picture, QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32)));
}

}  // namespace
}  // namespace pinxel
