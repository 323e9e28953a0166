// The property page: its fields, filling from the first selected control,
// and the apply with its partial failures.

#include "ControlFixture.h"

#include "control/EditProperties.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace pinxel::test {
namespace {

class RecordingSite : public PropertyPageSite {
public:
    QList<QObject *> selected;
    std::vector<bool> changes;

    QList<QObject *> selectedControls() override { return selected; }
    void pageChanged(bool changed) override { changes.push_back(changed); }
};

class EditPropertiesPage : public ControlFixture {
protected:
    void SetUp() override
    {
        ControlFixture::SetUp();
        control->initProperties();
        site.selected = {control.get()};
        page.setSite(&site);
    }

    RecordingSite site;
    EditProperties page;
};

TEST_F(EditPropertiesPage, FieldsSitAtTheirPlacesWithTheirCaptionsAndTabOrder)
{
    EXPECT_EQ(page.sizeHint(), QSize(395, 242));  // 5925 x 3630 twips
    EXPECT_EQ(page.txtWindowCaption->geometry(), QRect(6, 111, 379, 22));
    EXPECT_EQ(page.chkEditMenuFile->geometry(), QRect(232, 56, 108, 19));
    EXPECT_EQ(page.lblpicturefilename->text(), QStringLiteral("picturefilename:"));
    EXPECT_EQ(page.chkEditMaximized->text(), QStringLiteral("EditMaximized"));

    const std::vector<QWidget *> order{page.txtAppearance,      page.txtBorderStyle, page.txtWindowCaption,
                                       page.txtpicturefilename, page.txtEditWidth,   page.txtEditHeight,
                                       page.chkEditMaximized,   page.chkEditMenuFile};
    // Tab walks the focus chain over the elements that take focus by tab.
    std::vector<QWidget *> walked{order.front()};
    for (QWidget *w = order.front()->nextInFocusChain(); walked.size() < order.size() && w != order.front();
         w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->parentWidget() == &page)
            walked.push_back(w);
    EXPECT_EQ(walked, order);
}

TEST_F(EditPropertiesPage, AssistiveToolsFindEachFieldByItsCaptionAndItsProperty)
{
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(&page);
    ASSERT_NE(root, nullptr);
    struct Field {
        const char *name;
        QAccessible::Role role;
        const char *description;
    };
    const Field fields[] = {
        {"Appearance:", QAccessible::EditableText, "The control's Appearance property"},
        {"picturefilename:", QAccessible::EditableText, "The control's picturefilename property"},
        {"EditHeight:", QAccessible::EditableText, "The control's EditHeight property"},
        {"EditMenuFile", QAccessible::CheckBox, "The control's EditMenuFile property"},
    };
    for (const Field &field : fields) {
        SCOPED_TRACE(field.name);
        QAccessibleInterface *found = nullptr;
        for (int i = 0; i < root->childCount() && !found; ++i)
            if (QAccessibleInterface *child = root->child(i);
                child->role() == field.role && child->text(QAccessible::Name) == QLatin1String(field.name))
                found = child;
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->text(QAccessible::Description), QLatin1String(field.description));
    }
}

TEST_F(EditPropertiesPage, OpeningOnANewControlShowsItsDefaultsAndMarksThePageChanged)
{
    page.selectionChanged();
    EXPECT_EQ(page.txtAppearance->text(), QStringLiteral("0"));
    EXPECT_EQ(page.txtBorderStyle->text(), QStringLiteral("1"));
    EXPECT_EQ(page.txtEditWidth->text(), QStringLiteral("10000"));
    EXPECT_EQ(page.txtEditHeight->text(), QStringLiteral("10000"));
    EXPECT_EQ(page.txtWindowCaption->text(), QString());
    EXPECT_EQ(page.txtpicturefilename->text(), QString());
    EXPECT_FALSE(page.chkEditMaximized->isChecked());
    EXPECT_FALSE(page.chkEditMenuFile->isChecked());
    EXPECT_TRUE(page.changed());
    ASSERT_FALSE(site.changes.empty());
    EXPECT_TRUE(site.changes.back());
}

