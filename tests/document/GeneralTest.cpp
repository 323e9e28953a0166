// The error reporter's fixed messages and the two general helpers.

#include "document/mdlGeneral.h"
#include "pinxel/ScriptedHostServices.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pinxel {
namespace {

class GeneralTest : public ::testing::Test {
protected:
    ScriptedHostServices host;
    void SetUp() override { HostServices::setCurrent(&host); }
    void TearDown() override { HostServices::setCurrent(nullptr); }

    // Reports and returns the one box shown, checking its style.
    QString reported(int code, const QString &description)
    {
        host.answerMsgBox(AnswerOk);
        ReportError(code, description);
        EXPECT_EQ(host.pendingAnswers(), 0);
        EXPECT_EQ(host.shown().size(), 1u);
        if (host.shown().empty())
            return QStringLiteral("<nothing shown>");
        const ShownDialog shown = host.shown().back();
        EXPECT_EQ(shown.kind, DialogKind::MessageBox);
        EXPECT_EQ(shown.style, 16);
        host.clearShown();
        return shown.text;
    }
};

TEST_F(GeneralTest, EachCodeShowsItsFixedTextAndIgnoresTheDescription)
{
    const QString any = QStringLiteral("Overflow");
    EXPECT_EQ(reported(1, any),
              QStringLiteral("Cannot write to the disk.\r\n\r\nMake sure the disk is not full or write-protected."));
    EXPECT_EQ(reported(2, any), QStringLiteral("Cannot print the file.\r\n\r\nMake sure the print is ready."));
    EXPECT_EQ(reported(3, any),
              QStringLiteral("Cannot open the file.\r\n\r\nThe file may be corrupt or not a valid picture file."));
    EXPECT_EQ(reported(3, QString()), reported(3, QStringLiteral("Something else entirely")));
    EXPECT_EQ(reported(4, any),
              QStringLiteral("Cannot drawing using the selected tool.\r\n\r\nThe needed file may be missing."));
}

TEST_F(GeneralTest, CodeZeroShowsTheDescriptionAloneEvenWhenEmpty)
{
    EXPECT_EQ(reported(0, QStringLiteral("Division by zero")), QStringLiteral("Division by zero"));
    EXPECT_EQ(reported(0, QString()), QString());
}

TEST_F(GeneralTest, OtherCodesShowNothing)
{
    for (int code : {5, -1, 53, 32755}) {
        ReportError(code, QStringLiteral("ignored"));  // no answer queued: a box would throw
        EXPECT_TRUE(host.shown().empty()) << code;
    }
}

TEST_F(GeneralTest, FileExistsIsAFlag)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("x.bmp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(FileExists(dir.filePath("x.bmp")), FlagTrue);
    EXPECT_EQ(FileExists(dir.filePath("y.bmp")), FlagFalse);
}

TEST_F(GeneralTest, ChooseValueTakesAForAnyNonZeroFlag)
{
    EXPECT_EQ(ChooseValue(FlagTrue, 1, 2), 1);
    EXPECT_EQ(ChooseValue(Flag(1), 1, 2), 1);
    EXPECT_EQ(ChooseValue(FlagFalse, 1, 2), 2);
    EXPECT_EQ(ChooseValue(FlagTrue, QStringLiteral("a"), QStringLiteral("b")), QStringLiteral("a"));
    EXPECT_EQ(ChooseValue(FlagFalse, 1, 2.5), 2.5);
}

}  // namespace
}  // namespace pinxel
