#pragma once
// The host's form: the surface the control sits on. It keeps the control
// filling it (less a margin), and in design mode draws the designer's dot
// grid and the selection frame around the control, and passes a double click
// on in place of the control, which takes no pointer input while designed.

#include <QPointer>
#include <QWidget>

class FormArea : public QWidget {
    Q_OBJECT
public:
    explicit FormArea(QWidget *parent = nullptr);

    void setControl(QWidget *control);
    QWidget *control() const { return m_control; }
    void setDesignMode(bool design);

    static constexpr int Margin = 12;

signals:
    void controlDoubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void placeControl();

    QPointer<QWidget> m_control;
    bool m_design = false;
};
