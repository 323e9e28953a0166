#include "pinxel/QtHostServices.h"

#include "pinxel/Error.h"
#include "pinxel/Screen.h"
#include "platform/host/DefaultHostServices.h"
#include "platform/host/PrintPlacement.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QCursor>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace pinxel {

namespace {
// Wherever the library is loaded, its dialogs are the default services.
const bool qtServicesAreTheDefault = [] {
    setDefaultServicesMaker([]() -> std::unique_ptr<HostServices> { return std::make_unique<QtHostServices>(); });
    return true;
}();
}  // namespace

// A printer job on a QPrinter: the first picture opens the document, EndDoc
// closes and sends it. The QPrinter is made on first use, since making one
// asks the system for its printers.
class QtPrinter : public Printer {
public:
    QPrinter &device()
    {
        if (!m_printer) {
            m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            applyOutput();
        }
        return *m_printer;
    }

    void setPdfPath(const QString &path)
    {
        m_pdfPath = path;
        if (m_printer)
            applyOutput();
    }

    void PaintPicture(const QImage &picture, int x, int y) override
    {
        QPrinter &printer = device();
        if (!m_painter.isActive()) {
            printer.setCopyCount(qMax(1, Copies));
            if (!m_painter.begin(&printer))
                throw Error(ErrPrinter,
                            QCoreApplication::translate("Error", "Printer error: the print job could not be started"));
        }
        // At its own size, or scaled down to fit the printable area.
        const QSizeF unitsPerPixel(printer.resolution() * twipsPerPixelX() / 1440.0,
                                   printer.resolution() * twipsPerPixelY() / 1440.0);
        const QSizeF printable = printer.pageLayout().paintRectPixels(printer.resolution()).size();
        m_painter.drawImage(printPlacement(picture.size(), QPoint(x, y), unitsPerPixel, printable), picture);
    }

    void EndDoc() override
    {
        if (m_painter.isActive() && !m_painter.end())
            throw Error(ErrPrinter,
                        QCoreApplication::translate("Error", "Printer error: the print job could not be finished"));
    }

private:
    void applyOutput()
    {
        m_printer->setOutputFormat(m_pdfPath.isEmpty() ? QPrinter::NativeFormat : QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_pdfPath);
    }

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;  // declared after the printer, so it ends first
    QString m_pdfPath;
};

namespace {

[[noreturn]] void cancelled() { throw Error(ErrCancel, QCoreApplication::translate("Error", "Cancel was selected.")); }

enum DialogFlag : int {
    FlagOverwritePrompt = 2,
    FlagNoSelection = 4,    // print dialog
    FlagNoPageNumbers = 8,  // print dialog
    FlagFontEffects = 256,  // font dialog: strikethrough, underline and colour
    FlagPathMustExist = 2048,
    FlagFileMustExist = 4096,
};

void prepareFileDialog(QFileDialog &box, const CommonDialog &dialog, const QString &defaultTitle)
{
    box.setWindowTitle(dialog.DialogTitle.isEmpty() ? defaultTitle : dialog.DialogTitle);
    box.setOption(QFileDialog::DontUseNativeDialog, false);
    const QStringList filters = toQtNameFilters(dialog.Filter);
    if (!filters.isEmpty()) {
        box.setNameFilters(filters);
        box.selectNameFilter(filters.value(qBound(1, dialog.FilterIndex, int(filters.size())) - 1));
    }
    if (!dialog.InitDir.isEmpty())
        box.setDirectory(dialog.InitDir);
    if (!dialog.FileName.isEmpty()) {
        const QFileInfo file(dialog.FileName);
        if (dialog.FileName.contains(QLatin1Char('/')))
            box.setDirectory(file.absolutePath());
        box.selectFile(file.fileName());
    }
}

void readFileDialog(const QFileDialog &box, CommonDialog &dialog)
{
    const QStringList files = box.selectedFiles();
    dialog.FileName = files.isEmpty() ? QString() : files.front();
    const QStringList filters = box.nameFilters();
    const int index = filters.indexOf(box.selectedNameFilter());
    if (index >= 0 && !dialog.Filter.isEmpty())
        dialog.FilterIndex = index + 1;
}

}  // namespace

