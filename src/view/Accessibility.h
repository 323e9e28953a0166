#pragma once
// What assistive tools (screen readers, accessibility-driven test tools) see
// of the editor's elements that Qt does not describe by itself: a role, and a
// name and description read each time they are asked, so that a translated
// caption or the hint of the moment is what they read. A widget that holds a
// CellGrid of drawn cells (view/CellGrid) shows those cells as its children,
// each with its name, role, state, place and press action.

#include <QAccessible>
#include <QString>
#include <QToolButton>

#include <functional>

class QWidget;

namespace pinxel {

using AccessibleText = std::function<QString()>;

// A tool button that is one of a group's exclusive choices: assistive tools
// see a radio button, named by its tooltip as it is now.
class ChoiceButton : public QToolButton {
    Q_OBJECT
public:
    using QToolButton::QToolButton;
};

// Installs the interfaces' factory; once per process, any thread before the first query.
void installAccessibility();

// Gives a widget a role, a name and a description for assistive tools. An
// accessible name set on the widget itself still goes first. A widget with
// a grid of drawn cells (view/CellGrid) is described after its grid is made.
void describeAccessible(QWidget *widget, QAccessible::Role role, AccessibleText name, AccessibleText description = {});

// "&Fill Color..." as "Fill Color": a caption as a name.
QString captionAsName(QString caption);

}  // namespace pinxel
