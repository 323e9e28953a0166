#include "pinxel/ScriptedHostServices.h"

#include "pinxel/Error.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace pinxel {

QString dialogKindName(DialogKind kind)
{
    switch (kind) {
    case DialogKind::MessageBox:
        return QStringLiteral("message box");
    case DialogKind::Open:
        return QStringLiteral("open dialog");
    case DialogKind::Save:
        return QStringLiteral("save dialog");
    case DialogKind::Color:
        return QStringLiteral("colour dialog");
    case DialogKind::Font:
        return QStringLiteral("font dialog");
    case DialogKind::Printer:
        return QStringLiteral("printer dialog");
    case DialogKind::PopupMenu:
        return QStringLiteral("pop-up menu");
    }
    return QString();
}

// --- The printer.

void ScriptedPrinter::PaintPicture(const QImage &picture, int x, int y)
{
    m_painted.push_back({picture, x, y, Copies});
    ++m_pending;
}

void ScriptedPrinter::EndDoc()
{
    if (!m_output.isEmpty() && m_pending > 0) {
        const auto first = m_painted.end() - m_pending;
        QRect page;
        for (auto it = first; it != m_painted.end(); ++it)
            page |= QRect(QPoint(it->x, it->y), it->picture.size());
        page |= QRect(0, 0, 1, 1);
        const QSize pageSize(page.right() + 1, page.bottom() + 1);
        if (m_output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
            QPdfWriter writer(m_output);
            writer.setResolution(96);
            writer.setPageSize(QPageSize(QSizeF(pageSize) / 96.0, QPageSize::Inch));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            QPainter painter;
            if (!painter.begin(&writer))
                throw Error(ErrPrinter, QStringLiteral("Printer error: cannot write %1").arg(m_output));
            for (auto it = first; it != m_painted.end(); ++it)
                painter.drawImage(QPoint(it->x, it->y), it->picture);
            painter.end();
        } else {
            QImage sheet(pageSize, QImage::Format_RGB32);
            sheet.fill(Qt::white);
            QPainter painter(&sheet);
            for (auto it = first; it != m_painted.end(); ++it)
                painter.drawImage(QPoint(it->x, it->y), it->picture);
            painter.end();
            if (!sheet.save(m_output, "PNG"))
                throw Error(ErrPrinter, QStringLiteral("Printer error: cannot write %1").arg(m_output));
        }
    }
    m_documents.push_back(Copies);
    m_pending = 0;
}

// --- Queueing answers.

ScriptedHostServices::ScriptedHostServices()
{
    random().setClock([this] {
        if (m_clock.empty())
            return RandomSource::machineClock();
        const std::uint32_t reading = m_clock.front();
        m_clock.pop_front();
        return reading;
    });
}

ScriptedHostServices::~ScriptedHostServices() = default;

void ScriptedHostServices::answerMsgBox(int answer) { queue({DialogKind::MessageBox, false, answer, {}, {}}); }
void ScriptedHostServices::answerOpen(const QString &path, int filterIndex)
{
    queue({DialogKind::Open, false, filterIndex, path, {}});
}
void ScriptedHostServices::cancelOpen() { queue({DialogKind::Open, true, 0, {}, {}}); }
void ScriptedHostServices::answerSave(const QString &path, int filterIndex)
{
    queue({DialogKind::Save, false, filterIndex, path, {}});
}
void ScriptedHostServices::cancelSave() { queue({DialogKind::Save, true, 0, {}, {}}); }
void ScriptedHostServices::answerColor(Color color) { queue({DialogKind::Color, false, color, {}, {}}); }
void ScriptedHostServices::cancelColor() { queue({DialogKind::Color, true, 0, {}, {}}); }
void ScriptedHostServices::answerFont(const FontAnswer &font) { queue({DialogKind::Font, false, 0, {}, font}); }
void ScriptedHostServices::cancelFont() { queue({DialogKind::Font, true, 0, {}, {}}); }
void ScriptedHostServices::answerPrinter(int copies) { queue({DialogKind::Printer, false, copies, {}, {}}); }
void ScriptedHostServices::cancelPrinter() { queue({DialogKind::Printer, true, 0, {}, {}}); }
void ScriptedHostServices::answerPopupMenu(int index) { queue({DialogKind::PopupMenu, false, index, {}, {}}); }
void ScriptedHostServices::dismissPopupMenu() { queue({DialogKind::PopupMenu, true, -1, {}, {}}); }

QStringList ScriptedHostServices::messages() const
{
    QStringList texts;
    for (const ShownDialog &shown : m_shown)
        if (shown.kind == DialogKind::MessageBox)
            texts << shown.text;
    return texts;
}

// --- Showing.

ScriptedHostServices::Answer ScriptedHostServices::take(ShownDialog shown)
{
    const DialogKind kind = shown.kind;
    const QString text = shown.text;
    m_shown.push_back(std::move(shown));
    const QString what = QStringLiteral("%1 \"%2\"").arg(dialogKindName(kind), text);
    if (m_answers.empty())
        throw UnansweredDialog(QStringLiteral("No answer queued for the %1").arg(what).toStdString());
    if (m_answers.front().kind != kind)
        throw UnansweredDialog(QStringLiteral("The %1 was shown, but the next queued answer is for a %2")
                                   .arg(what, dialogKindName(m_answers.front().kind))
                                   .toStdString());
    Answer answer = std::move(m_answers.front());
    m_answers.pop_front();
    return answer;
}