QString saveDialogSuffix(const CommonDialog &dialog)
{
    const auto plain = [](QString extension) {
        if (extension.startsWith(QLatin1Char('.')))
            extension.remove(0, 1);
        static const QRegularExpression word(QStringLiteral("^[A-Za-z0-9_]+$"));
        return word.match(extension).hasMatch() ? extension : QString();
    };
    if (const QString own = plain(dialog.DefaultExt.trimmed()); !own.isEmpty())
        return own;
    const QStringList parts = dialog.Filter.split(QLatin1Char('|'));
    const qsizetype patterns = 2 * qsizetype(std::max(1, dialog.FilterIndex)) - 1;
    if (patterns >= parts.size())
        return QString();
    for (const QString &pattern : parts[patterns].split(QLatin1Char(';'))) {
        const QString trimmed = pattern.trimmed();
        if (trimmed.startsWith(QLatin1String("*.")))
            if (const QString extension = plain(trimmed.mid(2)); !extension.isEmpty())
                return extension;
    }
    return QString();
}

QStringList toQtNameFilters(const QString &filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\*[^()]*\\)\\s*$"));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // The description often repeats its patterns; Qt shows them once, from the list.
        QString description = parts[i];
        description.remove(trailingPatterns);
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &pattern : patterns)
            pattern = pattern.trimmed();
        result << QStringLiteral("%1 (%2)").arg(description.trimmed(), patterns.join(QLatin1Char(' ')));
    }
    return result;
}

QtHostServices::QtHostServices() : m_printer(std::make_unique<QtPrinter>())
{
    setPrintToPdf(qEnvironmentVariable("PINXEL_PRINT_PDF"));
    if (QClipboard *clipboard =
            qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr)
        m_clipboardWatch = QObject::connect(clipboard, &QClipboard::dataChanged, clipboard, [] { clipboardChanged(); });
}

QtHostServices::~QtHostServices() { QObject::disconnect(m_clipboardWatch); }

QWidget *QtHostServices::dialogParent() const { return m_parent ? m_parent : QApplication::activeWindow(); }

void QtHostServices::setPrintToPdf(const QString &path)
{
    m_pdfPath = path;
    m_printer->setPdfPath(path);
}

int QtHostServices::MsgBox(const QString &text, int style)
{
    QMessageBox box(dialogParent());
    box.setWindowTitle(QString::fromLatin1(LibraryTitle));
    box.setText(text);
    switch (style & 0x70) {
    case 16:
        box.setIcon(QMessageBox::Critical);
        break;
    case 32:
        box.setIcon(QMessageBox::Question);
        break;
    case 48:
        box.setIcon(QMessageBox::Warning);
        break;
    case 64:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    // The button sets of the styles, with their answers.
    struct Button {
        QMessageBox::StandardButton button;
        int answer;
    };
    std::vector<Button> buttons;
    switch (style & 7) {
    case 1:
        buttons = {{QMessageBox::Ok, AnswerOk}, {QMessageBox::Cancel, AnswerCancel}};
        break;
    case 2:
        buttons = {{QMessageBox::Abort, 3}, {QMessageBox::Retry, 4}, {QMessageBox::Ignore, 5}};
        break;
    case 3:
        buttons = {{QMessageBox::Yes, AnswerYes}, {QMessageBox::No, AnswerNo}, {QMessageBox::Cancel, AnswerCancel}};
        break;
    case 4:
        buttons = {{QMessageBox::Yes, AnswerYes}, {QMessageBox::No, AnswerNo}};
        break;
    case 5:
        buttons = {{QMessageBox::Retry, 4}, {QMessageBox::Cancel, AnswerCancel}};
        break;
    default:
        buttons = {{QMessageBox::Ok, AnswerOk}};
        break;
    }
    for (const Button &b : buttons)
        box.addButton(b.button);
    const size_t defaultIndex = size_t((style >> 8) & 3);
    box.setDefaultButton(buttons[defaultIndex < buttons.size() ? defaultIndex : 0].button);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const Button &b : buttons)
        if (b.button == clicked)
            return b.answer;
    // Closed without a button: the box's Cancel, else its only answer.
    for (const Button &b : buttons)
        if (b.answer == AnswerCancel)
            return AnswerCancel;
    return buttons.size() == 1 ? buttons.front().answer : AnswerCancel;
}

