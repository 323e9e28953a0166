#include "document/EditPath.h"

#include "pinxel/PictureSurface.h"

#include <QSize>

namespace pinxel {

namespace {
QSize outerSize(const PictureSurface &surface) { return QSize(int(surface.Width()), int(surface.Height())); }
}  // namespace

void EditPath::apply(const Change &change)
{
    PictureSurface *selection = m_site.shownSelection();
    if (!selection) {
        applyToCanvas(change);
        return;
    }
    m_site.showActualSize();
    m_site.DrawSelectionRect();
    change(*selection);
    m_site.DrawSelectionRect();
}

void EditPath::applyToCanvas(const Change &change)
{
    m_site.showActualSize();
    const QSize before = outerSize(m_site.canvas());
    m_site.finishAction();
    change(m_site.canvas());
    record();
    if (outerSize(m_site.canvas()) != before)
        m_site.layOut();
}

void EditPath::record() { m_ring.SetImageBuffer(m_site.pictureAtActualSize()); }

}  // namespace pinxel
