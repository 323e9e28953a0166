// Form files: the text format, the file-backed property bag and a host's
// round trip of the control's properties through a form file.

#include "ControlFixture.h"

#include "control/EditProperties.h"
#include "control/ImageElement.h"
#include "platform/component/ContainerForm.h"
#include "platform/component/FilePropertyBag.h"
#include "platform/files/IniDocument.h"

#include <QFile>
#include <QLineEdit>

namespace pinxel::test {
namespace {

using FormFile = ControlFixture;

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

TEST(IniDocumentFormat, ValuesThatNeedQuotesSurviveTheRoundTrip)
{
    IniDocument document;
    const QStringList values{QStringLiteral("  leading and trailing  "),
                             QStringLiteral("\"quoted\""),
                             QStringLiteral("back\\slash"),
                             QStringLiteral("two\nlines\r\tand tab"),
                             QStringLiteral("a=b;c [d]"),
                             QStringLiteral("Ünïcödé"),
                             QString(),
                             QStringLiteral("\x01")};
    for (int i = 0; i < values.size(); ++i)
        document.setValue(QStringLiteral("S"), QStringLiteral("K%1").arg(i), values[i]);
    const IniDocument back = IniDocument::parse(document.toText());
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(back.value(QStringLiteral("s"), QStringLiteral("k%1").arg(i)), values[i]) << i;
    EXPECT_TRUE(document.toText().contains(QStringLiteral("K4=a=b;c [d]\n"))) << "plain values stay plain";
}

TEST(IniDocumentFormat, MalformedTextNamesTheLine)
{
    const auto failure = [](const char *text) {
        try {
            IniDocument::parse(QString::fromUtf8(text), QStringLiteral("form.ini"));
        } catch (const Error &error) {
            EXPECT_EQ(error.number(), ErrBadFileFormat);
            return error.description();
        }
        return QStringLiteral("parsed");
    };
    EXPECT_TRUE(failure("[A]\nKey=1\nno equals sign\n").contains(QStringLiteral("form.ini, line 3")));
    EXPECT_TRUE(failure("Key=1\n").contains(QStringLiteral("line 1")));
    EXPECT_TRUE(failure("[A]\nK=\"open\n").contains(QStringLiteral("closing quote")));
    EXPECT_TRUE(failure("[A]\nK=\"bad \\q\"\n").contains(QStringLiteral("escape")));
    EXPECT_TRUE(failure("[A]\nK=1\nk=2\n").contains(QStringLiteral("twice")));
    EXPECT_TRUE(failure("[A]\n[a]\n").contains(QStringLiteral("twice")));
    EXPECT_TRUE(failure("[A\n").contains(QStringLiteral("line 1")));
}

TEST_F(FormFile, TheHostsFormFileRoundTripKeepsEveryPropertyAndOtherSections)
{
    const QString form = path("form.ini");
    writeText(form, "; my form\n[Form]\nWidth=640\n\n[Other]\nKeep=me\n");
    const QString picture = pictureFile("sample.bmp", randomImage(9, 7, 5));

    // First placement: a new instance, its values edited through the property page, saved.
    {
        FilePropertyBag bag(form, QStringLiteral("Dabbler1"));
        ASSERT_FALSE(bag.hasSection());
        control->initProperties();
        control->setPicturefilename(picture);
        EditProperties page;
        struct Site : PropertyPageSite {
            QObject *control;
            QList<QObject *> selectedControls() override { return {control}; }
            void pageChanged(bool) override {}
        } site;
        site.control = control.get();
        page.setSite(&site);
        page.selectionChanged();
        page.txtWindowCaption->setText(QStringLiteral("  Holiday \"2024\"  "));
        page.txtEditWidth->setText(QStringLiteral("7200"));
        page.txtAppearance->setText(QStringLiteral("1"));
        page.applyChanges();
        control->setStretch(false);
        control->writeProperties(bag);
        bag.save();
    }
    const QString text = readText(form);
    EXPECT_TRUE(text.contains(QStringLiteral("EditWidth=7200\n"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("Stretch=False\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("[Other]\nKeep=me\n")));
    EXPECT_TRUE(text.indexOf(QStringLiteral("Appearance=")) < text.indexOf(QStringLiteral("EditMenuFile=")));

    // A restart: the next creation restores from the file.
    FilePropertyBag bag(form, QStringLiteral("Dabbler1"));
    ASSERT_TRUE(bag.hasSection());
    Dabbler restored;
    restored.readProperties(bag);
    EXPECT_EQ(restored.WindowCaption(), QStringLiteral("  Holiday \"2024\"  "));
    EXPECT_EQ(restored.EditWidth(), 7200);
    EXPECT_EQ(restored.Appearance(), 1);
    EXPECT_FALSE(restored.Stretch());
    EXPECT_EQ(restored.picturefilename(), picture);
    EXPECT_TRUE(sameImage(randomImage(9, 7, 5), restored.Image1()->Picture()));
    EXPECT_EQ(bag.document().value(QStringLiteral("Form"), QStringLiteral("Width")), QStringLiteral("640"));
}

TEST_F(FormFile, AValueThatDoesNotConvertFailsTheRestoreAndNamesItsKey)
{
    const QString form = path("form.ini");
    writeText(form, "[Dabbler1]\nAppearance=1\nEditWidth=wide\nEditHeight=5000\n");
    FilePropertyBag bag(form, QStringLiteral("Dabbler1"));
    EXPECT_THROW(control->readProperties(bag), Error);
    EXPECT_EQ(bag.lastReadKey(), QStringLiteral("EditWidth"));
    EXPECT_EQ(control->Appearance(), 1);
    EXPECT_EQ(readText(form), QStringLiteral("[Dabbler1]\nAppearance=1\nEditWidth=wide\nEditHeight=5000\n"))
        << "reading never writes";
}

TEST_F(FormFile, BadFilesRaiseAndAFailedSaveKeepsTheOldFile)
{
    const QString form = path("form.ini");
    writeText(form, "[Dabbler1]\nno value here\n");
    EXPECT_THROW(FilePropertyBag(form, QStringLiteral("Dabbler1")), Error);

    writeText(form, QByteArray(IniDocument::MaxFileSize + 1, 'x'));
    EXPECT_THROW(FilePropertyBag(form, QStringLiteral("Dabbler1")), Error);

    writeText(form, "[Dabbler1]\nWindowCaption=old\n");
    FilePropertyBag bag(form, QStringLiteral("Dabbler1"));
    control->setWindowCaption(QStringLiteral("new"));
    control->writeProperties(bag);
    // The folder becomes unwritable: the save fails and the file stays whole.
    QFile::setPermissions(path(QString()), QFile::ReadOwner | QFile::ExeOwner);
    const bool writable = QFile(path("probe")).open(QIODevice::WriteOnly);  // root writes anyway
    if (!writable) {
        EXPECT_THROW(bag.save(), Error);
        EXPECT_EQ(readText(form), QStringLiteral("[Dabbler1]\nWindowCaption=old\n"));
    }
    QFile::setPermissions(path(QString()), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A folder that cannot be made (a file stands in its way) fails the same way, also for root.
    FilePropertyBag nowhere(form + QStringLiteral("/sub/form.ini"), QStringLiteral("Dabbler1"));
    control->writeProperties(nowhere);
    try {
        nowhere.save();
        FAIL() << "saved below a file";
    } catch (const Error &error) {
        EXPECT_EQ(error.number(), ErrPathNotFound);
    }
    bag.save();
    EXPECT_TRUE(readText(form).contains(QStringLiteral("WindowCaption=new\n")));
}

TEST_F(FormFile, AHostsFormPlacesTheControlWithTheSamplePictureAndFindsItAfterARestart)
{
    const QString formPath = path("host-form.ini");
    const QString sample = pictureFile("sample.bmp", randomImage(6, 4, 21));
    {
        ContainerForm form(formPath, QStringLiteral("Dabbler1"));
        EXPECT_TRUE(form.loadError().isEmpty());
        EXPECT_FALSE(form.holdsControl());
        control->setEditWidth(1);  // a new instance starts from the defaults
        EXPECT_EQ(form.restore(*control, sample), QString());
        EXPECT_EQ(control->EditWidth(), 10000);
        EXPECT_EQ(container.notices, (QStringList{"EditWidth", "PictureFilename"}));
        EXPECT_TRUE(sameImage(randomImage(6, 4, 21), control->Image1()->Picture()));
        control->setWindowCaption(QStringLiteral("Edited in design mode"));
        form.document().setValue(QStringLiteral("Form"), QStringLiteral("Width"), QStringLiteral("800"));
        EXPECT_EQ(form.save(*control), QString()) << "no backup of a good file";
    }
    ContainerForm again(formPath, QStringLiteral("Dabbler1"));
    ASSERT_TRUE(again.holdsControl());
    Dabbler restarted;
    EXPECT_EQ(again.restore(restarted, path("not-used-any-more.bmp")), QString());
    EXPECT_EQ(restarted.WindowCaption(), QStringLiteral("Edited in design mode"));
    EXPECT_EQ(restarted.picturefilename(), sample);
    EXPECT_EQ(again.document().value(QStringLiteral("Form"), QStringLiteral("Width")), QStringLiteral("800"));

    // A designer recreating the control keeps its values in memory only.
    restarted.setEditHeight(4444);
    again.keep(restarted);
    Dabbler recreated;
    again.restore(recreated);
    EXPECT_EQ(recreated.EditHeight(), 4444);
    EXPECT_FALSE(readText(formPath).contains(QStringLiteral("4444")));
}

TEST_F(FormFile, AFormThatFailedToRestoreIsKeptAsABackupBeforeItIsReplaced)
{
    const QString formPath = path("form.ini");
    const QByteArray original = "[Dabbler1]\nWindowCaption=kept\nEditWidth=wide\nEditMenuFile=True\n";
    writeText(formPath, original);
    ContainerForm form(formPath, QStringLiteral("Dabbler1"));
    const QString message = form.restore(*control);
    EXPECT_TRUE(message.contains(QStringLiteral("EditWidth"))) << qPrintable(message);
    EXPECT_TRUE(message.contains(QStringLiteral("Type mismatch")));
    EXPECT_EQ(control->WindowCaption(), QStringLiteral("kept"));
    EXPECT_EQ(readText(formPath).toUtf8(), original);

    control->setEditWidth(9000);
    EXPECT_EQ(form.save(*control), formPath + QStringLiteral(".bak"));
    EXPECT_EQ(readText(formPath + QStringLiteral(".bak")).toUtf8(), original);
    EXPECT_TRUE(readText(formPath).contains(QStringLiteral("EditWidth=9000")));
    EXPECT_EQ(form.save(*control), QString()) << "one backup, before the first replacement";
}

TEST_F(FormFile, AnUnreadableFormStartsEmptyAndIsKeptAsABackup)
{
    const QString formPath = path("form.ini");
    const QByteArray original = "[Dabbler1]\nthis is not a form\n";
    writeText(formPath, original);
    ContainerForm form(formPath, QStringLiteral("Dabbler1"));
    EXPECT_TRUE(form.loadError().contains(QStringLiteral("line 2"))) << qPrintable(form.loadError());
    EXPECT_FALSE(form.holdsControl());
    EXPECT_EQ(form.restore(*control), QString());
    EXPECT_EQ(form.save(*control), formPath + QStringLiteral(".bak"));
    EXPECT_EQ(readText(formPath + QStringLiteral(".bak")).toUtf8(), original);
    EXPECT_TRUE(ContainerForm(formPath, QStringLiteral("Dabbler1")).holdsControl());
}

}  // namespace
}  // namespace pinxel::test