namespace {
// The answers a message box's buttons give, by the button group of its style.
bool isButtonOf(int answer, int style)
{
    switch (style & 7) {
    case 0:
        return answer == AnswerOk;
    case 1:
        return answer == AnswerOk || answer == AnswerCancel;
    case 2:
        return answer >= 3 && answer <= 5;  // Abort, Retry, Ignore
    case 3:
        return answer == AnswerYes || answer == AnswerNo || answer == AnswerCancel;
    case 4:
        return answer == AnswerYes || answer == AnswerNo;
    case 5:
        return answer == 4 || answer == AnswerCancel;  // Retry, Cancel
    default:
        return false;
    }
}
}  // namespace

int ScriptedHostServices::MsgBox(const QString &text, int style)
{
    ShownDialog shown;
    shown.kind = DialogKind::MessageBox;
    shown.text = text;
    shown.style = style;
    const int answer = take(std::move(shown)).value;
    // A real box has no such button: the script would test what cannot happen.
    if (!isButtonOf(answer, style))
        throw UnansweredDialog(QStringLiteral("The queued answer %1 is no button of the message box (style %2): %3")
                                   .arg(answer)
                                   .arg(style)
                                   .arg(text)
                                   .toStdString());
    return answer;
}

namespace {
ShownDialog dialogShown(DialogKind kind, const CommonDialog &dialog)
{
    ShownDialog shown;
    shown.kind = kind;
    shown.text = dialog.DialogTitle;
    shown.style = dialog.Flags;
    shown.preset = dialog;
    return shown;
}

[[noreturn]] void cancelled() { throw Error(ErrCancel, QStringLiteral("Cancel was selected.")); }
}  // namespace

void ScriptedHostServices::ShowOpen(CommonDialog &dialog)
{
    const Answer answer = take(dialogShown(DialogKind::Open, dialog));
    if (answer.cancel)
        cancelled();
    dialog.FileName = answer.path;
    if (answer.value > 0)
        dialog.FilterIndex = answer.value;
}

void ScriptedHostServices::ShowSave(CommonDialog &dialog)
{
    const Answer answer = take(dialogShown(DialogKind::Save, dialog));
    if (answer.cancel)
        cancelled();
    dialog.FileName = answer.path;
    if (answer.value > 0)
        dialog.FilterIndex = answer.value;
}

void ScriptedHostServices::ShowColor(CommonDialog &dialog)
{
    const Answer answer = take(dialogShown(DialogKind::Color, dialog));
    if (!answer.cancel)
        dialog.Color = answer.value;
}

void ScriptedHostServices::ShowFont(CommonDialog &dialog)
{
    const Answer answer = take(dialogShown(DialogKind::Font, dialog));
    if (answer.cancel)
        return;
    dialog.FontName = answer.font.name;
    dialog.FontSize = answer.font.size;
    dialog.FontBold = answer.font.bold;
    dialog.FontItalic = answer.font.italic;
    dialog.FontUnderline = answer.font.underline;
    dialog.FontStrikethru = answer.font.strikethru;
    if (answer.font.color)
        dialog.Color = *answer.font.color;
}

void ScriptedHostServices::ShowPrinter(CommonDialog &dialog)
{
    const Answer answer = take(dialogShown(DialogKind::Printer, dialog));
    if (answer.cancel)
        cancelled();
    dialog.Copies = answer.value;
    m_printer.Copies = answer.value;
}

int ScriptedHostServices::PopupMenu(const QStringList &items, int checkedItem)
{
    ShownDialog shown;
    shown.kind = DialogKind::PopupMenu;
    shown.text = items.join(QLatin1Char('\n'));
    shown.items = items;
    shown.checkedItem = checkedItem;
    const Answer answer = take(std::move(shown));
    if (answer.cancel)
        return -1;
    if (answer.value < 0 || answer.value >= items.size() || items[answer.value] == QLatin1String("-"))
        throw UnansweredDialog(QStringLiteral("The queued answer %1 is not an item of the pop-up menu \"%2\"")
                                   .arg(answer.value)
                                   .arg(items.join(QStringLiteral(", ")))
                                   .toStdString());
    return answer.value;
}

void ScriptedHostServices::SavePicture(const QImage &picture, const QString &path)
{
    if (!m_writeCheck || m_writeCheck(path))
        HostServices::SavePicture(picture, path);
}

void ScriptedHostServices::SetAttr(const QString &path, int attributes)
{
    if (!m_writeCheck || m_writeCheck(path))
        HostServices::SetAttr(path, attributes);
}

void ScriptedHostServices::Kill(const QString &path)
{
    if (!m_writeCheck || m_writeCheck(path))
        HostServices::Kill(path);
}

}  // namespace pinxel