void QtHostServices::ShowOpen(CommonDialog &dialog)
{
    QFileDialog box(dialogParent());
    prepareFileDialog(box, dialog, QCoreApplication::translate("QtHostServices", "Open"));
    box.setAcceptMode(QFileDialog::AcceptOpen);
    box.setFileMode((dialog.Flags & FlagFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        cancelled();
    readFileDialog(box, dialog);
}

void QtHostServices::ShowSave(CommonDialog &dialog)
{
    QFileDialog box(dialogParent());
    prepareFileDialog(box, dialog, QCoreApplication::translate("QtHostServices", "Save As"));
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setFileMode(QFileDialog::AnyFile);
    box.setOption(QFileDialog::DontConfirmOverwrite, !(dialog.Flags & FlagOverwritePrompt));
    box.setDefaultSuffix(saveDialogSuffix(dialog));
    for (;;) {
        if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
            cancelled();
        const QFileInfo chosen(box.selectedFiles().front());
        if (!(dialog.Flags & FlagPathMustExist) || chosen.absoluteDir().exists())
            break;
        QMessageBox::warning(
            &box, box.windowTitle(),
            QCoreApplication::translate("QtHostServices", "The folder %1 does not exist.").arg(chosen.absolutePath()));
    }
    readFileDialog(box, dialog);
}

void QtHostServices::ShowColor(CommonDialog &dialog)
{
    const QColor chosen = QColorDialog::getColor(
        QColor::fromRgb(toQRgb(dialog.Color)), dialogParent(),
        dialog.DialogTitle.isEmpty() ? QCoreApplication::translate("QtHostServices", "Color") : dialog.DialogTitle);
    if (chosen.isValid())
        dialog.Color = fromQRgb(chosen.rgb());
}

void QtHostServices::ShowFont(CommonDialog &dialog)
{
    QFont initial(dialog.FontName);
    if (dialog.FontSize > 0)
        initial.setPointSizeF(dialog.FontSize);
    initial.setBold(dialog.FontBold);
    initial.setItalic(dialog.FontItalic);
    initial.setUnderline(dialog.FontUnderline);
    initial.setStrikeOut(dialog.FontStrikethru);
    // Without a style name the dialog picks the face's first style in its
    // list (DejaVu Sans: "Oblique") for a regular font; the style the font
    // is drawn in is the one to show.
    initial.setStyleName(QFontInfo(initial).styleName());

    // Qt's font dialog has no colour: with the effects offered, it sits in a
    // box of our own beside a colour button.
    QDialog box(dialogParent());
    box.setWindowTitle(dialog.DialogTitle.isEmpty() ? QCoreApplication::translate("QtHostServices", "Font")
                                                    : dialog.DialogTitle);
    auto *layout = new QVBoxLayout(&box);
    auto *fonts = new QFontDialog(initial, &box);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts->setWindowFlags(Qt::Widget);
    layout->addWidget(fonts);
    QColor color = QColor::fromRgb(toQRgb(dialog.Color));
    QPushButton *colorButton = nullptr;
    if (dialog.Flags & FlagFontEffects) {
        colorButton = new QPushButton(QCoreApplication::translate("QtHostServices", "&Color..."), &box);
        const auto showColor = [&] {
            QPixmap swatch(16, 16);
            swatch.fill(color);
            colorButton->setIcon(swatch);
        };
        showColor();
        QObject::connect(colorButton, &QPushButton::clicked, &box, [&color, &box, showColor] {
            const QColor picked =
                QColorDialog::getColor(color, &box, QCoreApplication::translate("QtHostServices", "Color"));
            if (picked.isValid()) {
                color = picked;
                showColor();
            }
        });
        layout->addWidget(colorButton, 0, Qt::AlignLeft);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    layout->addWidget(buttons);
    // The dialog shows whole point sizes (9.75 as 10): what the user leaves
    // as it showed keeps its preset, so OK with nothing changed changes nothing.
    const QFont shown = fonts->currentFont();
    if (box.exec() != QDialog::Accepted)
        return;  // the font dialog's cancel keeps its presets and raises nothing
    const QFont chosen = fonts->currentFont();
    const auto changed = [](auto &preset, const auto &picked, const auto &atOpen) {
        if (picked != atOpen)
            preset = picked;
    };
    changed(dialog.FontName, chosen.family(), shown.family());
    changed(dialog.FontSize, chosen.pointSizeF(), shown.pointSizeF());
    changed(dialog.FontBold, chosen.bold(), shown.bold());
    changed(dialog.FontItalic, chosen.italic(), shown.italic());
    changed(dialog.FontUnderline, chosen.underline(), shown.underline());
    changed(dialog.FontStrikethru, chosen.strikeOut(), shown.strikeOut());
    if (colorButton)
        dialog.Color = fromQRgb(color.rgb());
}

void QtHostServices::ShowPrinter(CommonDialog &dialog)
{
    QPrinter &printer = m_printer->device();
    printer.setCopyCount(qMax(1, dialog.Copies));
    if (m_pdfPath.isEmpty()) {
        QPrintDialog box(&printer, dialogParent());
        if (!dialog.DialogTitle.isEmpty())
            box.setWindowTitle(dialog.DialogTitle);
        box.setOption(QAbstractPrintDialog::PrintSelection, !(dialog.Flags & FlagNoSelection));
        box.setOption(QAbstractPrintDialog::PrintPageRange, !(dialog.Flags & FlagNoPageNumbers));
        if (box.exec() != QDialog::Accepted)
            cancelled();
        dialog.Copies = printer.copyCount();
    }
    m_printer->Copies = dialog.Copies;
}

Printer &QtHostServices::printer() { return *m_printer; }

void QtHostServices::SetClipboardPicture(const QImage &picture)
{
    if (QClipboard *clipboard = QGuiApplication::clipboard()) {
        clipboard->setImage(picture);
        clipboardChanged();
    }
}

bool QtHostServices::ClipboardHasPicture()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    const QMimeData *data = clipboard ? clipboard->mimeData() : nullptr;
    return data && data->hasImage();
}

QImage QtHostServices::ClipboardPicture()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->image() : QImage();
}

int QtHostServices::PopupMenu(const QStringList &items, int checkedItem)
{
    QMenu menu(dialogParent());
    std::vector<QAction *> actions;
    for (const QString &item : items)
        actions.push_back(item == QLatin1String("-") ? menu.addSeparator() : menu.addAction(item));
    if (checkedItem >= 0 && size_t(checkedItem) < actions.size() && !actions[size_t(checkedItem)]->isSeparator()) {
        actions[size_t(checkedItem)]->setCheckable(true);
        actions[size_t(checkedItem)]->setChecked(true);
    }
    const QAction *chosen = menu.exec(QCursor::pos());
    for (size_t i = 0; i < actions.size(); ++i)
        if (chosen && actions[i] == chosen)
            return int(i);
    return -1;
}

}  // namespace pinxel
