#include "editor/ScriptAnswers.h"

#include "editor/ScriptWords.h"
#include "pinxel/Error.h"

#include <algorithm>
#include <iterator>
#include <map>

namespace pinxel {

namespace {

const std::map<QString, int> &msgBoxAnswers()
{
    static const std::map<QString, int> answers = {{QStringLiteral("yes"), AnswerYes},
                                                   {QStringLiteral("no"), AnswerNo},
                                                   {QStringLiteral("cancel"), AnswerCancel},
                                                   {QStringLiteral("ok"), AnswerOk}};
    return answers;
}

// The style words of a font answer, for the dialog's flags and the answer's.
struct FontStyleWord {
    const char *word;
    bool FontAnswer::*answer;
    bool CommonDialog::*dialog;
};
const FontStyleWord FontStyleWords[] = {{"bold", &FontAnswer::bold, &CommonDialog::FontBold},
                                        {"italic", &FontAnswer::italic, &CommonDialog::FontItalic},
                                        {"underline", &FontAnswer::underline, &CommonDialog::FontUnderline},
                                        {"strikethrough", &FontAnswer::strikethru, &CommonDialog::FontStrikethru}};

}  // namespace

void queueScriptAnswer(ScriptedHostServices &services, const QStringList &words)
{
    if (words.isEmpty())
        throw ScriptError("answer: which dialog?");
    const QString kind = words.front();
    const QStringList rest = words.mid(1);
    const bool cancel = rest.size() == 1 && (rest.front() == QLatin1String("cancel"));
    const auto bad = [&] {
        return ScriptError(("answer " + words.join(QLatin1Char(' '))).toStdString() + ": cannot read it");
    };
    if (kind == QLatin1String("msgbox")) {
        const std::map<QString, int> &answers = msgBoxAnswers();
        const auto found = answers.find(rest.value(0));
        if (rest.size() != 1 || found == answers.end())
            throw bad();
        services.answerMsgBox(found->second);
    } else if (kind == QLatin1String("open") || kind == QLatin1String("save")) {
        if (rest.isEmpty())
            throw bad();
        const QString path = rest.join(QLatin1Char(' '));
        if (kind == QLatin1String("open"))
            cancel ? services.cancelOpen() : services.answerOpen(path);
        else
            cancel ? services.cancelSave() : services.answerSave(path);
    } else if (kind == QLatin1String("print")) {
        bool ok = false;
        const int copies = rest.value(0).toInt(&ok);
        if (cancel)
            services.cancelPrinter();
        else if (rest.size() == 1 && ok && copies > 0)
            services.answerPrinter(copies);
        else
            throw bad();
    } else if (kind == QLatin1String("color")) {
        if (cancel) {
            services.cancelColor();
            return;
        }
        if (rest.size() != 3)
            throw bad();
        services.answerColor(
            composeColor(component(rest, 0, kind), component(rest, 1, kind), component(rest, 2, kind)));
    } else if (kind == QLatin1String("font")) {
        if (cancel) {
            services.cancelFont();
            return;
        }
        // The face may have several words: the size is the first number.
        int sizeAt = 1;
        while (sizeAt < rest.size()) {
            bool isNumber = false;
            rest[sizeAt].toDouble(&isNumber);
            if (isNumber)
                break;
            ++sizeAt;
        }
        const int colorAt = int(rest.size()) - 3;
        if (sizeAt >= colorAt)
            throw bad();
        FontAnswer font;
        font.name = rest.mid(0, sizeAt).join(QLatin1Char(' '));
        font.size = number(rest, sizeAt, kind);
        if (font.size <= 0)
            throw bad();
        for (int i = sizeAt + 1; i < colorAt; ++i) {
            const auto style =
                std::find_if(std::begin(FontStyleWords), std::end(FontStyleWords),
                             [&](const FontStyleWord &known) { return rest[i] == QLatin1String(known.word); });
            if (style == std::end(FontStyleWords))
                throw bad();
            font.*style->answer = true;
        }
        font.color = composeColor(component(rest, colorAt, kind), component(rest, colorAt + 1, kind),
                                  component(rest, colorAt + 2, kind));
        services.answerFont(font);
    } else if (kind == QLatin1String("popup")) {
        if (rest.size() == 1 && rest.front() == QLatin1String("dismiss")) {
            services.dismissPopupMenu();
        } else {
            bool ok = false;
            const int index = rest.value(0).toInt(&ok);
            if (rest.size() != 1 || !ok)
                throw bad();
            services.answerPopupMenu(index);
        }
    } else if (kind == QLatin1String("clock")) {
        if (rest.size() != 1)
            throw bad();
        services.answerClock(std::uint32_t(wholeNumber(rest, 0, kind, 0, 0xFFFFFF)));
    } else {
        throw ScriptError(("answer " + kind).toStdString() + ": unknown dialog");
    }
}

// --- Recording.

QImage RecordingHostServices::ClipboardPicture()
{
    const QImage picture = m_inner->ClipboardPicture();
    if (!picture.isNull() && m_keep) {
        const QString kept = m_keep(picture);
        if (!kept.isEmpty())
            m_note(QStringLiteral("clipboard ") + kept);
    }
    return picture;
}

namespace {

QString rgbWords(Color c) { return QStringLiteral("%1 %2 %3").arg(colorRed(c)).arg(colorGreen(c)).arg(colorBlue(c)); }

}  // namespace

RecordingHostServices::RecordingHostServices(HostServices &inner, Note note, Keep keep, BeforeSave beforeSave)
    : m_inner(&inner), m_note(std::move(note)), m_keep(std::move(keep)), m_beforeSave(std::move(beforeSave))
{
    random().setClock([this] {
        const std::uint32_t reading = m_inner->random().readClock() & 0xFFFFFF;
        m_note(QStringLiteral("answer clock %1").arg(reading));
        return reading;
    });
}

int RecordingHostServices::MsgBox(const QString &text, int style)
{
    const int answer = m_inner->MsgBox(text, style);
    for (const auto &[word, value] : msgBoxAnswers())
        if (value == answer)
            m_note(QStringLiteral("answer msgbox ") + word);
    return answer;
}

void RecordingHostServices::fileDialog(const QString &kind, CommonDialog &dialog,
                                       void (HostServices::*show)(CommonDialog &),
                                       const std::function<QString()> &answer)
{
    try {
        (m_inner->*show)(dialog);
    } catch (const Error &error) {
        if (error.number() == ErrCancel)
            m_note(QStringLiteral("answer %1 cancel").arg(kind));
        throw;
    }
    m_note(QStringLiteral("answer %1 %2").arg(kind, answer()));
}

void RecordingHostServices::ShowOpen(CommonDialog &dialog)
{
    fileDialog(QStringLiteral("open"), dialog, &HostServices::ShowOpen, [&] { return dialog.FileName; });
}

void RecordingHostServices::ShowSave(CommonDialog &dialog)
{
    fileDialog(QStringLiteral("save"), dialog, &HostServices::ShowSave, [&] { return dialog.FileName; });
}

void RecordingHostServices::ShowPrinter(CommonDialog &dialog)
{
    fileDialog(QStringLiteral("print"), dialog, &HostServices::ShowPrinter,
               [&] { return QString::number(dialog.Copies); });
}

// A colour or font dialog that was cancelled leaves its values as they were,
// as one answered with those values would: either replays the same.
void RecordingHostServices::ShowColor(CommonDialog &dialog)
{
    const Color before = dialog.Color;
    m_inner->ShowColor(dialog);
    m_note(dialog.Color == before ? QStringLiteral("answer color cancel")
                                  : QStringLiteral("answer color ") + rgbWords(dialog.Color));
}

void RecordingHostServices::ShowFont(CommonDialog &dialog)
{
    const CommonDialog before = dialog;
    m_inner->ShowFont(dialog);
    bool changed =
        dialog.FontName != before.FontName || dialog.FontSize != before.FontSize || dialog.Color != before.Color;
    QString line = QStringLiteral("answer font %1 %2").arg(dialog.FontName, QString::number(dialog.FontSize, 'g', 17));
    for (const FontStyleWord &style : FontStyleWords) {
        changed = changed || dialog.*style.dialog != before.*style.dialog;
        if (dialog.*style.dialog)
            line += QLatin1Char(' ') + QLatin1String(style.word);
    }
    if (!changed) {
        m_note(QStringLiteral("answer font cancel"));
        return;
    }
    m_note(line + QLatin1Char(' ') + rgbWords(dialog.Color));
}

int RecordingHostServices::PopupMenu(const QStringList &items, int checkedItem)
{
    const int chosen = m_inner->PopupMenu(items, checkedItem);
    m_note(chosen < 0 ? QStringLiteral("answer popup dismiss") : QStringLiteral("answer popup %1").arg(chosen));
    return chosen;
}

}  // namespace pinxel
