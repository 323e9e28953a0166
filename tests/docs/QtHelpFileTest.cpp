// The API reference's Qt help file, pinxel.qch, as Qt Assistant and Qt
// Creator take it: registered through QHelpEngineCore into a help collection
// of the test's own, under its namespace, with the control's class in its
// keyword index and the class's page in the file.

#include <QHelpEngineCore>
#include <QHelpLink>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QString QchFile = QStringLiteral(PINXEL_DOCS_QCH);
const QString Namespace = QStringLiteral(PINXEL_DOCS_NAMESPACE);

// A help collection in the folder with the reference registered, as
// "assistant -register" makes one; null when that failed.
std::unique_ptr<QHelpEngineCore> registered(const QTemporaryDir &folder)
{
    auto engine = std::make_unique<QHelpEngineCore>(folder.filePath(QStringLiteral("collection.qhc")));
    engine->setReadOnly(false);  // Assistant's own collection is written to as well
    if (!engine->setupData() || !engine->registerDocumentation(QchFile)) {
        ADD_FAILURE() << engine->error().toStdString();
        return nullptr;
    }
    return engine;
}

}  // namespace

TEST(QtHelpFile, RegistersUnderItsNamespace)
{
    EXPECT_EQ(QHelpEngineCore::namespaceName(QchFile), Namespace);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::unique_ptr<QHelpEngineCore> engine = registered(folder);
    ASSERT_TRUE(engine);
    EXPECT_TRUE(engine->registeredDocumentations().contains(Namespace));
    EXPECT_EQ(engine->documentationFileName(Namespace), QchFile);
}

TEST(QtHelpFile, IndexLeadsToTheClassPages)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::unique_ptr<QHelpEngineCore> engine = registered(folder);
    ASSERT_TRUE(engine);
    for (const char *keyword : {"pinxel::Dabbler", "pinxel::EditorWidget", "pinxel::DabblerInterface"}) {
        const QList<QHelpLink> links = engine->documentsForKeyword(QString::fromLatin1(keyword));
        ASSERT_FALSE(links.isEmpty()) << keyword;
        const QUrl page = links.front().url;
        EXPECT_EQ(page.host(), Namespace) << keyword;
        EXPECT_TRUE(engine->fileData(page).contains(keyword)) << keyword << " in " << page.toString().toStdString();
    }
    // The main page, and the three pages on using the control.
    for (const char *page : {"index.html", "by_name.html", "linked.html", "inline_editor.html"}) {
        const QUrl url(QStringLiteral("qthelp://%1/pinxel/%2").arg(Namespace, QString::fromLatin1(page)));
        EXPECT_FALSE(engine->fileData(url).isEmpty()) << url.toString().toStdString();
    }
}