TEST_F(EditPropertiesPage, FillingTicksTheBoxesAndSetsThePageFlags)
{
    control->setEditMenuFile(true);
    control->setEditMaximized(true);
    control->setWindowCaption(QStringLiteral("Caption"));
    page.selectionChanged();
    EXPECT_TRUE(page.chkEditMenuFile->isChecked());
    EXPECT_TRUE(page.chkEditMaximized->isChecked());
    EXPECT_EQ(page.PageEditMenuFile, FlagTrue);
    EXPECT_EQ(page.PageEditMaximized, FlagTrue);
    EXPECT_EQ(page.txtWindowCaption->text(), QStringLiteral("Caption"));
}

TEST_F(EditPropertiesPage, CheckingEditMenuFileAndApplyingSetsItTrue)
{
    page.selectionChanged();
    page.chkEditMenuFile->click();
    EXPECT_EQ(page.PageEditMenuFile, FlagTrue);
    container.notices.clear();
    page.applyChanges();
    EXPECT_TRUE(control->EditMenuFile());
    EXPECT_EQ(container.notices, (QStringList{"EditMenuFile", "EditMaximized", "EditHeight", "EditWidth",
                                              "PictureFilename", "WindowCaption", "BorderStyle", "Appearance"}));
}

TEST_F(EditPropertiesPage, LettersInEditWidthFailAtTheFourthStepAfterTheFirstThreeApplied)
{
    page.selectionChanged();
    page.chkEditMenuFile->click();
    page.chkEditMaximized->click();
    page.txtEditHeight->setText(QStringLiteral("4321"));
    page.txtEditWidth->setText(QStringLiteral("abc"));
    page.txtWindowCaption->setText(QStringLiteral("not applied"));
    try {
        page.applyChanges();
        FAIL() << "\"abc\" was applied";
    } catch (const Error &error) {
        EXPECT_EQ(error.number(), ErrTypeMismatch);
        EXPECT_TRUE(error.description().startsWith(QStringLiteral("EditWidth:"))) << qPrintable(error.description());
    }
    EXPECT_TRUE(control->EditMenuFile());
    EXPECT_TRUE(control->EditMaximized());
    EXPECT_EQ(control->EditHeight(), 4321);
    EXPECT_EQ(control->EditWidth(), 10000);
    EXPECT_EQ(control->WindowCaption(), QString());
}

TEST_F(EditPropertiesPage, AMissingPictureFileFailsAtTheFifthStepAndTheNameStays)
{
    page.selectionChanged();
    page.txtEditWidth->setText(QStringLiteral("8000"));
    const QString missing = path("missing.bmp");
    page.txtpicturefilename->setText(missing);
    page.txtAppearance->setText(QStringLiteral("1"));
    try {
        page.applyChanges();
        FAIL() << "a missing file was applied";
    } catch (const Error &error) {
        EXPECT_EQ(error.number(), ErrFileNotFound);
        EXPECT_TRUE(error.description().startsWith(QStringLiteral("picturefilename:")));
    }
    EXPECT_EQ(control->EditWidth(), 8000);
    EXPECT_EQ(control->Appearance(), 0);
    EXPECT_THROW(control->picturefilename(), Error) << "the control keeps the new name and reloads it";
}

TEST_F(EditPropertiesPage, AValueTheImageRefusesFailsAtItsField)
{
    page.selectionChanged();
    page.txtBorderStyle->setText(QStringLiteral("7"));
    page.txtWindowCaption->setText(QStringLiteral("applied"));
    try {
        page.applyChanges();
        FAIL() << "BorderStyle 7 was applied";
    } catch (const Error &error) {
        EXPECT_EQ(error.number(), ErrPropertyNotFound);
    }
    EXPECT_EQ(control->WindowCaption(), QStringLiteral("applied"));
    EXPECT_EQ(control->BorderStyle(), 1);
}

TEST_F(EditPropertiesPage, OnlyTheFirstSelectedControlIsReadAndWritten)
{
    Dabbler second;
    second.setWindowCaption(QStringLiteral("second"));
    site.selected = {control.get(), &second};
    page.selectionChanged();
    page.txtWindowCaption->setText(QStringLiteral("first"));
    page.applyChanges();
    EXPECT_EQ(control->WindowCaption(), QStringLiteral("first"));
    EXPECT_EQ(second.WindowCaption(), QStringLiteral("second"));

    site.selected.clear();
    EXPECT_THROW(page.selectionChanged(), Error);
    QObject notAControl;
    site.selected = {&notAControl};
    EXPECT_THROW(page.applyChanges(), Error);
}

}  // namespace
}  // namespace pinxel::test
