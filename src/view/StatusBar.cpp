#include "view/StatusBar.h"

#include <QHBoxLayout>
#include <QLabel>

namespace pinxel {

StatusBar::StatusBar(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(2);
    for (size_t i = 0; i < m_panels.size(); ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setFrameShape(QFrame::StyledPanel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        m_panels[i]->setIndent(3);
        // The hint takes what the two measures leave.
        layout->addWidget(m_panels[i], i == 0 ? 1 : 0);
        if (i > 0)
            m_panels[i]->setMinimumWidth(110);
    }
    setFixedHeight(PixelHeight);
}

QString StatusBar::panelText(int panel) const
{
    return panel >= 1 && panel <= 3 ? m_panels[size_t(panel - 1)]->text() : QString();
}

void StatusBar::setPanelText(int panel, const QString &text)
{
    if (panel >= 1 && panel <= 3)
        m_panels[size_t(panel - 1)]->setText(text);
}

}  // namespace pinxel
