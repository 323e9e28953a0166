#pragma once
// The editor's state line and the picture's checksum, which a recording ends
// with and a replay compares.

#include <QImage>
#include <QString>
#include <QStringList>

namespace pinxel {

class EditorModel;
class frmPaint;

// One JSON object: the model's state, and what the window that shows it
// adds (none when it runs headless).
QString editorStateJson(const EditorModel &model, const frmPaint *window);
// The state of that window and its model, also while it closes.
QString editorStateJson(const frmPaint &window);
// SHA-1 of the picture's size and colours, in hex.
QString pictureChecksum(const QImage &picture);
// The fields of two state lines that differ: "CurrentTool recorded 5, replayed 4".
QStringList stateDifferences(const QString &recorded, const QString &replayed);

}  // namespace pinxel
